#include "protocol/TransferSession.h"

#include "protocol/MeterLink.h"
#include "protocol/TransferLog.h"
#include "serial/CComPort.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>

namespace {

// Slack on top of a frame's wire time for a slow adapter or a loaded machine.
constexpr int64_t kTailMarginMs = 300;

Prompts &Inner(const TransferJob &job)
{
    return job.prompts ? *job.prompts : Prompts::Default();
}

} // namespace

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString ProgressText(int percent)
{
    return QCoreApplication::translate("Transfer", "transfer progress %1%").arg(percent);
}

TransferSession::TransferSession(const TransferJob &job)
    : m_job(job), m_port(*job.port), m_prompts(Inner(job), [this] { return Stopped(); }, job.log)
{
    if (job.log)
        job.log->Note(QStringLiteral("transfer kind %1, file %2").arg(int(job.kind)).arg(job.path));
}

TransferSession::~TransferSession()
{
    if (!m_job.log)
        return;
    // Every worker leaves through Fail or End.
    const TransferOutcome last = m_outcome.value_or(TransferOutcome::Stopped());
    m_job.log->Finish(!last.Succeeded() && Stopped() ? TransferOutcome::Stopped() : last);
}

bool TransferSession::Stopped()
{
    if (!m_stopped && ((m_job.stop && m_job.stop->Requested()) || m_port.IsCancelled()))
        m_stopped = true;
    return m_stopped;
}

TransferOutcome TransferSession::Fail(const TransferOutcome &outcome)
{
    m_prompts.Message(outcome.Message(), outcome.Caption(), Prompts::Icon::None);
    m_outcome = outcome;
    return outcome;
}

bool TransferSession::Ask(const QString &text)
{
    return m_prompts.AskYesNo(text, kAppTitle, Prompts::Icon::Information);
}

bool TransferSession::AskRisky(const QString &text)
{
    return m_prompts.AskYesNoDefaultNo(text, kAppTitle, Prompts::Icon::Warning);
}

void TransferSession::Progress(int percent)
{
    if (m_job.host && !Stopped())
        m_job.host->SetProgress(percent);
}

void TransferSession::Text(const QString &text)
{
    if (m_job.host && !Stopped())
        m_job.host->SetProgressText(text);
}

void TransferSession::Moved(int64_t done, int64_t total)
{
    if (m_job.host && !Stopped())
        m_job.host->SetBytesMoved(done, total);
}

TransferOutcome TransferSession::End(const TransferOutcome &outcome)
{
    if (m_job.host && !Stopped())
        m_job.host->TransferDone(outcome);
    m_outcome = outcome.Succeeded() || !Stopped() ? outcome : TransferOutcome::Stopped();
    return *m_outcome;
}

void TransferSession::Send(FrameType type)
{
    Frame f;
    f.type = type;
    Send(f);
}

void TransferSession::Send(const Frame &f)
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

void TransferSession::SendEnd()
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
    const int64_t giveUp = NowMs() + int64_t(m_tail.size()) * 1000 / kLineBytesPerSecond + kTailMarginMs;
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

bool TransferSession::Receive(Frame &f, uint8_t *buffer, size_t size)
{
    const bool ok = ReceiveFrame(f, buffer, size, m_port);
    if (ok && IsUnknownFrame(f.type))
        m_prompts.Message(UnknownFrameText(f.type), QString::fromLatin1(kAppTitle), Prompts::Icon::None);
    if (m_job.log) {
        if (ok)
            m_job.log->Received(buffer, kFrameHeader + GetU16BE(buffer + 2));
        else
            m_job.log->NoFrame();
    }
    CheckLine();
    return ok;
}

void TransferSession::CheckLine()
{
    if (ShowLineError(m_port, m_prompts)) {
        m_lineFailed = true;
        m_lineError = m_port.LastError().text;
    }
}
