#include "fetch/ListCache.h"

#include "common/OwnedFolder.h"
#include "common/SettingsStore.h"
#include "exchange/ExchangeFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

namespace {

constexpr qint64 kMaxSidecar = 64 * 1024;
constexpr int kLeftoverSeconds = 3600;

} // namespace

ListCache::ListCache(const QString &folder) : m_folder(folder.isEmpty() ? DefaultFolder() : folder) {}

QString ListCache::DefaultFolder()
{
    QString cache = SettingsStore::OwnFolder(QStringLiteral("cache"));
    if (cache.isEmpty())
        cache = qEnvironmentVariable("XDG_CACHE_HOME");
    // The base directory rules: a relative path in the variable is to be ignored.
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(cache + QStringLiteral("/orbivane/lists"));
}

QString ListCache::Base(const QUrl &url) const
{
    // A name made of the address would carry its slashes and dots; the hash carries none.
    const QByteArray key = url.adjusted(QUrl::RemoveFragment).toEncoded();
    return QDir(m_folder).filePath(
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32)));
}

QString ListCache::ListPath(const QUrl &url) const
{
    return Base(url) + QStringLiteral(".list");
}

ListCache::Entry ListCache::Load(const QUrl &url, qint64 maxBytes) const
{
    Entry entry;
    QString why;
    if (!OwnedFolder::ReadAtMost(ListPath(url), maxBytes, &entry.body, &why)) {
        entry.error = QFileInfo::exists(ListPath(url)) || QFileInfo(ListPath(url)).isSymLink()
                          ? QCoreApplication::translate("Fetch", "the cached copy %1 is not read: %2").arg(ListPath(url), why)
                          : QCoreApplication::translate("Fetch", "there is no cached copy");
        return entry;
    }
    entry.list = ExchangeFiles::Parse(url.path(), entry.body);
    if (!entry.list.Ok()) {
        entry.error = QCoreApplication::translate("Fetch", "the cached copy %1 does not read: %2").arg(ListPath(url), entry.list.error);
        return entry;
    }
    QByteArray meta;
    if (OwnedFolder::ReadAtMost(Base(url) + QStringLiteral(".meta"), kMaxSidecar, &meta, &why))
        entry.sidecar = CacheSidecar::Parse(meta);
    if (entry.sidecar && entry.sidecar->sha256 != CacheSidecar::Hash(entry.body))
        entry.sidecar.reset();
    entry.checked = entry.sidecar ? entry.sidecar->checked : QFileInfo(ListPath(url)).lastModified().toUTC();
    return entry;
}

FileResult ListCache::Store(const QUrl &url, const QByteArray &body, const CacheSidecar &sidecar) const
{
    if (FileResult ready = Ready(); !ready)
        return ready;
    DropLeftovers(url);
    // The list first: a sidecar that does not match it is ignored, the other way round it would
    // vouch for an older list.
    if (FileResult written = Replace(ListPath(url), body); !written)
        return written;
    return StoreSidecar(url, sidecar);
}

FileResult ListCache::StoreSidecar(const QUrl &url, const CacheSidecar &sidecar) const
{
    if (FileResult ready = Ready(); !ready)
        return ready;
    return Replace(Base(url) + QStringLiteral(".meta"), sidecar.ToBytes());
}

void ListCache::DropLeftovers(const QUrl &url) const
{
    // A fetch killed while writing leaves its new file behind. Only our own names go, and only
    // old ones: a young one may be another fetch's, still being written.
    const QString base = QFileInfo(Base(url)).fileName();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverSeconds);
    const QDir dir(m_folder);
    for (const QFileInfo &info : dir.entryInfoList({base + QStringLiteral(".list.new-*"), base + QStringLiteral(".meta.new-*")},
                                                   QDir::Files | QDir::System | QDir::Hidden)) {
        if (info.lastModified().toUTC() < before)
            ::unlink(QFile::encodeName(info.filePath()).constData()); // a link goes, not what it points to
    }
}

FileResult ListCache::Ready() const
{
    QDir().mkpath(m_folder);
    struct stat st = {};
    if (::lstat(QFile::encodeName(m_folder).constData(), &st) != 0)
        return FileResult::Fail(FileResult::Report(m_folder, qt_error_string(errno)));
    // A link here would put our files wherever it points.
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode))
        return FileResult::Fail(FileResult::Report(
            m_folder, S_ISLNK(st.st_mode) ? QCoreApplication::translate("Fetch", "is a symbolic link; the cache is not kept through it")
                                          : QCoreApplication::translate("Fetch", "is not a folder")));
    return {};
}

FileResult ListCache::Replace(const QString &path, const QByteArray &bytes)
{
    // Not QSaveFile: it writes through a link under the target's name, to wherever it points.
    const QString temp = QStringLiteral("%1.new-%2").arg(path).arg(QRandomGenerator::global()->generate64(), 16, 16,
                                                                     QLatin1Char('0'));
    QString why;
    if (OwnedFolder::CreateNew(temp, bytes, true, &why) != 0)
        return FileResult::Fail(FileResult::Report(path, why));
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0) {
        const int err = errno;
        ::unlink(QFile::encodeName(temp).constData()); // ours: made new above
        return FileResult::Fail(FileResult::Report(path, qt_error_string(err)));
    }
    return {};
}
