#pragma once

#include "exchange/ExchangeData.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What fetching a list came to: the list, where it came from and how old it is; or why there
// is none.
struct FetchResult
{
    enum class Source {
        None,        // no list: error says why
        Downloaded,  // the server's copy, just received
        NotModified, // the cached copy, which the server confirmed as current
        Cache,       // the cached copy, since the server's could not be had: warning says why
    };
    Source source = Source::None;
    bool cancelled = false;
    QString error;
    // Told beside a list: why the server's copy was not had, or why a download was not kept.
    QString warning;
    QByteArray body;
    ExchangeData list;
    QString cachePath; // the cached copy; empty when none could be kept
    QDateTime checked; // when the server last gave or confirmed this copy (UTC)

    bool Ok() const { return source != Source::None; }
    bool FromCache() const { return source == Source::NotModified || source == Source::Cache; }
    // Seconds since checked; 0 for a time in the future (a clock set back).
    qint64 AgeSeconds(const QDateTime &now = QDateTime::currentDateTimeUtc()) const;
    // "12 minutes", "5 hours", "3 days".
    static QString DescribeAge(qint64 seconds);
};
