// The read transfer against the emulated meter: image, progress, odd frames, faults, files.
#include "PtyPair.h"
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <QtTest>

namespace {

using Fault = MeterDevice::Fault;

MeterDevice::Transfer WithFault(Fault fault, int step, uint16_t type = 5)
{
    MeterDevice::Transfer t;
    t.fault = fault;
    t.faultStep = step;
    t.faultType = type;
    return t;
}

const QByteArray kOld("the file that was there before");

// Plays the meter's data phase on a bare pty: bytes in FT_DATA frames of up to 16384, each
// answered with FT_READY before the next goes.
bool SendData(PtyPair &pty, const QByteArray &bytes)
{
    for (qsizetype at = 0; at < bytes.size(); at += 16384) {
        const QByteArray part = bytes.mid(at, 16384);
        QByteArray frame = QByteArray::fromHex("0003");
        frame.append(char(part.size() >> 8)).append(char(part.size() & 0xFF)).append(part);
        if (!pty.Send(frame) || pty.Receive(4, 2000).toHex() != "00020000")
            return false;
    }
    return true;
}

} // namespace

class TestReadParams : public QObject
{
    Q_OBJECT
private slots:
    void fullImageInChunks();
    void smallChunksFillTheImageInOrder();
    void dataBeforeIdentIsKept();
    void earlyEndKeepsTheOldFile_data();
    void earlyEndKeepsTheOldFile();
    void faultsEndWithoutTouchingTheFile_data();
    void faultsEndWithoutTouchingTheFile();
    void garbledHeaderIsOutlived();
    void silenceKeepsTryingUntilStopped_data();
    void silenceKeepsTryingUntilStopped();
    void hangUpEndsTheTransfer();
    void unwritableFolderIsToldBeforeAnyFrame();
    void fileThatCannotBeReplacedIsNoSuccess();
    void folderGoneBeforeTheEnd();

private:
    QTemporaryDir m_dir;
};

void TestReadParams::fullImageInChunks()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    const QString file = m_dir.filePath("full.bin");
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());

    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(run.host.Success());
    QCOMPARE(run.host.Kind(), int(TK_READ_PARAMS));
    QVERIFY(ReadAll(file) == Bytes(MeterDevice::DefaultImage()));
    QStringList expected{"transfer progress 0%"};
    for (int p : {6, 13, 20, 27, 33, 40, 47, 54, 61, 67, 74, 81, 88, 95, 100, 100})
        expected << QStringLiteral("transfer progress %1%").arg(p);
    QCOMPARE(run.host.Texts(), expected);
    QCOMPARE(run.host.Progress().back(), 100);
    QCOMPARE(run.prompts.MessageCount(), 0);
    // FT_IDENT_ACK, FT_READ (241248) and FT_READY, then one FT_READY per chunk, no FT_END.
    const auto types = meter.ReceivedTypes();
    QCOMPARE(types.size(), size_t(3 + 15));
    QCOMPARE(types[0], uint16_t(FT_IDENT_ACK));
    QCOMPARE(types[1], uint16_t(FT_READ));
    QCOMPARE(meter.StartLength(), kImageSize);
    QCOMPARE(Count(types, FT_READY), 16);
    QCOMPARE(meter.EndCount(), 0);
}

void TestReadParams::smallChunksFillTheImageInOrder()
{
    MeterDevice::Transfer t;
    t.chunkSize = 7000;
    MeterDevice meter({}, t);
    QVERIFY(meter.Start());
    const QString file = m_dir.filePath("small.bin");
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());
    QVERIFY(run.host.Success());
    QVERIFY(ReadAll(file) == Bytes(MeterDevice::DefaultImage()));
}

void TestReadParams::dataBeforeIdentIsKept()
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
    const QByteArray rest = Bytes(MeterDevice::DefaultImage()).mid(3);
    QVERIFY(SendData(pty, rest));
    QVERIFY(pty.Send(QByteArray::fromHex("00040000")));
    QVERIFY(run.WaitEnded());
    QVERIFY(run.host.Success());
    QCOMPARE(ReadAll(file), QByteArray::fromHex("AABBCC") + rest);
}

void TestReadParams::earlyEndKeepsTheOldFile_data()
{
    QTest::addColumn<int>("chunks");
    QTest::newRow("before any data") << 0;
    QTest::newRow("after 3 chunks") << 3;
    QTest::newRow("one chunk short") << 14;
}

void TestReadParams::earlyEndKeepsTheOldFile()
{
    // A meter that ends before the whole image is in has not given its database: a zero-padded
    // image would replace a good file with a bad one and be reported as read.
    QFETCH(int, chunks);
    MeterDevice meter({}, WithFault(Fault::EarlyEnd, chunks));
    QVERIFY(meter.Start());
    QTemporaryDir dir;
    const QString file = dir.filePath("partial.bin");
    QVERIFY(WriteAll(file, kOld));
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    QCOMPARE(run.prompts.MessageTexts(), QStringList{Code(2)});
    QCOMPARE(ReadAll(file), kOld);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"partial.bin"});
    QVERIFY(run.host.Texts().back() != QStringLiteral("transfer progress 100%"));
}

