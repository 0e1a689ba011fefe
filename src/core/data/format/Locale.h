#pragma once

#include "core/data/format/Money.h"

#include <QDate>
#include <QString>
#include <optional>

// The one place that knows how the program writes dates, amounts and
// numbers: short date d.M.yyyy, decimal comma, grouping by a no-break space,
// amounts as "#,##0.00 Kč".
namespace Locale {

QString date(QDate date);                 // 31.1.2009; empty for a null date
std::optional<QDate> parseDate(const QString &text); // "31.1.2009", "31. 1. 2009", "2009-01-31"

QString money(Money amount);              // 1 234,50 Kč
QString moneyPlain(Money amount);         // 1234,5 (no grouping, no trailing zeros)
QString number(double value);             // 12,5 (no grouping, no trailing zeros)
std::optional<double> parseNumber(const QString &text); // decimal comma or point

QChar decimalSeparator();                 // ','
QChar groupSeparator();                   // U+00A0

} // namespace Locale
