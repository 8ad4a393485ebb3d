// The load-software transfer against the emulated meter: identity test, chunks, faults.
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using Fault = MeterDevice::Fault;

const QString kModelQ = QStringLiteral("This software doesn't match your Meter!");
const QString kVersionQ = QStringLiteral(
    "This software version is not higher than the edition used currently, \nwould you like to continue?");

// An update file: the identity word little-endian, then `image` bytes of a pattern.
QByteArray UpdateFile(uint32_t word, int image)
{
    QByteArray f(4 + image, '\0');
    f[0] = char(word);
    f[1] = char(word >> 8);
    f[2] = char(word >> 16);
    f[3] = char(word >> 24);
    for (int i = 0; i < image; ++i)
        f[4 + i] = char(i * 13 + (i >> 10));
    return f;
}

MeterSim::Config Meter(uint32_t word)
{
    MeterSim::Config c;
    c.identWord = word;
    return c;
}

MeterDevice::Transfer WithFault(Fault fault, int step, uint16_t type = 5)
{
    MeterDevice::Transfer t;
    t.fault = fault;
    t.faultStep = step;
    t.faultType = type;
    return t;
}

} // namespace

class TestLoadSoftware : public QObject
{
    Q_OBJECT
private slots:
    void identityTest_data();
    void identityTest();
    void fourChunksAndTheirPercentages();
    void fourByteFileSendsNoData();
    void secondIdentRepeatsTheStartFrame();
    void badFilesSendNothing_data();
    void badFilesSendNothing();
    void missingFileLeavesTheDialogOpen();
    void unexpectedTypesAreCodeFour_data();
    void unexpectedTypesAreCodeFour();
    void oddAnswersAreOutlived_data();
    void oddAnswersAreOutlived();
    void stoppedWhileTheMeterIsSilent();
    void earlyEnd_data();
    void earlyEnd();
    void stoppedInMidChunkFinishesTheFrame();
    void hangUpEndsTheLoad();

private:
    QTemporaryDir m_dir;
};

void TestLoadSoftware::identityTest_data()
{
    QTest::addColumn<uint>("meter");
    QTest::addColumn<uint>("file");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("loads");
    QTest::newRow("newer version") << 0x42010005u << 0x42010006u << QList<bool>{} << QStringList{} << true;
    QTest::newRow("same version, Yes") << 0x42010006u << 0x42010006u << QList<bool>{true} << QStringList{kVersionQ} << true;
    QTest::newRow("same version, No") << 0x42010006u << 0x42010006u << QList<bool>{false} << QStringList{kVersionQ} << false;
    QTest::newRow("bits 15-8 ignored") << 0x42010007u << 0x4201FF06u << QList<bool>{false} << QStringList{kVersionQ} << false;
    QTest::newRow("other model, Yes") << 0x42020001u << 0x42010009u << QList<bool>{true} << QStringList{kModelQ} << true;
    QTest::newRow("other model, No") << 0x42020001u << 0x42010009u << QList<bool>{false} << QStringList{kModelQ} << false;
    QTest::newRow("other model, older, Yes") << 0x42020009u << 0x42010001u << QList<bool>{true} << QStringList{kModelQ} << true;
}

void TestLoadSoftware::identityTest()
{
    QFETCH(uint, meter);
    QFETCH(uint, file);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, loads);
    const QString path = m_dir.filePath("update.bin");
    const QByteArray update = UpdateFile(file, 40000);
    QVERIFY(WriteAll(path, update));
    MeterDevice device(Meter(meter));
    QVERIFY(device.Start());
    WorkerRun run;
    for (bool a : answers)
        run.prompts.QueueAnswer(a);
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QStringList asked;
    for (const auto &q : run.prompts.Questions())
        asked << q.text;
    QCOMPARE(asked, questions);
    QCOMPARE(run.host.DoneCount(), 1);
    QCOMPARE(run.host.Success(), loads);
    QCOMPARE(run.prompts.MessageCount(), 0);
    QVERIFY(device.WaitForEnd(1, 2000)); // after a load and after a refusal alike
    const auto types = device.ReceivedTypes();
    QCOMPARE(types.front(), uint16_t(FT_IDENT_ACK));
    if (loads) {
        QCOMPARE(types[1], uint16_t(FT_LOAD));
        QCOMPARE(device.StartWord(), file);
        QCOMPARE(device.StartLength(), 40000u);
        QVERIFY(Bytes(device.ReceivedImage()) == update.mid(4));
    } else {
        QCOMPARE(Count(types, FT_LOAD), 0);
        QCOMPARE(Count(types, FT_DATA), 0);
    }
}

