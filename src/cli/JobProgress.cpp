#include "cli/JobProgress.h"

#include "cli/ProgressBoard.h"

#include <chrono>

JobProgress::JobProgress(ProgressBoard &board, int index) : m_board(board), m_index(index)
{
    Touch();
}

void JobProgress::Touch()
{
    using namespace std::chrono;
    m_lastMs.store(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void JobProgress::SetProgress(int percent)
{
    Touch();
    m_percent.store(percent);
    m_board.Set(m_index, percent);
}

void JobProgress::SetBytesMoved(int64_t done, int64_t total)
{
    Touch();
    m_board.SetBytes(m_index, done, total);
}
