#include "records/ledger/Renumbering.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

namespace Renumbering {

namespace {

const QString ErrorText = QStringLiteral("ERROR");

int walk(Table &ledger, bool supplements, const QString &automaticSupplement)
{
    if (!ledger.isOpen())
        return 0;
    if (ledger.state() != Table::State::Browse)
        ledger.post();
    const int number = ledger.field(LedgerField::RowNumber).index();
    const int supplement = ledger.field(LedgerField::Supplement).index();

    SuspendedControls suspended(ledger);
    const bool filtered = ledger.filtered();
    if (filtered)
        ledger.setFiltered(false);
    const bool ownBatch = !ledger.inBatch();
    int written = 0;
    try {
        if (ownBatch)
            ledger.beginBatch();
        int ordinal = 0;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            ++ordinal;
            const QVariant stored = ledger.value(number);
            const bool numbered = !stored.isNull() && stored.toInt() == ordinal;
            QString text;
            bool fill = false;
            if (supplements) {
                text = ledger.field(supplement).asString();
                fill = (text.isEmpty() && !automaticSupplement.isEmpty()) || text == ErrorText;
            }
            if (numbered && !fill)
                continue;
            ledger.edit();
            ledger.field(number).setInteger(ordinal);
            if (fill)
                ledger.field(supplement).setString(text.isEmpty() ? automaticSupplement : QString());
            ledger.post();
            ++written;
        }
        if (ownBatch)
            ledger.commitBatch();
    } catch (...) {
        if (ownBatch)
            ledger.rollbackBatch();
        if (filtered)
            ledger.setFiltered(true);
        throw;
    }
    if (filtered)
        ledger.setFiltered(true); // the ticks filter sees the new numbers
    ledger.first();
    return written;
}

} // namespace

int run(Table &ledger, const QString &automaticSupplement)
{
    // A missing automatic supplement reads "ERROR": nothing to fill in.
    const QString text = automaticSupplement == ErrorText ? QString() : automaticSupplement;
    return walk(ledger, true, text);
}

int numberRows(Table &ledger) { return walk(ledger, false, QString()); }

} // namespace Renumbering
