#include "core/app/commands/StartupPassword.h"

#include "core/data/stores/SettingsStore.h"

namespace StartupPassword {

bool required(const SettingsStore &settings) { return settings.read(Key::HAct); }

bool matches(const SettingsStore &settings, const QString &typed)
{
    return settings.read(Key::Pas) == typed;
}


bool switchOff(SettingsStore &settings) { return settings.write(Key::HAct, false); }

} // namespace StartupPassword
