#pragma once

#include "protocol/Transfer.h"

#include <atomic>
#include <cstdint>

class ProgressBoard;

// A worker's host in the tool: its progress goes to the meter's line on the board, and the time
// of its last sign of life to whoever watches for a meter that has gone quiet.
class JobProgress final : public TransferHost
{
public:
    JobProgress(ProgressBoard &board, int index);

    void SetProgress(int percent) override;
    void SetProgressText(const QString &) override { Touch(); }
    // How it ended comes from the worker's result, also after a stop.
    void TransferDone(const TransferOutcome &) override {}
    void SetBytesMoved(int64_t done, int64_t total) override;

    void Touch();
    int64_t LastActivityMs() const { return m_lastMs.load(); }
    int Percent() const { return m_percent.load(); }

private:
    ProgressBoard &m_board;
    const int m_index;
    std::atomic<int64_t> m_lastMs{0};
    std::atomic<int> m_percent{0};
};
