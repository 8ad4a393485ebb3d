// The backup archive under the document: what a save keeps, what pruning drops, a folder that
// refuses, and a backup put back as one undoable step.
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "document/BackupArchive.h"
#include "document/DatabaseDocument.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestBackupArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    QString m_path;

    static QByteArray Image(int seed) { return SampleDatabase::Make({uint32_t(seed), 5, 20, 100}); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QVERIFY(BackupArchive::DefaultFolder().startsWith(m_data.path()));
    }

    void init() { m_path = m_data.filePath(QStringLiteral("db.bin")); }

    // Each save keeps what the file held, once: not for a save of the same bytes, nor when the
    // newest version holds them already. The kept versions go back into the document as one step.
    void saveKeepsThePreviousFile()
    {
        QVERIFY(TestFile::Write(m_path, Image(1)));
        BackupArchive archive(m_data.filePath(QStringLiteral("a")));
        DatabaseDocument doc;
        doc.SetArchive(&archive);
        QVERIFY(doc.Open(m_path));
        QVERIFY(doc.Save()); // unchanged
        QCOMPARE(archive.Entries().size(), 0);
        SatelliteValue sat = doc.Satellites().front();
        sat.name = QStringLiteral("Edited");
        QVERIFY(doc.EditSatellite(sat) && doc.Save());
        const QByteArray edited = TestFile::Read(m_path);
        QVERIFY(TestFile::Write(m_path, Image(1))); // the file is put back behind our back ...
        QVERIFY(doc.Save());                         // ... so it equals the newest version
        QVERIFY(doc.DeleteSatellite(sat.slot) && doc.Save());
        const auto kept = archive.Entries(m_path);
        QCOMPARE(kept.size(), 2);
        QCOMPARE(TestFile::Read(kept.at(0).filePath), edited);
        QCOMPARE(TestFile::Read(kept.at(1).filePath), Image(1));
        QVERIFY(kept.at(0).source == BackupArchive::Source::SavedOver);
        QVERIFY(archive.Entries(m_data.filePath(QStringLiteral("other/db.bin"))).isEmpty());

        const QByteArray saved = TestFile::Read(m_path);
        QVERIFY(doc.ReplaceImage(QStringLiteral("Restore backup"), TestFile::Read(kept.at(1).filePath)));
        QVERIFY(doc.IsModified() && doc.UndoName() == QStringLiteral("Restore backup"));
        QCOMPARE(TestFile::Read(m_path), saved); // nothing written before a save
        QVERIFY(doc.Undo() && doc.Database().ToBytes() == saved && doc.Redo() && doc.Save());
        QCOMPARE(TestFile::Read(m_path), Image(1));
        QVERIFY(!doc.ReplaceImage(QStringLiteral("Restore backup"), Image(1).chopped(1)));
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
            QSettings file(QSettings::UserScope, QStringLiteral("Tarnwell"), QStringLiteral("vanetool"));
            file.setValue(QStringLiteral("Backups/KeepVersions"), versions);
            file.setValue(QStringLiteral("Backups/KeepDays"), days);
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
        const auto entries = archive.Entries();
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            QVERIFY(it->filePath.contains(QLatin1String("meter-42010203~read~")));
            left << int(it->time.daysTo(last));
        }
        QTEST(left, "left");
    }

    // A folder that cannot be made costs the user nothing but one report.
    void unwritableFolderDoesNotStopTheSave()
    {
        QVERIFY(TestFile::Write(m_path, Image(2)));
        QVERIFY(TestFile::Write(m_data.filePath(QStringLiteral("plain")), "x"));
        BackupArchive archive(m_data.filePath(QStringLiteral("plain/backups"))); // a file in the way
        QStringList reports;
        archive.SetReporter([&](const QString &why) { reports << why; });
        DatabaseDocument doc;
        doc.SetArchive(&archive);
        QVERIFY(doc.Open(m_path));
        for (int i = 0; i < 2; ++i) {
            QVERIFY(doc.DeleteSatellite(doc.Satellites().front().slot));
            QVERIFY(doc.Save());
            QCOMPARE(TestFile::Read(m_path), doc.Database().ToBytes());
        }
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.front().contains(QLatin1String("plain/backups")));
    }
};

QTEST_GUILESS_MAIN(TestBackupArchive)
#include "tst_backuparchive.moc"
