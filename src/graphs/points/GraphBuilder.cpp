#include "graphs/points/GraphBuilder.h"

#include "core/data/engine/Table.h"
#include "graphs/points/PointTable.h"

#include <algorithm>

namespace GraphBuilder {

Built build(const QString &kind, const QString &name, Sources sources)
{
    Built built;
    built.look = GraphKind::lookOf(kind, name);
    if (built.look.yearly) {
        PointTable::replace(sources.points, PointBuilder::yearly(sources.year, sources.monthTotal));
        return built;
    }
    if (built.look.series == GraphKind::Series::Line && sources.singleItems) {
        // Each record by itself, straight from the ledger.
        built.fromLedger = true;
        return built;
    }
    const GraphPoints rows = PointBuilder::readLedger(sources.ledger);
    const bool totals = built.look.series == GraphKind::Series::Line;
    PointTable::replace(sources.points, totals ? PointBuilder::runningTotals(rows) : rows);
    built.specialFunctions = true;
    if (built.look.series == GraphKind::Series::Pie) {
        built.balance = true;
        built.zoomable = false;
    }
    return built;
}

GraphPoints shownPoints(const Built &built, const Table &ledger, const Table &points)
{
    if (!built.fromLedger)
        return PointTable::read(points);
    // Read in table order, shown like the point table would hold them.
    GraphPoints rows = PointBuilder::readLedger(ledger);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

void showBalance(const Table &ledger, Table &points)
{
    PointTable::replace(points, PointBuilder::withBalance(PointBuilder::readLedger(ledger)));
}

bool applySpecial(const QString &kind, const Table &ledger, Table &points, PointBuilder::Only only,
                  const std::optional<GraphPoint> &virtualPoint)
{
    const GraphPoints rows = PointBuilder::readLedger(ledger);
    if (rows.isEmpty())
        return false;
    const bool totals = kind == GraphKind::Line;
    PointTable::replace(points, PointBuilder::special(rows, only, totals, virtualPoint));
    return true;
}

} // namespace GraphBuilder
