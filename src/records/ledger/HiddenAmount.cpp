#include "records/ledger/HiddenAmount.h"

#include "calc/Infix.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "records/ledger/LedgerFields.h"

namespace HiddenAmount {

namespace {
QString plain(Money value) { return Locale::moneyPlain(value) + QStringLiteral(" Kč"); }
} // namespace

Lines lines(Money amount, Money hidden) { return {plain(amount), plain(hidden), plain(amount + hidden)}; }

std::optional<Money> valueOf(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return Money();
    if (const std::optional<Money> amount = Money::parse(text))
        return amount;
    // The calculator writes a decimal point; a typed comma means the same.
    QString expression = text;
    expression.replace(QLatin1Char(','), QLatin1Char('.'));
    expression.remove(QChar(0x00A0));
    const infix::Result result = infix::evaluate(expression.toStdString());
    if (!result.ok())
        return std::nullopt;
    return Money::fromDouble(double(result.value));
}

void store(Table &ledger, Money hidden, const QString &text)
{
    if (ledger.state() == Table::State::Browse)
        ledger.edit();
    ledger.field(LedgerField::HiddenAmount).setMoney(hidden);
    ledger.field(LedgerField::HiddenText).setString(text);
    ledger.post();
}

} // namespace HiddenAmount
