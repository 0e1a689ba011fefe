#include "graphs/points/YearTotals.h"

#include "core/data/catalogue/Holders.h"
#include "core/data/format/Locale.h"

#include <cstdlib>

namespace YearTotals {

namespace {
Money roundedToHundredths(Money sum)
{
    constexpr qint64 hundredth = Money::Scale / 100;
    const qint64 units = sum.units();
    const qint64 rest = units % hundredth;
    qint64 rounded = units - rest;
    if (std::llabs(rest) * 2 >= hundredth)
        rounded += units < 0 ? -hundredth : hundredth;
    return Money::fromUnits(rounded);
}
} // namespace

Money monthTotal(TDataModule23 &holder, const QString &file)
{
    holder.Soubor(file);
    Table &table = holder.table();
    if (!table.isOpen())
        table.open();
    Money sum;
    const int amount = table.fieldIndex(QStringLiteral("Castka"));
    table.readShownRows({amount}, [&sum](const QVector<QVariant> &row) {
        if (!row.at(0).isNull())
            sum += row.at(0).value<Money>();
    });
    table.first();
    table.close();
    return roundedToHundredths(sum);
}

QString Castka(TDataModule23 &holder, const QString &file)
{
    const Money total = monthTotal(holder, file);
    return QString::number(total.toDouble(), 'f', 2).replace(QLatin1Char('.'), Locale::decimalSeparator());
}

} // namespace YearTotals
