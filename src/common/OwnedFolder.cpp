#include "common/OwnedFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Fail(int err, QString *error, const QString &text = QString())
{
    if (error)
        *error = text.isEmpty() ? qt_error_string(err) : text;
    return err;
}

} // namespace

namespace OwnedFolder {

int CreateNew(const QString &path, const QByteArray &bytes, bool sync, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return Fail(errno, error);
    int err = 0;
    for (qsizetype done = 0; done < bytes.size() && err == 0;) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0)
            err = ENOSPC; // a write that takes nothing and says nothing: the device is full
        else if (errno != EINTR)
            err = errno;
    }
    if (err == 0 && sync && ::fsync(fd) != 0)
        err = errno;
    // close() is where a network or full file system may first say no.
    if (::close(fd) != 0 && err == 0 && errno != EINTR)
        err = errno;
    if (err != 0) {
        ::unlink(name.constData()); // ours: made by the open above
        return Fail(err, error);
    }
    return 0;
}

bool ReadAtMost(const QString &path, qint64 maxBytes, QByteArray *bytes, QString *error)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the fstat below refuses it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        Fail(err, error, err == ELOOP ? QCoreApplication::translate("FileResult", "a symbolic link") : QString());
        return false;
    }
    struct stat st = {};
    int err = ::fstat(fd, &st) != 0 ? errno : 0;
    QString why;
    if (err == 0 && !S_ISREG(st.st_mode))
        why = S_ISDIR(st.st_mode) ? QCoreApplication::translate("FileResult", "a folder") : QCoreApplication::translate("FileResult", "not a regular file");
    else if (err == 0 && st.st_size > maxBytes)
        why = QCoreApplication::translate("FileResult", "%1 bytes, more than %2").arg(qint64(st.st_size)).arg(maxBytes);
    if (err == 0 && why.isEmpty()) {
        // Into the caller's array, whose memory is used again when it is large enough.
        bytes->resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (done < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + done, size_t(bytes->size() - done));
            if (n > 0) {
                done += n;
            } else if (n == 0) {
                break; // shrunk meanwhile: what is there
            } else if (errno != EINTR) {
                err = errno;
                break;
            }
        }
        bytes->truncate(done);
    }
    ::close(fd);
    if (err != 0 || !why.isEmpty()) {
        bytes->clear();
        Fail(err, error, why);
        return false;
    }
    return true;
}

} // namespace OwnedFolder
