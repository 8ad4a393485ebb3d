#pragma once

#include "fetch/FetchOptions.h"
#include "fetch/FetchResult.h"

#include <QStringList>
#include <QUrl>

// fetch URL [OUT]: a published receiver list into the cache, and into OUT.
class FetchCommand
{
public:
    static int Run(const QStringList &arguments);
    // Fetches url as fetch does, for any command that takes a list from a server: progress on
    // standard error (unless quiet), Ctrl-C as Cancel, a failure or a cached copy's stand-in told
    // there. -1 with the list in result, else the exit code to end with.
    static int Obtain(const QUrl &url, const FetchOptions &options, bool quiet, FetchResult &result);
};
