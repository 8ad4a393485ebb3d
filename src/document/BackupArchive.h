#pragma once

#include "common/FileResult.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// The user's safety net: the content a save is about to replace, and every image read from a
// meter, kept as plain files in one folder shared by the window and orbivane-cli.
//
// A version is one file named <series>~<tag>~<UTC time>-<n>.bin: a saved file's series is its
// file name, its tag a short hash of its full path (two db.bin in different folders stay apart); a
// read's series is "meter-<identity word>", its tag "read"; n is the first number free for that
// time (names without one, from earlier releases, are read too). A file is only ever made new,
// never through a name that exists. A series never stores the same bytes twice in a row, and
// keeps its newest KeepVersions versions and every version younger than KeepDays days, whichever
// keeps more; then, while the whole archive holds more than MaxMegabytes, its oldest versions go,
// except each series' newest and the one just stored. A file named like a version that is a link, a special file or far
// larger than a database is listed as not a version, never read and never removed. A folder
// that cannot be written never stops the caller: the failure is returned, and the front ends
// tell it once.
class BackupArchive
{
public:
    enum class Source { SavedOver, ReadFromMeter };
    struct Entry {
        QString filePath; // the version's file in the archive
        QString series;   // the saved file's name, or "meter-<word>"
        QString tag;      // path hash, or "read"
        QDateTime time;   // when it was stored, UTC
        Source source = Source::SavedOver;
        int sequence = 0;     // orders versions stored in the same millisecond
        qint64 size = 0;      // bytes
        QString notAVersion;  // why the file is never read (e.g. "a symbolic link"); empty for a version
        bool IsVersion() const { return notAVersion.isEmpty(); }
    };
    static constexpr int DEFAULT_KEEP_VERSIONS = 50;
    static constexpr int DEFAULT_KEEP_DAYS = 30;
    static constexpr int DEFAULT_MAX_MEGABYTES = 200; // some 850 database versions
    static constexpr qint64 MAX_KEPT_BYTES = qint64(16) << 20;
    // Whether a file of that many bytes is copied into the archive: a larger one is told, not kept.
    static constexpr bool Keeps(qint64 bytes) { return bytes <= MAX_KEPT_BYTES; }

    // folder empty: DefaultFolder(). Limits come from the settings file.
    explicit BackupArchive(const QString &folder = QString());

    // <data folder>/Tarnwell/vanetool/backups: the same for both front ends, whatever their
    // application names.
    static QString DefaultFolder();
    QString Folder() const { return m_folder; }

    void SetLimits(int keepVersions, int keepDays);
    void SetMaxBytes(qint64 maxBytes) { m_maxBytes = maxBytes; }
    // Tests set the clock; the archive reads it for names and ages.
    void SetClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // What a file holds before a save replaces it, read once for the save's compare and the
    // archive. Of a file far larger than a database only enough to tell it from any database.
    struct Current {
        bool present = false;  // a regular file is there
        bool readable = false; // it could be opened; bytes holds its content
        QByteArray bytes;
        FileResult keepable;   // why it cannot be kept, when it cannot
    };
    static Current ReadCurrent(const QString &filePath);
    // Keeps what filePath holds now, before next replaces it. Nothing is kept for a missing file,
    // nor when next or the series' newest version already holds those bytes.
    FileResult KeepBeforeSave(const QString &filePath, const QByteArray &next);
    // The same with what ReadCurrent found there.
    FileResult KeepBeforeSave(const QString &filePath, const Current &current, const QByteArray &next);
    // Keeps an image read from the meter that sent identityWord.
    FileResult KeepRead(const QByteArray &image, uint32_t identityWord);

    // Every version, newest first; with filePath, only that file's. Files named like a version
    // that are none are listed too (see Entry::notAVersion).
    QList<Entry> Entries(const QString &filePath = QString()) const;
    // A version's bytes; false (with the reason) for what is not a version or cannot be read.
    static bool Read(const Entry &entry, QByteArray *bytes, QString *error = nullptr);
    // One line on a kept version's bytes: "12 satellites, 240 transponders" for a database, with
    // ", fails the structure check" when its chains or counts are broken (the first problems then
    // go to *problems).
    static QString Describe(const QByteArray &image, QStringList *problems = nullptr);
    // The same for an entry, read only when it is a version of a database's size.
    static QString Describe(const Entry &entry, QStringList *problems = nullptr);
    // The name a list shows for an entry: the file's name, or "meter <identity word>".
    static QString DisplayName(const Entry &entry);
    static QString SeriesOf(const QString &filePath);
    static QString TagOf(const QString &filePath);

private:
    FileResult Store(const QString &series, const QString &tag, const QByteArray &bytes);
    // entries: the whole folder as Entries() listed it before stored was added.
    void Prune(const QString &series, const QString &tag, const QString &stored, QList<Entry> entries) const;
    QDateTime Now() const { return m_now ? m_now() : QDateTime::currentDateTimeUtc(); }

    QString m_folder;
    int m_keepVersions = DEFAULT_KEEP_VERSIONS;
    int m_keepDays = DEFAULT_KEEP_DAYS;
    qint64 m_maxBytes = qint64(DEFAULT_MAX_MEGABYTES) << 20;
    std::function<QDateTime()> m_now;
};
