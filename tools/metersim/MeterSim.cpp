#include "MeterSim.h"

#include "protocol/Frame.h"

#include <cerrno>
#include <chrono>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr uint16_t kIdent = FT_IDENT;
constexpr uint16_t kHello = FT_HELLO;

} // namespace

MeterSim::MeterSim() : MeterSim(Config{}) {}

MeterSim::MeterSim(Config config) : m_config(config) {}

MeterSim::~MeterSim()
{
    Stop();
}

void MeterSim::SetConfig(const Config &config)
{
    std::lock_guard<std::mutex> lock(m_configMutex);
    m_config = config;
}

MeterSim::Config MeterSim::GetConfig() const
{
    std::lock_guard<std::mutex> lock(m_configMutex);
    return m_config;
}

bool MeterSim::Start(std::string *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = std::string(what) + ": " + std::strerror(errno);
        Stop();
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail("unlockpt");
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) != 0)
        return fail("ptsname");
    m_slavePath = name;
    m_slaveKeep = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveKeep < 0)
        return fail("open slave");
    termios tio{};
    if (::tcgetattr(m_slaveKeep, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slaveKeep, TCSANOW, &tio);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopFd < 0)
        return fail("eventfd");
    m_hungUp = false;
    m_thread = std::thread([this] { Serve(); });
    return true;
}

void MeterSim::Stop()
{
    if (m_stopFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(m_stopFd, &one, sizeof one);
    }
    if (m_thread.joinable())
        m_thread.join();
    for (int *fd : {&m_master, &m_slaveKeep, &m_stopFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void MeterSim::HangUp()
{
    // Closing both ends of our side makes the PC's reads fail with a hang-up at once.
    m_hungUp = true;
    for (int *fd : {&m_master, &m_slaveKeep}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool MeterSim::Receive(void *data, size_t size)
{
    auto *bytes = static_cast<uint8_t *>(data);
    const uint32_t rate = GetConfig().bytesPerSecond;
    size_t got = 0;
    while (got < size) {
        if (m_master < 0)
            return false;
        using namespace std::chrono;
        auto nowUs = [] { return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count(); };
        const int64_t before = nowUs();
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_stopFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fds[1].revents)
            return false;
        const int64_t after = nowUs();
        size_t slice = size - got;
        if (rate)
            slice = std::min<size_t>(slice, std::max<uint32_t>(1, rate / 1000));
        const ssize_t n = ::read(m_master, bytes + got, slice);
        if (n > 0) {
            got += size_t(n);
            m_bytesIn += uint64_t(n);
            if (rate) {
                // Take bytes no faster than the line would have brought them. Bytes that were
                // already waiting followed the previous ones back to back: keep the line's own
                // clock then, so our late wake-ups do not slow the line down.
                const bool idle = after - before > 500;
                const int64_t start = idle ? after : std::max(m_rxLineFreeUs, after - 2000);
                m_rxLineFreeUs = start + int64_t(n) * 1000000 / rate;
                std::this_thread::sleep_until(steady_clock::time_point(microseconds(m_rxLineFreeUs)));
            }
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool MeterSim::Pause(int ms)
{
    pollfd stop = {m_stopFd, POLLIN, 0};
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return true;
        if (::poll(&stop, 1, int(left)) > 0)
            return false;
    }
}

bool MeterSim::Send(const void *data, size_t size)
{
    const auto *bytes = static_cast<const uint8_t *>(data);
    const uint32_t rate = GetConfig().bytesPerSecond;
    const auto start = std::chrono::steady_clock::now();
    size_t sent = 0;
    while (sent < size) {
        if (m_master < 0)
            return false;
        size_t slice = size - sent;
        if (rate) {
            // Release bytes no faster than the line would carry them.
            const auto due = start + std::chrono::microseconds(uint64_t(sent) * 1000000 / rate);
            std::this_thread::sleep_until(due);
            slice = std::min<size_t>(slice, std::max<uint32_t>(1, rate / 1000));
        }
        const ssize_t n = ::write(m_master, bytes + sent, slice);
        if (n > 0) {
            sent += size_t(n);
            m_bytesOut += uint64_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd fds[2] = {{m_master, POLLOUT, 0}, {m_stopFd, POLLIN, 0}};
        ::poll(fds, 2, 100);
        if (fds[1].revents)
            return false;
    }
    return true;
}

bool MeterSim::SendFrame(uint16_t type, const void *payload, uint16_t size)
{
    std::vector<uint8_t> frame(4 + size_t(size));
    PutU16BE(frame.data(), type);
    PutU16BE(frame.data() + 2, size);
    if (size)
        std::memcpy(frame.data() + 4, payload, size);
    return Send(frame.data(), frame.size());
}

void MeterSim::AnswerHello()
{
    const Config config = GetConfig();
    switch (config.helloFault) {
    case HelloFault::None: {
        uint8_t word[4];
        PutU32BE(word, config.identWord);
        SendFrame(kIdent, word, 4);
        break;
    }
    case HelloFault::Silence:
        break;
    case HelloFault::IdentLength5: {
        uint8_t payload[5] = {0, 0, 0, 0, 0};
        PutU32BE(payload, config.identWord);
        SendFrame(kIdent, payload, 5);
        break;
    }
    case HelloFault::Garbage: {
        const uint8_t junk[] = {0xDE, 0xAD, 0xBE, 0xEF, 0x55, 0xAA};
        Send(junk, sizeof junk);
        break;
    }
    case HelloFault::HangUp:
        HangUp();
        break;
    }
}

void MeterSim::OnFrame(uint16_t, const std::vector<uint8_t> &) {}

void MeterSim::Serve()
{
    for (;;) {
        uint8_t header[4];
        if (!Receive(header, 4))
            return;
        const uint16_t type = GetU16BE(header);
        const uint16_t length = GetU16BE(header + 2);
        std::vector<uint8_t> payload(length);
        if (length && !Receive(payload.data(), length))
            return;
        ++m_frames;
        if (type == kHello) {
            ++m_hellos;
            AnswerHello();
        } else {
            OnFrame(type, payload);
        }
        if (m_master < 0)
            return;
    }
}
