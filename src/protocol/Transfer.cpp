#include "protocol/Transfer.h"

#include "common/FileReplacement.h"
#include "common/Prompts.h"
#include "protocol/Frame.h"
#include "protocol/ImageCheck.h"
#include "protocol/MeterLink.h"
#include "protocol/TransferLog.h"
#include "serial/CComPort.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace {

const QString kCannotRead = QStringLiteral("Can not read the specified file!");
TransferOutcome CannotRead() { return TransferOutcome::FileError(kCannotRead); }
const QString kCannotWrite = QStringLiteral("Can not write the specified file!\n%1");
const QString kBadDatabase = QStringLiteral("Please choose a correct database parameter file\n");
const QString kBadUpdate = QStringLiteral("Please choose a correct update file\n");
const QString kModelQuestion = QStringLiteral("This software doesn't match your Meter!");
const QString kVersionQuestion = QStringLiteral(
    "This software version is not higher than the edition used currently, \nwould you like to continue?");

// Line rate of the meter's link: 115200 baud, 10 bits a byte.
constexpr int64_t kLineBytesPerSecond = 11520;
// Slack on top of a frame's wire time for a slow adapter or a loaded machine.
constexpr int64_t kTailMarginMs = 300;

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString ProgressText(int percent)
{
    return QStringLiteral("transfer progress %1%").arg(percent);
}

// Prompts as a worker sees them: silent once the transfer is being stopped, so that nothing
// pops up for a dialog that is going away. What is shown goes into the log too.
class WorkerPrompts final : public Prompts
{
public:
    WorkerPrompts(Prompts &inner, const std::function<bool()> &stopped, TransferLog *log)
        : m_inner(inner), m_stopped(stopped), m_log(log) {}
    void Message(const QString &text, const QString &caption, Icon icon) override
    {
        if (m_stopped())
            return;
        if (m_log)
            m_log->Message(text);
        m_inner.Message(text, caption, icon);
    }
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override
    {
        const bool yes = !m_stopped() && m_inner.AskYesNo(text, caption, icon);
        if (m_log)
            m_log->Message(text + (yes ? QStringLiteral(" (Yes)") : QStringLiteral(" (No)")));
        return yes;
    }
    bool AskYesNoDefaultNo(const QString &text, const QString &caption, Icon icon) override
    {
        const bool yes = !m_stopped() && m_inner.AskYesNoDefaultNo(text, caption, icon);
        if (m_log)
            m_log->Message(text + (yes ? QStringLiteral(" (Yes)") : QStringLiteral(" (No)")));
        return yes;
    }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }

private:
    Prompts &m_inner;
    std::function<bool()> m_stopped;
    TransferLog *m_log;
};

