#pragma once

// SIGINT and SIGTERM turned into something a loop can wait for: the handler only writes the
// signal's number into a pipe (all a handler may safely do), and Wait() reads it. While one
// exists, the two signals no longer end the process.
class SignalWatch
{
public:
    SignalWatch();
    ~SignalWatch();
    SignalWatch(const SignalWatch &) = delete;
    SignalWatch &operator=(const SignalWatch &) = delete;

    // Waits up to timeoutMs for a signal; true once one has come (and ever after).
    bool Wait(int timeoutMs);
    bool Caught() const { return m_caught; }

private:
    bool m_caught = false;
};
