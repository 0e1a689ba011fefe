#pragma once

#include "core/data/format/Money.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The sums of the meter logs, apart from any table: a month's consumption
// from its two readings and its price, rounded the way the grid shows the
// numbers, so that the amount is what the user can work out from the screen.
namespace MeterArithmetic {

// `value` rounded to `decimals` places as a display format rounds it: on
// its shortest decimal form (2.675 is 2.68), halves away from zero.
double roundAsShown(double value, int decimals);

// The consumption between the readings; a reading at the end below the one
// at the start counts as no consumption.
double consumption(double start, double end);

// consumption (as shown with `consumptionDecimals`) x `energyPerUnit` x
// price (as shown with two decimals), in exact ten-thousandths.
// Nothing when the amount is beyond what an amount can hold.
std::optional<Money> amount(double consumption, Money price, int consumptionDecimals, double energyPerUnit = 1.0);

// The largest reading a log keeps: a double holds 15 decimal digits exactly.
inline constexpr double LargestReading = 999999999999999.0;
// A reading the log can keep: finite and of at most 15 digits before the
// decimal comma.
bool isKeepable(double reading);

// A reading that must be a whole number within the signed 32-bit range;
// nothing when it is not one.
std::optional<qint32> wholeReading(double value);

// "0.000 m3"-like text: `decimals` places with a decimal comma, no grouping,
// then " " + `unit` when there is a unit.
QString fixed(double value, int decimals, const QString &unit = QString());

} // namespace MeterArithmetic