// What every worker shares: its job, the guarded prompts and the calls onto its dialog.
class Session
{
public:
    explicit Session(const TransferJob &job)
        : m_job(job), m_port(*job.port), m_prompts(Inner(job), [this] { return Stopped(); }, job.log)
    {
        if (job.log)
            job.log->Note(QStringLiteral("transfer kind %1, file %2").arg(int(job.kind)).arg(job.path));
    }
    // The log's last word: how the transfer ended, whichever way the worker left.
    ~Session()
    {
        if (m_job.log)
            m_job.log->Finish(m_succeeded, Stopped());
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    static Prompts &Inner(const TransferJob &job) { return job.prompts ? *job.prompts : Prompts::Default(); }

    bool Stopped()
    {
        if (!m_stopped && ((m_job.stop && m_job.stop->Requested()) || m_port.IsCancelled()))
            m_stopped = true;
        return m_stopped;
    }
    // A device fault means the line is gone (a hang-up, a pulled adapter).
    bool LineFailed() const { return m_lineFailed; }
    // The device fault, as its box told it.
    TransferOutcome LineFailure() const { return TransferOutcome::LineFailure(m_lineError); }

    // Shows a failure's message as it happens, before any FT_END goes out, and passes it on.
    TransferOutcome Fail(const TransferOutcome &outcome)
    {
        m_prompts.Message(outcome.Message(), outcome.Caption(), Prompts::Icon::None);
        return outcome;
    }
    // The meter's questions come with the information icon, as its other notices do.
    bool Ask(const QString &text) { return m_prompts.AskYesNo(text, kAppTitle, Prompts::Icon::Information); }
    // Our own question where Yes risks the meter: No is the default.
    bool AskRisky(const QString &text) { return m_prompts.AskYesNoDefaultNo(text, kAppTitle, Prompts::Icon::Warning); }
    void Progress(int percent)
    {
        if (m_job.host && !Stopped())
            m_job.host->SetProgress(percent);
    }
    void Text(const QString &text)
    {
        if (m_job.host && !Stopped())
            m_job.host->SetProgressText(text);
    }
    void Moved(int64_t done, int64_t total)
    {
        if (m_job.host && !Stopped())
            m_job.host->SetBytesMoved(done, total);
    }
    // The worker's last word to its host. A failure that a stop cut short is a stop.
    TransferOutcome End(const TransferOutcome &outcome)
    {
        m_succeeded = outcome.Succeeded();
        if (m_job.host && !Stopped())
            m_job.host->TransferDone(outcome);
        return m_succeeded || !Stopped() ? outcome : TransferOutcome::Stopped();
    }

    void Send(FrameType type)
    {
        Frame f;
        f.type = type;
        Send(f);
    }
    // SendFrame, remembering what a stop cut off so that the frame can be finished. A frame
    // of which nothing went out has not started: the one to finish, if any, is an earlier one.
    void Send(const Frame &f)
    {
        m_wire.resize(kMaxFrame);
        const size_t n = EncodeFrame(f, m_wire.data());
        if (m_job.log)
            m_job.log->Sent(m_wire.data(), n);
        uint32_t written = 0;
        m_port.Write(m_wire.data(), uint32_t(n), written);
        CheckLine();
        if (written > 0)
            m_tail.assign(m_wire.begin() + std::min<size_t>(written, n), m_wire.begin() + n);
    }

    // The PC's last word in write and load, also when it gives up or is stopped, so the meter
    // is not left waiting. Not on a dead line: that would only raise another device error.
    void SendEnd()
    {
        if (LineFailed())
            return;
        if (Stopped()) {
            if (!m_job.stop || !m_job.stop->Requested())
                return; // cancelled by someone we cannot coordinate with
            m_job.stop->WaitSettled();
            m_port.ResetCancel();
        }
        // A frame cut off by the stop would swallow FT_END as its payload: finish it first, in
        // the time its rest takes on the line; if even that fails, the meter gets no FT_END it
        // could understand anyway.
        const int64_t giveUp =
            NowMs() + int64_t(m_tail.size()) * 1000 / kLineBytesPerSecond + kTailMarginMs;
        size_t done = 0;
        while (done < m_tail.size() && NowMs() < giveUp) {
            const uint32_t piece = uint32_t(std::min<size_t>(256, m_tail.size() - done));
            uint32_t written = 0;
            const bool ok = m_port.Write(m_tail.data() + done, piece, written);
            CheckLine();
            if (!ok && written == 0)
                break;
            done += written;
        }
        if (done < m_tail.size())
            return;
        Send(FT_END);
    }

    bool Receive(Frame &f, uint8_t *buffer, size_t size)
    {
        const bool ok = ReceiveFrame(f, buffer, size, m_port, m_prompts);
        if (m_job.log) {
            if (ok)
                m_job.log->Received(buffer, kFrameHeader + GetU16BE(buffer + 2));
            else
                m_job.log->NoFrame();
        }
        CheckLine();
        return ok;
    }

private:
    // The device error box for a fault of the port's last call, as the call returns.
    void CheckLine()
    {
        if (ShowLineError(m_port, m_prompts)) {
            m_lineFailed = true;
            m_lineError = m_port.LastError().text;
        }
    }

    const TransferJob &m_job;
    CComPort &m_port;
    bool m_stopped = false;
    bool m_lineFailed = false;
    QString m_lineError;
    bool m_succeeded = false;
    std::vector<uint8_t> m_wire; // the frame being sent
    std::vector<uint8_t> m_tail; // what of it did not go out
    WorkerPrompts m_prompts;
};

// The file going out in FT_DATA chunks, one per FT_READY of the meter, with the bar at
// (chunks sent x 100 / chunk count) as each goes.
class ChunkSender
{
public:
    ChunkSender(QFile &file, qint64 length)
        : m_file(file), m_length(length), m_remaining(length), m_chunks((length + kChunkSize - 1) / kChunkSize),
          m_chunk(kChunkSize) {}

