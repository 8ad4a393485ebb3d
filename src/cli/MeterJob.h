#pragma once

#include "cli/JobProgress.h"
#include "cli/JobPrompts.h"
#include "cli/PortChoice.h"
#include "protocol/Transfer.h"
#include "serial/CComPort.h"

#include <QString>

#include <atomic>

class ProgressBoard;

// One meter's job, as the window runs it: open the port with the window's settings, the
// connection test, then (for a transfer) the port opened afresh and the worker of
// src/protocol on it. Run() belongs to one thread; Interrupt() and GiveUp() may come from any.
class MeterJob
{
public:
    enum class Kind { Probe, Read, Write, Load };

    MeterJob(Kind kind, const PortChoice &port, const QString &path, bool force, ProgressBoard &board,
             int64_t totalBytes);

    // Logs the transfer into this file (nothing is logged without one).
    void SetLogPath(const QString &path) { m_logPath = path; }

    void Run();
    // The dialog's Cancel: the worker stops, a write or load still sends FT_END.
    void Interrupt();
    // The meter has been silent too long: stop as Interrupt does, but report no answer.
    void GiveUp();

    bool Finished() const { return m_finished.load(); }
    // While the worker runs: the time of its last sign of life; 0 before and after.
    int64_t RunningSinceActivityMs() const;

    int Exit() const { return m_exit; }
    // One line for the summary: the port, what came of it.
    QString Summary() const { return m_summary; }
    uint32_t IdentWord() const { return m_ident; }
    const PortChoice &Port() const { return m_spec; }

private:
    bool OpenPort();
    void Fail(int exit, const QString &why);
    void Conclude(const TransferOutcome &outcome);

    const Kind m_kind;
    const PortChoice m_spec;
    const QString m_path;
    QString m_logPath;
    ProgressBoard &m_board;
    JobPrompts m_prompts;
    JobProgress m_progress;
    CComPort m_port;
    TransferStop m_stop;
    std::atomic<bool> m_interrupted{false};
    std::atomic<bool> m_gaveUp{false};
    std::atomic<bool> m_working{false};
    std::atomic<bool> m_finished{false};
    uint32_t m_ident = 0;
    bool m_completed = false; // the worker ended in success; Run()'s thread only
    int m_exit = 0;
    QString m_summary;
};
