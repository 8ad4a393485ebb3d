#pragma once

#include "protocol/Frame.h"
#include "protocol/Transfer.h"
#include "protocol/WorkerPrompts.h"

#include <cstdint>
#include <optional>
#include <vector>

// Line rate of the meter's link: 115200 baud, 10 bits a byte.
constexpr int64_t kLineBytesPerSecond = 11520;

// A steady clock in milliseconds, for the line's timing.
int64_t NowMs();
// The text under the bar: "transfer progress N%".
QString ProgressText(int percent);

// What every worker shares: its job, the guarded prompts, the frames on the line and the calls
// onto its dialog.
class TransferSession
{
public:
    explicit TransferSession(const TransferJob &job);
    // The log's last word: how the transfer ended, whichever way the worker left.
    ~TransferSession();
    TransferSession(const TransferSession &) = delete;
    TransferSession &operator=(const TransferSession &) = delete;

    const TransferJob &Job() const { return m_job; }
    bool Stopped();
    // A device fault means the line is gone (a hang-up, a pulled adapter).
    bool LineFailed() const { return m_lineFailed; }
    // The device fault, as its box told it.
    TransferOutcome LineFailure() const { return TransferOutcome::LineFailure(m_lineError); }

    // Shows a failure's message as it happens, before any FT_END goes out, and passes it on.
    TransferOutcome Fail(const TransferOutcome &outcome);
    // The meter's questions come with the information icon, as its other notices do.
    bool Ask(const QString &text);
    // Our own question where Yes risks the meter: No is the default.
    bool AskRisky(const QString &text);

    void Progress(int percent);
    void Text(const QString &text);
    void Moved(int64_t done, int64_t total);
    // The worker's last word to its host. A failure that a stop cut short is a stop.
    TransferOutcome End(const TransferOutcome &outcome);

    void Send(FrameType type);
    // SendFrame, remembering what a stop cut off so that the frame can be finished. A frame
    // of which nothing went out has not started: the one to finish, if any, is an earlier one.
    void Send(const Frame &f);
    // The PC's last word in write and load, also when it gives up or is stopped, so the meter
    // is not left waiting. Not on a dead line: that would only raise another device error.
    void SendEnd();
    bool Receive(Frame &f, uint8_t *buffer, size_t size);

private:
    // The device error box for a fault of the port's last call, as the call returns.
    void CheckLine();

    const TransferJob &m_job;
    CComPort &m_port;
    bool m_stopped = false;
    bool m_lineFailed = false;
    QString m_lineError;
    std::optional<TransferOutcome> m_outcome; // the last failure shown, then the worker's last word
    std::vector<uint8_t> m_wire; // the frame being sent
    std::vector<uint8_t> m_tail; // what of it did not go out
    WorkerPrompts m_prompts;
};
