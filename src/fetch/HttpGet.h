#pragma once

#include "fetch/FetchOptions.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <atomic>

// One GET over HTTP or HTTPS, with the redirects it takes, run to its end in a local event loop
// on the calling thread (which needs a QCoreApplication, but no running loop of its own). A body
// Content-Encoding gzip or deflate arrives decoded. Stops, with the reason, when the server is
// silent for the options' stall time, when the body grows past the options' limit, when a
// redirect goes too far or to where it must not, and when *cancel is set.
class HttpGet
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;
    struct Answer {
        int status = 0; // the last answer's HTTP status; 0 when none came
        QByteArray reason;
        QByteArray body;
        QByteArray etag;
        QByteArray lastModified;
        QByteArray location;
        QUrl url;      // where the last answer came from
        QString error; // why there is no whole answer; empty with one
        bool cancelled = false;
    };
    static Answer Run(const QUrl &url, const Headers &headers, const FetchOptions &options,
                      const FetchProgress &progress, const std::atomic<bool> *cancel);
};
