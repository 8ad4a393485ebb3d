#pragma once
// One transfer worker on its own thread against a device path, with a host and prompts that
// record what the worker shows. No widgets: the worker's calls are recorded where they happen.
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "MeterDevice.h"
#include "protocol/Frame.h"
#include "protocol/MeterLink.h"
#include "protocol/Transfer.h"
#include "protocol/TransferLog.h"
#include "serial/CComPort.h"
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

class RecordingHost final : public TransferHost
{
public:
    using Lock = std::lock_guard<std::mutex>;
    void SetProgress(int percent) override { onProgress(); Lock l(m_mutex); m_progress.push_back(percent); }
    void SetProgressText(const QString &text) override { Lock l(m_mutex); m_texts << text; }
    void TransferDone(const TransferOutcome &outcome) override { Lock l(m_mutex); m_done.push_back(outcome.What()); }
    QList<int> Progress() const { Lock l(m_mutex); return m_progress; }
    QStringList Texts() const { Lock l(m_mutex); return m_texts; }
    // One entry per TransferDone.
    std::vector<TransferOutcome::Kind> Done() const { Lock l(m_mutex); return m_done; }
    std::function<void()> onProgress = [] {}; // called on the worker's thread

private:
    mutable std::mutex m_mutex;
    QList<int> m_progress;
    QStringList m_texts;
    std::vector<TransferOutcome::Kind> m_done;
};

// The worker's port, playing a stop that lands when `cutBytes` of the n-th FT_DATA are out on a
// 115200-baud line; from then on the line takes no more than 11520 bytes a second.
class CuttingPort final : public CComPort
{
public:
    bool Write(const void *buffer, uint32_t count, uint32_t &written) override
    {
        using namespace std::chrono;
        if (m_paced >= 0) {
            const bool ok = CComPort::Write(buffer, count, written);
            m_paced += written;
            std::this_thread::sleep_until(m_cut + milliseconds(m_paced * 1000 / 11520));
            return ok;
        }
        if (count <= 4 || static_cast<const uint8_t *>(buffer)[1] != FT_DATA || ++m_data != cutData)
            return CComPort::Write(buffer, count, written);
        CComPort::Write(buffer, cutBytes, written);
        m_cut = steady_clock::now();
        m_paced = 0;
        stop->Request(*this);
        return false;
    }

    int cutData = 0; // which FT_DATA, from 1; 0: none
    uint32_t cutBytes = 0;
    TransferStop *stop = nullptr;

private:
    int m_data = 0;
    int64_t m_paced = -1; // bytes since the cut, -1 before it
    std::chrono::steady_clock::time_point m_cut;
};

class WorkerRun
{
public:
    ~WorkerRun()
    {
        if (m_thread.joinable()) {
            m_stop.Request(m_port);
            m_thread.join();
        }
    }

    // Opens the device as the transfer dialog does and starts the worker of kind.
    bool Start(TransferKind kind, const QString &file, const QString &device)
    {
        if (!OpenMeterPort(m_port, device, prompts))
            return false;
        m_job = {kind, file, &m_port, &prompts, &host, &m_stop, log};
        m_thread = std::thread([this] { m_outcome = RunTransfer(m_job); m_ended = true; });
        return true;
    }

    // Starts the meter, then the worker against it, and waits for the worker to end.
    bool Run(TransferKind kind, const QString &file, MeterDevice &meter)
    {
        return meter.Start() && Start(kind, file, QString::fromStdString(meter.SlavePath())) && WaitEnded(20000);
    }
    bool WaitEnded(int timeoutMs = 10000) { return WaitUntil([this] { return m_ended.load(); }, timeoutMs); }
    // What the worker returned; read it once it has ended.
    TransferOutcome Outcome() const { return m_outcome; }
    // Stops the transfer while its n-th chunk is going out, with `bytes` of it sent.
    void StopInChunk(int n, uint32_t bytes) { m_port.cutData = n; m_port.cutBytes = bytes; m_port.stop = &m_stop; }

    RecordingPrompts prompts;
    RecordingHost host;
    TransferLog *log = nullptr; // set before Start to log the transfer

private:
    CuttingPort m_port;
    TransferStop m_stop;
    TransferJob m_job;
    std::thread m_thread;
    std::atomic<bool> m_ended{false};
    TransferOutcome m_outcome = TransferOutcome::Stopped();
};

using Fault = MeterDevice::Fault;

inline MeterDevice::Transfer WithFault(Fault fault, int step, uint16_t type = 5)
{
    return {{}, 16384, fault, step, type};
}
