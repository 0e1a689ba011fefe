#include "core/data/platform/ProgramFolder.h"

#include "core/data/platform/FolderLock.h"
#include "core/data/platform/Paths.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace ProgramFolder {

QString deliveredFolder()
{
    QStringList candidates;
    const QString fromEnvironment = qEnvironmentVariable("ROZVAHON_DELIVERED");
    if (!fromEnvironment.isEmpty())
        candidates << fromEnvironment;
    const QString exe = Paths::executableFolder();
    candidates << exe + QStringLiteral("/../" ROZVAHON_SHARE_SUBDIR) << exe + QStringLiteral("/../delivered")
               << QStringLiteral(ROZVAHON_BUILD_DELIVERED_DIR);
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate + QStringLiteral("/Penezka.ini")).isFile())
            return QDir::cleanPath(candidate);
    return QString();
}

bool holdsProgram(const QString &folder)
{
    return QFileInfo(Paths::resolve(folder, QStringLiteral("Data"))).isDir()
           || QFileInfo(Paths::resolve(folder, QStringLiteral("Penezka.ini"))).isFile();
}

// SQLite's side files and our own half-copied files are not part of what
// the program delivers; they may come and go while the folder is read.
static bool isTransientFile(const QString &name)
{
    for (const char *suffix : {"-wal", "-shm", "-journal", ".part"})
        if (name.endsWith(QLatin1String(suffix)))
            return true;
    return false;
}

// A household's finances are the user's alone: the folders the program
// makes and the files it delivers are private to the user.
static constexpr QFile::Permissions PrivateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
static constexpr QFile::Permissions PrivateFile = QFile::ReadOwner | QFile::WriteOwner;

// Makes `folder` and any missing folders above it, each private.
static bool makePrivatePath(const QString &folder)
{
    QStringList missing;
    for (QString at = QDir::cleanPath(folder); !at.isEmpty() && !QFileInfo::exists(at);
         at = QFileInfo(at).absolutePath()) {
        missing.prepend(at);
        if (at == QFileInfo(at).absolutePath())
            break;
    }
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &made : missing)
        QFile::setPermissions(made, PrivateFolder);
    return true;
}

QString asideName(const QString &path, const QString &why)
{
    const QString base = path + QLatin1Char('.') + why + QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate);
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

// Moves the journals of a missing table aside; false when one stays.
static bool setJournalsAside(const QString &table, const QString &target, QStringList *setAside)
{
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        const QString journal = table + QLatin1String(suffix);
        if (!QFileInfo::exists(journal) && !QFileInfo(journal).isSymLink())
            continue;
        const QString aside = asideName(journal, QStringLiteral("osirelý"));
        if (!QFile::rename(journal, aside))
            return false;
        if (setAside)
            setAside->append(QDir(target).relativeFilePath(aside));
    }
    return true;
}

QString copyDelivered(const QString &from, const QString &target, QStringList *added, QStringList *setAside)
{
    if (from.isEmpty() || !QFileInfo(from).isDir())
        return QStringLiteral("Nenalezeny dodané soubory programu (tabulky a Penezka.ini).");
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        if (isTransientFile(relative))
            continue;
        const QString destination = Paths::resolve(target, relative);
        // What is there stays as it is, whatever it holds: the user's file.
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
            continue;
        makePrivatePath(QFileInfo(destination).absolutePath());
        if (!setJournalsAside(destination, target, setAside))
            return QStringLiteral("Soubor „%1“ chybí, ale jeho deník zůstal a nelze jej odložit stranou. Program se "
                                  "ukončí; přesuňte soubory „%1-wal“ a „%1-shm“ jinam a spusťte jej znovu.")
                .arg(QDir::toNativeSeparators(relative));
        // Copy to a temporary name first: an interrupted copy never leaves a
        // half table under the real name.
        const QString partial = destination + QStringLiteral(".part");
        QFile::remove(partial);
        if (!QFile::copy(file, partial) || !QFile::setPermissions(partial, PrivateFile)
            || !QFile::rename(partial, destination)) {
            QFile::remove(partial);
            return QStringLiteral("Soubor „%1“ nelze zkopírovat do složky programu „%2“ (je plný disk, nebo do "
                                  "složky nelze zapisovat?). Program se ukončí; při příštím spuštění chybějící "
                                  "soubory doplní.")
                .arg(QDir::toNativeSeparators(relative), QDir::toNativeSeparators(target));
        }
        if (added)
            added->append(relative);
    }
    return QString();
}

