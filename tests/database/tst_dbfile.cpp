// Loading and saving database files: exact round trips, refused files that leave the database
// as it was, and saves that never leave a truncated file behind.
#include "DbTestUtil.h"
#include "RecordingPrompts.h"
#include "SampleDatabase.h"

#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDbFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void loadThenSaveReproducesEveryByte()
    {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            const QByteArray bytes = seed == 4 ? SampleDatabase::Make({seed, 20, 40, 2000})
                                               : RandomBytes(ParamDatabase::IMAGE_SIZE, seed);
            const QString in = m_dir.filePath(QStringLiteral("in%1.bin").arg(seed));
            const QString out = m_dir.filePath(QStringLiteral("out%1.bin").arg(seed));
            QVERIFY(WriteFile(in, bytes));
            RecordingPrompts prompts;
            ParamDatabase db(prompts);
            QVERIFY(db.Load(in));
            QVERIFY(db.IsLoaded());
            QCOMPARE(db.Path(), in);
            QCOMPARE(db.ToBytes(), bytes);
            QVERIFY(db.SaveAs(out));
            QCOMPARE(ReadFile(out), bytes);
            // Save goes back to the file that was loaded.
            QVERIFY(WriteFile(in, QByteArray("overwritten")));
            QVERIFY(db.Save());
            QCOMPARE(ReadFile(in), bytes);
            QCOMPARE(prompts.MessageCount(), 0);
        }
    }

    void wrongSizesAreRefusedAndKeepTheDatabase_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("one short") << ParamDatabase::IMAGE_SIZE - 1;
        QTest::newRow("one long") << ParamDatabase::IMAGE_SIZE + 1;
        QTest::newRow("empty") << 0;
    }

    void wrongSizesAreRefusedAndKeepTheDatabase()
    {
        QFETCH(int, size);
        const QString good = m_dir.filePath(QStringLiteral("good.bin"));
        const QString bad = m_dir.filePath(QStringLiteral("bad.bin"));
        const QByteArray goodBytes = SampleDatabase::Make({});
        QVERIFY(WriteFile(good, goodBytes));
        QVERIFY(WriteFile(bad, RandomBytes(size, 9)));

        RecordingPrompts prompts;
        ParamDatabase db(prompts);
        QVERIFY(db.Load(good));
        QVERIFY(!db.Load(bad));
        QCOMPARE(prompts.MessageTexts(), QStringList{QStringLiteral("Database does not match!")});
        QCOMPARE(prompts.Messages().front().caption, QString::fromLatin1(kAppTitle));
        // The refused file took nothing: same image, same path, and a later Save cannot write
        // the previous database over the refused file.
        QCOMPARE(db.ToBytes(), goodBytes);
        QCOMPARE(db.Path(), good);
        QVERIFY(db.IsLoaded());
        QVERIFY(db.Save());
        QCOMPARE(ReadFile(bad).size(), size);
    }

    void missingFileReportsTheSystemReason()
    {
        RecordingPrompts prompts;
        ParamDatabase db(prompts);
        const QString missing = m_dir.filePath(QStringLiteral("missing.bin"));
        QVERIFY(!db.Load(missing));
        QVERIFY(!db.IsLoaded());
        QVERIFY(db.Path().isEmpty());
        QCOMPARE(prompts.MessageCount(), 1);
        const QString text = prompts.MessageTexts().front();
        QVERIFY2(text.contains(QStringLiteral("missing.bin")) && text.contains(QStringLiteral("No such file")),
                 qPrintable(text));
        // A never-loaded database has nowhere to save to.
        prompts.Clear();
        QVERIFY(!db.Save());
        QCOMPARE(prompts.MessageCount(), 1);
    }

    void onlyRegularFilesAreOpened()
    {
        // A pipe would block the open until someone writes to it.
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.bin"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString &path : {m_dir.path(), fifo, QStringLiteral("/dev/zero")}) {
            RecordingPrompts prompts;
            ParamDatabase db(prompts);
            QVERIFY(!db.Load(path));
            QCOMPARE(prompts.MessageCount(), 1);
            QVERIFY(!db.IsLoaded());
        }
    }

    void saveIntoMissingFolderFails()
    {
        RecordingPrompts prompts;
        ParamDatabase db(prompts);
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/db.bin"));
        QVERIFY(!db.SaveAs(path));
        QCOMPARE(prompts.MessageCount(), 1);
        QVERIFY(prompts.MessageTexts().front().contains(QStringLiteral("db.bin")));
        QVERIFY(!QFile::exists(path));
    }

    void failedWriteLeavesTheOldFileWhole()
    {
        // A file size limit makes the write fail half-way, as a full disk would.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("target.bin"));
        const QByteArray old("the previous good file");
        QVERIFY(WriteFile(path, old));

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
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("target.bin")});
    }

    void clearTablesKeepsHeadersAndOpaqueBlocks()
    {
        ParamDatabase db;
        const QByteArray bytes = RandomBytes(ParamDatabase::IMAGE_SIZE, 3);
        QVERIFY(db.FromBytes(bytes));
        db.ClearTables();
        const QByteArray after = db.ToBytes();
        using namespace DbLayout;
        QCOMPARE(after.left(SATELLITE_TABLE_OFFSET), bytes.left(SATELLITE_TABLE_OFFSET));
        QCOMPARE(after.mid(TRANSPONDER_HEADER_OFFSET, 4), bytes.mid(TRANSPONDER_HEADER_OFFSET, 4));
        QCOMPARE(after.mid(CHANNEL_HEADER_OFFSET, 40), bytes.mid(CHANNEL_HEADER_OFFSET, 40));
        QCOMPARE(after.mid(SATELLITE_TABLE_OFFSET, 2560), QByteArray(2560, '\0'));
        QCOMPARE(after.mid(TRANSPONDER_TABLE_OFFSET, 30000), QByteArray(30000, '\0'));
        QCOMPARE(after.mid(CHANNEL_TABLE_OFFSET), QByteArray(208000, '\0'));
        QVERIFY(!db.FromBytes(bytes.left(100)));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDbFile)
#include "tst_dbfile.moc"
