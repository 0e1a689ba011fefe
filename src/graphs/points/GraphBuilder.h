#pragma once

#include "graphs/points/GraphKind.h"
#include "graphs/points/GraphPoints.h"

#include <functional>
#include <optional>

class Table;

// What a graph draws, decided from the kind and written to the point
// table; the window only shows it.
namespace GraphBuilder {

struct Sources
{
    Table &ledger;  // the ledger holder's table (unused by the yearly kinds)
    Table &points;  // "NGraf.db"
    int year = 0;   // the program's year, for the yearly kinds
    std::function<Money(int month)> monthTotal = {};
    bool singleItems = false; // GrPol: the line graph shows each record by itself
};

struct Built
{
    GraphKind::Look look;
    bool fromLedger = false;      // the series reads the ledger itself, not the point table
    bool specialFunctions = false; // the popup offers "Speciální funkce"
    bool balance = false;          // the popup offers "Zobrazit zůstatek"
    bool zoomable = true;          // the zoom buttons work
};

// Fills the point table for `kind` (see GraphKind) and says how to show it.
Built build(const QString &kind, const QString &name, Sources sources);
// The points the chart shows after a build: the ledger's rows or the
// point table.
GraphPoints shownPoints(const Built &built, const Table &ledger, const Table &points);
// "Zobrazit zůstatek": the rows and the balance slice.
void showBalance(const Table &ledger, Table &points);

inline const QString EmptyLedgerMessage =
    QStringLiteral("Pravěpodobně je prázdná databáze, operaci nelze provést !");
// The special functions' "Použít": false (and nothing written) when the
// ledger has no rows.
bool applySpecial(const QString &kind, const Table &ledger, Table &points, PointBuilder::Only only,
                  const std::optional<GraphPoint> &virtualPoint);

} // namespace GraphBuilder
