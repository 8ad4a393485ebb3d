// The write transfer against the emulated meter.
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>
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

QByteArray Database()
{
    QByteArray db(kImageSize, '\0');
    for (int i = 0; i < db.size(); ++i)
        db[i] = char((i * 31) ^ (i >> 9));
    return db;
}

} // namespace

class TestWriteParams : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wholeFileGoesOut();
    void wrongLengthIsRefusedBeforeAnyFrame_data();
    void wrongLengthIsRefusedBeforeAnyFrame();
    void missingFileLeavesTheDialogOpen();
    void silenceIsCodeEightAndStillEnds();
    void earlyEnd_data();
    void earlyEnd();
    void errorsAndTheirCodes_data();
    void errorsAndTheirCodes();
    void stoppedMidTransferStillEnds();
    void hangUpEndsWithoutMore();

private:
    QTemporaryDir m_dir;
    QString m_db;
};

void TestWriteParams::initTestCase()
{
    m_db = m_dir.filePath("db.bin");
    QVERIFY(WriteAll(m_db, Database()));
}

void TestWriteParams::wholeFileGoesOut()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_db, meter));
    QVERIFY(run.WaitEnded());
    QVERIFY(meter.WaitForEnd(1, 2000));
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(run.host.Success());
    QCOMPARE(run.host.Kind(), int(TK_WRITE_PARAMS));
    QCOMPARE(run.prompts.MessageCount(), 0);
    QVERIFY(Bytes(meter.ReceivedImage()) == Database());
    QCOMPARE(meter.StartLength(), kImageSize);
    const std::vector<int> percents{0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100};
    QCOMPARE(run.host.Progress(), percents);
    QStringList texts{"transfer progress 0%"};
    for (int p : percents)
        texts << QStringLiteral("transfer progress %1%").arg(p);
    QCOMPARE(run.host.Texts(), texts);
    const auto types = meter.ReceivedTypes();
    QCOMPARE(types.front(), uint16_t(FT_IDENT_ACK));
    QCOMPARE(types[1], uint16_t(FT_WRITE));
    QCOMPARE(Count(types, FT_DATA), 15);
    QCOMPARE(types.back(), uint16_t(FT_END));
}

void TestWriteParams::wrongLengthIsRefusedBeforeAnyFrame_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("241247") << int(kImageSize - 1);
    QTest::newRow("241249") << int(kImageSize + 1);
    QTest::newRow("empty") << 0;
}

void TestWriteParams::wrongLengthIsRefusedBeforeAnyFrame()
{
    QFETCH(int, length);
    const QString file = m_dir.filePath("wrong.bin");
    QVERIFY(WriteAll(file, QByteArray(length, 'a')));
    MeterDevice meter;
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, file, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.prompts.MessageTexts(), QStringList{"Please choose a correct database parameter file\n"});
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    QVERIFY(!meter.WaitForEnd(1, 300)); // nothing at all goes out, not even FT_END
    QCOMPARE(meter.FramesReceived(), 0);
}

void TestWriteParams::missingFileLeavesTheDialogOpen()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_dir.filePath("absent.bin"), meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.ExitCode(), 1);
    QCOMPARE(run.prompts.MessageTexts(), QStringList{"Can not read the specified file!"});
    QCOMPARE(run.host.DoneCount(), 0);
    QCOMPARE(meter.FramesReceived(), 0);
}

void TestWriteParams::silenceIsCodeEightAndStillEnds()
{
    MeterSim::Config config;
    config.helloFault = MeterSim::HelloFault::Silence;
    MeterDevice meter(config);
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_db, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.prompts.MessageTexts(), QStringList{Code(8)});
    QVERIFY(!run.host.Success());
    QVERIFY(meter.WaitForEnd(1, 2000));
}

void TestWriteParams::earlyEnd_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("success");
    QTest::newRow("after 3 chunks") << 3 << false;
    QTest::newRow("before the last chunk") << 14 << false;
    QTest::newRow("instead of asking for more") << 15 << true;
}

void TestWriteParams::earlyEnd()
{
    // FT_END from the meter ends the transfer; it is a success only once the whole file is out.
    QFETCH(int, step);
    QFETCH(bool, success);
    MeterDevice meter({}, WithFault(Fault::EarlyEnd, step));
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_db, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.host.DoneCount(), 1);
    QCOMPARE(run.host.Success(), success);
    QCOMPARE(run.prompts.MessageTexts(), success ? QStringList() : QStringList{Code(7)});
    if (success) {
        // The bar jumps to 100; the text stays where the last chunk left it.
        QCOMPARE(run.host.Progress().back(), 100);
        QCOMPARE(run.host.Texts().back(), QStringLiteral("transfer progress 93%"));
        QVERIFY(Bytes(meter.ReceivedImage()) == ReadAll(m_db));
    }
    QVERIFY(meter.WaitForEnd(1, 2000)); // the PC answers the meter's FT_END with its own
}

void TestWriteParams::errorsAndTheirCodes_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("second FT_IDENT") << int(Fault::SecondIdent) << 2 << 0 << QStringList{Code(6)};
    QTest::newRow("type 5") << int(Fault::UnexpectedType) << 1 << 5 << QStringList{Code(7)};
    QTest::newRow("type 9") << int(Fault::UnexpectedType) << 1 << 9 << QStringList{"Unknown frame 9!", Code(7)};
    QTest::newRow("FT_DATA") << int(Fault::UnexpectedType) << 1 << 3 << QStringList{Code(7)};
    QTest::newRow("short answer") << int(Fault::ShortFrame) << 0 << 0 << QStringList{Code(8)};
    QTest::newRow("answer too big") << int(Fault::BigFrame) << 0 << 0 << QStringList{Code(8)};
}

void TestWriteParams::errorsAndTheirCodes()
{
    QFETCH(int, fault);
    QFETCH(int, step);
    QFETCH(int, type);
    QFETCH(QStringList, messages);
    MeterDevice meter({}, WithFault(Fault(fault), step, uint16_t(type)));
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_db, meter));
    QVERIFY(run.WaitEnded());
    QCOMPARE(run.prompts.MessageTexts(), messages);
    QCOMPARE(run.host.DoneCount(), 1);
    QVERIFY(!run.host.Success());
    QVERIFY(meter.WaitForEnd(1, 2000));
}

void TestWriteParams::stoppedMidTransferStillEnds()
{
    MeterDevice meter({}, WithFault(Fault::Silence, 3));
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_db, meter));
    QVERIFY(WaitUntil([&] { return Count(meter.ReceivedTypes(), FT_DATA) == 3; }));
    run.Stop();
    QVERIFY(run.WaitEnded(2000));
    // Stopped, not failed: no code, no call into the dialog; the meter is told we are done.
    QCOMPARE(run.prompts.MessageCount(), 0);
    QCOMPARE(run.host.DoneCount(), 0);
    QVERIFY(meter.WaitForEnd(1, 2000));
}

void TestWriteParams::hangUpEndsWithoutMore()
{
    MeterDevice meter({}, WithFault(Fault::HangUp, 2));
    QVERIFY(meter.Start());
    WorkerRun run;
    QVERIFY(run.Start(TK_WRITE_PARAMS, m_db, meter));
    QVERIFY(run.WaitEnded());
    QVERIFY(!run.host.Success());
    const auto shown = run.prompts.Messages();
    QVERIFY(!shown.empty());
    for (const auto &m : shown)
        QCOMPARE(m.caption, QStringLiteral("Serial Communication Device Error"));
}

QTEST_GUILESS_MAIN(TestWriteParams)
#include "tst_writeparams.moc"
