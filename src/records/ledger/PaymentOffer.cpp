#include "records/ledger/PaymentOffer.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/LedgerFields.h"

namespace PaymentOffer {

namespace {

const QString NameField = QStringLiteral("Nazev-Pl");
const QString EndField = QStringLiteral("K-Datum");
const QString AmountField = QStringLiteral("Castka");

std::function<void()> &betweenRowAndFlag()
{
    static std::function<void()> hook;
    return hook;
}

// The row an earlier offer of this payment wrote for this month, if one is
// in the ledger.
bool alreadyWritten(const Table &ledger, const QString &name, Money amount, const QDate &dated)
{
    const QList<int> fields{ledger.fieldIndex(LedgerField::Date), ledger.fieldIndex(LedgerField::Text),
                            ledger.fieldIndex(LedgerField::Amount), ledger.fieldIndex(LedgerField::Supplement)};
    bool found = false;
    ledger.readShownRows(fields, [&](const QVector<QVariant> &row) {
        found = found
                || (row[0].toDate() == dated && row[1].toString() == name
                    && (row[2].isNull() ? Money() : row[2].value<Money>()) == amount && row[3].toString() == Supplement);
    });
    return found;
}

} // namespace

QString question(const QString &name)
{
    return QStringLiteral("Vložit pravidelnou platbu s názvem \"") + name + QLatin1Char('"');
}

QString flagField(int month) { return QStringLiteral("D") + QString::number(month); }

bool isDue(const QDate &end, bool written, const QDate &today) { return end.isValid() && today < end && !written; }

void setBetweenRowAndFlag(std::function<void()> hook) { betweenRowAndFlag() = std::move(hook); }

int offer(Table &ledger, int month, Prompter &prompter, const Clock &clock)
{
    if (month < 1 || month > 12 || !ledger.isOpen())
        return 0;
    Table payments;
    payments.setFolder(Catalogue::DataFolder);
    payments.setTableName(PaymentsFile);
    payments.open();
    const QDate today = clock.today();
    const QDate dated(today.year(), today.month(), 1); // the current month, whatever the table's month
    const QString flag = flagField(month);
    int inserted = 0;
    for (payments.first(); !payments.eof(); payments.next()) {
        if (!isDue(payments.field(EndField).asDate(), payments.field(flag).asBool(), today))
            continue;
        const QString name = payments.field(NameField).asString();
        const Money amount = payments.field(AmountField).asMoney();
        if (!alreadyWritten(ledger, name, amount, dated)) {
            if (!prompter.ask(Title, question(name), Prompter::QuestionMark))
                continue; // offered again at the next activation
            ledger.first();
            ledger.insert();
            ledger.field(LedgerField::Date).setDate(dated);
            ledger.field(LedgerField::Text).setString(name);
            ledger.field(LedgerField::Amount).setMoney(amount);
            ledger.field(LedgerField::Supplement).setString(Supplement);
            ledger.post();
            ++inserted;
            if (betweenRowAndFlag())
                betweenRowAndFlag()();
        }
        payments.edit();
        payments.field(flag).setBool(true);
        payments.post();
    }
    ledger.first();
    return inserted;
}

} // namespace PaymentOffer
