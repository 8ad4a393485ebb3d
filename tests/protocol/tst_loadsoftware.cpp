// The load-software transfer against the emulated meter: identity test, chunks, faults.
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kModelQ = QStringLiteral("This software doesn't match your Meter!");
const QString kVersionQ = QStringLiteral(
    "This software version is not higher than the edition used currently, \nwould you like to continue?");
const uint32_t kMeterWord = 0x42010001;
const uint32_t kFileWord = 0x42010009;

// An update file: the identity word little-endian, then `image` bytes of a pattern.
QByteArray UpdateFile(uint32_t word, int image)
{
    QByteArray f(4 + image, '\0');
    for (int i = 0; i < 4; ++i)
        f[i] = char(word >> (8 * i));
    for (int i = 0; i < image; ++i)
        f[4 + i] = char(i * 13 + (i >> 10));
    return f;
}

MeterSim::Config Meter(uint32_t word, int bytesPerSecond = 0)
{
    MeterSim::Config c;
    c.identWord = word;
    if (bytesPerSecond > 0)
        c.bytesPerSecond = bytesPerSecond;
    return c;
}

} // namespace

class TestLoadSoftware : public QObject
{
    Q_OBJECT
private slots:
    void identityTest_data()
    {
        QTest::addColumn<uint>("meter");
        QTest::addColumn<uint>("file");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("loads");
        QTest::newRow("newer version") << 0x42010005u << 0x42010006u << false << QString() << true;
        QTest::newRow("same version, Yes") << 0x42010006u << 0x42010006u << true << kVersionQ << true;
        QTest::newRow("same version, No") << 0x42010006u << 0x42010006u << false << kVersionQ << false;
        QTest::newRow("bits 15-8 ignored") << 0x42010007u << 0x4201FF06u << false << kVersionQ << false;
        QTest::newRow("other model, Yes") << 0x42020001u << 0x42010009u << true << kModelQ << true;
        QTest::newRow("other model, No") << 0x42020001u << 0x42010009u << false << kModelQ << false;
        QTest::newRow("other model, older, Yes") << 0x42020009u << 0x42010001u << true << kModelQ << true;
    }

    void identityTest()
    {
        QFETCH(uint, meter);
        QFETCH(uint, file);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(bool, loads);
        const QString path = m_dir.filePath("update.bin");
        const QByteArray update = UpdateFile(file, 40000);
        QVERIFY(TestFile::Write(path, update));
        MeterDevice device(Meter(meter));
        WorkerRun run;
        run.prompts.QueueAnswer(answer);
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        QStringList asked;
        for (const auto &q : run.prompts.Questions())
            asked << q.text;
        QCOMPARE(asked, question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(run.host.DoneCount(), 1);
        QCOMPARE(run.host.Success(), loads);
        QCOMPARE(run.prompts.MessageCount(), 0);
        QVERIFY(device.WaitForEnd(1, 2000)); // after a load and after a refusal alike
        const auto types = device.ReceivedTypes();
        QCOMPARE(types.front(), uint16_t(FT_IDENT_ACK));
        QCOMPARE(Count(types, FT_LOAD), loads ? 1 : 0);
        if (loads) {
            QCOMPARE(types[1], uint16_t(FT_LOAD));
            QCOMPARE(device.StartWord(), file);
            QCOMPARE(device.StartLength(), 40000u);
            QVERIFY(Bytes(device.ReceivedImage()) == update.mid(4));
        } else {
            QCOMPARE(Count(types, FT_DATA), 0);
        }
    }

    void chunksAndTheirPercentages_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QList<int>>("percents");
        QTest::newRow("four chunks") << 65536 << QList<int>{0, 25, 50, 75};
        QTest::newRow("identity word only") << 0 << QList<int>{0};
    }

    void chunksAndTheirPercentages()
    {
        QFETCH(int, image);
        QFETCH(QList<int>, percents);
        const QString path = m_dir.filePath("chunks.bin");
        QVERIFY(TestFile::Write(path, UpdateFile(kFileWord, image)));
        MeterDevice device(Meter(kMeterWord));
        WorkerRun run;
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        QVERIFY(run.host.Success());
        QCOMPARE(run.host.Kind(), int(TK_LOAD_SOFTWARE));
        QVERIFY(device.WaitForEnd(1, 2000));
        QCOMPARE(device.StartLength(), uint32_t(image));
        QCOMPARE(Count(device.ReceivedTypes(), FT_DATA), image / 16384);
        if (image == 0)
            return;
        QCOMPARE(run.host.Progress(), std::vector<int>(percents.begin(), percents.end()));
        QStringList texts{"transfer progress 0%"};
        for (int p : percents)
            texts << QStringLiteral("transfer progress %1%").arg(p);
        QCOMPARE(run.host.Texts(), texts);
    }

