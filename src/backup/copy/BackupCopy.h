#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Copying the program's data to a backup folder and back: the file lists,
// the copy that keeps every file in its own subfolder (so that the
// previous year's tables in "Data/Data01" never meet the current year's),
// the consistent copy of a table that is open in the program, and the
// check of what was copied.
namespace BackupCopy {

// The files below `folder` whose names match `mask` (a wildcard, "*" for
// all), relative to it: first the folder's own files in name order, then
// each subfolder's list in name order.
QStringList fileList(const QString &folder, const QString &mask = QStringLiteral("*"));

// What the user answers when a file is already there.
enum class Replace { Yes, No, YesToAll, Cancel };
using ReplaceQuestion = std::function<Replace(const QString &relative)>;
// How far the copy has got: files done of all.
using Progress = std::function<bool(int done, int total)>; // false: stop

struct Result
{
    QStringList copied;   // relative paths
    QStringList skipped;  // kept as they were, at the user's word
    QString error;        // the first failure, in Czech; empty when none
    bool cancelled = false;
};

// Copies `files` (relative to `from`) to the same places below `to`,
// folders made as needed. A table of the program (a SQLite file) is copied
// with SQLite's online backup, so that a table open in the program, with
// posts still in its journal, arrives whole; its "-wal" and "-shm" are not
// copied. Every other file is copied whole under a temporary name and
// then renamed.
Result copyFiles(const QString &from, const QString &to, const QStringList &files, const ReplaceQuestion &replace,
                 const Progress &progress = {});

// The tables among `files` (relative to `folder`) whose integrity check
// fails, with SQLite's first complaint.
QStringList damagedTables(const QString &folder, const QStringList &files);

// Whether `path` is an SQLite file (its header says so).
bool isTable(const QString &path);

} // namespace BackupCopy
