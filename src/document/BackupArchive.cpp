#include "document/BackupArchive.h"

#include "common/SettingsStore.h"
#include "common/OwnedFolder.h"
#include "database/DatabaseChecker.h"
#include "database/DbLayout.h"
#include "database/ParamDatabase.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QString kReadTag = QStringLiteral("read");
constexpr int kMaxSequence = 100; // names tried for one millisecond before giving up

// The number in digits [from, from + n) of a stamp, or -1 where one is not a digit.
int Digits(const QString &stamp, int from, int n)
{
    int value = 0;
    for (int i = from; i < from + n; ++i) {
        const QChar c = stamp.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// A stamp's date and time. Names we wrote are all digits where the format has them, read here
// directly; anything else goes through Qt's parser of the format, which decides as before.
QDate StampDate(const QString &stamp)
{
    if (stamp.size() == kStampFormat.size()) {
        const int y = Digits(stamp, 0, 4), m = Digits(stamp, 4, 2), d = Digits(stamp, 6, 2);
        if (y >= 0 && m >= 0 && d >= 0)
            return QDate(y, m, d);
    }
    return QDate::fromString(stamp.left(8), QStringLiteral("yyyyMMdd"));
}

QTime StampTime(const QString &stamp)
{
    if (stamp.size() == kStampFormat.size() && stamp.at(15) == QLatin1Char('-')) {
        const int h = Digits(stamp, 9, 2), m = Digits(stamp, 11, 2), s = Digits(stamp, 13, 2),
                  ms = Digits(stamp, 16, 3);
        if (h >= 0 && m >= 0 && s >= 0 && ms >= 0)
            return QTime(h, m, s, ms);
    }
    return QTime::fromString(stamp.mid(9), QStringLiteral("HHmmss-zzz"));
}

// Splits <series>~<tag>~<stamp>[-<n>].bin from the right: a file name may hold '~' itself.
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
    const QString stamp = base.mid(stampAt + 1, kStampFormat.size());
    const QString sequence = base.mid(stampAt + 1 + kStampFormat.size());
    if (!sequence.isEmpty()) {
        bool number = false;
        entry.sequence = sequence.mid(1).toInt(&number);
        if (!sequence.startsWith(QLatin1Char('-')) || !number || entry.sequence < 1 || sequence.size() > 4)
            return false;
    }
    // Read as UTC directly: a local reading would lose the hour a clock change skips.
    entry.time = QDateTime(StampDate(stamp), StampTime(stamp), Qt::UTC);
    if (stamp.size() != kStampFormat.size() || !entry.time.isValid())
        return false;
    entry.series = base.left(tagAt);
    entry.tag = base.mid(tagAt + 1, stampAt - tagAt - 1);
    entry.source = entry.tag == kReadTag ? BackupArchive::Source::ReadFromMeter
                                         : BackupArchive::Source::SavedOver;
    entry.filePath = info.filePath();
    entry.size = info.size();
    // Looked at, never opened: others may have put anything under our names.
    if (info.isSymLink())
        entry.notAVersion = QCoreApplication::translate("BackupArchive", "a symbolic link");
    else if (info.isDir())
        entry.notAVersion = QCoreApplication::translate("BackupArchive", "a folder");
    else if (!info.isFile())
        entry.notAVersion = QCoreApplication::translate("BackupArchive", "not a regular file");
    else if (!BackupArchive::Keeps(entry.size))
        entry.notAVersion = QCoreApplication::translate("BackupArchive", "%1 MB, far more than a database").arg(entry.size >> 20);
    return true;
}

bool NewerFirst(const BackupArchive::Entry &a, const BackupArchive::Entry &b)
{
    if (a.time != b.time)
        return a.time > b.time;
    return a.sequence != b.sequence ? a.sequence > b.sequence : a.filePath > b.filePath;
}

QString SeriesKey(const BackupArchive::Entry &entry)
{
    return entry.series + QLatin1Char('~') + entry.tag;
}

} // namespace

