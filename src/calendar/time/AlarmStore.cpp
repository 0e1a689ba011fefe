#include "calendar/time/AlarmStore.h"

#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

namespace {
IniStore settings() { return IniStore(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni)); }
RegFlags registration() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::Registrace)); }

QString unlessMissing(const QString &text) { return SettingsStore::isMissing(text) ? QString() : text; }
} // namespace

namespace AlarmStore {

QString message() { return unlessMissing(settings().read(Key::TextBudik)); }

void setMessage(const QString &text) { settings().write(Key::TextBudik, text); }

QString soundFile() { return unlessMissing(registration().read(Key::Reg::BudikZvuk)); }

void setSoundFile(const QString &path) { registration().write(Key::Reg::BudikZvuk, path); }

} // namespace AlarmStore
