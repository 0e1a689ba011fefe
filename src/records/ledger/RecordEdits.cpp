#include "records/ledger/RecordEdits.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

namespace RecordEdits {

void changeSupplement(Table &ledger, const QString &text)
{
    if (ledger.state() == Table::State::Browse)
        ledger.edit();
    ledger.field(LedgerField::Supplement).setString(text);
    ledger.post();
}

void applyRowColour(Table &ledger, std::optional<int> colour)
{
    if (colour) {
        if (ledger.state() == Table::State::Browse)
            ledger.edit();
        ledger.field(LedgerField::Colour).setInteger(*colour);
    }
    if (ledger.state() != Table::State::Browse)
        ledger.post();
}

int rowColour(const Table &ledger)
{
    if (!ledger.isOpen() || ledger.controlCurrentRow() < 0)
        return 0;
    return ledger.field(LedgerField::Colour).asInteger();
}

int replaceSupplement(Table &ledger, const QString &from, const QString &to)
{
    if (!ledger.isOpen())
        return 0;
    ledger.checkBrowseMode();
    const int supplement = ledger.fieldIndex(LedgerField::Supplement);
    int changed = 0;
    {
        SuspendedControls suspended(ledger);
        ledger.beginBatch();
        try {
            for (ledger.first(); !ledger.eof(); ledger.next()) {
                if (ledger.field(supplement).asString() != from)
                    continue;
                ledger.edit();
                ledger.field(supplement).setString(to);
                ledger.post();
                ++changed;
            }
            ledger.commitBatch();
        } catch (...) {
            ledger.rollbackBatch();
            throw;
        }
    }
    ledger.first();
    return changed;
}

} // namespace RecordEdits
