#include "backup/copy/BackupCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace BackupCopy {

namespace {

bool isJournal(const QString &name)
{
    return name.endsWith(QLatin1String("-wal"), Qt::CaseInsensitive)
           || name.endsWith(QLatin1String("-shm"), Qt::CaseInsensitive)
           || name.endsWith(QLatin1String("-journal"), Qt::CaseInsensitive);
}

void listInto(const QDir &root, const QDir &folder, const QString &mask, QStringList &files)
{
    for (const QFileInfo &file : folder.entryInfoList({mask}, QDir::Files | QDir::Hidden, QDir::Name))
        files << root.relativeFilePath(file.absoluteFilePath());
    for (const QFileInfo &sub : folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        listInto(root, QDir(sub.absoluteFilePath()), mask, files);
}

// The whole table at `source`, journal included, into a new file `target`.
QString backupTable(const QString &source, const QString &target)
{
    sqlite3 *from = nullptr;
    sqlite3 *to = nullptr;
    QString error;
    if (sqlite3_open_v2(QFile::encodeName(source).constData(), &from, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK
        || sqlite3_open_v2(QFile::encodeName(target).constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
               != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(from ? from : to));
    } else {
        // A writer of the program holds the table only for a moment.
        sqlite3_busy_timeout(from, 2000);
        sqlite3_backup *copy = sqlite3_backup_init(to, "main", from, "main");
        if (!copy) {
            error = QString::fromUtf8(sqlite3_errmsg(to));
        } else {
            const int stepped = sqlite3_backup_step(copy, -1);
            sqlite3_backup_finish(copy);
            if (stepped != SQLITE_DONE)
                error = QString::fromUtf8(sqlite3_errstr(stepped));
        }
    }
    sqlite3_close(from);
    sqlite3_close(to);
    return error;
}

} // namespace

QStringList fileList(const QString &folder, const QString &mask)
{
    QStringList files;
    const QDir root(folder);
    if (root.exists())
        listInto(root, root, mask, files);
    return files;
}

bool isTable(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

Result copyFiles(const QString &from, const QString &to, const QStringList &files, const ReplaceQuestion &replace,
                 const Progress &progress)
{
    Result result;
    bool replaceAll = false;
    int done = 0;
    for (const QString &relative : files) {
        if (progress && !progress(done++, int(files.size()))) {
            result.cancelled = true;
            return result;
        }
        const QString source = QDir(from).filePath(relative);
        // A table's journal goes with the table, inside its copy.
        if (isJournal(relative) && isTable(source.left(source.lastIndexOf(QLatin1Char('-')))))
            continue;
        const QString target = QDir(to).filePath(relative);
        if (QFileInfo::exists(target) && !replaceAll) {
            switch (replace ? replace(relative) : Replace::Yes) {
            case Replace::Yes: break;
            case Replace::YesToAll: replaceAll = true; break;
            case Replace::No: result.skipped << relative; continue;
            case Replace::Cancel: result.cancelled = true; return result;
            }
        }
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
            result.error = QStringLiteral("Složku „%1“ nelze vytvořit.").arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
            return result;
        }
        const QString partial = target + QStringLiteral(".part");
        QFile::remove(partial);
        QString failure;
        if (isTable(source))
            failure = backupTable(source, partial);
        else if (!QFile::copy(source, partial))
            failure = QStringLiteral("soubor nelze zkopírovat (je plný disk, nebo do složky nelze zapisovat?)");
        if (failure.isEmpty()) {
            QFile::remove(target);
            for (const char *journal : {"-wal", "-shm"})
                QFile::remove(target + QLatin1String(journal));
            if (!QFile::rename(partial, target))
                failure = QStringLiteral("soubor nelze uložit pod jeho jménem");
        }
        if (!failure.isEmpty()) {
            QFile::remove(partial);
            result.error = QStringLiteral("Soubor „%1“ se nepodařilo zkopírovat: %2").arg(QDir::toNativeSeparators(relative), failure);
            return result;
        }
        result.copied << relative;
    }
    if (progress)
        progress(done, int(files.size()));
    return result;
}

QStringList damagedTables(const QString &folder, const QStringList &files)
{
    QStringList damaged;
    for (const QString &relative : files) {
        const QString path = QDir(folder).filePath(relative);
        if (isJournal(relative) || !isTable(path))
            continue;
        sqlite3 *db = nullptr;
        QString complaint;
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            complaint = QString::fromUtf8(sqlite3_errmsg(db));
        } else {
            sqlite3_stmt *check = nullptr;
            if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) != SQLITE_OK)
                complaint = QString::fromUtf8(sqlite3_errmsg(db));
            else if (sqlite3_step(check) != SQLITE_ROW)
                complaint = QString::fromUtf8(sqlite3_errmsg(db));
            else if (const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(check, 0)); qstrcmp(text, "ok") != 0)
                complaint = QString::fromUtf8(text);
            sqlite3_finalize(check);
        }
        sqlite3_close(db);
        if (!complaint.isEmpty())
            damaged << QDir::toNativeSeparators(relative) + QStringLiteral(": ") + complaint;
    }
    return damaged;
}

} // namespace BackupCopy
