#pragma once

#include <QPoint>
#include <QString>
#include <array>

class SettingsStore;

// Appearance themes: files of the settings file's form (section
// Nastaveni) that hold the look of the main window - the quick-button
// switch and places, the gradients, the backgrounds, the "X" menu, the
// status bar and the title-bar gradient.
namespace Themes {

using ButtonPlaces = std::array<QPoint, 12>;

// Writes the theme of what is shown: the button places as they are, the
// rest as the settings hold it (the texture only in texture form, the
// picture only while it is on). The file is replaced whole or not at all.
bool write(const QString &path, const SettingsStore &settings, const ButtonPlaces &places);

// Stores a theme's look into the settings: every key the theme holds
// validly, and the button places as the theme left them shown. What the
// theme lacks, or holds unreadably, keeps its stored value.
void copyInto(const SettingsStore &theme, SettingsStore &settings, const ButtonPlaces &places);

} // namespace Themes
