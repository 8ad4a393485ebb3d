#pragma once

#include "protocol/TransferEstimate.h"

#include <QString>

#include <cstdint>
#include <mutex>
#include <vector>

// Progress of one or more meters on standard error. On a terminal, one redrawn line per meter
// with a bar, percent, bytes, rate and time left; otherwise one line per meter each time it
// passes another 10%; with quiet, nothing. Messages go above the bars. Any thread may call.
class ProgressBoard
{
public:
    ProgressBoard(bool quiet, bool terminal);

    // A meter's line; returns its index.
    int Add(const QString &label, int64_t totalBytes);
    void Set(int index, int percent);
    // The bytes a meter's worker has moved: the figures and the time left come from these.
    void SetBytes(int index, int64_t done, int64_t total);
    // A message line from a meter (or from anyone, with an empty label).
    void Note(const QString &label, const QString &text);
    // Redraws the bars (for the rate and time left while nothing moves).
    void Tick();
    // Leaves the bars where they are; later output goes below them.
    void Finish();

private:
    struct Line {
        QString label;
        int64_t total = 0;
        int percent = -1;
        TransferEstimate estimate; // the same estimate as the window's transfer dialog
    };
    QString Render(const Line &line, int64_t nowMs) const;
    void DrawLocked(); // cursor ends below the last bar

    const bool m_quiet;
    const bool m_terminal;
    std::mutex m_mutex;
    std::vector<Line> m_lines;
    int m_drawn = 0; // bar lines on the screen above the cursor
    bool m_finished = false;
};
