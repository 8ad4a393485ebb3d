// The read transfer against the emulated meter: image, progress, odd frames, faults, files.
#include "PtyPair.h"
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <QtTest>

namespace {

const QByteArray kOld("the file that was there before");
const QString kCannotWrite = QStringLiteral("Can not write the specified file!\n");

} // namespace

class TestReadParams : public QObject
{
    Q_OBJECT
private slots:
    void imageArrivesWhole_data()
    {
        QTest::addColumn<int>("chunkSize");
        QTest::addColumn<int>("garbledStep");
        QTest::newRow("16 KiB chunks") << 16384 << -1;
        QTest::newRow("7000-byte chunks") << 7000 << -1;
        // A header announcing more than a frame may carry is refused; the repeat arrives whole.
        QTest::newRow("garbled header outlived") << 16384 << 2;
    }

    void imageArrivesWhole()
    {
        QFETCH(int, chunkSize);
        QFETCH(int, garbledStep);
        MeterDevice::Transfer t = WithFault(garbledStep < 0 ? Fault::None : Fault::Garbled, garbledStep);
        t.chunkSize = chunkSize;
        MeterDevice meter({}, t);
        const QString file = m_dir.filePath("full.bin");
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_READ_PARAMS, file, 20000));
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(run.host.Success());
        QCOMPARE(run.prompts.MessageCount(), 0);
        QVERIFY(TestFile::Read(file) == Bytes(MeterDevice::DefaultImage()));
        if (chunkSize != 16384 || garbledStep >= 0)
            return;
        QCOMPARE(run.host.Kind(), int(TK_READ_PARAMS));
        QStringList expected{"transfer progress 0%"};
        for (int p : {6, 13, 20, 27, 33, 40, 47, 54, 61, 67, 74, 81, 88, 95, 100, 100})
            expected << QStringLiteral("transfer progress %1%").arg(p);
        QCOMPARE(run.host.Texts(), expected);
        QCOMPARE(run.host.Progress().back(), 100);
        // FT_IDENT_ACK, FT_READ (241248) and FT_READY, then one FT_READY per chunk, no FT_END.
        const auto types = meter.ReceivedTypes();
        QCOMPARE(types.size(), size_t(3 + 15));
        QCOMPARE(types[0], uint16_t(FT_IDENT_ACK));
        QCOMPARE(types[1], uint16_t(FT_READ));
        QCOMPARE(meter.StartLength(), kImageSize);
        QCOMPARE(Count(types, FT_READY), 16);
        QCOMPARE(meter.EndCount(), 0);
    }

    void dataBeforeIdentIsKept()
    {
        PtyPair pty;
        QVERIFY(pty.IsValid());
        const QString file = m_dir.filePath("early.bin");
        WorkerRun run;
        QVERIFY(run.Start(TK_READ_PARAMS, file, pty.SlavePath()));
        QCOMPARE(pty.Receive(4, 2000).toHex(), QByteArray("000e0000"));
        QVERIFY(pty.Send(QByteArray::fromHex("00030003AABBCC")));
        QCOMPARE(pty.Receive(4, 2000).toHex(), QByteArray("00020000"));
        QVERIFY(pty.Send(QByteArray::fromHex("0000000442010203")));
        QCOMPARE(pty.Receive(16, 2000).toHex(), QByteArray("00010000000b00040003ae6000020000"));
        QVERIFY(pty.Send(QByteArray::fromHex("00030002DDEE00040000")));
        QVERIFY(run.WaitEnded());
        QVERIFY(run.host.Success());
        const QByteArray image = TestFile::Read(file);
        QCOMPARE(image.size(), qsizetype(kImageSize));
        QCOMPARE(image.left(6).toHex(), QByteArray("aabbccddee00"));
        QCOMPARE(image.count('\0'), qsizetype(kImageSize - 5));
    }

    void earlyEndWritesZeroPaddedImage_data()
    {
        QTest::addColumn<int>("chunks");
        QTest::newRow("before any data") << 0;
        QTest::newRow("after 3 chunks") << 3;
    }

    void earlyEndWritesZeroPaddedImage()
    {
        QFETCH(int, chunks);
        MeterDevice meter({}, WithFault(Fault::EarlyEnd, chunks));
        const QString file = m_dir.filePath("partial.bin");
        QVERIFY(TestFile::Write(file, kOld));
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_READ_PARAMS, file));
        QVERIFY(run.host.Success());
        QByteArray expected = Bytes(MeterDevice::DefaultImage()).left(chunks * 16384);
        expected.append(QByteArray(kImageSize - expected.size(), '\0'));
        QVERIFY(TestFile::Read(file) == expected);
        QCOMPARE(run.host.Texts().back(), QStringLiteral("transfer progress 100%"));
    }

    void faultsEndWithoutTouchingTheFile_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("second FT_IDENT") << int(Fault::SecondIdent) << 0 << QStringList{Code(1)};
        QTest::newRow("type 5") << int(Fault::UnexpectedType) << 5 << QStringList{Code(2)};
        QTest::newRow("type 7") << int(Fault::UnexpectedType) << 7 << QStringList{"Unknown frame 7!", Code(2)};
        QTest::newRow("FT_READY") << int(Fault::UnexpectedType) << 2 << QStringList{Code(2)};
        // More data than the image holds is not our database: refused, nothing written.
        QTest::newRow("too much data") << -1 << 0 << QStringList{Code(2)};
        // One device error box, no endless retries.
        QTest::newRow("hang-up") << int(Fault::HangUp) << 0 << QStringList();
    }

    void faultsEndWithoutTouchingTheFile()
    {
        QFETCH(int, fault);
        QFETCH(int, type);
        QFETCH(QStringList, messages);
        MeterDevice::Transfer t = WithFault(fault < 0 ? Fault::None : Fault(fault), 4, uint16_t(type));
        if (fault < 0) {
            t.image = MeterDevice::DefaultImage();
            t.image.resize(kImageSize + 1, 0x5A);
        }
        MeterDevice meter({}, t);
        QTemporaryDir dir;
        const QString file = dir.filePath("kept.bin");
        QVERIFY(TestFile::Write(file, kOld));
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_READ_PARAMS, file));
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(!run.host.Success());
        if (fault == int(Fault::HangUp))
            QVERIFY(EndedOnDeviceError(run) && run.prompts.MessageCount() == 1);
        else
            QCOMPARE(run.prompts.MessageTexts(), messages);
        QCOMPARE(TestFile::Read(file), kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.bin"});
        QCOMPARE(meter.EndCount(), 0);
    }

    void silenceKeepsTryingUntilStopped_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("step");
        QTest::newRow("no first chunk") << int(Fault::Silence) << 0;
        QTest::newRow("half a chunk") << int(Fault::ShortFrame) << 1;
    }

    void silenceKeepsTryingUntilStopped()
    {
        QFETCH(int, fault);
        QFETCH(int, step);
        MeterDevice meter({}, WithFault(Fault(fault), step));
        QVERIFY(meter.Start());
        const QString file = m_dir.filePath("silent.bin");
        WorkerRun run;
        QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
        QVERIFY(WaitUntil([&] { return Count(meter.ReceivedTypes(), FT_READY) == step + 1; }));
        // Several receive rounds go by without an answer; the worker is still there.
        QVERIFY(!run.WaitEnded(1500));
        QCOMPARE(run.host.Texts().size(), step + 1);
        run.Stop();
        QVERIFY(run.WaitEnded(2000));
        QCOMPARE(run.host.DoneCount(), 0);
        QCOMPARE(run.prompts.MessageCount(), 0);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("silent"), QStringList());
    }

    // A target that cannot be written is told with the system's reason, is no success, and
    // leaves no file (nor temporary file) behind.
    void unwritableTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason"); // empty: any non-empty reason
        QTest::newRow("missing folder, told before any frame") << "no/such/folder/db.bin" << QString();
        QTest::newRow("a folder is in the way") << "taken" << QString::fromLocal8Bit(std::strerror(EISDIR));
    }

    void unwritableTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("taken"));
        MeterDevice meter;
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_READ_PARAMS, dir.filePath(target)));
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(!run.host.Success());
        const QStringList texts = run.prompts.MessageTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].startsWith(kCannotWrite) && texts[0].size() > kCannotWrite.size(), qPrintable(texts[0]));
        if (reason.isEmpty())
            QCOMPARE(meter.HelloCount(), 0);
        else
            QCOMPARE(texts[0], kCannotWrite + reason);
        QVERIFY(QFileInfo(dir.filePath("taken")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void folderGoneBeforeTheEnd()
    {
        // The image is all in but cannot be stored any more: told, and no success.
        PtyPair pty;
        QVERIFY(pty.IsValid());
        QTemporaryDir dir;
        const QString folder = dir.filePath("sub");
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        WorkerRun run;
        QVERIFY(run.Start(TK_READ_PARAMS, folder + "/db.bin", pty.SlavePath()));
        QCOMPARE(pty.Receive(4, 2000).toHex(), QByteArray("000e0000"));
        QVERIFY(pty.Send(QByteArray::fromHex("0000000442010203")));
        QCOMPARE(pty.Receive(16, 2000).size(), 16);
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(pty.Send(QByteArray::fromHex("00040000")));
        QVERIFY(run.WaitEnded());
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(!run.host.Success());
        const QStringList texts = run.prompts.MessageTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].startsWith(kCannotWrite) && texts[0].size() > kCannotWrite.size(), qPrintable(texts[0]));
        QVERIFY(!QFile::exists(folder + "/db.bin"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestReadParams)
#include "tst_readparams.moc"
