#include "records/window/RecordKind.h"

#include "core/data/stores/Keys.h"

namespace RecordKinds {

RecordKind fromValue(int value)
{
    switch (value) {
    case 0: return RecordKind::Month;
    case 2: return RecordKind::ItemGroup2;
    case 4: return RecordKind::PreviousYear;
    default: return RecordKind::ItemGroup1;
    }
}

QString settingsSection(RecordKind kind)
{
    return QLatin1String(kind == RecordKind::Month ? Section::SetMesice : Section::SetUziv1);
}

} // namespace RecordKinds
