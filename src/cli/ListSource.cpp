#include "cli/ListSource.h"

#include "exchange/ExchangeFiles.h"

bool ListSource::IsUrl(const QString &source)
{
    return source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
           || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

ExchangeData ListSource::Read(const QString &source)
{
    if (IsUrl(source)) {
        // The seam for fetched lists: the fetcher's cached copy of the URL is read here.
        return ExchangeData::Fail(QStringLiteral("a list from a URL is read from its fetched copy: "
                                                 "run 'orbivane-cli fetch %1 FILE', then give FILE")
                                      .arg(source));
    }
    ExchangeData data = ExchangeFiles::Read(source);
    if (!data.Ok())
        data.error = QStringLiteral("%1: %2").arg(source, data.error);
    return data;
}
