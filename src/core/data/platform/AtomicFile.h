#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Files that are replaced whole and never seen half-written: the settings
// files, themes, exports. A write goes to a fresh file in the same folder
// (unnamed until it is complete, then synced) that replaces the old one by
// a rename, so a crash or a full disk leaves the old file or the new one.
// Every read-modify-write holds an exclusive lock (flock) on the folder, so
// writers in this process and in others never lose each other's changes.
// A symbolic link is followed: its target is replaced. A read-only file
// stays as it is.
namespace AtomicFile {

// The whole file: empty when it does not exist; nothing when it exists but
// cannot be read.
std::optional<QByteArray> read(const QString &path);

enum class Edit { Fail, Keep, Write };
// Reads the file under the folder lock and hands its contents to `change`,
// which may change them and says whether to write them, keep the file as it
// is, or fail. False when the file cannot be read or written, or `change`
// fails; the file is then as it was.
bool rewrite(const QString &path, const std::function<Edit(QByteArray &contents)> &change);

// Replaces the file's contents with `contents`.
bool write(const QString &path, const QByteArray &contents);

} // namespace AtomicFile
