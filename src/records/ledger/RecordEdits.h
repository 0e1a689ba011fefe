#pragma once

#include <QString>
#include <optional>

class Table;

// Small changes of the current record made from the record window's
// controls rather than from its grid.
namespace RecordEdits {

// The supplement dialog's "OK": the supplement := text, posted.
void changeSupplement(Table &ledger, const QString &text);

// The row colour button: with a colour chosen, "Cislo" := the colour; then,
// chosen or not, a pending edit of the record is posted.
void applyRowColour(Table &ledger, std::optional<int> colour);
// The colour a record's text is drawn in: its "Cislo", black when unset.
int rowColour(const Table &ledger);

// "Nahradit": every supplement that equals `from` exactly (whole value,
// letter case counts; an empty `from` stands for the empty supplements)
// becomes `to`, in one transaction. Ends on the first record; returns how
// many records changed.
int replaceSupplement(Table &ledger, const QString &from, const QString &to);

} // namespace RecordEdits
