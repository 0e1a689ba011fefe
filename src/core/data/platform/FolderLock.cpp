#include "core/data/platform/FolderLock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const QString &folder) : m_folder(QDir(folder).absolutePath())
{
    const QByteArray path = QFile::encodeName(QDir(m_folder).filePath(FileName));
    // Read access is enough for the lock, so that another user who may read
    // the folder is stopped as well.
    int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_error = QStringLiteral("Složku programu „%1“ nelze zamknout pro práci: %2.")
                      .arg(QDir::toNativeSeparators(m_folder), QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        const int why = errno;
        ::close(fd);
        if (why == EWOULDBLOCK)
            m_error = QStringLiteral("Rozvahon už běží nad složkou „%1“. Přepněte se do spuštěného programu; druhý "
                                     "program nad stejnými daty spustit nelze.")
                          .arg(QDir::toNativeSeparators(m_folder));
        else
            m_error = QStringLiteral("Složku programu „%1“ nelze zamknout pro práci: %2.")
                          .arg(QDir::toNativeSeparators(m_folder), QString::fromLocal8Bit(std::strerror(why)));
        return;
    }
    m_fd = fd;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the only descriptor lets go of the lock
}
