#pragma once

#include <QString>

// Folders of the program and the resolution of the paths it writes the
// Windows way ("Data\Data01\Leden.db"): every folder and file name is
// matched against the disk without regard to letter case.
namespace Paths {

// The program folder: the current directory, taken at start-up.
QString programFolder();
// The folder of the running executable.
QString executableFolder();
// $XDG_CONFIG_HOME, or ~/.config.
QString configHome();
// $XDG_DATA_HOME, or ~/.local/share.
QString dataHome();

// `relative` below `base`, with "\" or "/" as separators. Each component
// that exists on disk under another letter case is replaced by the name on
// disk (an exact match wins); components that do not exist are kept as
// given, so the result also names a file that is still to be written.
QString resolve(const QString &base, const QString &relative);

// The same, below the program folder.
inline QString inProgramFolder(const QString &relative) { return resolve(programFolder(), relative); }

} // namespace Paths
