#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

// A device fault as the system reports it. Empty when the call met none: a missing or busy
// device, a time-out or a cancel is no device fault.
struct PortError {
    int code = 0;  // errno
    QString text;  // the system's words for it
    explicit operator bool() const { return code != 0; }
};

// One serial device, 115200 baud 8N1, no flow control, raw. Blocking reads and writes bounded
// by time-outs with the meaning they have on a Windows COM port: a read attempt ends when all
// bytes are in, when (read multiplier x bytes + read constant) ms have passed, or when the line
// has been silent for the read interval after a first byte; a read makes (op time-out / 100)
// attempts. Used by one thread at a time, except Cancel(), which any thread may call.
// It shows nothing itself: whoever calls it tells the user about LastError().
class CComPort
{
public:
    CComPort();
    virtual ~CComPort();
    CComPort(const CComPort &) = delete;
    CComPort &operator=(const CComPort &) = delete;

    void SetOpTimeout(int ms);
    void SetTimeouts(uint32_t readInterval, uint32_t readMultiplier, uint32_t readConstant,
                     uint32_t writeMultiplier, uint32_t writeConstant);
    // Opens and configures the device at this path (a COM<n> is resolved by the caller).
    bool Open(const QString &devicePath);
    // Virtual so that a harness can put a scripted line in the device's place.
    virtual bool Read(void *buffer, uint32_t count, uint32_t &got);
    virtual bool Write(const void *buffer, uint32_t count, uint32_t &written);
    // Closes an open port; destruction does it too, without a word about a failure.
    bool Close();

    // The device fault of the last Open, Read, Write or Close; each of them clears it first.
    PortError LastError() const { return m_lastError; }
    // Why the last Open failed, as errno (EACCES, EBUSY, ENOENT, ENOTTY for no serial device,
    // ...); 0 after an Open that succeeded. Unlike LastError() it is set for every failure, so
    // that the caller can say why a missing, forbidden or busy device did not open.
    int OpenFailure() const { return m_openFailure; }

    // Wakes a Read or Write blocked on another thread at once and makes every later call fail
    // without touching the line. Safe from any thread, also before Open.
    void Cancel();
    bool IsCancelled() const { return m_cancelled.load(); }
    // Makes a cancelled port usable again, for a last frame after the woken thread has stopped.
    // Only when no Cancel() can come in at the same time.
    void ResetCancel();

    bool IsOpen() const { return m_open; }

protected:
    // Records errno err as the current call's fault; 0 clears it.
    void SetLastError(int err);

private:
    enum class Wait { Ready, TimedOut, Cancelled, Error };
    Wait WaitFor(short events, int64_t deadlineMs);
    bool ConfigureLine();
    int CloseDevice(); // clears the exclusive flag, then close()
    bool FailOpen(int err); // records err as the open failure, releases the descriptor
    void AskLowLatency();

    int m_opTimeout = 0;
    uint32_t m_readInterval = 0;
    uint32_t m_readMultiplier = 0;
    uint32_t m_readConstant = 0;
    uint32_t m_writeMultiplier = 0;
    uint32_t m_writeConstant = 0;
    int m_fd = -1;
    int m_wakeFd = -1; // eventfd that Cancel() signals
    bool m_open = false;
    int m_openFailure = 0;
    bool m_outputPending = false; // a write cut off by Cancel left bytes queued
    bool m_setLowLatency = false; // we set ASYNC_LOW_LATENCY, and clear it again at close
    std::atomic<bool> m_cancelled{false};
    PortError m_lastError;
};
