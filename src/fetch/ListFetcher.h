#pragma once

#include "fetch/FetchOptions.h"
#include "fetch/FetchResult.h"

#include <QUrl>

#include <atomic>

// Fetches a receiver list (satellites.xml or CSV) from a server and keeps the last good copy in
// the cache. The server is asked whether the cached copy is still current (If-None-Match,
// If-Modified-Since). A download is taken only whole and only when it reads as a list; until
// then the cached copy stays as it was. When the server cannot be reached, refuses, or sends
// something that is no list, the cached copy stands in, with the reason and its age.
//
// Runs to its end on the calling thread in a local event loop; a QCoreApplication must exist.
// The window calls it on a worker thread (the loop must not run inside the window's own), passes
// progress on to its own thread, and sets *cancel for Cancel.
class ListFetcher
{
public:
    static FetchResult Fetch(const QUrl &url, const FetchOptions &options = {}, const FetchProgress &progress = {},
                             const std::atomic<bool> *cancel = nullptr);
};
