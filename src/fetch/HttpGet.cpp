#include "fetch/HttpGet.h"

#include "fetch/ListUrl.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>
#include <QCoreApplication>

namespace {

constexpr int kTickMs = 100;

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

HttpGet::Answer Once(QNetworkAccessManager &manager, const QUrl &url, const HttpGet::Headers &headers,
                     const FetchOptions &options, const FetchProgress &progress, const std::atomic<bool> *cancel)
{
    HttpGet::Answer a;
    a.url = url;
    QNetworkRequest request(url);
    // Followed here, so that each hop is checked and counted by our rules.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Orbivane"));
    // No Accept-Encoding of our own: Qt then asks for gzip and deflate and decodes them itself.
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // The network thread waits while this much is unread, instead of filling the memory faster
    // than the limit below is checked.
    reply->setReadBufferSize(qint64(1) << 20);

    QEventLoop loop;
    QElapsedTimer quiet;
    quiet.start();
    qint64 received = 0, total = -1;
    QString stop;
    const auto halt = [&](const QString &why) {
        if (stop.isEmpty()) {
            stop = why;
            reply->abort();
        }
    };
    const auto take = [&] {
        a.body += reply->readAll();
        if (a.body.size() > options.maxBytes)
            halt(QCoreApplication::translate("Fetch", "the server sends more than %1 bytes; no receiver list is that large").arg(options.maxBytes));
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        quiet.restart();
        bool known = false;
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && announced > options.maxBytes)
            halt(QCoreApplication::translate("Fetch", "the server announces %1 bytes; no receiver list is that large").arg(announced));
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 done, qint64 of) {
        quiet.restart();
        received = done;
        total = of;
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (cancel && cancel->load()) {
            a.cancelled = true;
            halt(QCoreApplication::translate("Fetch", "cancelled"));
        } else if (quiet.elapsed() > options.stallMs) {
            halt(QCoreApplication::translate("Fetch", "the server sent nothing for %1 seconds").arg(options.stallMs / 1000.0));
        } else if (progress) {
            progress(received, total);
        }
    });
    tick.start(kTickMs);
    if (!reply->isFinished())
        loop.exec();
    tick.stop();
    if (stop.isEmpty())
        take();
    a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    a.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    a.etag = reply->rawHeader("ETag");
    a.lastModified = reply->rawHeader("Last-Modified");
    a.location = reply->rawHeader("Location");
    // An HTTP error status is the caller's to tell; Qt's error beside it says the same less well.
    if (!stop.isEmpty())
        a.error = stop;
    else if (reply->error() != QNetworkReply::NoError && a.status < 400)
        a.error = reply->errorString();
    if (progress && a.error.isEmpty())
        progress(received, total);
    return a;
}

} // namespace

HttpGet::Answer HttpGet::Run(const QUrl &url, const Headers &headers, const FetchOptions &options,
                             const FetchProgress &progress, const std::atomic<bool> *cancel)
{
    QNetworkAccessManager manager;
    QUrl current = url;
    for (int hops = 0;; ++hops) {
        Answer a = Once(manager, current, headers, options, progress, cancel);
        if (!a.error.isEmpty() || !IsRedirect(a.status))
            return a;
        const QUrl next = current.resolved(QUrl::fromEncoded(a.location, QUrl::StrictMode));
        if (a.location.isEmpty())
            a.error = QCoreApplication::translate("Fetch", "the server answered %1 but named no new address").arg(a.status);
        else if (hops >= options.maxRedirects)
            a.error = QCoreApplication::translate("Fetch", "more than %1 redirects; the last to %2").arg(options.maxRedirects).arg(next.toDisplayString());
        else
            a.error = ListUrl::RedirectRefusal(current, next);
        if (!a.error.isEmpty())
            return a;
        current = next;
    }
}