void TestLoadSoftware::fourChunksAndTheirPercentages()
{
    const QString path = m_dir.filePath("64k.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 65536)));
    MeterDevice device(Meter(0x42010001));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QVERIFY(run.host.Success());
    QCOMPARE(run.host.Kind(), int(TK_LOAD_SOFTWARE));
    QCOMPARE(run.host.Progress(), (std::vector<int>{0, 25, 50, 75}));
    QCOMPARE(run.host.Texts(), (QStringList{"transfer progress 0%", "transfer progress 0%", "transfer progress 25%",
                                            "transfer progress 50%", "transfer progress 75%"}));
    QCOMPARE(Count(device.ReceivedTypes(), FT_DATA), 4);
}

void TestLoadSoftware::fourByteFileSendsNoData()
{
    const QString path = m_dir.filePath("4.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 0)));
    MeterDevice device(Meter(0x42010001));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QVERIFY(run.host.Success());
    QVERIFY(device.WaitForEnd(1, 2000));
    QCOMPARE(device.StartLength(), 0u);
    QCOMPARE(Count(device.ReceivedTypes(), FT_DATA), 0);
}

void TestLoadSoftware::secondIdentRepeatsTheStartFrame()
{
    const QString path = m_dir.filePath("again.bin");
    const QByteArray update = UpdateFile(0x42010009, 100000);
    QVERIFY(WriteAll(path, update));
    MeterDevice device(Meter(0x42010001), WithFault(Fault::SecondIdent, 3));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QVERIFY(run.host.Success());
    QCOMPARE(run.prompts.Questions().size(), size_t(0));
    const auto types = device.ReceivedTypes();
    QCOMPARE(Count(types, FT_IDENT_ACK), 2);
    QCOMPARE(Count(types, FT_LOAD), 2);
    // The chunks go on where they were: the image arrives once, whole.
    QVERIFY(Bytes(device.ReceivedImage()) == update.mid(4));
}

void TestLoadSoftware::badFilesSendNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not B") << UpdateFile(0x41010009, 100);
    QTest::newRow("3 bytes") << QByteArray("\x09\x00\x01", 3);
    QTest::newRow("empty") << QByteArray();
}

void TestLoadSoftware::badFilesSendNothing()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath("bad.bin");
    QVERIFY(WriteAll(path, content));
    MeterDevice device;
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.prompts.MessageTexts(), QStringList{"Please choose a correct update file\n"});
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    QVERIFY(!device.WaitForEnd(1, 300));
    QCOMPARE(device.FramesReceived(), 0);
}

void TestLoadSoftware::missingFileLeavesTheDialogOpen()
{
    MeterDevice device;
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, m_dir.filePath("absent.bin"), device));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.ExitCode(), 1);
    QCOMPARE(run.prompts.MessageTexts(), QStringList{"Can not read the specified file!"});
    QCOMPARE(run.host.DoneCount(), 0);
    QCOMPARE(device.FramesReceived(), 0);
}

void TestLoadSoftware::unexpectedTypesAreCodeFour_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("5") << 5 << QStringList{QStringLiteral("An error ocurred when transfering. code:4\nPlease restart the STB.")};
    QTest::newRow("7") << 7 << QStringList{"Unknown frame 7!", QStringLiteral("An error ocurred when transfering. code:4\nPlease restart the STB.")};
    QTest::newRow("FT_DATA") << 3 << QStringList{QStringLiteral("An error ocurred when transfering. code:4\nPlease restart the STB.")};
}

void TestLoadSoftware::unexpectedTypesAreCodeFour()
{
    QFETCH(int, type);
    QFETCH(QStringList, messages);
    const QString path = m_dir.filePath("code4.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 50000)));
    MeterDevice device(Meter(0x42010001), WithFault(Fault::UnexpectedType, 1, uint16_t(type)));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.prompts.MessageTexts(), messages);
    QVERIFY(!run.host.Success());
    QVERIFY(device.WaitForEnd(1, 2000));
}

