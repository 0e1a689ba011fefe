#include "records/ledger/PaymentOffer.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/AtomicFile.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/LedgerFields.h"

#include <QDir>
#include <QFile>
#include <algorithm>

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

// An accepted payment whose ledger row may be written and whose flag is
// not yet set: the payment's identity, the month, the ledger and the
// ledger's newest identity before the row. Kept on disk from before the
// row is written until after its flag is, so that a program that ended in
// between finds, at the next offer, exactly the row it wrote (the one
// above that identity) and no row that only looks like it.
struct Pending
{
    qint64 payment = 0;
    int month = 0;
    QString ledger;
    qint64 before = 0;
    bool operator==(const Pending &) const = default;
};

QString pendingPath() { return QDir(Catalogue::DataFolder).filePath(QStringLiteral("PravPl1.db-vklad")); }

QList<Pending> readPending()
{
    QList<Pending> pending;
    const std::optional<QByteArray> data = AtomicFile::read(pendingPath());
    if (!data)
        return pending;
    for (const QByteArray &line : data->split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(';');
        if (parts.size() != 4)
            continue;
        bool ok[3] = {};
        Pending entry{parts[0].toLongLong(&ok[0]), parts[1].toInt(&ok[1]), QString::fromUtf8(parts[2]),
                      parts[3].toLongLong(&ok[2])};
        if (ok[0] && ok[1] && ok[2])
            pending.append(entry);
    }
    return pending;
}

void writePending(const QList<Pending> &pending)
{
    if (pending.isEmpty()) {
        if (QFile::exists(pendingPath()) && !QFile::remove(pendingPath()))
            AtomicFile::write(pendingPath(), QByteArray());
        return;
    }
    QByteArray data;
    for (const Pending &entry : pending)
        data += QByteArray::number(entry.payment) + ';' + QByteArray::number(entry.month) + ';' + entry.ledger.toUtf8()
                + ';' + QByteArray::number(entry.before) + '\n';
    if (!AtomicFile::write(pendingPath(), data))
        throw EngineError(QStringLiteral("Do složky „%1“ nelze zapisovat, pravidelnou platbu proto nelze vložit. Povolte "
                                         "zápis a akci opakujte.")
                              .arg(Catalogue::DataFolder));
}

// The row the offer of `entry` wrote, if it is in the ledger.
bool rowWritten(const Table &ledger, const Pending &entry, const QString &name, Money amount, const QDate &dated)
{
    const QList<int> fields{ledger.fieldIndex(LedgerField::Date), ledger.fieldIndex(LedgerField::Text),
                            ledger.fieldIndex(LedgerField::Amount), ledger.fieldIndex(LedgerField::Supplement)};
    bool found = false;
    ledger.readRowsAfter(entry.before, fields, [&](const QVector<QVariant> &row) {
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
    QList<Pending> pending = readPending();
    const auto setFlag = [&] {
        payments.edit();
        payments.field(flag).setBool(true);
        payments.post();
    };
    int inserted = 0;
    for (payments.first(); !payments.eof(); payments.next()) {
        if (!isDue(payments.field(EndField).asDate(), payments.field(flag).asBool(), today))
            continue;
        const QString name = payments.field(NameField).asString();
        const Money amount = payments.field(AmountField).asMoney();
        const qint64 payment = payments.bookmark();
        const auto earlier = std::find_if(pending.begin(), pending.end(), [&](const Pending &entry) {
            return entry.payment == payment && entry.month == month && entry.ledger == ledger.tableName();
        });
        if (earlier != pending.end()) {
            // An earlier run ended between this payment's row and its flag.
            const bool written = rowWritten(ledger, *earlier, name, amount, dated);
            if (written)
                setFlag();
            pending.erase(earlier);
            writePending(pending);
            if (written)
                continue;
        }
        if (!prompter.ask(Title, question(name), Prompter::QuestionMark))
            continue; // offered again at the next activation
        const Pending entry{payment, month, ledger.tableName(), ledger.highestBookmark()};
        pending.append(entry);
        writePending(pending);
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
        setFlag();
        pending.removeOne(entry);
        writePending(pending);
    }
    // What is left for this month and ledger belongs to payments that are no
    // longer offered (flagged, ended or deleted meanwhile).
    const qsizetype before = pending.size();
    pending.removeIf([&](const Pending &entry) { return entry.month == month && entry.ledger == ledger.tableName(); });
    if (pending.size() != before)
        writePending(pending);
    ledger.first();
    return inserted;
}

} // namespace PaymentOffer
