#include "LedgerFixture.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/format/Locale.h"
#include "records/ledger/LedgerFields.h"

void appendRows(Table &ledger, const QStringList &rows)
{
    const QStringList fields{LedgerField::Date,         LedgerField::Text,       LedgerField::Amount,
                             LedgerField::HiddenAmount, LedgerField::HiddenText, LedgerField::Supplement};
    for (const QString &row : rows) {
        const QStringList parts = row.split(QLatin1Char(';'));
        ledger.append();
        for (int i = 0; i < parts.size() && i < fields.size(); ++i) {
            if (parts[i].isEmpty())
                continue;
            if (fields[i] == LedgerField::Amount || fields[i] == LedgerField::HiddenAmount)
                ledger.field(fields[i]).setMoney(*Money::parse(parts[i]));
            else if (fields[i] == LedgerField::Date)
                ledger.field(fields[i]).setDate(*Locale::parseDate(parts[i]));
            else
                ledger.field(fields[i]).setString(parts[i]);
        }
        ledger.post();
    }
}

std::unique_ptr<Table> openLedger(const QString &name)
{
    auto table = std::make_unique<Table>();
    table->setFolder(Catalogue::DataFolder);
    table->setTableName(name);
    table->open();
    return table;
}

QStringList column(Table &ledger, const QString &field)
{
    QStringList values;
    for (ledger.first(); !ledger.eof(); ledger.next())
        values << ledger.field(field).asString();
    ledger.first();
    return values;
}
