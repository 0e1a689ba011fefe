#include "records/ledger/RecordDeletion.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/LedgerFields.h"

namespace RecordDeletion {

bool deleteCurrent(Table &ledger, Prompter &prompter, const Confirmation &confirm)
{
    const bool hasRecord = ledger.isOpen() && ledger.controlCurrentRow() >= 0;
    const QString date = hasRecord ? ledger.field(LedgerField::Date).asString() : QString();
    if (!confirm(date))
        return false;
    // A new record not yet written only goes away; an empty table has
    // nothing to delete, which the engine would refuse as well.
    if (!ledger.isOpen() || (ledger.isEmpty() && ledger.state() != Table::State::Insert)) {
        prompter.message(EmptyTableMessage);
        return false;
    }
    try {
        ledger.remove();
    } catch (const EngineError &) {
        prompter.message(EmptyTableMessage);
        return false;
    }
    return true;
}

} // namespace RecordDeletion
