#pragma once

#include <QString>

// Keeps a second program off a program folder: an exclusive lock on the
// file "Rozvahon.lock" in the folder, held for the life of the object. The
// system lets go of it when the process ends in any way, a crash included,
// so a lock never outlives its program. Programs the process starts do not
// inherit it.
class FolderLock
{
public:
    static inline const QString FileName = QStringLiteral("Rozvahon.lock");

    // Tries to take the lock on `folder` at once, without waiting.
    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }
    // Why the lock was not taken, in the program's words; empty when held.
    const QString &error() const { return m_error; }
    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    QString m_error;
    int m_fd = -1;
};
