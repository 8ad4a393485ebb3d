#include "common/FileLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool SameFile(const QString &a, const QString &b)
{
    struct stat sa{};
    struct stat sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && SameFile(sa, sb);
}

bool FileLock::Lock(int waitMs)
{
    Unlock();
    m_error.clear();
    m_contended = false;
    const QByteArray name = QFile::encodeName(m_path);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        // Non-blocking: a pipe under the name must not hang the open. A file we may only write
        // is locked all the same.
        int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0 && errno == EACCES)
            fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            const int err = errno;
            if (err == ENOENT)
                return true;
            m_error = qt_error_string(err);
            return false;
        }
        struct stat held{};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            return true; // not a file a save would replace; the save itself refuses it
        }
        int err = 0;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            err = errno;
            if ((err != EWOULDBLOCK && err != EINTR) || deadline.hasExpired())
                break;
            QThread::msleep(20);
            err = 0;
        }
        if (err != 0) {
            m_contended = err == EWOULDBLOCK || err == EINTR;
            m_error = m_contended
                ? QCoreApplication::translate("FileResult", "another program is writing this file; try again later")
                : qt_error_string(err);
            ::close(fd);
            return false;
        }
        // The writer we waited for may have renamed a new file over the one we locked.
        struct stat now{};
        if (::stat(name.constData(), &now) != 0) {
            err = errno;
            ::close(fd);
            if (err == ENOENT)
                return true;
            m_error = qt_error_string(err);
            return false;
        }
        if (SameFile(held, now)) {
            m_fd = fd;
            return true;
        }
        ::close(fd);
    }
}

void FileLock::Unlock()
{
    if (m_fd >= 0) {
        ::close(m_fd); // closing the only descriptor releases the flock
        m_fd = -1;
    }
}
