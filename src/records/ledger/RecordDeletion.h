#pragma once

#include <QString>
#include <functional>

class Prompter;
class Table;

// Deleting the current record of the record window (the delete button, the
// Delete key): the confirmation dialog shows the record's date; "Ano"
// deletes with no further question.
namespace RecordDeletion {

inline const QString EmptyTableMessage = QStringLiteral("Pravděpodobně je prázdná databáze, nelze mazat");

// Asks `confirm` with the current record's date as text. True when a
// record went (the total is then recomputed). A deletion that fails, on an
// empty table for one, shows the message above and leaves the table as it
// was.
using Confirmation = std::function<bool(const QString &dateText)>;
bool deleteCurrent(Table &ledger, Prompter &prompter, const Confirmation &confirm);

} // namespace RecordDeletion
