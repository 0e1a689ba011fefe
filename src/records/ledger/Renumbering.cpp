#include "records/ledger/Renumbering.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerTotals.h"
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
    std::optional<Table::EmptyFill> fill;
    if (supplements)
        fill = Table::EmptyFill{ledger.field(LedgerField::Supplement).index(),
                                automaticSupplement.isEmpty() ? QVariant() : QVariant(automaticSupplement), ErrorText};
    // The rows that need it are found by the table in one read, which also
    // reads the total and the hidden-marked rows for the window; a numbered
    // table is not written.
    const int written = ledger.numberRows(ledger.field(LedgerField::RowNumber).index(), fill,
                                          LedgerTotals::totalFields(ledger), LedgerTotals::hiddenFields(ledger));
    SuspendedControls suspended(ledger);
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
