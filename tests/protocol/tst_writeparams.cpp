// The write transfer against the emulated meter.
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>
#include <QtTest>

class TestWriteParams : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_image.resize(kImageSize);
        for (int i = 0; i < m_image.size(); ++i)
            m_image[i] = char((i * 31) ^ (i >> 9));
        m_db = m_dir.filePath("db.bin");
        QVERIFY(TestFile::Write(m_db, m_image));
    }

    void wholeFileGoesOut()
    {
        MeterDevice meter;
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_WRITE_PARAMS, m_db));
        QVERIFY(meter.WaitForEnd(1, 2000));
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(run.host.Success());
        QCOMPARE(run.host.Kind(), int(TK_WRITE_PARAMS));
        QCOMPARE(run.prompts.MessageCount(), 0);
        QVERIFY(Bytes(meter.ReceivedImage()) == m_image);
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

    // A file that is no database, or no file at all, sends nothing, not even FT_END. A missing
    // file leaves the dialog open: the worker never reports to it.
    void badFilesSendNothing_data()
    {
        QTest::addColumn<int>("length"); // -1: no file
        QTest::addColumn<QString>("message");
        const QString wrong = QStringLiteral("Please choose a correct database parameter file\n");
        QTest::newRow("241247") << int(kImageSize - 1) << wrong;
        QTest::newRow("241249") << int(kImageSize + 1) << wrong;
        QTest::newRow("empty") << 0 << wrong;
        QTest::newRow("missing") << -1 << QStringLiteral("Can not read the specified file!");
    }

    void badFilesSendNothing()
    {
        QFETCH(int, length);
        QFETCH(QString, message);
        const QString file = m_dir.filePath("wrong.bin");
        QFile::remove(file);
        if (length >= 0)
            QVERIFY(TestFile::Write(file, QByteArray(length, 'a')));
        MeterDevice meter;
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_WRITE_PARAMS, file));
        QCOMPARE(run.prompts.MessageTexts(), QStringList{message});
        QCOMPARE(run.host.DoneCount(), length < 0 ? 0 : 1);
        QVERIFY(!run.host.Success());
        if (length < 0)
            QCOMPARE(run.ExitCode(), 1);
        QVERIFY(!meter.WaitForEnd(1, 300));
        QCOMPARE(meter.FramesReceived(), 0);
    }

    void earlyEndIsSuccess()
    {
        MeterDevice meter({}, WithFault(Fault::EarlyEnd, 3));
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_WRITE_PARAMS, m_db));
        QVERIFY(run.host.Success());
        QCOMPARE(run.prompts.MessageCount(), 0);
        // The bar jumps to 100; the text stays where the last chunk left it.
        QCOMPARE(run.host.Progress().back(), 100);
        QCOMPARE(run.host.Texts().back(), QStringLiteral("transfer progress 13%"));
        QVERIFY(meter.WaitForEnd(1, 2000)); // the PC answers the meter's FT_END with its own
    }

    // Every failure still tells the meter the PC is done (FT_END).
    void errorsAndTheirCodes_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no answer to FT_HELLO") << -1 << 0 << 0 << QStringList{Code(8)};
        QTest::newRow("second FT_IDENT") << int(Fault::SecondIdent) << 2 << 0 << QStringList{Code(6)};
        QTest::newRow("type 5") << int(Fault::UnexpectedType) << 1 << 5 << QStringList{Code(7)};
        QTest::newRow("type 9") << int(Fault::UnexpectedType) << 1 << 9 << QStringList{"Unknown frame 9!", Code(7)};
        QTest::newRow("FT_DATA") << int(Fault::UnexpectedType) << 1 << 3 << QStringList{Code(7)};
        QTest::newRow("short answer") << int(Fault::ShortFrame) << 0 << 0 << QStringList{Code(8)};
        QTest::newRow("answer too big") << int(Fault::BigFrame) << 0 << 0 << QStringList{Code(8)};
    }

    void errorsAndTheirCodes()
    {
        QFETCH(int, fault);
        QFETCH(int, step);
        QFETCH(int, type);
        QFETCH(QStringList, messages);
        MeterSim::Config config;
        if (fault < 0)
            config.helloFault = MeterSim::HelloFault::Silence;
        MeterDevice meter(config, WithFault(fault < 0 ? Fault::None : Fault(fault), step, uint16_t(type)));
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_WRITE_PARAMS, m_db));
        QCOMPARE(run.prompts.MessageTexts(), messages);
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(!run.host.Success());
        QVERIFY(meter.WaitForEnd(1, 2000));
    }

    void stoppedMidTransferStillEnds()
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

    void hangUpEndsWithoutMore()
    {
        MeterDevice meter({}, WithFault(Fault::HangUp, 2));
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_WRITE_PARAMS, m_db));
        QVERIFY(EndedOnDeviceError(run));
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
    QByteArray m_image;
};

QTEST_GUILESS_MAIN(TestWriteParams)
#include "tst_writeparams.moc"
