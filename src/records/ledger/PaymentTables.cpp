#include "records/ledger/PaymentTables.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/PaymentOffer.h"

namespace PaymentTables {

QString fileOf(int index) { return QStringLiteral("PravPl%1.db").arg(index + 1); }

QStringList flagTexts(const std::array<bool, 12> &flags)
{
    QStringList texts;
    for (bool flag : flags)
        texts << (flag ? QStringLiteral("Ano") : QStringLiteral("Ne"));
    return texts;
}

std::array<bool, 12> flagsFrom(const QStringList &texts)
{
    std::array<bool, 12> flags{};
    for (int i = 0; i < 12 && i < texts.size(); ++i)
        flags[std::size_t(i)] = texts[i].toUpper() == QLatin1String("ANO");
    return flags;
}

std::array<bool, 12> flagsOf(const Table &payments)
{
    std::array<bool, 12> flags{};
    if (!payments.isOpen() || payments.controlCurrentRow() < 0)
        return flags;
    for (int month = 1; month <= 12; ++month)
        flags[std::size_t(month - 1)] = payments.field(PaymentOffer::flagField(month)).asBool();
    return flags;
}

void setFlags(Table &payments, const std::array<bool, 12> &flags)
{
    if (payments.state() == Table::State::Browse)
        payments.edit();
    for (int month = 1; month <= 12; ++month)
        payments.field(PaymentOffer::flagField(month)).setBool(flags[std::size_t(month - 1)]);
}

bool isExpired(const QDate &end, const QDate &today) { return !end.isValid() || today > end; }

QList<ExpiredRow> expired(const QDate &today, const std::array<QString, Count> &groupNames)
{
    QList<ExpiredRow> rows;
    for (int index = 0; index < Count; ++index) {
        Table table;
        table.setFolder(Catalogue::DataFolder);
        table.setTableName(fileOf(index));
        table.open();
        for (table.first(); !table.eof(); table.next()) {
            if (!isExpired(table.field(QStringLiteral("K-Datum")).asDate(), today))
                continue;
            rows.append({groupNames[std::size_t(index)], table.field(QStringLiteral("P-Datum")).asString(),
                         table.field(QStringLiteral("K-Datum")).asString(), table.field(QStringLiteral("Nazev-Pl")).asString(),
                         table.field(QStringLiteral("Castka")).asString()});
        }
    }
    return rows;
}

bool removeCurrent(Table &payments, Prompter &prompter)
{
    if (!payments.isOpen())
        return false;
    if (payments.state() != Table::State::Browse)
        payments.post();
    if (payments.controlCurrentRow() < 0)
        return false;
    if (!prompter.ask(DeleteTitle, DeleteQuestion, Prompter::QuestionMark))
        return false;
    payments.remove();
    return true;
}

} // namespace PaymentTables
