#include "cli/MeterJob.h"

#include "cli/ExitCode.h"
#include "cli/ProgressBoard.h"
#include "protocol/MeterLink.h"
#include "serial/PortDiagnosis.h"
#include "protocol/TransferLog.h"

#include <QCoreApplication>

namespace {

// The window's messages say "com3"; a device's own name (ttyUSB0) is kept as it is.
QString MessageName(const QString &label)
{
    return label.startsWith(QLatin1String("COM")) ? label.toLower() : label;
}

TransferKind KindOf(MeterJob::Kind kind)
{
    switch (kind) {
    case MeterJob::Kind::Write:
        return TK_WRITE_PARAMS;
    case MeterJob::Kind::Load:
        return TK_LOAD_SOFTWARE;
    default:
        return TK_READ_PARAMS;
    }
}

// What the meter's error code says about it.
QString CodeMeaning(int code)
{
    switch (code) {
    case 1:
    case 6:
        return QCoreApplication::translate("Cli", "the meter greeted a second time (FT_IDENT) in mid-transfer");
    case 2:
        return QCoreApplication::translate("Cli", "the meter sent something other than its database: an unexpected frame, "
                                                  "more bytes than the image holds, or FT_END before the whole image");
    case 4:
    case 7:
        return QCoreApplication::translate("Cli", "the meter sent an unexpected frame, or FT_END before it had the whole file");
    case 8:
        return QCoreApplication::translate("Cli", "the meter did not answer within 400 ms");
    default:
        return QCoreApplication::translate("Cli", "unknown code");
    }
}

// The port doctor's remedy under a failure's line, indented.
QString Remedy(const PortDiagnosis &d)
{
    return QStringLiteral("\n  ") + QString(d.remedy).replace(QLatin1Char('\n'), QStringLiteral("\n  "));
}

} // namespace

MeterJob::MeterJob(Kind kind, const PortChoice &port, const QString &path, bool force,
                   ProgressBoard &board, int64_t totalBytes)
    : m_kind(kind), m_spec(port), m_path(path), m_board(board), m_prompts(board, port.label, force),
      m_progress(board, kind == Kind::Probe ? -1 : board.Add(port.label, totalBytes))
{
}

bool MeterJob::OpenPort()
{
    if (m_spec.path.isEmpty()) {
        Fail(EXIT_PORT, QCoreApplication::translate("Cli", "no device stands for %1").arg(m_spec.label) + Remedy(PortDiagnosis::Of({}, 0)));
        return false;
    }
    // A device fault also goes to standard error through the prompts, as the window boxes it.
    if (OpenMeterPort(m_port, m_spec.path, m_prompts))
        return true;
    const PortError error = m_port.LastError();
    const PortDiagnosis d = PortDiagnosis::Of(m_spec.path, m_port.OpenFailure());
    Fail(EXIT_PORT, QCoreApplication::translate("Cli", "%1 connect failure (%2: %3)")
                            .arg(MessageName(m_spec.label), m_spec.path, error ? error.text : d.status)
                        + Remedy(d));
    return false;
}

void MeterJob::Fail(int exit, const QString &why)
{
    if (m_exit == EXIT_OK)
        m_exit = exit;
    m_summary = m_spec.label + QCoreApplication::translate("Cli", ": failed: ") + why;
}

