// Loading and saving database files: refused files that leave the database as it was, and saves
// that never leave a truncated file behind. Exact round trips are the document tests' concern.
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "database/ParamDatabase.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestDbFile : public QObject
{
    Q_OBJECT

private slots:
    // A refused file takes nothing: same image, same path; a later Save cannot write over the refused file.
    void refusedFilesKeepTheDatabase_data()
    {
        QTest::addColumn<int>("size"); // -1: not a regular file, or none
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        const QString wrongSize = QStringLiteral("Database does not match!");
        QTest::newRow("one short") << ParamDatabase::IMAGE_SIZE - 1 << "bad.bin" << wrongSize;
        QTest::newRow("one long") << ParamDatabase::IMAGE_SIZE + 1 << "bad.bin" << wrongSize;
        // A pipe would block the open until someone writes to it.
        QTest::newRow("pipe") << -1 << "pipe" << "Not a regular file";
        QTest::newRow("folder") << -1 << "." << "Is a directory";
        QTest::newRow("missing") << -1 << "missing.bin" << "missing.bin\nNo such file";
    }

    void refusedFilesKeepTheDatabase()
    {
        QFETCH(int, size);
        QFETCH(QString, path);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.bin")), bad = QDir(dir.path()).filePath(path);
        const QByteArray goodBytes = SampleDatabase::Make({});
        QVERIFY(TestFile::Write(good, goodBytes));
        if (size >= 0)
            QVERIFY(TestFile::Write(bad, QByteArray(size, '\x5A')));
        if (path == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);

        ParamDatabase db;
        QVERIFY(db.Load(good));
        const FileResult refused = db.Load(bad);
        QVERIFY2(!refused && refused.error.contains(text), qPrintable(refused.error));
        QCOMPARE(db.ToBytes(), goodBytes);
        QCOMPARE(db.Path(), good);
        QVERIFY(db.Save());
        if (size >= 0)
            QCOMPARE(TestFile::Read(bad).size(), size);
    }

    // A write failing half-way (file size limit, as a full disk), at the start (no folder) or at
    // the final rename (an append-only file may be written, not replaced): the old file stays
    // whole, nothing else is left.
    void failedSaveLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text"); // after the file's path
        QTest::newRow("file too large") << "target.bin" << "File too large";
        QTest::newRow("no such folder") << "no/such/folder/db.bin" << "No such file or directory";
        QTest::newRow("rename refused") << "target.bin" << "Operation not permitted";
    }

    void failedSaveLeavesTheOldFileWhole()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target.bin"));
        const QByteArray old("the previous good file");
        QVERIFY(TestFile::Write(target, old));
        ParamDatabase db;
        SampleDatabase::Fill(db, {});
        const bool appendOnly = text == QLatin1String("Operation not permitted");
        if (appendOnly && QProcess::execute("chattr", {"+a", target}) != 0)
            QSKIP("only root marks a file append-only, with chattr, on a file system that keeps the mark");
        const auto unmark = qScopeGuard([&] { if (appendOnly) QProcess::execute("chattr", {"-a", target}); });
        const FileResult written = [&] { FileSizeLimit limit(appendOnly ? RLIM_INFINITY : 100000); return db.SaveAs(dir.filePath(path)); }();
        QCOMPARE(written.error, dir.filePath(path) + '\n' + text);
        QCOMPARE(TestFile::Read(target), old);
        QCOMPARE(QFileInfo::exists(dir.filePath(path)), path == "target.bin");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("target.bin")});
    }
};

QTEST_GUILESS_MAIN(TestDbFile)
#include "tst_dbfile.moc"
