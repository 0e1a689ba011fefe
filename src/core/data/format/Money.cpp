#include "core/data/format/Money.h"

#include <cmath>
#include <limits>

Money Money::fromDouble(double value)
{
    const double scaled = std::round(value * double(Scale));
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e18)
        return Money();
    return Money(qint64(scaled));
}

std::optional<Money> Money::parse(const QString &input)
{
    QString text = input.trimmed();
    if (text.endsWith(QStringLiteral("Kč"), Qt::CaseInsensitive))
        text.chop(2);
    text.remove(QChar(0x00A0));
    text.remove(QChar(0x202F));
    text.remove(QLatin1Char(' '));
    if (text.isEmpty())
        return std::nullopt;

    bool negative = false;
    int i = 0;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++i;
    }
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 100;
    qint64 whole = 0;
    int digits = 0;
    for (; i < text.size() && text[i].isDigit(); ++i, ++digits) {
        whole = whole * 10 + text[i].digitValue();
        if (whole > limit / Scale)
            return std::nullopt;
    }
    qint64 fraction = 0;
    int fractionDigits = 0;
    if (i < text.size() && (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('.'))) {
        for (++i; i < text.size() && text[i].isDigit(); ++i, ++fractionDigits) {
            if (fractionDigits < 4)
                fraction = fraction * 10 + text[i].digitValue();
            else if (fractionDigits == 4 && text[i].digitValue() >= 5)
                fraction += 1; // round the fifth decimal
        }
        for (int d = std::min(fractionDigits, 5); d < 4; ++d)
            fraction *= 10;
        if (fractionDigits == 0 && digits == 0)
            return std::nullopt;
    }
    if (i != text.size() || (digits == 0 && fractionDigits == 0))
        return std::nullopt;
    const qint64 units = whole * Scale + fraction;
    return Money(negative ? -units : units);
}
