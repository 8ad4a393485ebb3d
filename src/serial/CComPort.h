#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

class Prompts;

// One serial device, 115200 baud 8N1, no flow control, raw. Blocking reads and writes bounded
// by time-outs with the meaning they have on a Windows COM port: a read attempt ends when all
// bytes are in, when (read multiplier x bytes + read constant) ms have passed, or when the line
// has been silent for the read interval after a first byte; a read makes (op time-out / 100)
// attempts. Used by one thread at a time, except Cancel(), which any thread may call.
class CComPort
{
public:
    CComPort();
    virtual ~CComPort();
    CComPort(const CComPort &) = delete;
    CComPort &operator=(const CComPort &) = delete;

    void Init(int port, uint32_t outQueue, uint32_t inQueue);
    void SetOpTimeout(int ms);
    void SetTimeouts(uint32_t readInterval, uint32_t readMultiplier, uint32_t readConstant,
                     uint32_t writeMultiplier, uint32_t writeConstant);
    bool Open();
    // Virtual so that a harness can put a scripted line in the device's place.
    virtual bool Read(void *buffer, uint32_t count, uint32_t &got);
    virtual bool Write(const void *buffer, uint32_t count, uint32_t &written);
    bool Close();

    // Opens this device path instead of the one COM<n> resolves to (tests, emulator).
    void SetDevicePath(const QString &path) { m_devicePath = path; }
    // Where the device error box goes; the process default when never set.
    void SetPrompts(Prompts *prompts) { m_prompts = prompts; }

    // Wakes a Read or Write blocked on another thread at once and makes every later call fail
    // without touching the line. Safe from any thread, also before Open.
    void Cancel();
    bool IsCancelled() const { return m_cancelled.load(); }
    // Makes a cancelled port usable again, for a last frame after the woken thread has stopped.
    // Only when no Cancel() can come in at the same time.
    void ResetCancel();

    bool IsOpen() const { return m_open; }
    int PortNumber() const { return m_port; }
    // The device path the last Open used or would use.
    QString DevicePath() const;

protected:
    // The device error box for errno err, through the prompts set with SetPrompts.
    void ReportError(int err);

private:
    enum class Wait { Ready, TimedOut, Cancelled, Error };
    Wait WaitFor(short events, int64_t deadlineMs);
    bool ConfigureLine();
    int CloseDevice(); // clears the exclusive flag, then close()

    int m_port = 0;
    uint32_t m_outQueue = 0;
    uint32_t m_inQueue = 0;
    int m_opTimeout = 0;
    uint32_t m_readInterval = 0;
    uint32_t m_readMultiplier = 0;
    uint32_t m_readConstant = 0;
    uint32_t m_writeMultiplier = 0;
    uint32_t m_writeConstant = 0;
    int m_fd = -1;
    int m_wakeFd = -1; // eventfd that Cancel() signals
    bool m_initialised = false;
    bool m_open = false;
    bool m_outputPending = false; // a write cut off by Cancel left bytes queued
    std::atomic<bool> m_cancelled{false};
    QString m_devicePath;
    Prompts *m_prompts = nullptr;
};
