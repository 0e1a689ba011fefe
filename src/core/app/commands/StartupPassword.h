#pragma once

#include <QString>

class SettingsStore;

// The start-up lock: with HAct on, the program goes on only when the typed
// text equals the stored password Pas exactly, letter case included.
namespace StartupPassword {

bool required(const SettingsStore &settings);
bool matches(const SettingsStore &settings, const QString &typed);
// The forgotten password: HAct off, Pas left as it is. False when the
// settings could not be written.
bool switchOff(SettingsStore &settings);

} // namespace StartupPassword
