#pragma once

#include "core/data/engine/FieldDef.h"

#include <QList>
#include <QString>
#include <optional>

// The program's folders, every table file with its layout, and the rules
// that turn a month or an item number into a file name and back.
namespace Catalogue {

// Folders, relative to the program folder, in their canonical spelling.
// The year of the edition: the month totals and the yearly graphs are
// dated in it, whatever year the machine's clock says.
inline constexpr int EditionYear = 2009;
inline const QString DataFolder = QStringLiteral("Data");
inline const QString PreviousYearFolder = QStringLiteral("Data\\Data01");
inline const QString PersonalFolder = QStringLiteral("VlDb Data");
// A previous-year table is named relative to the data folder with this prefix.
inline const QString PreviousYearPrefix = QStringLiteral("Data01\\");
inline const QString IniFileName = QStringLiteral("Penezka.ini");

enum class Kind {
    Ledger,        // month and item tables
    ItemNames,     // "Položky1.db", "Položky2.db"
    RegularPayment,
    GraphPoint,
    WaterMeter,    // price field "Kc/m3"; also gas
    ElectricMeter, // price field "Kc/KWh"
    NightTariff,
    Phone,
    AreaCode,
    Address,
    InfoText,
};

const Layout &layout(Kind kind);

struct TableFile
{
    QString fileName;
    QString folder;      // DataFolder or PersonalFolder
    Kind kind;
    bool previousYear;   // also kept in the previous-year folder
};

// Every table file of the program, current-year forms.
const QList<TableFile> &tables();

// The layout a file of this name must have, whatever folder it is in
// ("Data01\Leden.db" is a ledger); nothing for a name not catalogued.
std::optional<Layout> layoutForFile(const QString &fileName);
// Makes every table demand its catalogued layout when it opens (the
// program, the tests and the tools call this once at their start).
void installLayoutCheck();
std::optional<Kind> kindOfFile(const QString &fileName);

// Month m (1-12) <-> "Leden.db" ... "Prosinec.db".
QString monthFile(int month);
// 1-12 from a file name in any letter case ("LEDEN.DB"), 0 if not a month.
int monthOfFile(const QString &fileName);
// "Leden" ... "Prosinec", the Czech month names as the program shows them.
QString monthName(int month);

// Item n (1-12) of group 1 is "Zaznam" + n, of group 2 "Zaznam0" + n: the
// "0" marks group 2, so item 10 of group 2 is "Zaznam010.db".
QString itemFile(int group, int item);
// Item number and group from a file name in any letter case; 0 if none.
int itemOfFile(const QString &fileName);
int groupOfFile(const QString &fileName);

// "Data01\" + the current-year name.
QString previousYearName(const QString &fileName);
bool isPreviousYearName(const QString &fileName);

// Creates every table of the catalogue below `programFolder`, as the
// program is delivered: empty tables, the item names with one row, the
// meter logs with their twelve month rows. With `previousYear`, the
// previous-year folder too. Used to build the delivered files and by tests.
void createTables(const QString &programFolder, bool previousYear = false);

} // namespace Catalogue