BackupArchive::BackupArchive(const QString &folder)
    : m_folder(folder.isEmpty() ? DefaultFolder() : folder),
      m_keepVersions(SettingsStore::ReadNumber(QStringLiteral("Backups/KeepVersions"), DEFAULT_KEEP_VERSIONS)),
      m_keepDays(SettingsStore::ReadNumber(QStringLiteral("Backups/KeepDays"), DEFAULT_KEEP_DAYS)),
      m_maxBytes(qint64(SettingsStore::ReadNumber(QStringLiteral("Backups/MaxMegabytes"), DEFAULT_MAX_MEGABYTES, 1))
                 << 20)
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

QString BackupArchive::Describe(const QByteArray &image, QStringList *problems)
{
    // One database per thread, loaded anew for each description: a folder of versions is
    // described one after another, and a new image each time was most of the cost.
    thread_local ParamDatabase db;
    if (!db.FromBytes(image))
        return QCoreApplication::translate("BackupArchive", "not a database (%1 bytes)").arg(image.size());
    const std::vector<int> satellites = db.SatelliteChain().indices;
    size_t transponders = 0;
    for (int slot : satellites)
        transponders += db.TransponderChain(slot).indices.size();
    QString text = QCoreApplication::translate("BackupArchive", "%n satellites, %1 transponders", nullptr, int(satellites.size()))
                       .arg(transponders);
    const QStringList found = DatabaseChecker::Check(db, 5);
    if (!found.isEmpty())
        text += QCoreApplication::translate("BackupArchive", ", fails the structure check");
    if (problems)
        *problems = found;
    return text;
}

QString BackupArchive::Describe(const Entry &entry, QStringList *problems)
{
    if (problems)
        problems->clear();
    if (!entry.IsVersion())
        return QCoreApplication::translate("BackupArchive", "not a version (%1)").arg(entry.notAVersion);
    if (entry.size != DbLayout::IMAGE_SIZE) // no need to read it to say so
        return QCoreApplication::translate("BackupArchive", "not a database (%1 bytes)").arg(entry.size);
    thread_local QByteArray image; // read into the same memory each time, as the database above
    QString why;
    return Read(entry, &image, &why) ? Describe(image, problems) : QCoreApplication::translate("BackupArchive", "unreadable (%1)").arg(why);
}

bool BackupArchive::Read(const Entry &entry, QByteArray *bytes, QString *error)
{
    if (!entry.IsVersion()) {
        if (error)
            *error = entry.notAVersion;
        return false;
    }
    return OwnedFolder::ReadAtMost(entry.filePath, MAX_KEPT_BYTES, bytes, error);
}

