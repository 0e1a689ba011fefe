#include "core/data/platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

// An exclusive flock on a folder, held for one read-modify-write of a file
// in it. The folder, not the file, is locked because every write replaces
// the file (and so its inode) by a rename; locking the folder also leaves no
// lock file behind.
class FolderWriteLock
{
public:
    explicit FolderWriteLock(const QString &folder)
    {
        const QByteArray name = QFile::encodeName(folder);
        do
            m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        while (m_fd < 0 && errno == EINTR);
        if (m_fd < 0)
            return;
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
        }
    }
    ~FolderWriteLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    FolderWriteLock(const FolderWriteLock &) = delete;
    FolderWriteLock &operator=(const FolderWriteLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

// The file that a write really replaces (the target of a symbolic link) and
// so the folder to lock.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists()) {
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
    }
    return info.absoluteFilePath();
}

bool writeAll(int fd, const QByteArray &contents)
{
    const char *data = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, data, static_cast<size_t>(left));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += done;
        left -= done;
    }
    return ::fsync(fd) == 0;
}

// Replaces `target` with a file holding `contents`, atomically: the new
// contents are written and synced to an unnamed file in the same folder
// (O_TMPFILE), which is then linked under a fixed side name and renamed over
// the target. A writer killed at any moment leaves the old file or the new
// one, never a part; at worst, in the instant between link and rename, the
// side name stays behind, and the next writer (holding the folder lock)
// clears it. Where the file system has no unnamed files, the side file is
// written directly. The caller holds the folder lock; `folder` is its
// descriptor.
bool replaceFile(int folder, const QString &target, const QByteArray &contents)
{
    const QFileInfo info(target);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray sideName = QFile::encodeName(
        info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".new"));

    struct stat existing;
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    // A file that is read-only stays as it is, as it would for a writer in
    // place; so does a read-only folder. The owner's write bit counts even
    // for a user who could write anyway (root).
    if (exists && (::access(targetName.constData(), W_OK) != 0 || !(existing.st_mode & S_IWUSR)))
        return false;
    struct stat folderState;
    if (::fstat(folder, &folderState) != 0 || !(folderState.st_mode & S_IWUSR))
        return false;

    ::unlink(sideName.constData()); // left by a writer killed before its rename
    bool sideLinked = false; // the side name exists and must go on failure
    const auto fill = [&](int fd) {
        return (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0) && writeAll(fd, contents);
    };
    const auto writeSide = [&]() {
        int fd;
        do
            fd = ::open(sideName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return false;
        sideLinked = true;
        const bool filled = fill(fd);
        ::close(fd);
        return filled;
    };

    bool ok;
    int fd;
    do
        fd = ::open(QFile::encodeName(info.absolutePath()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd >= 0) {
        ok = fill(fd);
        if (ok) {
            const QByteArray procName = "/proc/self/fd/" + QByteArray::number(fd);
            sideLinked = ::linkat(AT_FDCWD, procName.constData(), AT_FDCWD, sideName.constData(),
                                  AT_SYMLINK_FOLLOW) == 0;
        }
        ::close(fd);
        if (ok && !sideLinked)
            ok = writeSide(); // no /proc to link from
    } else {
        ok = writeSide(); // no unnamed files here
    }
    if (ok)
        ok = ::rename(sideName.constData(), targetName.constData()) == 0;
    if (!ok) {
        if (sideLinked)
            ::unlink(sideName.constData());
        return false;
    }
    ::fsync(folder); // makes the rename durable
    return true;
}

} // namespace

// The whole file: empty when it does not exist, nothing when it exists but
// cannot be read (so that a writer never replaces it with a stub).
std::optional<QByteArray> read(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno == ENOENT ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    QByteArray data;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        data.append(buffer, got);
    }
    ::close(fd);
    return data;
}

bool rewrite(const QString &path, const std::function<Edit(QByteArray &contents)> &change)
{
    const QString target = writeTarget(path);
    FolderWriteLock lock(QFileInfo(target).absolutePath());
    if (!lock.isLocked())
        return false;
    std::optional<QByteArray> contents = read(target);
    if (!contents)
        return false;
    switch (change(*contents)) {
    case Edit::Fail: return false;
    case Edit::Keep: return true;
    case Edit::Write: break;
    }
    return replaceFile(lock.fd(), target, *contents);
}

bool write(const QString &path, const QByteArray &contents)
{
    return rewrite(path, [&contents](QByteArray &current) {
        current = contents;
        return Edit::Write;
    });
}

} // namespace AtomicFile
