// The backup archive under the document: what a save keeps, what pruning drops, and a folder
// that refuses. (Restoring a version: tst_restore.)
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "document/BackupArchive.h"
#include "document/DatabaseDocument.h"

#include <QSettings>
#include <QTest>

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
        const QString path = Path("db.bin");
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
        QVERIFY(archive.Entries(Path("other/db.bin")).isEmpty());
    }

    // Versions stored at the given ages (days before the last one, oldest first) under the limits
    // of the settings file: the newest `versions` stay, and every one younger than `days`.
    void pruningKeepsWhicheverIsMore_data()
    {
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<int>>("ages");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("count wins") << 3 << 10 << QList<int>{60, 50, 40, 30, 20, 0} << QList<int>{30, 20, 0};
        QTest::newRow("age wins") << 2 << 10 << QList<int>{40, 9, 5, 3, 1, 0} << QList<int>{9, 5, 3, 1, 0};
    }

    void pruningKeepsWhicheverIsMore()
    {
        QFETCH(int, versions);
        QFETCH(int, days);
        QFETCH(QList<int>, ages);
        TempSettings settings;
        {
            QSettings file(QSettings::UserScope, "Tarnwell", "vanetool");
            file.setValue("Backups/KeepVersions", versions);
            file.setValue("Backups/KeepDays", days);
        }
        QTemporaryDir dir;
        BackupArchive archive(dir.path());
        const QDateTime last = QDateTime::currentDateTimeUtc();
        QDateTime now;
        archive.SetClock([&] { return now; });
        for (int age : ages) {
            now = last.addDays(-age);
            QVERIFY(archive.KeepRead(Image(age + 1), 0x42010203));
        }
        QVERIFY(archive.KeepRead(Image(1), 0x42010203)); // the same bytes again: not stored
        QList<int> left;
        for (const auto &entry : archive.Entries()) {
            QVERIFY(entry.filePath.contains(QLatin1String("meter-42010203~read~")));
            left.prepend(int(entry.time.daysTo(last)));
        }
        QTEST(left, "left");
    }

    // A folder that cannot be made costs the user nothing but one report.
    void unwritableFolderDoesNotStopTheSave()
    {
        const QString path = Path("db.bin");
        QVERIFY(TestFile::Write(path, Image(2)) && TestFile::Write(Path("plain"), "x"));
        BackupArchive archive(Path("plain/backups")); // a file in the way
        QStringList reports;
        archive.SetReporter([&](const QString &why) { reports << why; });
        DatabaseDocument doc;
        doc.SetArchive(&archive);
        QVERIFY(doc.Open(path));
        for (int i = 0; i < 2; ++i) {
            QVERIFY(doc.DeleteSatellite(doc.Satellites().front().slot) && doc.Save());
            QCOMPARE(TestFile::Read(path), doc.Database().ToBytes());
        }
        QVERIFY(reports.size() == 1 && reports.front().contains(QLatin1String("plain/backups")));
    }
};

QTEST_GUILESS_MAIN(TestBackupArchive)
#include "tst_backuparchive.moc"
