#include "records/ledger/MonthTotals.h"

#include "core/data/catalogue/Catalogue.h"

#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

namespace MonthTotals {

const std::array<Entry, 12> &entries()
{
    static const std::array<Entry, 12> table{{
        {"LEDEN", "Leden", "Leden.db", QDate(Catalogue::EditionYear, 1, 31)},
        {"ÚNOR", "Únor", "Unor.db", QDate(Catalogue::EditionYear, 2, 28)},
        {"BŘEZEN", "Březen", "Brezen.db", QDate(Catalogue::EditionYear, 3, 31)},
        {"DUBEN", "Duben", "Duben.db", QDate(Catalogue::EditionYear, 4, 30)},
        {"KVĚTEN", "Květen", "Kveten.db", QDate(Catalogue::EditionYear, 5, 31)},
        {"ČERVEN", "Červen", "Cerven.db", QDate(Catalogue::EditionYear, 6, 30)},
        {"ČERVENEC", "Červenec", "Cervenec.db", QDate(Catalogue::EditionYear, 7, 31)},
        {"SRPEN", "Srpen", "Srpen.db", QDate(Catalogue::EditionYear, 8, 31)},
        {"ZÁŘÍ", "Září", "Zari.db", QDate(Catalogue::EditionYear, 9, 30)},
        {"ŘÍJEN", "Říjen", "Rijen.db", QDate(Catalogue::EditionYear, 10, 31)},
        {"LISTOPAD", "Listopad", "Listopad.db", QDate(Catalogue::EditionYear, 11, 30)},
        {"", "Prosinec", "Prosinec.db", QDate(Catalogue::EditionYear, 12, 31)},
    }};
    return table;
}

Money amountSum(Table &table)
{
    Money sum;
    const int amount = table.field(LedgerField::Amount).index();
    SuspendedControls suspended(table);
    for (table.first(); !table.eof(); table.next())
        sum += table.field(amount).asMoney();
    table.first();
    return sum;
}

Money roundedToHundredths(Money amount)
{
    const qint64 units = amount.units();
    const qint64 magnitude = (units < 0 ? -units : units) + 50;
    const qint64 rounded = magnitude - magnitude % 100;
    return Money::fromUnits(units < 0 ? -rounded : rounded);
}

void VlozitMesic(Table &ledger, TDataModule23 &other, const QString &monthName, const QString &file, QDate date)
{
    other.Soubor(file);
    const Money sum = roundedToHundredths(amountSum(other.table()));
    ledger.first();
    ledger.insert();
    try {
        ledger.field(LedgerField::Amount).setMoney(sum);
        ledger.field(LedgerField::Text).setString(TextPrefix + monthName);
        ledger.field(LedgerField::Supplement).setString(SupplementPrefix + monthName);
        ledger.field(LedgerField::Date).setDate(date);
        ledger.post();
    } catch (...) {
        ledger.cancel();
        throw;
    }
}

} // namespace MonthTotals
