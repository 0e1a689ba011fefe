#pragma once

#include "core/data/format/Money.h"

#include <QColor>
#include <QList>
#include <QString>

class Table;

// The figures the record window shows about its ledger: the total of the
// shown rows and the rows that carry hidden data.
namespace LedgerTotals {

// Sum of every amount and every hidden amount of the rows the table shows
// (all rows, or the ticked ones while filtered) as they are stored, exact to
// the ten-thousandth. The cursor does not move: a record being typed counts
// once it is written.
Money total(Table &ledger);

// The current record carries a hidden amount (other than zero) or a
// hidden text.
bool isHiddenMarked(const Table &ledger);

// The fields of the ledger's figures: the amounts summed for the total,
// and the fields that make a row hidden-marked.
QList<int> totalFields(const Table &ledger);
QList<int> hiddenFields(const Table &ledger);

// How many of the shown rows are hidden-marked; ends on the record that
// was current.
int hiddenCount(Table &ledger);
// "3 skrytých", as the status bar shows it.
QString hiddenCountText(int count);

} // namespace LedgerTotals

// The total label's text and colour: "#,##0.00 Kč", green above zero and
// red otherwise, zero included.
struct TotalDisplay
{
    static inline const QString Pending = QStringLiteral("Moment...");
    static inline const QColor Positive = QColor(0, 128, 0);
    static inline const QColor NotPositive = QColor(255, 0, 0);

    QString text;
    QColor colour;

    static TotalDisplay of(Money total);
};
