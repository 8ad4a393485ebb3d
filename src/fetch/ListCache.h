#pragma once

#include "common/FileResult.h"
#include "exchange/ExchangeData.h"
#include "fetch/CacheSidecar.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The last good copy of each fetched list: <hash of the address>.list and its sidecar
// <hash>.meta, in a folder others may have put anything into. A copy is read only when it is a
// regular file (never through a symbolic link) and reads as a list; it is replaced only by
// renaming a file made new over it, so that a link under its name is replaced, not followed, and
// a fetch cut short leaves the old copy whole.
class ListCache
{
public:
    // folder: empty for DefaultFolder().
    explicit ListCache(const QString &folder = QString());
    // ORBIVANE_HOME's cache/, else $XDG_CACHE_HOME, else ~/.cache; then orbivane/lists.
    static QString DefaultFolder();
    QString Folder() const { return m_folder; }
    QString ListPath(const QUrl &url) const;

    struct Entry {
        QString error; // why there is no usable copy; empty with one
        QByteArray body;
        ExchangeData list;
        // The validators to ask the server with; nothing when the sidecar is missing, damaged or
        // belongs to another copy (then checked is the list file's time).
        std::optional<CacheSidecar> sidecar;
        QDateTime checked;
        bool Ok() const { return error.isEmpty(); }
    };
    Entry Load(const QUrl &url, qint64 maxBytes) const;
    // Keeps body (a list already read) with its sidecar.
    FileResult Store(const QUrl &url, const QByteArray &body, const CacheSidecar &sidecar) const;
    // Writes the sidecar alone (the server confirmed the copy).
    FileResult StoreSidecar(const QUrl &url, const CacheSidecar &sidecar) const;

private:
    QString Base(const QUrl &url) const;
    FileResult Ready() const;
    void DropLeftovers(const QUrl &url) const;
    static FileResult Replace(const QString &path, const QByteArray &bytes);

    QString m_folder;
};
