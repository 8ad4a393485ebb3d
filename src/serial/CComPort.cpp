#include "serial/CComPort.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

CComPort::CComPort()
{
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

CComPort::~CComPort()
{
    if (m_open)
        Close();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void CComPort::SetOpTimeout(int ms)
{
    m_opTimeout = ms;
}

void CComPort::SetTimeouts(uint32_t readInterval, uint32_t readMultiplier, uint32_t readConstant,
                           uint32_t writeMultiplier, uint32_t writeConstant)
{
    m_readInterval = readInterval;
    m_readMultiplier = readMultiplier;
    m_readConstant = readConstant;
    m_writeMultiplier = writeMultiplier;
    m_writeConstant = writeConstant;
}

void CComPort::Cancel()
{
    m_cancelled.store(true);
    if (m_wakeFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(m_wakeFd, &one, sizeof one);
    }
}

void CComPort::ResetCancel()
{
    if (m_wakeFd >= 0) {
        uint64_t count = 0;
        [[maybe_unused]] ssize_t n = ::read(m_wakeFd, &count, sizeof count);
    }
    m_cancelled.store(false);
}

void CComPort::SetLastError(int err)
{
    m_lastError.code = err;
    m_lastError.text = err ? QString::fromLocal8Bit(std::strerror(err)) : QString();
}

bool CComPort::ConfigureLine()
{
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | ISTRIP);
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    tio.c_cc[VMIN] = 0; // poll() does the waiting
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B115200) != 0 || ::cfsetospeed(&tio, B115200) != 0)
        return false;
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return false;

    // DTR and RTS inactive. Pseudo-terminals have no modem lines; that is not a fault.
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(m_fd, TIOCMBIC, &lines) != 0 && errno != ENOTTY && errno != EINVAL)
        return false;
    // Input from before this open belongs to no one. Output is left alone: on a pseudo-terminal
    // the last session's final frame may still be on its way to the far end.
    ::tcflush(m_fd, TCIFLUSH);
    return true;
}

int CComPort::CloseDevice()
{
    // The exclusive flag belongs to the device, not to our descriptor: on a pseudo-terminal it
    // outlives close() while the far end stays open, and every later open by an ordinary
    // account would fail with EBUSY.
    ::ioctl(m_fd, TIOCNXCL);
    // The latency setting outlives us too; the next program gets the adapter as we found it.
    if (m_setLowLatency) {
        serial_struct info{};
        if (::ioctl(m_fd, TIOCGSERIAL, &info) == 0) {
            info.flags &= ~ASYNC_LOW_LATENCY;
            ::ioctl(m_fd, TIOCSSERIAL, &info);
        }
        m_setLowLatency = false;
    }
    const int rc = ::close(m_fd);
    m_fd = -1;
    return rc;
}

bool CComPort::FailOpen(int err)
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_openFailure = err;
    return false;
}

void CComPort::AskLowLatency()
{
    // A USB bridge then hands over each byte at once (an FTDI chip's latency timer goes from
    // 16 ms to 1 ms). A pty or an on-board UART does not take the request: nothing to report.
    serial_struct info{};
    if (::ioctl(m_fd, TIOCGSERIAL, &info) != 0 || (info.flags & ASYNC_LOW_LATENCY))
        return;
    info.flags |= ASYNC_LOW_LATENCY;
    m_setLowLatency = ::ioctl(m_fd, TIOCSSERIAL, &info) == 0;
}

