#include "core/app/commands/OpenWindowGuard.h"

#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

namespace OpenWindowGuard {

namespace {
RegFlags runFlags() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)); }
} // namespace

void reset()
{
    RegFlags flags = runFlags();
    flags.write(Key::Reg::RunFrm, false);
    flags.write(Key::Reg::FrmGraf, false);
}

bool recordWindowOpen() { return runFlags().read(Key::Reg::RunFrm); }

} // namespace OpenWindowGuard
