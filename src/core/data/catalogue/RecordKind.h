#pragma once

#include <QString>

// The four kinds of table a record window shows: a month ledger, an item
// table of group 1 or 2, or a table of the previous year. The numbers are
// the ones the program has always used for them (3 is not used).
enum class RecordKind { Month = 0, ItemGroup1 = 1, ItemGroup2 = 2, PreviousYear = 4 };

namespace RecordKinds {

// The kind of a number; a number that names none is an item table of
// group 1.
constexpr RecordKind fromValue(int value)
{
    switch (value) {
    case 0: return RecordKind::Month;
    case 2: return RecordKind::ItemGroup2;
    case 4: return RecordKind::PreviousYear;
    default: return RecordKind::ItemGroup1;
    }
}

// The record window's settings section: "SetMesice" for months,
// "SetUziv1" for item and previous-year tables.
QString settingsSection(RecordKind kind);

} // namespace RecordKinds