void TestLoadSoftware::oddAnswersAreOutlived_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("answer too big for the buffer") << int(Fault::BigFrame);
    QTest::newRow("garbled header") << int(Fault::Garbled);
}

void TestLoadSoftware::oddAnswersAreOutlived()
{
    // Neither is stored past the 100-byte buffer nor taken for an error; the repeat is answered.
    QFETCH(int, fault);
    const QString path = m_dir.filePath("odd.bin");
    const QByteArray update = UpdateFile(0x42010009, 50000);
    QVERIFY(WriteAll(path, update));
    MeterDevice device(Meter(0x42010001), WithFault(Fault(fault), 2));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.prompts.MessageCount(), 0);
    QVERIFY(run.host.Success());
    QVERIFY(Bytes(device.ReceivedImage()) == update.mid(4));
}

void TestLoadSoftware::stoppedWhileTheMeterIsSilent()
{
    const QString path = m_dir.filePath("stop.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 50000)));
    MeterDevice device(Meter(0x42010001), WithFault(Fault::Silence, 2));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(WaitUntil([&] { return Count(device.ReceivedTypes(), FT_DATA) == 2; }));
    QVERIFY(!run.WaitEnded(1000)); // silence is no error: it keeps listening
    run.Stop();
    QVERIFY(run.WaitEnded(2000));
    QCOMPARE(run.prompts.MessageCount(), 0);
    QCOMPARE(run.host.DoneCount(), 0);
    QVERIFY(device.WaitForEnd(1, 2000));
}

void TestLoadSoftware::earlyEnd_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("success");
    // 100000 image bytes go out in 7 chunks.
    QTest::newRow("after 2 chunks") << 2 << false;
    QTest::newRow("instead of asking for more") << 7 << true;
}

void TestLoadSoftware::earlyEnd()
{
    // FT_END from the meter ends the load; it is a success only once the whole image is out.
    QFETCH(int, step);
    QFETCH(bool, success);
    const QString path = m_dir.filePath("early.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 100000)));
    MeterDevice device(Meter(0x42010001), WithFault(Fault::EarlyEnd, step));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QCOMPARE(run.host.Success(), success);
    QCOMPARE(run.prompts.MessageTexts(), success ? QStringList() : QStringList{Code(4)});
    if (success) {
        QCOMPARE(run.host.Progress().back(), 100);
        QCOMPARE(run.host.Texts().back(), QStringLiteral("transfer progress 100%"));
        QVERIFY(Bytes(device.ReceivedImage()) == ReadAll(path).mid(4));
    }
    QVERIFY(device.WaitForEnd(1, 2000));
}

void TestLoadSoftware::stoppedInMidChunkFinishesTheFrame()
{
    // On a line at 115200 baud a chunk takes 1.4 s to go out; a stop in the middle of it must
    // not leave half a frame for the meter to take FT_END as its payload.
    const QString path = m_dir.filePath("paced.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 100000)));
    MeterSim::Config config = Meter(0x42010001);
    config.bytesPerSecond = 11520;
    MeterDevice device(config);
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(WaitUntil([&] { return device.BytesReceived() > 4000; }));
    run.Stop();
    QVERIFY(run.WaitEnded(2000));
    QVERIFY(device.WaitForEnd(1, 3000));
    QCOMPARE(device.ReceivedImage().size() % 16384, size_t(0));
    QCOMPARE(run.host.DoneCount(), 0);
}

void TestLoadSoftware::hangUpEndsTheLoad()
{
    const QString path = m_dir.filePath("hangup.bin");
    QVERIFY(WriteAll(path, UpdateFile(0x42010009, 100000)));
    MeterDevice device(Meter(0x42010001), WithFault(Fault::HangUp, 2));
    QVERIFY(device.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_LOAD_SOFTWARE, path, device));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    // One device error box, then no endless retries on a dead line.
    QCOMPARE(run.prompts.MessageCount(), 1);
    QCOMPARE(run.prompts.Messages()[0].caption, QStringLiteral("Serial Communication Device Error"));
}

QTEST_GUILESS_MAIN(TestLoadSoftware)
#include "tst_loadsoftware.moc"
