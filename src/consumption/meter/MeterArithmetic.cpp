#include "consumption/meter/MeterArithmetic.h"

#include "core/data/format/Locale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace MeterArithmetic {

double roundAsShown(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    // The shortest decimal form that reads back as the same number, so
    // that 12.3456 rounds as the digits the user typed and not as the
    // binary fraction just below them.
    char shortest[64];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(shortest, sizeof shortest, "%.*g", digits, value);
        if (std::strtod(shortest, nullptr) == value)
            break;
    }
    // Round that decimal text: exact in long double for the sizes of meter
    // readings and prices.
    const long double exact = std::strtold(shortest, nullptr);
    const long double scale = std::pow(10.0L, decimals);
    const long double rounded = std::round(exact * scale) / scale;
    return double(rounded);
}

double consumption(double start, double end)
{
    const double used = end - start;
    return used < 0 ? 0.0 : used;
}

bool isKeepable(double reading) { return std::isfinite(reading) && std::fabs(reading) <= LargestReading; }

std::optional<Money> amount(double consumption, Money price, int consumptionDecimals, double energyPerUnit)
{
    const double used = roundAsShown(consumption, consumptionDecimals);
    // The price is kept in ten-thousandths: rounding it to hundredths is exact.
    qint64 units = price.units();
    const qint64 sign = units < 0 ? -1 : 1;
    units = sign * ((std::llabs(units) + 50) / 100 * 100);
    const double shownPrice = double(units) / Money::Scale;
    const double value = roundAsShown(used * energyPerUnit * shownPrice, 4);
    // Money keeps ten-thousandths in 64 bits.
    if (!std::isfinite(value) || std::fabs(value) * Money::Scale > 9.0e18)
        return std::nullopt;
    return Money::fromDouble(value);
}

std::optional<qint32> wholeReading(double value)
{
    if (!std::isfinite(value) || std::floor(value) != value || value < std::numeric_limits<qint32>::min()
        || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

QString fixed(double value, int decimals, const QString &unit)
{
    double shown = roundAsShown(value, decimals);
    if (shown == 0)
        shown = 0; // no "-0,000"
    QString text = QString::number(shown, 'f', decimals);
    text.replace(QLatin1Char('.'), Locale::decimalSeparator());
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

} // namespace MeterArithmetic