bool CComPort::Open(const QString &devicePath)
{
    SetLastError(0);
    if (m_open)
        return false;
    m_openFailure = 0;
    if (devicePath.isEmpty())
        return FailOpen(ENOENT);
    m_fd = ::open(devicePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return FailOpen(errno);
    // A plain file or /dev/null is no serial device: like a port that is not there.
    if (!::isatty(m_fd))
        return FailOpen(ENOTTY);
    // Exclusive use, as a COM port opened without sharing.
    if (::ioctl(m_fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL)
        return FailOpen(errno);
    if (!ConfigureLine()) {
        const int err = errno;
        CloseDevice();
        SetLastError(err);
        m_openFailure = err;
        return false;
    }
    AskLowLatency();
    m_open = true;
    return true;
}

CComPort::Wait CComPort::WaitFor(short events, int64_t deadlineMs)
{
    for (;;) {
        if (m_cancelled.load())
            return Wait::Cancelled;
        const int64_t left = deadlineMs - NowMs();
        if (left <= 0)
            return Wait::TimedOut;
        pollfd fds[2] = {{m_fd, events, 0}, {m_wakeFd, POLLIN, 0}};
        const int n = ::poll(fds, m_wakeFd >= 0 ? 2 : 1, static_cast<int>(std::min<int64_t>(left, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue; // poll is never restarted: recompute the time left
            return Wait::Error;
        }
        if (n == 0)
            continue;
        if (m_wakeFd >= 0 && (fds[1].revents & POLLIN))
            return Wait::Cancelled;
        if (fds[0].revents & POLLNVAL) {
            errno = EBADF;
            return Wait::Error;
        }
        // Ready, or hung up / in error: the following read or write tells which.
        if (fds[0].revents)
            return Wait::Ready;
    }
}

bool CComPort::Read(void *buffer, uint32_t count, uint32_t &got)
{
    got = 0;
    SetLastError(0);
    if (count == 0)
        return true;
    if (!m_open || m_cancelled.load())
        return false;
    auto *bytes = static_cast<unsigned char *>(buffer);
    const int attempts = m_opTimeout / 100;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const uint32_t wanted = count - got;
        const int64_t start = NowMs();
        const int64_t total = int64_t(m_readMultiplier) * wanted + m_readConstant;
        const int64_t totalDeadline = (m_readMultiplier || m_readConstant) ? start + total : INT64_MAX;
        int64_t intervalDeadline = INT64_MAX; // the gap limit runs only after a first byte
        while (got < count) {
            const int64_t deadline = std::min(totalDeadline, intervalDeadline);
            const Wait w = WaitFor(POLLIN, deadline);
            if (w == Wait::Cancelled)
                return false;
            if (w == Wait::TimedOut)
                break;
            if (w == Wait::Error) {
                SetLastError(errno);
                return false;
            }
            const ssize_t n = ::read(m_fd, bytes + got, count - got);
            if (n > 0) {
                got += uint32_t(n);
                if (m_readInterval)
                    intervalDeadline = NowMs() + m_readInterval;
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            // read() == 0 after poll said readable is a hang-up, never "try again".
            SetLastError(n == 0 ? EIO : errno);
            return false;
        }
        if (got == count)
            return true;
    }
    return false;
}

bool CComPort::Write(const void *buffer, uint32_t count, uint32_t &written)
{
    written = 0;
    SetLastError(0);
    if (!m_open || m_cancelled.load())
        return false;
    const auto *bytes = static_cast<const unsigned char *>(buffer);
    const bool bounded = m_writeMultiplier || m_writeConstant;
    const int64_t deadline =
        bounded ? NowMs() + int64_t(m_writeMultiplier) * count + m_writeConstant : INT64_MAX;
    while (written < count) {
        const ssize_t n = ::write(m_fd, bytes + written, count - written);
        if (n > 0) {
            written += uint32_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            SetLastError(errno);
            return false;
        }
        const Wait w = WaitFor(POLLOUT, deadline);
        if (w == Wait::Cancelled) {
            m_outputPending = written > 0; // Close throws it away unless a later write drains it
            return false;
        }
        if (w == Wait::TimedOut) {
            // A write that times out still succeeds; written tells how much went out. What is
            // still queued is thrown away: draining has no time limit and Cancel cannot end it.
            int queued = 0;
            if (::ioctl(m_fd, TIOCOUTQ, &queued) == 0 && queued > 0)
                written -= std::min(written, uint32_t(queued));
            ::tcflush(m_fd, TCOFLUSH);
            m_outputPending = false;
            return true;
        }
        if (w == Wait::Error) {
            SetLastError(errno);
            return false;
        }
    }
    ::tcdrain(m_fd);
    m_outputPending = false;
    return true;
}

bool CComPort::Close()
{
    SetLastError(0);
    if (!m_open)
        return false;
    // A finished Write has drained, so output is pending only after a write cut off by
    // Cancel: discard that. Flushing drained output too would throw away bytes a
    // pseudo-terminal still holds.
    ::tcflush(m_fd, m_outputPending ? TCIOFLUSH : TCIFLUSH);
    m_outputPending = false;
    m_open = false;
    const int rc = CloseDevice();
    const int err = errno;
    if (rc != 0 && err != EINTR) {
        SetLastError(err);
        return false;
    }
    return true;
}
