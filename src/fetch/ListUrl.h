#pragma once

#include <QString>
#include <QUrl>

// Which addresses a list is fetched from: http and https only, with a host, no user name or
// password (it would be kept in the cache folder), no control characters. A file is read as a
// file, not through here.
class ListUrl
{
public:
    // Whether text names a list on a server rather than a file (http:// or https://, any case).
    static bool IsRemote(const QString &text);
    // The address text names, or an invalid one with the reason in *error.
    static QUrl Parse(const QString &text, QString *error);
    // Why url is not fetched from; empty when it may be.
    static QString Refusal(const QUrl &url);
    // Why a redirect from one address to the next is not followed (another scheme, or from https
    // down to http); empty when it may be.
    static QString RedirectRefusal(const QUrl &from, const QUrl &to);
};
