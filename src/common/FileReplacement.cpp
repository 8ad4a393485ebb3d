#include "common/FileReplacement.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Writes all of bytes; a short write is retried, so that the call that fails sets the reason.
bool WriteFully(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

FileReplacement::FileReplacement(const QString &path) : m_path(path), m_atomic(path) {}

FileReplacement::~FileReplacement() = default;

bool FileReplacement::Open()
{
    // Unbuffered, so that a failing write reports the system's reason at once.
    if (m_atomic.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    m_error = m_atomic.errorString();
    // Only an existing regular file is written in place; anything else keeps the first reason.
    if (!QFileInfo(m_path).isFile())
        return false;
    // Append: opened without truncating, so that nothing changes before Commit.
    auto direct = std::make_unique<QFile>(m_path);
    if (!direct->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    m_direct = std::move(direct);
    return true;
}

bool FileReplacement::Commit(const QByteArray &bytes)
{
    if (!m_direct) {
        if (!m_atomic.isOpen())
            return false;
        if (!WriteFully(m_atomic, bytes)) {
            m_error = m_atomic.errorString();
            m_atomic.cancelWriting();
            return false;
        }
        if (!m_atomic.commit()) {
            m_error = m_atomic.errorString();
            return false;
        }
        return true;
    }
    bool written = m_direct->resize(0) && WriteFully(*m_direct, bytes);
    if (!written)
        m_error = m_direct->errorString();
#ifdef Q_OS_UNIX
    // On disk before we report success, as the atomic way's commit does.
    if (written && ::fsync(m_direct->handle()) != 0) {
        m_error = qt_error_string(errno);
        written = false;
    }
#endif
    m_direct->close();
    return written;
}
