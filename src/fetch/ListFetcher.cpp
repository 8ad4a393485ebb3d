#include "fetch/ListFetcher.h"

#include "exchange/ExchangeFiles.h"
#include "fetch/HttpGet.h"
#include "fetch/ListCache.h"
#include "fetch/ListUrl.h"

#include <utility>
#include <QCoreApplication>

namespace {

// The cached copy as the result, with why the server's was not had.
FetchResult FromCache(ListCache::Entry &&entry, const QString &path, FetchResult::Source source, const QString &warning)
{
    FetchResult r;
    r.source = source;
    r.warning = warning;
    r.body = std::move(entry.body);
    r.list = std::move(entry.list);
    r.cachePath = path;
    r.checked = entry.checked;
    return r;
}

} // namespace

FetchResult ListFetcher::Fetch(const QUrl &url, const FetchOptions &options, const FetchProgress &progress,
                               const std::atomic<bool> *cancel)
{
    FetchResult result;
    if (const QString refusal = ListUrl::Refusal(url); !refusal.isEmpty()) {
        result.error = refusal;
        return result;
    }
    const ListCache cache(options.cacheFolder);
    ListCache::Entry kept = cache.Load(url, options.maxBytes);
    HttpGet::Headers ask;
    if (kept.Ok() && kept.sidecar) {
        if (!kept.sidecar->etag.isEmpty())
            ask.append({"If-None-Match", kept.sidecar->etag});
        if (!kept.sidecar->lastModified.isEmpty())
            ask.append({"If-Modified-Since", kept.sidecar->lastModified});
    }
    const HttpGet::Answer answer = HttpGet::Run(url, ask, options, progress, cancel);
    if (answer.cancelled) {
        result.cancelled = true;
        result.error = answer.error;
        return result;
    }

    CacheSidecar sidecar;
    sidecar.url = url.toDisplayString();
    sidecar.checked = QDateTime::currentDateTimeUtc();
    // A validator we would not send back is not kept.
    sidecar.etag = CacheSidecar::IsValidator(answer.etag) ? answer.etag : QByteArray();
    sidecar.lastModified = CacheSidecar::IsValidator(answer.lastModified) ? answer.lastModified : QByteArray();
    QString failure = answer.error;
    // Not Modified answers a question; unasked, it vouches for nothing.
    if (failure.isEmpty() && answer.status == 304 && !ask.isEmpty()) {
        sidecar.sha256 = CacheSidecar::Hash(kept.body);
        if (sidecar.etag.isEmpty())
            sidecar.etag = kept.sidecar ? kept.sidecar->etag : QByteArray();
        if (sidecar.lastModified.isEmpty())
            sidecar.lastModified = kept.sidecar ? kept.sidecar->lastModified : QByteArray();
        const FileResult noted = cache.StoreSidecar(url, sidecar);
        kept.checked = sidecar.checked;
        return FromCache(std::move(kept), cache.ListPath(url), FetchResult::Source::NotModified,
                         noted ? QString() : QCoreApplication::translate("Fetch", "the check is not noted in the cache: %1").arg(noted.error));
    }
    if (failure.isEmpty() && answer.status != 200 && answer.status != 203)
        failure = QCoreApplication::translate("Fetch", "the server answered %1 %2").arg(answer.status).arg(QString::fromLatin1(answer.reason));
    if (failure.isEmpty()) {
        ExchangeData list = ExchangeFiles::Parse(answer.url.path(), answer.body);
        if (list.Ok()) {
            result.source = FetchResult::Source::Downloaded;
            result.body = answer.body;
            result.list = std::move(list);
            result.checked = sidecar.checked;
            sidecar.sha256 = CacheSidecar::Hash(answer.body);
            if (const FileResult stored = cache.Store(url, answer.body, sidecar); stored)
                result.cachePath = cache.ListPath(url);
            else
                result.warning = QCoreApplication::translate("Fetch", "the list is not kept in the cache: %1").arg(stored.error);
            return result;
        }
        failure = QCoreApplication::translate("Fetch", "what the server sent is no receiver list: %1").arg(list.error);
    }
    if (kept.Ok())
        return FromCache(std::move(kept), cache.ListPath(url), FetchResult::Source::Cache, failure);
    result.error = QStringLiteral("%1; %2").arg(failure, kept.error);
    return result;
}
