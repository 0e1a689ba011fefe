#pragma once

#include "core/data/format/Money.h"

#include <QDate>
#include <QString>
#include <array>

class Table;
class TDataModule23;

// "Vlož výsledek z měsíce ...": the total of another month's amounts put
// at the top of the open month ledger as a record of its own, dated at the
// end of that month.
namespace MonthTotals {

struct Entry
{
    const char *menuName;  // "LEDEN", as the menu entry ends; empty for December
    const char *monthName; // "Leden"
    const char *file;      // "Leden.db"
    QDate date;            // the month's last day in the program's year
};

// January to December; the menu offers the first eleven.
const std::array<Entry, 12> &entries();
inline constexpr int MenuEntries = 11;

inline const QString TextPrefix = QStringLiteral("Celková čátka z měsíce ");
inline const QString SupplementPrefix = QStringLiteral("Za ");
inline const QString HintPrefix = QStringLiteral("Vloží celkovou částku z měsíce ");
inline const QString MenuPrefix = QStringLiteral("Vlož výsledek z měsíce ");

// Sum of every amount of `table` (hidden amounts not included), the walk
// ending on the first record.
Money amountSum(Table &table);
// Rounded to hundredths, halves away from zero, as the sum's text form
// "0.00" has it.
Money roundedToHundredths(Money amount);

// `VlozitMesic`: reads the month's table through the second ledger holder
// and inserts the record before the first record of `ledger`.
void VlozitMesic(Table &ledger, TDataModule23 &other, const QString &monthName, const QString &file, QDate date);

} // namespace MonthTotals
