// The backup archive under the document: what a save keeps, what pruning drops, and a folder
// that refuses. (Restoring a version: tst_restore.)
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "document/BackupArchive.h"
#include "document/DatabaseDocument.h"

#include <QSettings>
#include <QTest>

#include <cstring>

class TestBackupArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    static QByteArray Image(int seed) { return SampleDatabase::Make({uint32_t(seed), 5, 20, 100}); }

private slots:
    // Each save keeps what the file held, once: not for a save of the same bytes, nor when the
    // series' newest version holds them already.
    void saveKeepsThePreviousFile()
    {
        const QString path = Path("my~db.bin"); // a '~' of the name's own
        QVERIFY(TestFile::Write(path, Image(1)));
        BackupArchive archive(Path("a"));
        DatabaseDocument doc;
        doc.SetArchive(&archive);
        QVERIFY(doc.Open(path) && doc.Save()); // unchanged
        QCOMPARE(archive.Entries().size(), 0);
        SatelliteValue sat = doc.Satellites().front();
        sat.name = QStringLiteral("Edited");
        QVERIFY(doc.EditSatellite(sat) && doc.Save());
        const QByteArray edited = TestFile::Read(path);
        QVERIFY(TestFile::Write(path, Image(1)) && doc.Save(true)); // put back behind our back: the newest version
        QVERIFY(doc.DeleteSatellite(sat.slot) && doc.Save());
        const auto kept = archive.Entries(path);
        QVERIFY(kept.size() == 2 && kept.at(0).source == BackupArchive::Source::SavedOver);
        QCOMPARE(TestFile::Read(kept.at(0).filePath), edited);
        QCOMPARE(TestFile::Read(kept.at(1).filePath), Image(1));
        QVERIFY(archive.Entries(Path("other/my~db.bin")).isEmpty());
    }

    // Versions stored at the given ages (days before the last one, oldest first; two at one age
    // share a millisecond) under the settings file's limits: the newest `versions` stay, and every
    // one no older than `days`. Other series are never pruned for this one.
    void pruningKeepsWhicheverIsMore_data()
    {
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<int>>("ages");
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("megabytes"); // the cap on the whole archive; a version is 236 KiB
        QTest::newRow("count wins") << 3 << 10 << QList<int>{60, 50, 40, 30, 20, 0} << QList<int>{30, 20, 0} << 200;
        QTest::newRow("age wins, to the day") << 2 << 10 << QList<int>{40, 11, 10, 5, 1, 0} << QList<int>{10, 5, 1, 0} << 200;
        QTest::newRow("size cap wins") << 9 << 99 << QList<int>{6, 5, 4, 3, 2, 1, 0} << QList<int>{3, 2, 1, 0} << 1;
        QTest::newRow("same millisecond") << 2 << 1 << QList<int>{9, 0, 0} << QList<int>{0, 0} << 200;
    }

    void pruningKeepsWhicheverIsMore()
    {
        QFETCH(int, versions);
        QFETCH(int, days);
        QFETCH(QList<int>, ages);
        QFETCH(int, megabytes);
        TempSettings settings;
        {
            QSettings file(QSettings::UserScope, "Tarnwell", "vanetool");
            file.setValue("Backups/KeepVersions", versions);
            file.setValue("Backups/KeepDays", days);
            file.setValue("Backups/MaxMegabytes", megabytes);
        }
        QTemporaryDir dir;
        // Old versions of other series (same series, other tag; other series, same tag), and a
        // 17 MB stray file, which is no version: it neither counts toward the cap nor goes.
        const QStringList others{"meter-42010203~other~20250101-000000-000-1.bin", "meter-0BAD0000~read~20250101-000000-000.bin"};
        for (const QString &name : others)
            QVERIFY(TestFile::Write(dir.filePath(name), "x"));
        QFile stray(dir.filePath("x.bin~0~20250101-000000-000-1.bin"));
        QVERIFY(stray.open(QIODevice::WriteOnly) && stray.resize(BackupArchive::MAX_KEPT_BYTES + 1));
        BackupArchive archive(dir.path());
        const QDateTime last = QDateTime::currentDateTimeUtc();
        QDateTime now;
        archive.SetClock([&] { return now; });
        for (int i = 0; i < ages.size(); ++i) {
            now = last.addDays(-ages[i]);
            QVERIFY(archive.KeepRead(Image(i + 10), 0x42010203));
        }
        QVERIFY(archive.KeepRead(Image(int(ages.size()) + 9), 0x42010203)); // the same bytes again: not stored
        QList<int> left;
        QByteArray newest;
        for (const auto &entry : archive.Entries()) {
            if (entry.series != "meter-42010203" || entry.tag != "read")
                continue;
            left.prepend(int(entry.time.daysTo(last)));
            QVERIFY(left.size() > 1 || BackupArchive::Read(entry, &newest));
        }
        QTEST(left, "left");
        QVERIFY(newest == Image(int(ages.size()) + 9)); // the later of one millisecond listed first
        for (const QString &name : others)
            QVERIFY2(QFileInfo::exists(dir.filePath(name)), qPrintable(name));
        QVERIFY(stray.exists());
    }

    // Things others left under version names (%1: the clock's stamp now). The next version lands
    // in the folder, named by the clock; a stray file is listed as what it is, never followed nor read.
    void strayFilesInTheFolder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("listed"); // how the stray file is described
        const QString next = "meter-42010203~read~%1";
        const QString future = "meter-42010203~read~20991231-235959-999.bin";
        QTest::newRow("links under the next names") << QStringList{next + ".bin", next + "-1.bin"} << "link" << "not a version (a symbolic link)";
        QTest::newRow("entry from the future") << QStringList{future} << "byte" << "not a database (1 bytes)";
        QTest::newRow("huge sparse file") << QStringList{future} << "huge" << "not a version (16 MB, far";
        QTest::newRow("an earlier release's name") << QStringList{next + ".bin"} << "same" << "5 satellites, 69 transponders";
    }

    void strayFilesInTheFolder()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString outside = Path(QTest::currentDataTag());
        QDateTime now = QDateTime::currentDateTimeUtc();
        for (const QString &name : names) {
            const QString path = dir.filePath(QString(name).replace("%1", now.toString("yyyyMMdd-HHmmss-zzz")));
            QFile file(path);
            if (kind == "link")
                QVERIFY(QFile::link(outside, path));
            else if (kind == "huge")
                QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(BackupArchive::MAX_KEPT_BYTES + 1));
            else
                QVERIFY(TestFile::Write(path, kind == "byte" ? "x" : Image(1)));
        }
        BackupArchive archive(dir.path());
        archive.SetClock([&] { return now; });
        QVERIFY(archive.KeepRead(Image(1), 0x42010203));
        QVERIFY(!QFileInfo::exists(outside));
        QStringList described;
        QList<QDateTime> copies;
        for (const auto &entry : archive.Entries()) {
            QByteArray bytes;
            if (BackupArchive::Read(entry, &bytes) && bytes == Image(1))
                copies << entry.time;
            described << BackupArchive::Describe(entry);
        }
        QCOMPARE(copies, QList<QDateTime>{now});
        QFETCH(QString, listed);
        QVERIFY2(described.filter(listed).size() == names.size(), qPrintable(described.join('|')));
    }

    // A write the file system refuses part way (here: past the file size limit; a full disk
    // likewise) is told by its cause, and leaves no partial version behind.
    void refusedWriteIsNamed()
    {
        QTemporaryDir dir;
        BackupArchive archive(dir.path());
        const FileResult kept = [&] { FileSizeLimit limit(4096); return archive.KeepRead(Image(1), 1); }();
        QVERIFY2(!kept && kept.error.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(kept.error));
        QVERIFY(archive.Entries().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackupArchive)
#include "tst_backuparchive.moc"
