#include "core/platform/ProgramFolder.h"

#include "core/platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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

QString copyDelivered(const QString &from, const QString &target)
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
        if (QFileInfo::exists(destination))
            continue;
        QDir().mkpath(QFileInfo(destination).absolutePath());
        // Copy to a temporary name first: an interrupted copy never leaves a
        // half table under the real name.
        const QString partial = destination + QStringLiteral(".part");
        QFile::remove(partial);
        if (!QFile::copy(file, partial) || !QFile::rename(partial, destination)) {
            QFile::remove(partial);
            return QStringLiteral("Soubor „%1“ nelze zkopírovat do „%2“.").arg(relative, target);
        }
        QFile::setPermissions(destination, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return QString();
}

QString prepare(const QString &dirOption)
{
    QString folder;
    if (!dirOption.isEmpty()) {
        folder = QDir(dirOption).absolutePath();
    } else if (holdsProgram(QDir::currentPath())) {
        folder = QDir::currentPath();
    } else {
        folder = Paths::dataHome() + QStringLiteral("/Rozvahon");
    }
    if (!QDir().mkpath(folder))
        return QStringLiteral("Složku programu „%1“ nelze vytvořit.").arg(folder);
    if (!holdsProgram(folder)) {
        const QString error = copyDelivered(deliveredFolder(), folder);
        if (!error.isEmpty())
            return error;
    }
    if (!QDir::setCurrent(folder))
        return QStringLiteral("Do složky programu „%1“ nelze přejít.").arg(folder);
    return QString();
}

} // namespace ProgramFolder
