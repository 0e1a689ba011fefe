#pragma once

#include "graphs/points/GraphPoints.h"

class Table;

// The chart's point table ("NGraf.db": Castka, Datum, Text of 50
// characters, Barva). Every build puts its points in front of the earlier
// ones, so the table holds them last point first: the pie draws its slices
// in that order, the other series sort by date.
namespace PointTable {

// Empties the table and stores `points` in one transaction.
void replace(Table &table, const GraphPoints &points);
// Every row, in table order.
GraphPoints read(const Table &table);

} // namespace PointTable