// A settings file that cannot be read as settings at all (a NUL byte, or
// no section in it): kept aside under a dated name, so that the delivered
// settings take its place. True when it was set aside.
static bool setAsideUnreadableSettings(const QString &path, QString *asideAs)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // missing (delivered anew) or unreadable (told where it is read)
    QByteArray data = file.readAll();
    file.close();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    bool readable = !data.contains('\0');
    if (readable && !data.trimmed().isEmpty()) {
        readable = false;
        for (const QByteArray &line : data.split('\n'))
            if (line.trimmed().startsWith('[') && line.contains(']'))
                readable = true;
    }
    if (readable)
        return false;
    const QString aside = asideName(path, QStringLiteral("nečitelný"));
    if (!QFile::rename(path, aside))
        return false;
    *asideAs = aside;
    return true;
}

// The one lock of this process: on the program folder it works in.
static std::unique_ptr<FolderLock> &heldLock()
{
    static std::unique_ptr<FolderLock> lock;
    return lock;
}

QString prepare(const QString &dirOption, QString *notice)
{
    QString folder;
    if (!dirOption.isEmpty()) {
        folder = QDir(dirOption).absolutePath();
    } else if (holdsProgram(QDir::currentPath())) {
        folder = QDir::currentPath();
    } else {
        folder = Paths::dataHome() + QStringLiteral("/Rozvahon");
    }
    if (!makePrivatePath(folder))
        return QStringLiteral("Složku programu „%1“ nelze vytvořit.").arg(folder);

    // One program per folder: two of them would write over each other's
    // records. The folder is locked before anything in it is touched.
    std::unique_ptr<FolderLock> &lock = heldLock();
    if (!lock || lock->folder() != QDir(folder).absolutePath()) {
        lock.reset();
        auto fresh = std::make_unique<FolderLock>(folder);
        if (!fresh->isLocked())
            return fresh->error();
        lock = std::move(fresh);
    }

    // Every start adds what is missing of the delivered files, so that a
    // first start cut short (a full disk) is completed by the next one. The
    // user's own files are never replaced.
    const bool hadProgram = holdsProgram(folder);
    const QString delivered = deliveredFolder();
    QString settingsAside;
    const QString settings = QDir(folder).filePath(QStringLiteral("Penezka.ini"));
    if (!delivered.isEmpty() && setAsideUnreadableSettings(settings, &settingsAside) && notice)
        *notice = QStringLiteral("Soubor nastavení „%1“ nešel přečíst jako nastavení (je poškozený). Byl odložen jako "
                                 "„%2“ a nahrazen nastavením z dodávky programu.")
                      .arg(QDir::toNativeSeparators(settings), QDir::toNativeSeparators(settingsAside));
    if (!delivered.isEmpty() || !hadProgram) {
        QStringList added, setAside;
        const QString error = copyDelivered(delivered, folder, &added, &setAside);
        if (!error.isEmpty())
            return error;
        QStringList tables;
        for (const QString &file : added)
            if (file.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
                tables << QString(file).replace(QLatin1Char('/'), QLatin1Char('\\'));
        tables.sort(Qt::CaseInsensitive);
        if (hadProgram && !tables.isEmpty() && notice) {
            const int shown = 6;
            if (!notice->isEmpty())
                *notice += QLatin1Char(' ');
            *notice += QStringLiteral("Ve složce programu „%1“ chyběly tabulky: %2%3. Byly doplněny prázdné tabulky "
                                     "z dodávky programu; chybějící záznamy obnovíte ze zálohy.")
                          .arg(QDir::toNativeSeparators(folder), tables.mid(0, shown).join(QStringLiteral(", ")),
                               tables.size() > shown ? QStringLiteral(" a dalších %1").arg(tables.size() - shown)
                                                     : QString());
            if (!setAside.isEmpty())
                *notice += QStringLiteral(" Deníky chybějících tabulek, které zůstaly ve složce, byly odloženy "
                                          "(nepřehrály se do nových tabulek): %1.")
                               .arg(QDir::toNativeSeparators(setAside.join(QStringLiteral(", "))));
        }
    }
    if (!QDir::setCurrent(folder))
        return QStringLiteral("Do složky programu „%1“ nelze přejít.").arg(folder);
    return QString();
}

} // namespace ProgramFolder
