#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What the cache keeps beside a list: the address it came from, the server's validators for
// asking whether it changed (ETag, Last-Modified), when the server last gave or confirmed it,
// and the SHA-256 of the list, so that a list and a sidecar written by two fetches at once are
// never taken for each other. Kept as a small JSON object.
struct CacheSidecar
{
    QString url;
    QByteArray etag;
    QByteArray lastModified;
    QDateTime checked;
    QByteArray sha256; // lower-case hex

    QByteArray ToBytes() const;
    // Nothing for anything but an object we would have written: a validator we would not send
    // back, a time that is no time, a hash that is no SHA-256.
    static std::optional<CacheSidecar> Parse(const QByteArray &bytes);
    // Whether a server's validator may be kept and sent back in a header: printable ASCII, short.
    static bool IsValidator(const QByteArray &value);
    static QByteArray Hash(const QByteArray &body);
};
