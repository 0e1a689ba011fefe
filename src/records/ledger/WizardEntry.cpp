#include "records/ledger/WizardEntry.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "records/ledger/HiddenAmount.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

namespace WizardEntry {

void write(Table &ledger, Placement placement, const Values &values)
{
    // The amount may be worked out like the calculator's; checked before
    // anything is written.
    const std::optional<Money> amount = HiddenAmount::valueOf(values.amount);
    if (!amount)
        throw EngineError(QStringLiteral("„%1“ není platná částka.").arg(values.amount));
    if (ledger.state() != Table::State::Browse)
        ledger.post();
    SuspendedControls suspended(ledger);
    switch (placement) {
    case Placement::Insert: ledger.insert(); break;
    case Placement::Overwrite: ledger.edit(); break; // an empty table gets its first record
    case Placement::Append:
        ledger.last();
        ledger.append();
        break;
    }
    try {
        ledger.field(LedgerField::Amount).setMoney(*amount);
        ledger.field(LedgerField::Text).setString(values.text);
        ledger.field(LedgerField::Supplement).setString(values.supplement);
        ledger.field(LedgerField::Colour).setInteger(values.colour);
        ledger.field(LedgerField::Date).setString(values.date);
        ledger.post();
    } catch (...) {
        ledger.cancel(); // nothing of a record that cannot be written stays
        throw;
    }
}

} // namespace WizardEntry