void TestReadParams::faultsEndWithoutTouchingTheFile_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("second FT_IDENT") << int(Fault::SecondIdent) << 0 << QStringList{Code(1)};
    QTest::newRow("type 5") << int(Fault::UnexpectedType) << 5 << QStringList{Code(2)};
    QTest::newRow("type 7") << int(Fault::UnexpectedType) << 7 << QStringList{"Unknown frame 7!", Code(2)};
    QTest::newRow("type 9") << int(Fault::UnexpectedType) << 9 << QStringList{"Unknown frame 9!", Code(2)};
    QTest::newRow("FT_READY") << int(Fault::UnexpectedType) << 2 << QStringList{Code(2)};
    // More data than the image holds is not our database: refused, nothing written.
    QTest::newRow("too much data") << -1 << 0 << QStringList{Code(2)};
}

void TestReadParams::faultsEndWithoutTouchingTheFile()
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
    QVERIFY(meter.Start());
    QTemporaryDir dir;
    const QString file = dir.filePath("kept.bin");
    QVERIFY(WriteAll(file, kOld));
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    QCOMPARE(run.prompts.MessageTexts(), messages);
    QCOMPARE(ReadAll(file), kOld);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.bin"});
    QCOMPARE(meter.EndCount(), 0);
}

void TestReadParams::garbledHeaderIsOutlived()
{
    // A header announcing more than a frame may carry is refused; the repeat arrives whole.
    MeterDevice meter({}, WithFault(Fault::Garbled, 2));
    QVERIFY(meter.Start());
    const QString file = m_dir.filePath("outlived.bin");
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded(20000));
    QCOMPARE(run.prompts.MessageCount(), 0);
    QVERIFY(run.host.Success());
    QVERIFY(ReadAll(file) == Bytes(MeterDevice::DefaultImage()));
}

void TestReadParams::silenceKeepsTryingUntilStopped_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("step");
    QTest::newRow("no first chunk") << int(Fault::Silence) << 0;
    QTest::newRow("half a chunk") << int(Fault::ShortFrame) << 1;
}

void TestReadParams::silenceKeepsTryingUntilStopped()
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
    QVERIFY(!QFile::exists(file));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("silent"), QStringList());
}

void TestReadParams::hangUpEndsTheTransfer()
{
    MeterDevice meter({}, WithFault(Fault::HangUp, 3));
    QVERIFY(meter.Start());
    const QString file = m_dir.filePath("hangup.bin");
    QVERIFY(WriteAll(file, kOld));
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    // One device error box, no endless retries.
    QCOMPARE(run.prompts.MessageCount(), 1);
    QCOMPARE(run.prompts.Messages()[0].caption, QStringLiteral("Serial Communication Device Error"));
    QCOMPARE(ReadAll(file), kOld);
}

void TestReadParams::unwritableFolderIsToldBeforeAnyFrame()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    const QString file = m_dir.filePath("no/such/folder/db.bin");
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    const QStringList texts = run.prompts.MessageTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith("Can not write the specified file!\n") && texts[0].size() > 35,
             qPrintable(texts[0]));
    QCOMPARE(meter.HelloCount(), 0);
}

void TestReadParams::fileThatCannotBeReplacedIsNoSuccess()
{
    // The target is a folder: no file can take its place. The system's reason is told, the
    // transfer is no success, and no temporary file is left behind.
    MeterDevice meter;
    QVERIFY(meter.Start());
    QTemporaryDir dir;
    const QString target = dir.filePath("taken");
    QVERIFY(QDir(dir.path()).mkdir("taken"));
    WorkerRun run;
    QVERIFY(run.Start(TK_READ_PARAMS, target, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    const QStringList texts = run.prompts.MessageTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith("Can not write the specified file!\n"), qPrintable(texts[0]));
    QCOMPARE(texts[0], "Can not write the specified file!\n" + QString::fromLocal8Bit(std::strerror(EISDIR)));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestReadParams::folderGoneBeforeTheEnd()
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
    QVERIFY(SendData(pty, Bytes(MeterDevice::DefaultImage())));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(pty.Send(QByteArray::fromHex("00040000")));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    const QStringList texts = run.prompts.MessageTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith("Can not write the specified file!\n") && texts[0].size() > 35,
             qPrintable(texts[0]));
    QVERIFY(!QFile::exists(folder + "/db.bin"));
}

QTEST_GUILESS_MAIN(TestReadParams)
#include "tst_readparams.moc"
