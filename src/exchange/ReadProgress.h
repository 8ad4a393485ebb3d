#pragma once

#include <QtGlobal>

#include <atomic>

// Shared between a reader on a worker thread and whoever waits for it: how far the reader has
// got, and a request to stop. The reader only stores and loads; it never waits for the other
// side, so the other side may wait for the reader.
struct ReadProgress
{
    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};

    // done of total bytes; false once a stop was asked for.
    static bool Report(ReadProgress *progress, qint64 done, qint64 total)
    {
        if (!progress)
            return true;
        if (total > 0)
            progress->permille.store(int(qBound<qint64>(0, done, total) * 1000 / total), std::memory_order_relaxed);
        return !progress->cancel.load(std::memory_order_relaxed);
    }
};