    bool AllSent() const { return m_remaining == 0; }

    // Sends the next chunk; the frame's size on the wire, or 0 when the file could not be read.
    qint64 SendNext(Session &s)
    {
        const qint64 n = std::min<qint64>(m_remaining, kChunkSize);
        m_remaining -= n;
        if (m_file.read(reinterpret_cast<char *>(m_chunk.data()), n) != n) {
            s.Fail(CannotRead());
            return 0;
        }
        const int percent = m_chunks ? int(m_step / m_chunks) : 0;
        s.Moved(m_length - m_remaining - n, m_length); // what the meter has asked for more after
        s.Progress(percent);
        s.Text(ProgressText(percent));
        Frame data;
        data.type = FT_DATA;
        data.dataLength = uint32_t(n);
        data.data = m_chunk.data();
        s.Send(data);
        m_step += 100;
        return 4 + n;
    }

private:
    QFile &m_file;
    const qint64 m_length;
    qint64 m_remaining;
    const qint64 m_chunks;
    qint64 m_step = 0;
    std::vector<uint8_t> m_chunk;
};

// Why a file could not be written, in the system's words.
TransferOutcome WriteFailure(const FileReplacement &file, const QString &path)
{
    QString reason = file.ErrorString();
    if (QFileInfo(path).isDir())
        reason = QString::fromLocal8Bit(std::strerror(EISDIR)); // Qt says nothing for this one
    return TransferOutcome::FileError(kCannotWrite.arg(reason));
}

// Opens the file the user picked to send. A pipe would block open() until a writer came, and
// nothing could wake it; a device has no length to check: only a regular file is taken.
// Nothing when it opened; otherwise the failure, shown.
std::optional<TransferOutcome> OpenToSend(QFile &file, Session &s)
{
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        return s.Fail(TransferOutcome::FileError(
            kCannotRead + QLatin1Char('\n')
            + (info.isDir() ? QStringLiteral("Is a directory") : QStringLiteral("Not a regular file"))));
    }
    if (!file.open(QIODevice::ReadOnly))
        return s.Fail(CannotRead());
    return std::nullopt;
}

int Percent(uint64_t part, uint64_t whole)
{
    return whole ? int(part * 100 / whole) : 0;
}

} // namespace

void TransferStop::Request(CComPort &port)
{
    m_requested.store(true);
    port.Cancel();
    m_settled.store(true);
}

void TransferStop::WaitSettled() const
{
    while (m_requested.load() && !m_settled.load())
        std::this_thread::yield();
}

bool HasWorker(TransferKind kind)
{
    return kind >= TK_LOAD_SOFTWARE && kind <= TK_READ_PARAMS;
}

