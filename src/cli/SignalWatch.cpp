#include "cli/SignalWatch.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
struct sigaction g_oldInt;
struct sigaction g_oldTerm;

void OnSignal(int signal)
{
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalWatch::SignalWatch()
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_pipe[0] = g_pipe[1] = -1;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &g_oldInt);
    ::sigaction(SIGTERM, &action, &g_oldTerm);
}

SignalWatch::~SignalWatch()
{
    ::sigaction(SIGINT, &g_oldInt, nullptr);
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
    for (int &fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool SignalWatch::Wait(int timeoutMs)
{
    if (m_caught)
        return true;
    pollfd p{g_pipe[0], POLLIN, 0};
    if (::poll(&p, g_pipe[0] >= 0 ? 1 : 0, timeoutMs) > 0) {
        char byte = 0;
        m_caught = ::read(g_pipe[0], &byte, 1) == 1;
    }
    return m_caught;
}
