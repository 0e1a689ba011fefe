#include "convert/paradox/FolderImport.h"

#include "convert/paradox/ConversionError.h"
#include "convert/paradox/TableConversion.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/ParadoxHeader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace FolderImport {

namespace {

constexpr int SubfolderLevels = 2;

std::optional<Catalogue::TableFile> catalogued(const QString &fileName)
{
    for (const Catalogue::TableFile &file : Catalogue::tables())
        if (file.fileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return file;
    return std::nullopt;
}

bool inPreviousYearFolder(const QString &path)
{
    return QFileInfo(path).absoluteDir().dirName().compare(QStringLiteral("Data01"), Qt::CaseInsensitive) == 0;
}

// The file of that name in `folder`, in whatever letter case it has there.
QString existingOrNew(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files))
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return dir.filePath(fileName);
}

QString shown(const QString &programFolder, const QString &path)
{
    // Named as the program names its tables everywhere.
    return QDir(programFolder).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace

QStringList findTables(const QString &folder)
{
    QStringList found;
    const QString root = QDir(folder).absolutePath();
    QDirIterator walk(root, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        if (QDir(root).relativeFilePath(path).count(QLatin1Char('/')) > SubfolderLevels)
            continue;
        if (catalogued(walk.fileName()) && ParadoxHeader::looksLikeParadoxTable(path))
            found << path;
    }
    found.sort(Qt::CaseInsensitive);
    return found;
}

Summary importFolder(const QString &folder, const QString &programFolder)
{
    Summary summary;
    for (const QString &source : findTables(folder)) {
        const Catalogue::TableFile file = *catalogued(QFileInfo(source).fileName());
        const bool previousYear = file.previousYear && inPreviousYearFolder(source);
        const QString targetFolder =
            QDir(programFolder).filePath(QString(previousYear ? Catalogue::PreviousYearFolder : file.folder).replace(QLatin1Char('\\'), QLatin1Char('/')));
        const QString target = existingOrNew(targetFolder, file.fileName);
        const QString name = shown(programFolder, target);
        const Layout layout = Catalogue::layout(file.kind);
        try {
            TableConversion::Result result;
            QString keptAs;
            if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
                // The program's own table: converted where it is.
                result = TableConversion::convertInPlace(source, layout);
            } else {
                if (!QDir().mkpath(targetFolder))
                    throw ConversionError{QStringLiteral("složku %1 nelze vytvořit").arg(shown(programFolder, targetFolder))};
                const QString temporary = target + QStringLiteral(".prevod");
                TableConversion::removeTableFile(temporary);
                result = TableConversion::convertToTable(source, temporary, layout);
                if (QFileInfo::exists(target)) {
                    keptAs = TableConversion::freeName(target, QStringLiteral(".bak"));
                    if (!QFile::rename(target, keptAs)) {
                        TableConversion::removeTableFile(temporary);
                        throw ConversionError{QStringLiteral("dosavadní tabulku nelze přejmenovat na %1")
                                                  .arg(QFileInfo(keptAs).fileName())};
                    }
                    // Its journal belongs to it, not to the new table.
                    for (const QString &journal : {QStringLiteral("-wal"), QStringLiteral("-shm")})
                        if (QFileInfo::exists(target + journal))
                            QFile::rename(target + journal, keptAs + journal);
                }
                if (!QFile::rename(temporary, target)) {
                    if (!keptAs.isEmpty())
                        QFile::rename(keptAs, target);
                    TableConversion::removeTableFile(temporary);
                    throw ConversionError{QStringLiteral("převedenou tabulku nelze uložit")};
                }
                if (!keptAs.isEmpty())
                    result.notes << QStringLiteral("dosavadní tabulka je uložena jako %1").arg(QFileInfo(keptAs).fileName());
            }
            ++summary.converted;
            QString line = QStringLiteral("%1: převedeno %2 řádků").arg(name).arg(result.rows);
            if (!result.notes.isEmpty())
                line += QStringLiteral(" (%1)").arg(result.notes.join(QStringLiteral("; ")));
            summary.lines << line;
        } catch (const ConversionError &error) {
            ++summary.failed;
            summary.lines << QStringLiteral("%1: nepřevedeno, %2").arg(name, error.message);
        }
    }
    return summary;
}

QString summaryText(const QString &folder, const Summary &summary)
{
    const QString where = QDir::toNativeSeparators(folder);
    if (summary.lines.isEmpty())
        return QStringLiteral("Ve složce %1 není žádná tabulka starého formátu (Paradox), kterou program zná.").arg(where);
    QStringList text{QStringLiteral("Převod tabulek starého formátu ze složky %1:").arg(where)};
    for (const QString &line : summary.lines)
        text << QStringLiteral("  ") + line;
    text << QStringLiteral("Převedeno tabulek: %1, nepřevedeno: %2.").arg(summary.converted).arg(summary.failed);
    return text.join(QLatin1Char('\n'));
}

} // namespace FolderImport
