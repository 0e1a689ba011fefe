#pragma once

#include "core/data/format/Money.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

class Table;

// One point of a chart: its value, its place on the time axis and its label.
struct GraphPoint
{
    Money amount;
    QDate date;
    QString text;

    bool operator==(const GraphPoint &) const = default;
};
using GraphPoints = QVector<GraphPoint>;

// The points a graph draws, made from the ledger's rows in table order.
namespace PointBuilder {

// Labels longer than this are cut when stored.
inline constexpr int TextLength = 50;
inline const QString BalanceText = QStringLiteral("Zůstatek");
inline const QString VirtualText = QStringLiteral("Virtuální položka");

// The rows the ledger's cursor shows, as points with their own amounts
// ("Datum", "Castka", "Text 80"); the cursor does not move.
GraphPoints readLedger(const Table &ledger);

// Each point carries the sum of its own and every earlier amount: the
// balance after each record.
GraphPoints runningTotals(const GraphPoints &rows);
// The rows, then one more point dated as the last row that carries the sum
// of every amount (no date when there are no rows).
GraphPoints withBalance(const GraphPoints &rows);

enum class Only { All, Incomes, Expenses };
// What the special functions show: incomes (amount > 0), expenses
// (amount < 0), or every row (as running totals when `totals`), and an
// optional virtual point with its own amount after them.
GraphPoints special(const GraphPoints &rows, Only only, bool totals, const std::optional<GraphPoint> &virtualPoint);

// The twelve points of a yearly graph: the first of each month of `year`,
// valued by `monthTotal(m)` and labelled with the month's name.
GraphPoints yearly(int year, const std::function<Money(int month)> &monthTotal);

} // namespace PointBuilder
