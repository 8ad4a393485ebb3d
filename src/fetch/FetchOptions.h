#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Bytes of the list received so far and the size the server announced (-1 when it did not).
// Called as bytes arrive and at least every tenth of a second while waiting, on the fetching
// thread, so that a caller may also look for its own stop there.
using FetchProgress = std::function<void(qint64 received, qint64 total)>;

// How a list is fetched. The defaults suit a published list on a slow line.
struct FetchOptions
{
    // This long without a byte of the answer and the server counts as gone.
    int stallMs = 30000;
    // Published lists are a few MB; more is no list, and must not fill the memory.
    qint64 maxBytes = qint64(64) << 20;
    int maxRedirects = 5;
    // Where the last good copies are kept; empty: ListCache::DefaultFolder().
    QString cacheFolder;
};