void MeterJob::Run()
{
    // The connection test first, on a port of its own, as the window does before a transfer:
    // a meter that does not answer is told apart from a transfer that fails.
    if (!m_interrupted.load() && OpenPort()) {
        if (ProbeMeter(m_port, m_prompts, &m_ident))
            m_summary = m_spec.label + QStringLiteral(": meter %1").arg(QString::number(m_ident, 16).toUpper(), 8, QLatin1Char('0'));
        m_port.Close();
        ShowLineError(m_port, m_prompts);
        if (m_summary.isEmpty()) {
            const PortDiagnosis d = PortDiagnosis::Of(m_spec.path, 0); // looked at with the port closed
            Fail(EXIT_NO_ANSWER, QCoreApplication::translate("Cli", "fail to connect %1: the meter does not answer").arg(MessageName(m_spec.label))
                                     + (d.cause == PortDiagnosis::Cause::NoAnswer ? QString() : QStringLiteral(" (%1)").arg(d.status))
                                     + Remedy(d));
        }
    }
    if (m_exit == EXIT_OK && m_kind != Kind::Probe && !m_interrupted.load() && OpenPort()) {
        TransferJob job;
        job.kind = KindOf(m_kind);
        job.path = m_path;
        job.port = &m_port;
        job.prompts = &m_prompts;
        job.host = &m_progress;
        job.stop = &m_stop;
        TransferLog log;
        if (!m_logPath.isEmpty()) {
            log.Note(QStringLiteral("port %1 (%2)").arg(m_spec.label, m_spec.path));
            job.log = &log;
        }
        m_progress.Touch();
        m_working.store(true);
        const TransferOutcome outcome = RunTransfer(job);
        m_working.store(false);
        m_completed = outcome.Succeeded();
        QString why;
        if (job.log && !log.Save(m_logPath, &why))
            m_board.Note(m_spec.label, QCoreApplication::translate("Cli", "Can not write the log %1: %2").arg(m_logPath, why));
        m_port.Close();
        ShowLineError(m_port, m_prompts);
        Conclude(outcome);
    }
    // A stop that came after the transfer had completed changes nothing: the file or the meter
    // holds the whole image, and that is what the summary and the exit say.
    if (m_interrupted.load() && !m_gaveUp.load() && !m_completed) {
        m_exit = EXIT_INTERRUPTED;
        m_summary = m_spec.label + QCoreApplication::translate("Cli", ": interrupted");
    }
    m_finished.store(true);
}

// The summary and the exit code of how the worker ended.
void MeterJob::Conclude(const TransferOutcome &outcome)
{
    if (m_completed) {
        m_progress.SetProgress(100); // a load's bar stops short of it, as in the window
        m_summary += m_kind == Kind::Read ? QCoreApplication::translate("Cli", ", read into %1").arg(m_path)
                                          : QCoreApplication::translate("Cli", ", %1 sent").arg(m_path);
        return;
    }
    if (m_gaveUp.load()) {
        Fail(EXIT_NO_ANSWER, QCoreApplication::translate("Cli", "the meter stopped answering at %1%").arg(m_progress.Percent()));
        return;
    }
    if (m_interrupted.load())
        return;
    switch (outcome.What()) {
    case TransferOutcome::Kind::Refused:
        Fail(EXIT_REFUSED, QCoreApplication::translate("Cli", "refused: %1").arg(outcome.Message().simplified()));
        return;
    case TransferOutcome::Kind::MeterError:
    case TransferOutcome::Kind::NoAnswer:
        Fail(EXIT_TRANSFER, QCoreApplication::translate("Cli", "meter error code %1: %2").arg(outcome.Code()).arg(CodeMeaning(outcome.Code())));
        return;
    case TransferOutcome::Kind::FileError:
        Fail(EXIT_FILE, outcome.Message().simplified());
        return;
    case TransferOutcome::Kind::LineFailure:
        Fail(EXIT_TRANSFER, QCoreApplication::translate("Cli", "the line failed: %1").arg(outcome.Message().simplified()));
        return;
    case TransferOutcome::Kind::Done:
    case TransferOutcome::Kind::Stopped:
        break;
    }
    Fail(EXIT_TRANSFER, QCoreApplication::translate("Cli", "the transfer did not complete"));
}

void MeterJob::Interrupt()
{
    m_interrupted.store(true);
    m_stop.Request(m_port);
}

void MeterJob::GiveUp()
{
    m_gaveUp.store(true);
    Interrupt();
}

int64_t MeterJob::RunningSinceActivityMs() const
{
    return m_working.load() ? m_progress.LastActivityMs() : 0;
}
