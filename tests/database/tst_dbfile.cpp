// Loading and saving database files: exact round trips, refused files that leave the database
// as it was, and saves that never leave a truncated file behind.
#include "DbTestUtil.h"
#include "RecordingPrompts.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include <QDir>
#include <QTemporaryDir>

#include <random>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray RandomBytes(int size, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray b(size, '\0');
    for (char &c : b)
        c = char(rng());
    return b;
}

} // namespace

class TestDbFile : public QObject
{
    Q_OBJECT

private slots:
    void loadThenSaveReproducesEveryByte()
    {
        for (unsigned seed = 1; seed <= 2; ++seed) {
            const QByteArray bytes = seed == 2 ? SampleDatabase::Make({seed, 20, 40, 2000})
                                               : RandomBytes(ParamDatabase::IMAGE_SIZE, seed);
            const QString in = m_dir.filePath(QStringLiteral("in.bin"));
            const QString out = m_dir.filePath(QStringLiteral("out.bin"));
            QVERIFY(TestFile::Write(in, bytes));
            RecordingPrompts prompts;
            ParamDatabase db(prompts);
            QVERIFY(db.Load(in));
            QCOMPARE(db.Path(), in);
            QCOMPARE(db.ToBytes(), bytes);
            QVERIFY(db.SaveAs(out));
            QCOMPARE(TestFile::Read(out), bytes);
            // Save goes back to the file that was loaded.
            QVERIFY(TestFile::Write(in, QByteArray("overwritten")));
            QVERIFY(db.Save());
            QCOMPARE(TestFile::Read(in), bytes);
            QCOMPARE(prompts.MessageCount(), 0);
        }
    }

    // A refused file takes nothing: same image, same path, and a later Save cannot write the
    // previous database over the refused file.
    void refusedFilesKeepTheDatabase_data()
    {
        QTest::addColumn<int>("size"); // -1: not a regular file
        QTest::addColumn<QString>("path");
        QTest::newRow("one short") << ParamDatabase::IMAGE_SIZE - 1 << QString();
        QTest::newRow("one long") << ParamDatabase::IMAGE_SIZE + 1 << QString();
        QTest::newRow("empty") << 0 << QString();
        // A pipe would block the open until someone writes to it.
        QTest::newRow("pipe") << -1 << QStringLiteral("pipe");
        QTest::newRow("folder") << -1 << QStringLiteral(".");
        QTest::newRow("/dev/zero") << -1 << QStringLiteral("/dev/zero");
    }

    void refusedFilesKeepTheDatabase()
    {
        QFETCH(int, size);
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.bin"));
        const QByteArray goodBytes = SampleDatabase::Make({});
        QVERIFY(TestFile::Write(good, goodBytes));
        const QString bad = path.isEmpty() ? dir.filePath(QStringLiteral("bad.bin")) : QDir(dir.path()).filePath(path);
        if (size >= 0)
            QVERIFY(TestFile::Write(bad, RandomBytes(size, 9)));
        if (path == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);

        RecordingPrompts prompts;
        ParamDatabase db(prompts);
        QVERIFY(db.Load(good));
        QVERIFY(!db.Load(bad));
        QCOMPARE(prompts.MessageCount(), 1);
        QCOMPARE(prompts.Messages().front().caption, QString::fromLatin1(kAppTitle));
        if (size >= 0)
            QCOMPARE(prompts.MessageTexts(), QStringList{QStringLiteral("Database does not match!")});
        QCOMPARE(db.ToBytes(), goodBytes);
        QCOMPARE(db.Path(), good);
        QVERIFY(db.Save());
        if (size >= 0)
            QCOMPARE(TestFile::Read(bad).size(), size);
    }

    void missingFilesAndFoldersAreReportedWithTheirName()
    {
        RecordingPrompts prompts;
        ParamDatabase db(prompts);
        QVERIFY(!db.Load(m_dir.filePath(QStringLiteral("missing.bin"))));
        QVERIFY(!db.IsLoaded());
        QVERIFY(db.Path().isEmpty());
        QVERIFY(!db.Save()); // a never-loaded database has nowhere to save to
        const QString folder = m_dir.filePath(QStringLiteral("no/such/folder/db.bin"));
        QVERIFY(!db.SaveAs(folder));
        QVERIFY(!QFile::exists(folder));
        const QStringList texts = prompts.MessageTexts();
        QCOMPARE(texts.size(), 3);
        QVERIFY2(texts[0].contains(QStringLiteral("missing.bin")) && texts[0].contains(QStringLiteral("No such file")),
                 qPrintable(texts[0]));
        QVERIFY2(texts[2].contains(QStringLiteral("db.bin")), qPrintable(texts[2]));
    }

    void failedWriteLeavesTheOldFileWhole()
    {
        // A file size limit makes the write fail half-way, as a full disk would.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("target.bin"));
        const QByteArray old("the previous good file");
        QVERIFY(TestFile::Write(path, old));
        RecordingPrompts prompts;
        ParamDatabase db(prompts);
        SampleDatabase::Fill(db, {});
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 100000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved1 = db.SaveAs(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved1);
        QCOMPARE(prompts.MessageCount(), 1);
        QVERIFY2(prompts.MessageTexts().front().contains(QStringLiteral("large"), Qt::CaseInsensitive),
                 qPrintable(prompts.MessageTexts().front()));
        QCOMPARE(TestFile::Read(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("target.bin")});
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDbFile)
#include "tst_dbfile.moc"
