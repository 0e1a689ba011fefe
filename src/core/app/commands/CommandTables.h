#pragma once

#include <QString>
#include <array>

// The tables the main window's command families are built from: the twelve
// months with their captions and titles, the four graph kinds, the item and
// print texts, and the default captions shown until the user names things.
namespace Commands {

inline constexpr int MonthCount = 12;
inline constexpr int ItemCount = 12;
inline constexpr int GroupCount = 2;

struct MonthRow
{
    const char *caption;       // main menu and tray menu: "Leden"
    const char *title;         // record window: "Měsíc Leden"
    const char *previousTitle; // previous-year record window: "Měsíc leden - 2001"
    const char *dropHint;      // months drop-down: "Obsahuje záznamy měsíce Ledna"
};
const MonthRow &month(int m); // 1-12

QString monthCaption(int m);         // "Leden"
QString numberedMonthCaption(int m); // "1. Leden" (graph, print, previous-year menus)
QString monthTitle(int m);
QString previousMonthTitle(int m);
QString monthGraphName(int m);       // "Leden"
QString monthHint(int m);            // "Databáze měsíce Leden"
QString monthDropHint(int m);
QString itemHint(int n);             // "Položka číslo 5"
QString printMonthHint(int m);       // "Tisk databáze Leden"
QString printItemHint(int n);        // "Tisk databáze č.5"
QString previousMonthHint(int m);    // "Loňská databáze Leden"
QString previousItemHint(int n);     // "Loňská databáze č.5"

// The four graph families of every graph menu.
enum class GraphFamily { Line, Column, Column3D, Pie };
inline constexpr std::array<GraphFamily, 4> GraphFamilies{GraphFamily::Line, GraphFamily::Column,
                                                          GraphFamily::Column3D, GraphFamily::Pie};

struct GraphRow
{
    const char *submenu;      // "Křivkové grafy"
    const char *kind;         // handed to the graph window; null: the column graph sets none
    const char *yearKind;     // "RKrivkovy"
    const char *yearCaption;  // "Roční Graf"
    const char *yearHint;     // main menu: "Křivkový graf za Celý rok"
    const char *yearDropHint; // months graph drop-down: "Křivkový graf Celého roku"
};
const GraphRow &graph(GraphFamily family);
int graphIndex(GraphFamily family); // 0-3, in the order of GraphFamilies

QString monthGraphHint(GraphFamily family, int m); // "Sloupcový Graf pro měsíc Záři"
QString itemGraphHint(GraphFamily family, int n);  // "Koláčový Graf položky č. 5"
inline const QString YearGraphName = QStringLiteral("Roční");

// Item tables and their captions.
QString itemFile(int group, int n);          // "Zaznam5.db", "Zaznam05.db"
QString previousItemFile(int group, int n);  // "Data01\Zaznam5.db"
QString previousMonthFile(int m);            // "Data01\Leden.db"
QString defaultGroupCaption(int group);      // "Skupina databáze 1"
QString defaultButtonCaption(int group);     // "Skupina dat. 1"
QString defaultItemCaption(int n);           // "5. --------------------" (20 hyphens)
QString defaultPreviousItemCaption(int n);   // "5. -------------------" (19 hyphens)
inline const QString PreviousYearSuffix = QStringLiteral(" - 2001");

// Codes of the report window.
QString printMonthCode(int m);         // "1" ... "12"
QString printItemCode(int group, int n); // "S5", "2S5"

// The previous year's consumption logs, shown by the sibling program.
struct ConsumptionRow
{
    const char *caption; // "Teplá, studená &voda"
    const char *srcData; // "Voda", handed over in the registry value SrcData
};
inline constexpr int ConsumptionCount = 3;
const ConsumptionRow &previousConsumption(int index); // 0 water, 1 electricity, 2 gas

inline const QString AreaCodesProgram = QStringLiteral("Volbik.exe");
inline const QString PreviousConsumptionProgram = QStringLiteral("Minulak.exe");

} // namespace Commands
