#include "records/ledger/LedgerTotals.h"

#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

namespace LedgerTotals {

namespace {

bool hiddenMarked(const Table &ledger, int hiddenAmount, int hiddenText)
{
    return !ledger.field(hiddenAmount).asMoney().isZero() || !ledger.field(hiddenText).asString().isEmpty();
}

// The total and the hidden-marked rows of the whole table, one read of the
// file between them, then kept by the table.
Table::StoredFigures wholeTable(Table &ledger)
{
    return ledger.storedFigures(totalFields(ledger), hiddenFields(ledger));
}

} // namespace

QList<int> totalFields(const Table &ledger)
{
    return {ledger.field(LedgerField::Amount).index(), ledger.field(LedgerField::HiddenAmount).index()};
}

QList<int> hiddenFields(const Table &ledger)
{
    return {ledger.field(LedgerField::HiddenAmount).index(), ledger.field(LedgerField::HiddenText).index()};
}

Money total(Table &ledger)
{
    if (!ledger.isOpen())
        return Money();
    const int amount = ledger.field(LedgerField::Amount).index();
    const int hidden = ledger.field(LedgerField::HiddenAmount).index();
    // Every row is shown: the table keeps the sum of all of them, adjusted
    // by each post and delete.
    if (!ledger.filtered())
        return wholeTable(ledger).sum;
    // The ticked rows: the amounts and the hidden amounts in one read of the
    // stored rows; the cursor, and a record being typed, stay as they are.
    Money sum;
    ledger.readShownRows({amount, hidden}, [&sum](const QVector<QVariant> &row) {
        for (const QVariant &value : row)
            if (!value.isNull())
                sum += value.value<Money>();
    });
    return sum;
}

bool isHiddenMarked(const Table &ledger)
{
    if (!ledger.isOpen() || ledger.controlCurrentRow() < 0)
        return false;
    return hiddenMarked(ledger, ledger.field(LedgerField::HiddenAmount).index(),
                        ledger.field(LedgerField::HiddenText).index());
}

int hiddenCount(Table &ledger)
{
    if (!ledger.isOpen())
        return 0;
    const int amount = ledger.field(LedgerField::HiddenAmount).index();
    const int text = ledger.field(LedgerField::HiddenText).index();
    if (!ledger.filtered())
        return wholeTable(ledger).rowsHolding;
    int count = 0;
    RememberedRecord current(ledger);
    {
        SuspendedControls suspended(ledger);
        for (ledger.first(); !ledger.eof(); ledger.next())
            if (hiddenMarked(ledger, amount, text))
                ++count;
        current.restore();
    }
    return count;
}

QString hiddenCountText(int count) { return QString::number(count) + QStringLiteral(" skrytých"); }

} // namespace LedgerTotals

TotalDisplay TotalDisplay::of(Money total)
{
    return {Locale::money(total), total > Money() ? Positive : NotPositive};
}
