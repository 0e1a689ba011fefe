#include "graphs/points/GraphPoints.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"

namespace PointBuilder {

GraphPoints readLedger(const Table &ledger)
{
    const QList<int> fields{ledger.fieldIndex(QStringLiteral("Datum")), ledger.fieldIndex(QStringLiteral("Castka")),
                            ledger.fieldIndex(QStringLiteral("Text 80"))};
    GraphPoints rows;
    rows.reserve(ledger.recordCount());
    ledger.readShownRows(fields, [&rows](const QVector<QVariant> &values) {
        const QVariant amount = values.at(1);
        rows.append(GraphPoint{amount.isNull() ? Money() : amount.value<Money>(), values.at(0).toDate(),
                               values.at(2).toString()});
    });
    return rows;
}

GraphPoints runningTotals(const GraphPoints &rows)
{
    // The sum is kept exactly, in the currency's own units.
    GraphPoints points;
    points.reserve(rows.size());
    Money total;
    for (const GraphPoint &row : rows) {
        total += row.amount;
        points.append(GraphPoint{total, row.date, row.text});
    }
    return points;
}

GraphPoints withBalance(const GraphPoints &rows)
{
    GraphPoints points = rows;
    Money sum;
    for (const GraphPoint &row : rows)
        sum += row.amount;
    points.append(GraphPoint{sum, rows.isEmpty() ? QDate() : rows.last().date, BalanceText});
    return points;
}

GraphPoints special(const GraphPoints &rows, Only only, bool totals, const std::optional<GraphPoint> &virtualPoint)
{
    GraphPoints points;
    switch (only) {
    case Only::Incomes:
        for (const GraphPoint &row : rows)
            if (row.amount > Money())
                points.append(row);
        break;
    case Only::Expenses:
        for (const GraphPoint &row : rows)
            if (row.amount < Money())
                points.append(row);
        break;
    case Only::All:
        points = totals ? runningTotals(rows) : rows;
        break;
    }
    if (virtualPoint)
        points.append(GraphPoint{virtualPoint->amount, virtualPoint->date, VirtualText});
    return points;
}

GraphPoints yearly(int year, const std::function<Money(int month)> &monthTotal)
{
    GraphPoints points;
    for (int m = 1; m <= 12; ++m)
        points.append(GraphPoint{monthTotal(m), QDate(year, m, 1), Catalogue::monthName(m)});
    return points;
}

} // namespace PointBuilder
