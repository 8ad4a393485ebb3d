#include "fetch/CacheSidecar.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kMaxValidator = 512; // an ETag is a few dozen characters

const QString kUrl = QStringLiteral("url");
const QString kEtag = QStringLiteral("etag");
const QString kLastModified = QStringLiteral("lastModified");
const QString kChecked = QStringLiteral("checked");
const QString kSha256 = QStringLiteral("sha256");

} // namespace

QByteArray CacheSidecar::ToBytes() const
{
    const QJsonObject o{{kUrl, url},
                        {kEtag, QString::fromLatin1(etag)},
                        {kLastModified, QString::fromLatin1(lastModified)},
                        {kChecked, checked.toUTC().toString(Qt::ISODate)},
                        {kSha256, QString::fromLatin1(sha256)}};
    return QJsonDocument(o).toJson();
}

std::optional<CacheSidecar> CacheSidecar::Parse(const QByteArray &bytes)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    CacheSidecar s;
    s.url = o.value(kUrl).toString();
    // toLatin1 of text beyond Latin-1 would make '?' of it: checked as text first.
    const QString etag = o.value(kEtag).toString(), lastModified = o.value(kLastModified).toString();
    s.etag = etag.toLatin1();
    s.lastModified = lastModified.toLatin1();
    s.checked = QDateTime::fromString(o.value(kChecked).toString(), Qt::ISODate);
    s.sha256 = o.value(kSha256).toString().toLatin1();
    const bool hashOk = s.sha256.size() == 64 && QByteArray::fromHex(s.sha256).toHex() == s.sha256;
    if ((!etag.isEmpty() && !IsValidator(s.etag)) || (!lastModified.isEmpty() && !IsValidator(s.lastModified))
        || QString::fromLatin1(s.etag) != etag || QString::fromLatin1(s.lastModified) != lastModified
        || !s.checked.isValid() || !hashOk)
        return std::nullopt;
    return s;
}

bool CacheSidecar::IsValidator(const QByteArray &value)
{
    if (value.isEmpty() || value.size() > kMaxValidator)
        return false;
    for (const char c : value)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

QByteArray CacheSidecar::Hash(const QByteArray &body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}
