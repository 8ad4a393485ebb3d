#include "fetch/ListUrl.h"

#include <QCoreApplication>

namespace {

bool HasControl(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            return true;
    }
    return false;
}

} // namespace

bool ListUrl::IsRemote(const QString &text)
{
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
           || text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QUrl ListUrl::Parse(const QString &text, QString *error)
{
    // QUrl would take a line end or an escape as part of the address and send it on.
    QString why = HasControl(text) ? QCoreApplication::translate("Fetch", "the address holds control characters") : QString();
    QUrl url(text.trimmed(), QUrl::StrictMode);
    if (why.isEmpty())
        why = url.isValid() ? Refusal(url)
                            : QCoreApplication::translate("Fetch", "not a valid address: %1").arg(url.errorString().section(QLatin1Char(';'), 0, 0));
    if (why.isEmpty())
        return url;
    if (error)
        *error = why;
    return {};
}

QString ListUrl::Refusal(const QUrl &url)
{
    if (!url.isValid())
        return QCoreApplication::translate("Fetch", "not a valid address");
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QCoreApplication::translate("Fetch", "only http:// and https:// addresses are fetched, not %1")
            .arg(scheme.isEmpty() ? QCoreApplication::translate("Fetch", "a bare name") : scheme + QStringLiteral("://"));
    if (url.host().isEmpty())
        return QCoreApplication::translate("Fetch", "the address names no server");
    if (!url.userInfo().isEmpty())
        return QCoreApplication::translate("Fetch", "a user name or password in the address is not sent");
    return {};
}

QString ListUrl::RedirectRefusal(const QUrl &from, const QUrl &to)
{
    if (const QString why = Refusal(to); !why.isEmpty())
        return QCoreApplication::translate("Fetch", "redirected to %1: %2").arg(to.toDisplayString(), why);
    if (from.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
        && to.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("Fetch", "redirected from https to %1, which is not encrypted; not followed").arg(to.toDisplayString());
    return {};
}
