#pragma once

#include <QString>

// What a graph kind draws and how the window names it. The kind is the text
// the openers hand over ("Krivkovy", "Sl3D", "KOLAC", the yearly "R…"
// kinds); any other text, the empty one included, is the column graph.
namespace GraphKind {

inline const QString Line = QStringLiteral("Krivkovy");
inline const QString Bar3D = QStringLiteral("Sl3D");
inline const QString Pie = QStringLiteral("KOLAC");
inline const QString YearLine = QStringLiteral("RKrivkovy");
inline const QString YearArea = QStringLiteral("RSloupcovy");
inline const QString YearBar3D = QStringLiteral("RSloupcovy3D");
inline const QString YearPie = QStringLiteral("RKOLAC");

// The chart's four series, one shown at a time.
enum class Series { Line, Area, Bar3D, Pie };

struct Look
{
    Series series = Series::Area;
    bool yearly = false;
    QString caption;  // the window's
    QString title;    // the chart's
    QString bmpName;  // the export's default file name
};

// `name` is GraphName: the month, the item's caption or "Roční".
Look lookOf(const QString &kind, const QString &name);

// The kinds that are drawn from one ledger, not from the twelve months.
inline bool isYearly(const QString &kind) { return lookOf(kind, QString()).yearly; }

} // namespace GraphKind
