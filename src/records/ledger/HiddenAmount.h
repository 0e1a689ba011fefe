#pragma once

#include "core/data/format/Money.h"

#include <QString>
#include <optional>

class Table;

// The hidden amount of a record ("Cena") and its hidden text ("Memo
// Polozka 10"), as the hidden amount dialog shows and writes them.
namespace HiddenAmount {

// The three lines of the sum box: the amount, the hidden amount and their
// sum, each a plain decimal number followed by " Kč".
struct Lines
{
    QString amount;
    QString hidden;
    QString sum;
};
Lines lines(Money amount, Money hidden);

// The value of what was typed into the amount box: an amount ("-50",
// "1 200,5") or an expression of the calculator ("2*150"); nothing when it
// is neither.
std::optional<Money> valueOf(const QString &typed);

// "OK   ": the hidden amount and the hidden text in one post.
void store(Table &ledger, Money hidden, const QString &text);

} // namespace HiddenAmount