TransferOutcome ReadParamsThread(const TransferJob &job)
{
    Session s(job);
    s.Text(ProgressText(0));

    // Opened first, so that a folder we cannot write to is told before the meter is bothered.
    // Nothing reaches the named file unless the whole image is committed.
    FileReplacement out(job.path);
    if (!out.Open())
        return s.End(s.Fail(WriteFailure(out, job.path)));

    // Zeroed: what no FT_DATA covers is written as zero, never as leftover memory.
    std::vector<uint8_t> image(kImageSize, 0);
    std::vector<uint8_t> rx(kMaxFrame);
    uint32_t received = 0;
    bool hello = false;
    TransferOutcome outcome = TransferOutcome::Stopped();
    bool running = true;

    s.Send(FT_HELLO);
    while (running) {
        if (s.Stopped())
            break;
        Frame f;
        if (!s.Receive(f, rx.data(), rx.size())) {
            if (s.LineFailed()) {
                outcome = s.LineFailure(); // the device error box has told why
                break;
            }
            continue; // silence and garbled frames: keep listening
        }
        switch (f.type) {
        case FT_IDENT:
            if (hello) {
                outcome = s.Fail(TransferOutcome::MeterError(1));
                running = false;
                break;
            }
            if (job.identityWord)
                *job.identityWord = f.identityWord;
            s.Send(FT_IDENT_ACK);
            if (job.kind == TK_READ_PARAMS) {
                Frame req;
                req.type = FT_READ;
                req.byteCount = kImageSize;
                s.Send(req);
            } else {
                s.Send(FrameType(job.kind)); // FT_READ_7 and FT_READ_9 ask without a payload
            }
            s.Send(FT_READY);
            hello = true;
            break;
        case FT_DATA:
            if (f.dataLength > kImageSize - received) {
                // More than the image holds: this is not our database. Keep nothing of it.
                outcome = s.Fail(TransferOutcome::MeterError(2));
                running = false;
                break;
            }
            std::memcpy(image.data() + received, f.data, f.dataLength);
            s.Send(FT_READY);
            received += f.dataLength;
            s.Moved(received, kImageSize);
            s.Progress(Percent(received, kImageSize));
            s.Text(ProgressText(Percent(received, kImageSize)));
            break;
        case FT_END:
            if (received < kImageSize) {
                // The meter stopped short: a zero-padded image is no database and must not
                // replace the file that is there, nor be reported as read.
                outcome = s.Fail(TransferOutcome::MeterError(2));
                running = false;
                break;
            }
            s.Progress(100);
            s.Text(ProgressText(100));
            if (!out.Commit(QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(kImageSize))))
                outcome = s.Fail(WriteFailure(out, job.path));
            else
                outcome = TransferOutcome::Done(job.kind);
            running = false;
            break;
        default:
            outcome = s.Fail(TransferOutcome::MeterError(2));
            running = false;
            break;
        }
    }
    // out goes without commit on every other path: the named file stays as it was.
    return s.End(outcome);
}

TransferOutcome WriteParamsThread(const TransferJob &job)
{
    Session s(job);
    QFile file(job.path);
    if (const auto failure = OpenToSend(file, s))
        return *failure;
    const qint64 length = file.size();
    if (job.kind == TK_WRITE_PARAMS && length != qint64(kImageSize))
        return s.End(s.Fail(TransferOutcome::FileError(kBadDatabase)));
    // A damaged database could leave the meter unusable: asked before the first frame.
    if (job.kind == TK_WRITE_PARAMS) {
        const QString question = DamagedDatabaseQuestion(file);
        if (!question.isEmpty() && !s.AskRisky(question))
            return s.End(TransferOutcome::Refused(question));
    }

    s.Send(FT_HELLO);
    // A pseudo-terminal or a buffering adapter returns from a write before the bytes are on
    // the line. The meter's time to answer starts when they are, at 115200 baud.
    auto lineDue = [](qint64 bytes) { return NowMs() + bytes * 1000 / kLineBytesPerSecond; };
    int64_t lineDone = lineDue(4);
    ChunkSender sender(file, length);
    s.Text(ProgressText(0));

    uint8_t rx[kSmallRxBuffer];
    bool hello = false;
    TransferOutcome outcome = TransferOutcome::Stopped();
    bool running = true;
    while (running) {
        if (s.Stopped())
            break;
        Frame f;
        const int64_t receiveStart = NowMs();
        if (!s.Receive(f, rx, sizeof rx)) {
            if (s.LineFailed())
                outcome = s.LineFailure();
            if (s.Stopped() || s.LineFailed())
                break;
            // Code 8 only for silence after our last frame was really out on the line.
            if (receiveStart < lineDone)
                continue;
            outcome = s.Fail(TransferOutcome::NoAnswer());
            break;
        }
        switch (f.type) {
        case FT_IDENT:
            if (hello) {
                outcome = s.Fail(TransferOutcome::MeterError(6));
                running = false;
                break;
            }
            s.Send(FT_IDENT_ACK);
            {
                Frame start;
                start.type = FT_WRITE;
                start.byteCount = uint32_t(length);
                s.Send(start);
            }
            lineDone = lineDue(12);
            hello = true;
            break;
        case FT_READY: {
            if (sender.AllSent()) {
                s.Moved(length, length);
                s.Progress(100);
                s.Text(ProgressText(100));
                outcome = TransferOutcome::Done(job.kind);
                running = false;
                break;
            }
            const qint64 sent = sender.SendNext(s);
            if (!sent) {
                outcome = CannotRead();
                running = false;
                break;
            }
            lineDone = lineDue(sent);
            break;
        }
        case FT_END:
            if (!sender.AllSent()) {
                // The meter gave up before it had the whole file: no success to report.
                outcome = s.Fail(TransferOutcome::MeterError(7));
                running = false;
                break;
            }
            s.Progress(100); // the text keeps its last value
            outcome = TransferOutcome::Done(job.kind);
            running = false;
            break;
        default:
            outcome = s.Fail(TransferOutcome::MeterError(7));
            running = false;
            break;
        }
    }
    s.SendEnd();
    return s.End(outcome);
}

