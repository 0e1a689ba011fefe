#include "core/data/format/Locale.h"

#include <QRegularExpression>
#include <cmath>

namespace Locale {

QChar decimalSeparator() { return QLatin1Char(','); }
QChar groupSeparator() { return QChar(0x00A0); }

QString date(QDate d)
{
    if (!d.isValid())
        return {};
    return QStringLiteral("%1.%2.%3").arg(d.day()).arg(d.month()).arg(d.year());
}

std::optional<QDate> parseDate(const QString &input)
{
    const QString text = input.trimmed();
    static const QRegularExpression czech(QStringLiteral("^(\\d{1,2})\\.\\s*(\\d{1,2})\\.\\s*(\\d{1,4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    QDate result;
    if (const auto m = czech.match(text); m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() <= 2)
            year += year < 50 ? 2000 : 1900; // two-digit years, as the short date form allows
        result = QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
    } else if (const auto i = iso.match(text); i.hasMatch()) {
        result = QDate(i.captured(1).toInt(), i.captured(2).toInt(), i.captured(3).toInt());
    }
    if (!result.isValid())
        return std::nullopt;
    return result;
}

static QString grouped(qint64 whole)
{
    QString digits = QString::number(whole);
    for (int pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, groupSeparator());
    return digits;
}

QString money(Money amount)
{
    // Round half away from zero to hundredths, as the currency format shows.
    qint64 units = amount.units();
    const bool negative = units < 0;
    if (negative)
        units = -units;
    const qint64 hundredths = (units + 50) / 100;
    QString text = grouped(hundredths / 100) + decimalSeparator()
                   + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    if (negative && hundredths != 0)
        text.prepend(QLatin1Char('-'));
    return text + QStringLiteral(" Kč");
}

QString moneyPlain(Money amount)
{
    qint64 units = amount.units();
    const bool negative = units < 0;
    if (negative)
        units = -units;
    QString text = QString::number(units / Money::Scale);
    qint64 fraction = units % Money::Scale;
    if (fraction != 0) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += decimalSeparator() + decimals;
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString number(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) // keep very large or small values readable
        text = QString::number(value, 'f', 15 - std::max(0, int(std::log10(std::fabs(value))) + 1));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    text.replace(QLatin1Char('.'), decimalSeparator());
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

std::optional<double> parseNumber(const QString &input)
{
    QString text = input.trimmed();
    text.remove(QChar(0x00A0));
    text.remove(QLatin1Char(' '));
    text.replace(decimalSeparator(), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace Locale
