#include "cli/FetchCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "cli/ProgressBoard.h"
#include "cli/SignalWatch.h"
#include "exchange/ExchangeFiles.h"
#include "fetch/ListCache.h"
#include "fetch/ListFetcher.h"
#include "fetch/ListSources.h"
#include "fetch/ListUrl.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace {

QString Origin(const FetchResult &r)
{
    switch (r.source) {
    case FetchResult::Source::Downloaded:
        return QCoreApplication::translate("Cli", "downloaded");
    case FetchResult::Source::NotModified:
        return QCoreApplication::translate("Cli", "unchanged on the server since the cached copy");
    default:
        return QCoreApplication::translate("Cli", "the cached copy of %1 (%2 old)")
            .arg(r.checked.toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'")), FetchResult::DescribeAge(r.AgeSeconds()));
    }
}

} // namespace

int FetchCommand::Obtain(const QUrl &url, const FetchOptions &options, bool quiet, FetchResult &result)
{
    ProgressBoard board(quiet, Console::ErrIsTerminal());
    SignalWatch watch;
    std::atomic<bool> cancel{false};
    int line = -1;
    result = ListFetcher::Fetch(url, options, [&](qint64 received, qint64 total) {
        if (watch.Wait(0))
            cancel = true;
        if (total <= 0) // a size not told (compressed or chunked): no bar to draw
            return;
        if (line < 0)
            line = board.Add(url.host(), total);
        board.SetBytes(line, received, total);
        board.Set(line, int(qBound<qint64>(0, received, total) * 100 / total));
    }, &cancel);
    board.Finish();
    const QString name = url.toDisplayString();
    if (result.cancelled) {
        Console::Err(QCoreApplication::translate("Cli", "%1: interrupted; the cached copy is as it was").arg(name));
        return EXIT_INTERRUPTED;
    }
    if (!result.Ok()) {
        Console::Err(QStringLiteral("%1: %2").arg(name, result.error));
        return EXIT_FILE;
    }
    if (!result.warning.isEmpty())
        Console::Err(QCoreApplication::translate("Cli", "orbivane-cli: warning: %1: %2").arg(name, result.warning));
    return -1;
}

int FetchCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("fetch"), QStringLiteral("[--quiet] [--timeout S] [--force] URL [OUT]"),
                   QCoreApplication::translate("Cli", "Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// "
                                  "address, into the cache folder %1, and with OUT into the file OUT as well. The "
                                  "server is asked only for a copy newer than the cached one. When it cannot be "
                                  "reached, refuses, or sends something that is no list, the cached copy is used and "
                                  "its age told. A download cut short, or one that does not read as a list, replaces "
                                  "neither the cached copy nor OUT. An existing OUT is replaced only with --force, "
                                  "its content kept in the backup archive first. The window's list is %2.")
                       .arg(ListCache::DefaultFolder(), ListSources::Url()));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   QCoreApplication::translate("Cli", "No progress on standard error."));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QCoreApplication::translate("Cli", "Give up when the server is silent this long: 1 to 3600 (default 30)."),
                                     QStringLiteral("seconds"), QStringLiteral("30"));
    const QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                                   QCoreApplication::translate("Cli", "Replace OUT when it exists (its content is kept in the archive)."));
    cl.Parser().addOptions({quiet, timeout, force});
    cl.Parser().addPositionalArgument(QStringLiteral("URL"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("OUT"), QString());
    if (const int code = cl.Parse(arguments, 1, 2); code >= 0)
        return code;
    FetchOptions options;
    int seconds = 0;
    if (const int code = cl.WholeNumber(timeout, 1, 3600, seconds); code >= 0)
        return code;
    options.stallMs = seconds * 1000;
    const QStringList args = cl.Parser().positionalArguments();
    QString why;
    const QUrl url = ListUrl::Parse(args.at(0), &why);
    if (!url.isValid())
        return cl.UsageError(QStringLiteral("%1: %2").arg(args.at(0), why));
    const QString out = args.value(1);
    const bool replace = cl.Parser().isSet(force);
    // Told before the download, not after it.
    if (!out.isEmpty() && !replace && (QFileInfo::exists(out) || QFileInfo(out).isSymLink()))
        return DatabaseFile::MayReplace(QString(), out, QByteArray(), false);

    FetchResult r;
    if (const int code = Obtain(url, options, cl.Parser().isSet(quiet), r); code >= 0)
        return code;
    QString where = r.cachePath;
    if (!out.isEmpty()) {
        if (const int code = DatabaseFile::MayReplace(QString(), out, r.body, replace); code >= 0)
            return code;
        if (const FileResult written = ExchangeFiles::Write(out, r.body); !written) {
            Console::Err(QStringLiteral("%1: %2").arg(out, written.error));
            return EXIT_FILE;
        }
        where = out;
    }
    Console::Out(QCoreApplication::translate("Cli", "%1: %n satellites, %2 transponders; %3", nullptr, int(r.list.satellites.size()))
                     .arg(where.isEmpty() ? url.toDisplayString() : where)
                     .arg(r.list.TransponderCount())
                     .arg(Origin(r)));
    return EXIT_OK;
}