    // Odd answers are outlived: a second FT_IDENT repeats the start frame and the chunks go on
    // where they were; an answer too big for the 100-byte buffer or a garbled header is
    // neither stored past the buffer nor taken for an error. The image arrives once, whole.
    void oddAnswersAreOutlived_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("starts");
        QTest::newRow("second FT_IDENT") << int(Fault::SecondIdent) << 3 << 2;
        QTest::newRow("answer too big for the buffer") << int(Fault::BigFrame) << 2 << 1;
        QTest::newRow("garbled header") << int(Fault::Garbled) << 2 << 1;
    }

    void oddAnswersAreOutlived()
    {
        QFETCH(int, fault);
        QFETCH(int, step);
        QFETCH(int, starts);
        const QString path = m_dir.filePath("odd.bin");
        const QByteArray update = UpdateFile(kFileWord, 100000);
        QVERIFY(TestFile::Write(path, update));
        MeterDevice device(Meter(kMeterWord), WithFault(Fault(fault), step));
        WorkerRun run;
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        QCOMPARE(run.prompts.MessageCount(), 0);
        QCOMPARE(run.prompts.Questions().size(), size_t(0));
        QVERIFY(run.host.Success());
        QCOMPARE(Count(device.ReceivedTypes(), FT_IDENT_ACK), starts);
        QCOMPARE(Count(device.ReceivedTypes(), FT_LOAD), starts);
        QVERIFY(Bytes(device.ReceivedImage()) == update.mid(4));
    }

    void badFilesSendNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QString wrong = QStringLiteral("Please choose a correct update file\n");
        QTest::newRow("not B") << UpdateFile(0x41010009, 100) << wrong;
        QTest::newRow("3 bytes") << QByteArray("\x09\x00\x01", 3) << wrong;
        QTest::newRow("empty") << QByteArray() << wrong;
        // A missing file leaves the dialog open: the worker never reports to it.
        QTest::newRow("missing") << QByteArray("-") << QStringLiteral("Can not read the specified file!");
    }

    void badFilesSendNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const bool missing = content == "-";
        const QString path = m_dir.filePath("bad.bin");
        QFile::remove(path);
        if (!missing)
            QVERIFY(TestFile::Write(path, content));
        MeterDevice device;
        WorkerRun run;
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        QCOMPARE(run.prompts.MessageTexts(), QStringList{message});
        QCOMPARE(run.host.DoneCount(), missing ? 0 : 1);
        QVERIFY(!run.host.Success());
        if (missing)
            QCOMPARE(run.ExitCode(), 1);
        QVERIFY(!device.WaitForEnd(1, 300));
        QCOMPARE(device.FramesReceived(), 0);
    }

    // Failures and an early end from the meter: each still ends with the PC's FT_END.
    void endings_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("messages"); // empty: success
        QTest::newRow("type 5") << int(Fault::UnexpectedType) << 5 << QStringList{Code(4)};
        QTest::newRow("type 7") << int(Fault::UnexpectedType) << 7 << QStringList{"Unknown frame 7!", Code(4)};
        QTest::newRow("FT_DATA") << int(Fault::UnexpectedType) << 3 << QStringList{Code(4)};
        QTest::newRow("early FT_END") << int(Fault::EarlyEnd) << 0 << QStringList();
    }

    void endings()
    {
        QFETCH(int, fault);
        QFETCH(int, type);
        QFETCH(QStringList, messages);
        const QString path = m_dir.filePath("end.bin");
        QVERIFY(TestFile::Write(path, UpdateFile(kFileWord, 100000)));
        MeterDevice device(Meter(kMeterWord), WithFault(Fault(fault), fault == int(Fault::EarlyEnd) ? 2 : 1,
                                                        uint16_t(type)));
        WorkerRun run;
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        QCOMPARE(run.prompts.MessageTexts(), messages);
        QCOMPARE(run.host.Success(), messages.isEmpty());
        if (messages.isEmpty()) {
            QCOMPARE(run.host.Progress().back(), 100);
            QCOMPARE(run.host.Texts().back(), QStringLiteral("transfer progress 100%"));
        }
        QVERIFY(device.WaitForEnd(1, 2000));
    }

    void stoppedWhileTheMeterIsSilent()
    {
        const QString path = m_dir.filePath("stop.bin");
        QVERIFY(TestFile::Write(path, UpdateFile(kFileWord, 50000)));
        MeterDevice device(Meter(kMeterWord), WithFault(Fault::Silence, 2));
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

    void stoppedInMidChunkFinishesTheFrame()
    {
        // On a line at 115200 baud a chunk takes 1.4 s to go out; a stop in the middle of it must
        // not leave half a frame for the meter to take FT_END as its payload.
        const QString path = m_dir.filePath("paced.bin");
        QVERIFY(TestFile::Write(path, UpdateFile(kFileWord, 100000)));
        MeterDevice device(Meter(kMeterWord, 11520));
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

    void hangUpEndsTheLoad()
    {
        const QString path = m_dir.filePath("hangup.bin");
        QVERIFY(TestFile::Write(path, UpdateFile(kFileWord, 100000)));
        MeterDevice device(Meter(kMeterWord), WithFault(Fault::HangUp, 2));
        WorkerRun run;
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        // One device error box, then no endless retries on a dead line.
        QVERIFY(EndedOnDeviceError(run));
        QCOMPARE(run.host.DoneCount(), 1);
        QCOMPARE(run.prompts.MessageCount(), 1);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestLoadSoftware)
#include "tst_loadsoftware.moc"
