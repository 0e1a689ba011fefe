#include "core/app/commands/CommandTables.h"

#include "core/data/catalogue/Catalogue.h"

namespace Commands {

namespace {

const MonthRow Months[MonthCount] = {
    {"Leden", "Měsíc Leden", "Měsíc leden - 2001", "Obsahuje záznamy měsíce Ledna"},
    {"Únor", "Měsíc únor", "Měsíc únor - 2001", "Obsahuje záznamy měsíce Února"},
    {"Březen", "Měsíc březen", "Měsíc březen - 2001", "Obsahuje záznamy měsíce Března"},
    {"Duben", "Měsíc duben", "Měsíc duben - 2001", "Obsahuje záznamy měsíce Dubna"},
    {"Květen", "Měsíc květen", "Měsíc květen - 2001", "Obsahuje záznamy měsíce Května"},
    {"Červen", "Měsíc červen", "Měsíc červen - 2001", "Obsahuje záznamy měsíce Června"},
    {"Červenec", "Měsíc červenec", "Měsíc červenec - 2001", "Obsahuje záznamy měsíce Července"},
    {"Srpen", "Měsíc srpen", "Měsíc srpen - 2001", "Obsahuje záznamy měsíce Srpna"},
    {"Září", "Měsíc září", "Měsíc září - 2001", "Obsahuje záznamy měsíce Září"},
    {"Říjen", "Měsíc říjen", "Měsíc říjen - 2001", "Obsahuje záznamy měsíce Říjnu"},
    {"Listopad", "Měsíc listopad", "Měsíc listopad - 2001", "Obsahuje záznamy měsíce Listopadu"},
    {"Prosinec", "Měsíc prosinec", "Měsíc prosinec - 2001", "Obsahuje záznamy měsíce Prosince"},
};

const GraphRow Graphs[4] = {
    {"Křivkové grafy", "Krivkovy", "RKrivkovy", "Roční Graf", "Křivkový graf za Celý rok",
     "Křivkový graf Celého roku"},
    {"Sloupcové grafy", nullptr, "RSloupcovy", "Roční Graf", "Sloupcový graf za Celý Rok",
     "Sloupcový graf Celého Roku"},
    {"Sloupcové 3D grafy", "Sl3D", "RSloupcovy3D", "Roční graf", "Sloupcový 3D graf za Celý Rok",
     "Sloupcový graf Celého Roku"},
    {"Koláčové grafy", "KOLAC", "RKOLAC", "Roční Graf", "Koláčový graf Celého Roku", "Koláčový graf Celého Roku"},
};

const ConsumptionRow Consumption[ConsumptionCount] = {
    {"Teplá, studená &voda", "Voda"},
    {"&Elektřina", "Elekt"},
    {"P&lyn", "Plyn"},
};

QString text(const char *utf8) { return QString::fromUtf8(utf8); }
QString number(int n) { return QString::number(n); }

} // namespace

const MonthRow &month(int m) { return Months[qBound(1, m, MonthCount) - 1]; }

QString monthCaption(int m) { return text(month(m).caption); }
QString numberedMonthCaption(int m) { return number(m) + QStringLiteral(". ") + monthCaption(m); }
QString monthTitle(int m) { return text(month(m).title); }
QString previousMonthTitle(int m) { return text(month(m).previousTitle); }
QString monthGraphName(int m) { return monthCaption(m); }
QString monthHint(int m) { return QStringLiteral("Databáze měsíce ") + monthCaption(m); }
QString monthDropHint(int m) { return text(month(m).dropHint); }
QString itemHint(int n) { return QStringLiteral("Položka číslo ") + number(n); }
QString printMonthHint(int m) { return QStringLiteral("Tisk databáze ") + monthCaption(m); }
QString printItemHint(int n) { return QStringLiteral("Tisk databáze č.") + number(n); }
QString previousMonthHint(int m) { return QStringLiteral("Loňská databáze ") + monthCaption(m); }
QString previousItemHint(int n) { return QStringLiteral("Loňská databáze č.") + number(n); }

const GraphRow &graph(GraphFamily family) { return Graphs[graphIndex(family)]; }

int graphIndex(GraphFamily family) { return static_cast<int>(family); }

QString monthGraphHint(GraphFamily family, int m)
{
    // The column, 3D and pie hints of September have always read "Záři".
    const QString name = (m == 9 && family != GraphFamily::Line) ? QStringLiteral("Záři") : monthCaption(m);
    switch (family) {
    case GraphFamily::Line: return QStringLiteral("Křivkový graf pro měsíc ") + name;
    case GraphFamily::Column:
    case GraphFamily::Column3D: return QStringLiteral("Sloupcový Graf pro měsíc ") + name;
    case GraphFamily::Pie: return QStringLiteral("Koláčový Graf pro měsíc ") + name;
    }
    return {};
}

QString itemGraphHint(GraphFamily family, int n)
{
    switch (family) {
    case GraphFamily::Line: return QStringLiteral("Graf položky číslo ") + number(n);
    case GraphFamily::Column:
    case GraphFamily::Column3D: return QStringLiteral("Sloupcový graf položky číslo ") + number(n);
    case GraphFamily::Pie: return QStringLiteral("Koláčový Graf položky č. ") + number(n);
    }
    return {};
}

QString itemFile(int group, int n) { return Catalogue::itemFile(group, n); }
QString previousItemFile(int group, int n) { return Catalogue::previousYearName(itemFile(group, n)); }
QString previousMonthFile(int m) { return Catalogue::previousYearName(Catalogue::monthFile(m)); }

QString defaultGroupCaption(int group) { return QStringLiteral("Skupina databáze ") + number(group); }
QString defaultButtonCaption(int group) { return QStringLiteral("Skupina dat. ") + number(group); }
QString defaultItemCaption(int n) { return number(n) + QStringLiteral(". ") + QString(20, QLatin1Char('-')); }
QString defaultPreviousItemCaption(int n)
{
    return number(n) + QStringLiteral(". ") + QString(19, QLatin1Char('-'));
}

QString printMonthCode(int m) { return number(m); }
QString printItemCode(int group, int n) { return (group == 2 ? QStringLiteral("2S") : QStringLiteral("S")) + number(n); }

const ConsumptionRow &previousConsumption(int index) { return Consumption[qBound(0, index, ConsumptionCount - 1)]; }

} // namespace Commands