QString BackupArchive::DisplayName(const Entry &entry)
{
    return entry.source == Source::ReadFromMeter ? QCoreApplication::translate("BackupArchive", "meter %1").arg(entry.series.section(QLatin1Char('-'), 1))
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

BackupArchive::Current BackupArchive::ReadCurrent(const QString &filePath)
{
    Current current;
    const QFileInfo info(filePath);
    if (!info.isFile())
        return current; // nothing there yet to lose
    current.present = true;
    QFile file(filePath);
    current.readable = file.open(QIODevice::ReadOnly);
    // A read may be aimed at any file; one far larger than a database is told, not copied.
    if (!Keeps(info.size())) {
        current.keepable = FileResult::Fail(
            QCoreApplication::translate("BackupArchive", "%1 is larger than %2 MB, far more than a database; its content was not kept")
                .arg(filePath).arg(MAX_KEPT_BYTES >> 20));
        if (current.readable)
            current.bytes = file.read(DbLayout::IMAGE_SIZE + 1);
    } else if (!current.readable) {
        current.keepable = FileResult::Fail(QStringLiteral("%1: %2").arg(filePath, file.errorString()));
    } else {
        current.bytes = file.readAll();
    }
    return current;
}

FileResult BackupArchive::KeepBeforeSave(const QString &filePath, const QByteArray &next)
{
    return KeepBeforeSave(filePath, ReadCurrent(filePath), next);
}

FileResult BackupArchive::KeepBeforeSave(const QString &filePath, const Current &current, const QByteArray &next)
{
    if (!current.present)
        return {};
    if (!current.keepable)
        return current.keepable;
    if (current.bytes == next)
        return {};
    return Store(SeriesOf(filePath), TagOf(filePath), current.bytes);
}

FileResult BackupArchive::KeepRead(const QByteArray &image, uint32_t identityWord)
{
    const QString word = QString::number(identityWord, 16).toUpper().rightJustified(8, QLatin1Char('0'));
    return Store(QStringLiteral("meter-") + word, kReadTag, image);
}

QList<BackupArchive::Entry> BackupArchive::Entries(const QString &filePath) const
{
    QList<Entry> entries;
    const QString series = filePath.isEmpty() ? QString() : SeriesOf(filePath);
    const QString tag = filePath.isEmpty() ? QString() : TagOf(filePath);
    // Hidden too (a saved ".db.bin" is one), and links and special files, to be listed as such.
    // Unsorted and without a name filter: Parse takes only names ending in ".bin" (before it
    // asks the file system anything), and the entries are sorted below; a filter was a pattern
    // compiled anew for every listing.
    QDirIterator files(m_folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (files.hasNext()) {
        files.next();
        const QFileInfo info = files.fileInfo();
        Entry entry;
        if (Parse(info, entry) && (series.isEmpty() || (entry.series == series && entry.tag == tag)))
            entries << entry;
    }
    std::sort(entries.begin(), entries.end(), NewerFirst);
    return entries;
}

FileResult BackupArchive::Store(const QString &series, const QString &tag, const QByteArray &bytes)
{
    QList<Entry> entries = Entries();
    for (const Entry &entry : entries) {
        if (entry.series != series || entry.tag != tag || !entry.IsVersion())
            continue;
        QByteArray newest;
        if (entry.size == bytes.size() && Read(entry, &newest) && newest == bytes)
            return {}; // the newest version holds these bytes already
        break;
    }
    if (!QDir().mkpath(m_folder))
        return FileResult::Fail(QCoreApplication::translate("BackupArchive", "%1: cannot create the folder").arg(m_folder));
    // Named by the clock alone: what the folder holds (an entry from the future, a link under
    // the next name) must not steer where the bytes go. A taken name is skipped, never reused.
    const QString stamp = Now().toUTC().toString(kStampFormat);
    QString path;
    QString error;
    int err = EEXIST;
    for (int n = 1; err == EEXIST && n <= kMaxSequence; ++n) {
        path = QDir(m_folder).filePath(QStringLiteral("%1~%2~%3-%4.bin").arg(series, tag, stamp).arg(n));
        err = OwnedFolder::CreateNew(path, bytes, true, &error);
    }
    if (err != 0)
        return FileResult::Fail(QStringLiteral("%1: %2").arg(path, error));
    Prune(series, tag, path, std::move(entries));
    return {};
}

void BackupArchive::Prune(const QString &series, const QString &tag, const QString &stored, QList<Entry> entries) const
{
    Entry added;
    if (Parse(QFileInfo(stored), added)) {
        entries << added;
        std::sort(entries.begin(), entries.end(), NewerFirst);
    }
    const QDateTime oldest = Now().toUTC().addDays(-m_keepDays);
    QList<Entry> left; // newest first
    int kept = 0;
    qint64 total = 0;
    for (const Entry &entry : entries) {
        if (!entry.IsVersion())
            continue; // not ours to remove, and no part of the cap: a stray file must not push versions out
        if (entry.series == series && entry.tag == tag) {
            if (kept >= m_keepVersions && entry.time < oldest) {
                QFile::remove(entry.filePath);
                continue;
            }
            ++kept;
        }
        left << entry;
        total += entry.size;
    }
    // Over the cap, the oldest go first; each series keeps its newest version whatever it costs,
    // and the one just stored stays even when an entry dated in the future is newer.
    QSet<QString> seen{series + QLatin1Char('~') + tag};
    QList<const Entry *> removable; // oldest first
    for (const Entry &entry : left) {
        const QString key = SeriesKey(entry);
        if (entry.filePath == stored)
            continue;
        if (seen.contains(key))
            removable.prepend(&entry);
        else
            seen.insert(key);
    }
    for (const Entry *entry : removable) {
        if (total <= m_maxBytes)
            break;
        if (QFile::remove(entry->filePath))
            total -= entry->size;
    }
}
