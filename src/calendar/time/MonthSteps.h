#pragma once

#include <QDate>

// The calendar's moves. A new year or month keeps the day where the new
// month allows it (31 March, one month on, is 30 April); months are kept
// within 1…12 and years from 1 on.
namespace MonthSteps {

QDate withYear(QDate date, int year);
QDate withMonth(QDate date, int month);

// One month back or on, inside the shown year: January does not go back
// and December does not go on (the year buttons cross a year).
QDate monthsWithinYear(QDate date, int months);
QDate years(QDate date, int years);

} // namespace MonthSteps
