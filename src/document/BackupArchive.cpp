#include "document/BackupArchive.h"

#include "common/SettingsStore.h"
#include "database/ParamDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QString kReadTag = QStringLiteral("read");

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Splits <series>~<tag>~<stamp>.bin from the right: a file name may hold '~' itself.
bool Parse(const QFileInfo &info, BackupArchive::Entry &entry)
{
    const QString name = info.fileName();
    if (!name.endsWith(QLatin1String(".bin")))
        return false;
    const QString base = name.chopped(4);
    const qsizetype stampAt = base.lastIndexOf(QLatin1Char('~'));
    const qsizetype tagAt = stampAt > 0 ? base.lastIndexOf(QLatin1Char('~'), stampAt - 1) : -1;
    if (tagAt <= 0)
        return false;
    // Read as UTC directly: a local reading would lose the hour a clock change skips.
    const QString stamp = base.mid(stampAt + 1);
    entry.time = QDateTime(QDate::fromString(stamp.left(8), QStringLiteral("yyyyMMdd")),
                           QTime::fromString(stamp.mid(9), QStringLiteral("HHmmss-zzz")), Qt::UTC);
    if (stamp.size() != kStampFormat.size() || !entry.time.isValid())
        return false;
    entry.series = base.left(tagAt);
    entry.tag = base.mid(tagAt + 1, stampAt - tagAt - 1);
    entry.source = entry.tag == kReadTag ? BackupArchive::Source::ReadFromMeter
                                         : BackupArchive::Source::SavedOver;
    entry.filePath = info.filePath();
    return true;
}

} // namespace

BackupArchive::BackupArchive(const QString &folder)
    : m_folder(folder.isEmpty() ? DefaultFolder() : folder),
      m_keepVersions(SettingsStore::ReadNumber(QStringLiteral("Backups/KeepVersions"), DEFAULT_KEEP_VERSIONS)),
      m_keepDays(SettingsStore::ReadNumber(QStringLiteral("Backups/KeepDays"), DEFAULT_KEEP_DAYS))
{
}

QString BackupArchive::DefaultFolder()
{
    const QString own = SettingsStore::OwnFolder(QStringLiteral("data"));
    return (own.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) : own)
           + QStringLiteral("/Tarnwell/vanetool/backups");
}

void BackupArchive::SetLimits(int keepVersions, int keepDays)
{
    m_keepVersions = keepVersions;
    m_keepDays = keepDays;
}

QString BackupArchive::Describe(const QByteArray &image)
{
    ParamDatabase db; // taking bytes over and walking chains tell nobody anything
    if (!db.FromBytes(image))
        return QStringLiteral("not a database (%1 bytes)").arg(image.size());
    const std::vector<int> satellites = db.SatelliteChain().indices;
    size_t transponders = 0;
    for (int slot : satellites)
        transponders += db.TransponderChain(slot).indices.size();
    return QStringLiteral("%1 satellites, %2 transponders").arg(satellites.size()).arg(transponders);
}

QString BackupArchive::DisplayName(const Entry &entry)
{
    return entry.source == Source::ReadFromMeter ? QStringLiteral("meter ") + entry.series.section(QLatin1Char('-'), 1)
                                                 : entry.series;
}

QString BackupArchive::SeriesOf(const QString &filePath)
{
    return QFileInfo(filePath).fileName();
}

QString BackupArchive::TagOf(const QString &filePath)
{
    const QByteArray full = QFileInfo(filePath).absoluteFilePath().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(full, QCryptographicHash::Sha1).toHex().left(8));
}

bool BackupArchive::KeepBeforeSave(const QString &filePath, const QByteArray &next)
{
    const QFileInfo info(filePath);
    if (!info.isFile())
        return true; // nothing there yet to lose
    // A read may be aimed at any file; one far larger than a database is told, not copied.
    if (info.size() > MAX_KEPT_BYTES)
        return Fail(QStringLiteral("%1 is larger than %2 MB, far more than a database; its content was not kept")
                        .arg(filePath).arg(MAX_KEPT_BYTES >> 20));
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("%1: %2").arg(filePath, file.errorString()));
    const QByteArray current = file.readAll();
    if (current == next)
        return true;
    return Store(SeriesOf(filePath), TagOf(filePath), current);
}

bool BackupArchive::KeepRead(const QByteArray &image, uint32_t identityWord)
{
    const QString word = QString::number(identityWord, 16).toUpper().rightJustified(8, QLatin1Char('0'));
    return Store(QStringLiteral("meter-") + word, kReadTag, image);
}

QList<BackupArchive::Entry> BackupArchive::Entries(const QString &filePath) const
{
    QList<Entry> entries;
    const QString series = filePath.isEmpty() ? QString() : SeriesOf(filePath);
    const QString tag = filePath.isEmpty() ? QString() : TagOf(filePath);
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*.bin")}, QDir::Files);
    for (const QFileInfo &info : files) {
        Entry entry;
        if (Parse(info, entry) && (series.isEmpty() || (entry.series == series && entry.tag == tag)))
            entries << entry;
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.time != b.time ? a.time > b.time : a.filePath > b.filePath;
    });
    return entries;
}

bool BackupArchive::Store(const QString &series, const QString &tag, const QByteArray &bytes)
{
    QList<Entry> same;
    for (const Entry &entry : Entries())
        if (entry.series == series && entry.tag == tag)
            same << entry;
    if (!same.isEmpty() && ReadAll(same.first().filePath) == bytes)
        return true; // the newest version holds these bytes already
    if (!QDir().mkpath(m_folder))
        return Fail(QStringLiteral("%1: cannot create the folder").arg(m_folder));
    // Two versions in one millisecond must not share a name; the later is stamped a little later.
    QDateTime when = Now().toUTC();
    if (!same.isEmpty() && when <= same.first().time)
        when = same.first().time.addMSecs(1);
    const QString path = QDir(m_folder).filePath(
        QStringLiteral("%1~%2~%3.bin").arg(series, tag, when.toString(kStampFormat)));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return Fail(QStringLiteral("%1: %2").arg(path, out.errorString()));
    Prune(series, tag);
    return true;
}

void BackupArchive::Prune(const QString &series, const QString &tag) const
{
    const QDateTime oldest = Now().toUTC().addDays(-m_keepDays);
    int kept = 0;
    for (const Entry &entry : Entries()) { // newest first
        if (entry.series != series || entry.tag != tag)
            continue;
        if (kept < m_keepVersions || entry.time >= oldest)
            ++kept;
        else
            QFile::remove(entry.filePath);
    }
}

bool BackupArchive::Fail(const QString &reason)
{
    if (!m_reported && m_reporter) {
        m_reported = true;
        m_reporter(reason);
    }
    return false;
}
