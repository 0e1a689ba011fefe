// Hydrak, Voltak, Plamak: the converters the meter-log windows start when
// their tables are of the old format (Paradox). Each converts its own logs
// in the data folder and in the previous year's folder, where it finds
// them in that format, and tells what it did:
//
//     Hydrak|Voltak|Plamak [--dir DIR] [--terminal]
//
// With --terminal the result goes to the terminal instead of a window.
#include "Companion.h"

#include "convert/paradox/ConversionError.h"
#include "convert/paradox/TableConversion.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/ParadoxHeader.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Paths.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct Converter
{
    QString name;
    QString logs; // "evidence spotřeby vody"
    QStringList tables;
};

const Converter &converter()
{
    static const Converter water{QStringLiteral("Hydrak"), QStringLiteral("evidence spotřeby vody"),
                                 {QStringLiteral("Spvodat.DB"), QStringLiteral("SPVodaS.db")}};
    static const Converter electricity{QStringLiteral("Voltak"), QStringLiteral("evidence spotřeby elektřiny"),
                                       {QStringLiteral("SPELEKTR.DB"), QStringLiteral("SpElNoc.DB")}};
    static const Converter gas{QStringLiteral("Plamak"), QStringLiteral("evidence spotřeby plynu"),
                               {QStringLiteral("SPPlyn.db")}};
#if ROZVAHON_CONVERTER == 1
    return water;
#elif ROZVAHON_CONVERTER == 2
    return electricity;
#else
    return gas;
#endif
}

// The tables of the converter that a folder holds, in their letter case.
QStringList tablesIn(const QString &folder)
{
    QStringList found;
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &table : converter().tables)
        for (const QString &name : names)
            if (name.compare(table, Qt::CaseInsensitive) == 0)
                found << QDir(folder).filePath(name);
    return found;
}

// One line for a table of the log: converted, refused, or why it is not
// the converter's business.
QString convert(const QString &path, bool *failed)
{
    const QString shown = QDir(Paths::programFolder()).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
    const std::optional<Layout> layout = Catalogue::layoutForFile(QFileInfo(path).fileName());
    if (!ParadoxHeader::looksLikeParadoxTable(path)) {
        // Already a table of the program: it is said whether it opens.
        Table table;
        table.setFolder(QFileInfo(path).absolutePath());
        table.setTableName(QFileInfo(path).fileName());
        try {
            table.open();
            table.close();
            return QStringLiteral("%1: už je ve formátu programu.").arg(shown);
        } catch (const EngineError &error) {
            *failed = true;
            return QStringLiteral("%1: není ve starém formátu, převod ji neopraví. %2").arg(shown, error.message());
        }
    }
    try {
        const TableConversion::Result result = TableConversion::convertInPlace(path, *layout);
        return QStringLiteral("%1: převedeno %2 řádků (%3).").arg(shown).arg(result.rows).arg(result.notes.join(QStringLiteral("; ")));
    } catch (const ConversionError &error) {
        *failed = true;
        return QStringLiteral("%1: nepřevedeno, %2. Původní soubor zůstal beze změny.").arg(shown, error.message);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const CompanionStart start = startCompanion(
        app, converter().name,
        QStringLiteral("Převede tabulky %1 ze starého formátu (Paradox) do formátu programu Rozvahon.").arg(converter().logs));
    if (!start.problem.isEmpty()) {
        tell(start, true, start.problem);
        return 1;
    }
    Catalogue::installLayoutCheck();
    QStringList lines;
    bool failed = false;
    for (const QString &folder : {Catalogue::DataFolder, Catalogue::PreviousYearFolder})
        for (const QString &path : tablesIn(Paths::inProgramFolder(folder)))
            lines << convert(path, &failed);
    if (lines.isEmpty()) {
        tell(start, true, QStringLiteral("Ve složce Data nejsou tabulky %1.").arg(converter().logs));
        return 1;
    }
    const QString heading = failed ? QStringLiteral("Převod tabulek %1 se nepodařil celý:").arg(converter().logs)
                                   : QStringLiteral("Tabulky %1 jsou ve formátu programu. Okno evidence je nyní "
                                                    "možné znovu otevřít.").arg(converter().logs);
    tell(start, failed, heading + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
    return failed ? 1 : 0;
}
