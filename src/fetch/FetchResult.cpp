#include "fetch/FetchResult.h"

#include <QCoreApplication>

#include <climits>

qint64 FetchResult::AgeSeconds(const QDateTime &now) const
{
    return checked.isValid() ? qMax<qint64>(0, checked.secsTo(now)) : 0;
}

QString FetchResult::DescribeAge(qint64 seconds)
{
    // The English singular is a source text of its own, so that English reads "1 hour".
    const auto count = [](qint64 n) { return int(qMin<qint64>(n, INT_MAX)); };
    if (seconds < 3600) {
        const int n = count(seconds / 60);
        return n == 1 ? QCoreApplication::translate("Fetch", "%n minute", nullptr, n)
                      : QCoreApplication::translate("Fetch", "%n minutes", nullptr, n);
    }
    if (seconds < 2 * 86400) {
        const int n = count(seconds / 3600);
        return n == 1 ? QCoreApplication::translate("Fetch", "%n hour", nullptr, n)
                      : QCoreApplication::translate("Fetch", "%n hours", nullptr, n);
    }
    const int n = count(seconds / 86400);
    return n == 1 ? QCoreApplication::translate("Fetch", "%n day", nullptr, n)
                  : QCoreApplication::translate("Fetch", "%n days", nullptr, n);
}
