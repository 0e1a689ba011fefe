#include "calendar/time/MonthSteps.h"

#include <algorithm>

namespace {
constexpr int LastYear = 9999; // the calendar's last year

QDate clampedDay(int year, int month, int day)
{
    const int days = QDate(year, month, 1).daysInMonth();
    return QDate(year, month, std::min(day, days));
}
} // namespace

namespace MonthSteps {

QDate withYear(QDate date, int year)
{
    return clampedDay(std::clamp(year, 1, LastYear), date.month(), date.day());
}

QDate withMonth(QDate date, int month)
{
    return clampedDay(date.year(), std::clamp(month, 1, 12), date.day());
}

QDate monthsWithinYear(QDate date, int months) { return withMonth(date, date.month() + months); }

QDate years(QDate date, int years) { return withYear(date, date.year() + years); }

} // namespace MonthSteps
