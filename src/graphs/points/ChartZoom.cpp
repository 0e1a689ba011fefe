#include "graphs/points/ChartZoom.h"

#include "core/data/format/Locale.h"

#include <cmath>

bool ChartZoom::setPercent(int percent)
{
    const int bounded = qBound(Least, percent, Most);
    if (bounded == m_percent)
        return false;
    m_percent = bounded;
    return true;
}

ChartZoom::Range ChartZoom::visible(Range full, Range current) const
{
    const double half = (full.max - full.min) * 100.0 / m_percent / 2;
    const double centre = (current.min + current.max) / 2;
    return Range{centre - half, centre + half};
}

namespace ValueAxis {

QString label(double value)
{
    // Three decimals at most, trailing zeros dropped, Czech separators.
    QString text = QString::number(std::abs(value), 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    const int point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    const QString decimals = point < 0 ? QString() : text.mid(point + 1);
    for (int i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, Locale::groupSeparator());
    QString result = whole;
    if (!decimals.isEmpty())
        result += Locale::decimalSeparator() + decimals;
    if (value < 0 && result != QLatin1String("0"))
        result.prepend(QLatin1Char('-'));
    return result + QStringLiteral("Kč");
}

QVector<Tick> ticks(double min, double max, int wanted)
{
    QVector<Tick> result;
    if (!std::isfinite(min) || !std::isfinite(max) || wanted < 1)
        return result;
    if (max < min)
        std::swap(min, max);
    const double span = max - min;
    if (span <= 0) {
        result.append(Tick{min, label(min)});
        return result;
    }
    const double rough = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    const double first = std::ceil(min / step - 1e-9) * step;
    for (double value = first; value <= max + step * 1e-9; value += step) {
        const double clean = std::abs(value) < step * 1e-9 ? 0.0 : value;
        result.append(Tick{clean, label(clean)});
    }
    return result;
}

} // namespace ValueAxis
