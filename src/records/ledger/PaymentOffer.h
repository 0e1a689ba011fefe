#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Clock;
class Prompter;
class Table;

// The offer of regular payments, run at every activation of a month
// window: each payment of "PravPl1.db" that is still valid (today strictly
// before "K-Datum") and not yet written into month m ("Dm" false) is
// offered; an accepted one is inserted at the top of the ledger, dated the
// first day of the current month, and its flag set.
//
// The ledger row and the flag live in two files and cannot be written in
// one transaction. Before the row is written, the payment and the ledger's
// newest row identity are noted in "Data/PravPl1.db-vklad"; the note goes
// once the flag is set. A program that ended in between leaves the note,
// and the next offer looks for that payment's row above the noted identity
// only: found, the flag is set without asking again; not found, the payment
// is offered again. A payment is never written twice nor lost, and rows
// that merely look alike (two equal payments, a row the user typed) are
// never taken for one another.
namespace PaymentOffer {

inline const QString PaymentsFile = QStringLiteral("PravPl1.db");
inline const QString Title = QStringLiteral("Pravidelné platby");
inline const QString Supplement = QStringLiteral("Pravidelná platba");
QString question(const QString &name); // Vložit pravidelnou platbu s názvem "…"
QString flagField(int month);          // "D1" … "D12"

// Whether a payment is offered: it has an end date, today is before it,
// and it has not been written into the month.
bool isDue(const QDate &end, bool written, const QDate &today);

// Offers the due payments for month `month` (1-12); returns how many rows
// it inserted.
int offer(Table &ledger, int month, Prompter &prompter, const Clock &clock);

// For tests: runs between a payment's ledger row and its flag.
void setBetweenRowAndFlag(std::function<void()> hook);

} // namespace PaymentOffer
