#include "core/data/catalogue/RecordKind.h"

#include "core/data/stores/Keys.h"

namespace RecordKinds {

QString settingsSection(RecordKind kind)
{
    return QLatin1String(kind == RecordKind::Month ? Section::SetMesice : Section::SetUziv1);
}

} // namespace RecordKinds
