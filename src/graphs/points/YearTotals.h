#pragma once

#include "core/data/format/Money.h"

#include <QString>

class TDataModule23;

// The month totals of the yearly graphs, read through the second ledger
// holder so that the record window's cursor is left alone.
namespace YearTotals {

// TForm4.Castka: the sum of "Castka" over every row of the month table
// `file`, as "0.00" with the decimal comma. The holder is switched to the
// file, summed and closed again.
QString Castka(TDataModule23 &holder, const QString &file);
// The same sum as an amount, rounded to whole hundredths.
Money monthTotal(TDataModule23 &holder, const QString &file);

} // namespace YearTotals
