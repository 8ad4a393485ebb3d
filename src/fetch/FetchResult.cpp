#include "fetch/FetchResult.h"

qint64 FetchResult::AgeSeconds(const QDateTime &now) const
{
    return checked.isValid() ? qMax<qint64>(0, checked.secsTo(now)) : 0;
}

QString FetchResult::DescribeAge(qint64 seconds)
{
    const auto unit = [](qint64 n, const char *one) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(one), n == 1 ? QString() : QStringLiteral("s"));
    };
    if (seconds < 3600)
        return unit(seconds / 60, "minute");
    if (seconds < 2 * 86400)
        return unit(seconds / 3600, "hour");
    return unit(seconds / 86400, "day");
}
