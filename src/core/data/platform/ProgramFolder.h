#pragma once

#include <QString>
#include <QStringList>

// Choosing the program folder at start-up and giving a new one the files
// the program is delivered with (its tables, Penezka.ini, the theme, the
// texture and the help).
namespace ProgramFolder {

// Where the delivered files are: $ROZVAHON_DELIVERED, then
// <executable>/../share/rozvahon (installed), then the build tree.
QString deliveredFolder();

// Makes the program folder the current directory: `dirOption` when given
// (--dir), else the current directory when it holds "Data" or
// "Penezka.ini", else $XDG_DATA_HOME/Rozvahon. The folder is locked for
// this process (a second program on it is refused), and receives whatever
// delivered file it lacks. Folders the program makes are private to the
// user. Returns an error text, empty on success; `notice` tells of tables
// that were missing from a folder in use and were added empty.
QString prepare(const QString &dirOption, QString *notice = nullptr);

// Copies the delivered tree into `target` without replacing any file that
// is there already; each file whole or not at all, private to the user.
// Returns an error text, empty on success; `added` lists what was copied.
// A journal ("-wal", "-shm", "-journal") left beside a table that is
// missing belongs to the lost file: it is moved aside under a dated name
// before the delivered table is installed, so that SQLite never replays it
// into the new one; `setAside` lists the new names.
QString copyDelivered(const QString &from, const QString &target, QStringList *added = nullptr,
                      QStringList *setAside = nullptr);

// The name a file of the program folder is kept aside under:
// "<name>.<why>-yyyy-MM-dd", with a number added when that is taken.
QString asideName(const QString &path, const QString &why);

// Whether `folder` already holds a program folder ("Data" or "Penezka.ini").
bool holdsProgram(const QString &folder);

} // namespace ProgramFolder
