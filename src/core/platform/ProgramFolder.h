#pragma once

#include <QString>

// Choosing the program folder at start-up and giving a new one the files
// the program is delivered with (its tables, Penezka.ini, the theme, the
// texture and the help).
namespace ProgramFolder {

// Where the delivered files are: $ROZVAHON_DELIVERED, then
// <executable>/../share/rozvahon (installed), then the build tree.
QString deliveredFolder();

// Makes the program folder the current directory: `dirOption` when given
// (--dir), else the current directory when it holds "Data" or
// "Penezka.ini", else $XDG_DATA_HOME/Rozvahon. A folder with neither
// receives the delivered files. Returns an error text, empty on success.
QString prepare(const QString &dirOption);

// Copies the delivered tree into `target` without replacing any file that
// is there already. Returns an error text, empty on success.
QString copyDelivered(const QString &from, const QString &target);

// Whether `folder` already holds a program folder ("Data" or "Penezka.ini").
bool holdsProgram(const QString &folder);

} // namespace ProgramFolder
