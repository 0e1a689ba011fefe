#pragma once

#include "core/data/catalogue/RecordKind.h"

#include <QString>

namespace RecordKinds {

// The window's settings section: "SetMesice" for months, "SetUziv1" for
// item and previous-year tables.
QString settingsSection(RecordKind kind);

} // namespace RecordKinds
