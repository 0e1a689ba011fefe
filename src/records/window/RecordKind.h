#pragma once

#include <QString>

// The four kinds of table a record window shows; the caller hands the kind
// over through the process-wide value RecordWindowKind (the value 3 is not
// used).
enum class RecordKind { Month = 0, ItemGroup1 = 1, ItemGroup2 = 2, PreviousYear = 4 };

namespace RecordKinds {

// The kind of a RecordWindowKind value; a value that names none shows the
// window as an item table of group 1.
RecordKind fromValue(int value);
// The window's settings section: "SetMesice" for months, "SetUziv1" for
// item and previous-year tables.
QString settingsSection(RecordKind kind);

} // namespace RecordKinds