TransferOutcome LoadSoftwareThread(const TransferJob &job)
{
    Session s(job);
    QFile file(job.path);
    if (const auto failure = OpenToSend(file, s))
        return *failure;
    const qint64 length = file.size();
    uint8_t head[4] = {};
    const bool headRead = length >= 4 && file.read(reinterpret_cast<char *>(head), 4) == 4;
    // Every kind needs the 4-byte identity word; only kind 6 insists on its 'B'.
    if (!headRead || (job.kind == TK_LOAD_SOFTWARE && head[3] != 0x42)
        || length - 4 > qint64(UINT32_MAX))
        return s.End(s.Fail(TransferOutcome::FileError(kBadUpdate)));
    const uint32_t fileWord =
        uint32_t(head[0]) | uint32_t(head[1]) << 8 | uint32_t(head[2]) << 16 | uint32_t(head[3]) << 24;

    s.Send(FT_HELLO);
    const qint64 image = length - 4;
    ChunkSender sender(file, image);
    s.Text(ProgressText(0));

    Frame start;
    start.type = job.kind == TK_LOAD_8 ? FT_LOAD_8 : FT_LOAD;
    start.identityWord = fileWord;
    start.byteCount = uint32_t(image);

    uint8_t rx[kSmallRxBuffer];
    bool hello = false;
    TransferOutcome outcome = TransferOutcome::Stopped();
    bool running = true;
    while (running) {
        if (s.Stopped())
            break;
        Frame f;
        if (!s.Receive(f, rx, sizeof rx)) {
            if (s.LineFailed()) {
                outcome = s.LineFailure();
                break;
            }
            continue; // silence and garbled frames: keep listening
        }
        switch (f.type) {
        case FT_IDENT:
            s.Send(FT_IDENT_ACK);
            if (!hello) {
                const uint32_t meterWord = f.identityWord;
                bool go = true;
                if ((meterWord >> 16) != (fileWord >> 16)) {
                    // Yes to a foreign model goes ahead without comparing versions.
                    go = s.Ask(kModelQuestion);
                } else if ((meterWord & 0xFF) >= (fileWord & 0xFF)) {
                    go = s.Ask(kVersionQuestion);
                }
                if (!go) {
                    outcome = TransferOutcome::Refused(
                        (meterWord >> 16) != (fileWord >> 16) ? kModelQuestion : kVersionQuestion);
                    running = false;
                    break;
                }
                hello = true;
            }
            s.Send(start);
            break;
        case FT_READY: {
            if (sender.AllSent()) {
                s.Moved(image, image);
                outcome = TransferOutcome::Done(job.kind); // bar and text keep their last values
                running = false;
                break;
            }
            if (!sender.SendNext(s)) {
                outcome = CannotRead();
                running = false;
            }
            break;
        }
        case FT_END:
            if (!sender.AllSent()) {
                // The meter gave up before it had the whole image: no success to report.
                outcome = s.Fail(TransferOutcome::MeterError(4));
                running = false;
                break;
            }
            s.Progress(100);
            s.Text(ProgressText(100));
            outcome = TransferOutcome::Done(job.kind);
            running = false;
            break;
        default:
            outcome = s.Fail(TransferOutcome::MeterError(4));
            running = false;
            break;
        }
    }
    file.close();
    s.SendEnd();
    return s.End(outcome);
}

TransferOutcome RunTransfer(const TransferJob &job)
{
    switch (job.kind) {
    case TK_LOAD_SOFTWARE:
    case TK_LOAD_8:
        return LoadSoftwareThread(job);
    case TK_WRITE_PARAMS:
        return WriteParamsThread(job);
    case TK_READ_7:
    case TK_READ_9:
    case TK_READ_PARAMS:
        return ReadParamsThread(job);
    default:
        return TransferOutcome::Stopped();
    }
}
