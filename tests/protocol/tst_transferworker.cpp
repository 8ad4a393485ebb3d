// The transfer workers (read, write, load software) against the emulated meter: images,
// progress, the identity test, odd frames, faults, stops and the files they touch.
#include "PtyPair.h"
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <sys/stat.h>

namespace {

// Plays the meter's data phase on a bare pty: FT_DATA frames of up to 16384 bytes, each
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

// Plays the meter's greeting on a bare pty: FT_HELLO in, FT_IDENT out, the read's three frames in.
bool Greet(PtyPair &pty)
{
    return pty.Receive(4, 2000).toHex() == "000e0000" && pty.Send(QByteArray::fromHex("0000000442010203"))
           && pty.Receive(16, 2000).toHex() == "00010000000b00040003ae6000020000";
}

const QByteArray kOld("the file that was there before");
const QString kCannotWrite = QStringLiteral("Can not write the specified file!\n");
const QString kDeviceError = QStringLiteral("<device error box>");
const QString kModelQ = QStringLiteral("This software doesn't match your Meter!");
const QString kVersionQ = QStringLiteral(
    "This software version is not higher than the edition used currently, \nwould you like to continue?");
const uint32_t kMeterWord = 0x42010001;
const uint32_t kFileWord = 0x42010009;

MeterSim::Config Meter(uint32_t word)
{
    MeterSim::Config c;
    c.identWord = word;
    return c;
}

QStringList Progress(const std::vector<int> &percents)
{
    QStringList texts{"transfer progress 0%"};
    for (int p : percents)
        texts << QStringLiteral("transfer progress %1%").arg(p);
    return texts;
}

} // namespace

class TestTransferWorker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_image.resize(kImageSize);
        for (int i = 0; i < m_image.size(); ++i)
            m_image[i] = char((i * 31) ^ (i >> 9));
        m_db = m_dir.filePath("db.bin");
        m_update = m_dir.filePath("update.bin");
        QVERIFY(TestFile::Write(m_db, m_image));
        QVERIFY(TestFile::Write(m_update, UpdateFile(kFileWord, 100000)));
    }

    void readImageArrivesWhole_data()
    {
        QTest::addColumn<int>("chunkSize");
        QTest::addColumn<int>("garbledStep");
        QTest::newRow("16 KiB chunks") << 16384 << -1;
        QTest::newRow("7000-byte chunks") << 7000 << -1;
        // A header announcing more than a frame may carry is refused; the repeat arrives whole.
        QTest::newRow("garbled header outlived") << 16384 << 2;
    }

    void readImageArrivesWhole()
    {
        QFETCH(int, chunkSize);
        QFETCH(int, garbledStep);
        MeterDevice::Transfer t = WithFault(garbledStep < 0 ? Fault::None : Fault::Garbled, garbledStep);
        t.chunkSize = chunkSize;
        MeterDevice meter({}, t);
        const QString file = m_dir.filePath("read.bin");
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_READ_PARAMS, file, 20000));
        QVERIFY(run.host.DoneCount() == 1 && run.host.Success() && run.prompts.MessageCount() == 0);
        QVERIFY(TestFile::Read(file) == Bytes(MeterDevice::DefaultImage()));
        if (chunkSize != 16384 || garbledStep >= 0)
            return;
        QCOMPARE(run.host.Texts(), Progress({6, 13, 20, 27, 33, 40, 47, 54, 61, 67, 74, 81, 88, 95, 100, 100}));
        QCOMPARE(run.host.Progress().back(), 100);
        // FT_IDENT_ACK, FT_READ (241248) and FT_READY, then one FT_READY per chunk, no FT_END.
        std::vector<uint16_t> types{FT_IDENT_ACK, FT_READ};
        types.resize(3 + 15, FT_READY);
        QCOMPARE(meter.ReceivedTypes(), types);
        QCOMPARE(meter.StartLength(), kImageSize);
    }

    void readKeepsDataBeforeIdent()
    {
        PtyPair pty;
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
        QVERIFY(TestFile::Read(file) == QByteArray::fromHex("AABBCC") + rest);
    }

    // A target that cannot be written is told with the system's reason, is no success, and
    // leaves no file (nor temporary file) behind.
    void readIntoUnwritableTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason"); // empty: any non-empty reason
        QTest::newRow("missing folder, told before any frame") << "no/such/folder/db.bin" << QString();
        QTest::newRow("a folder is in the way") << "taken" << QString::fromLocal8Bit(std::strerror(EISDIR));
        QTest::newRow("folder gone before the end") << "sub/db.bin" << QString();
    }

    void readIntoUnwritableTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("taken") && QDir(dir.path()).mkdir("sub"));
        PtyPair pty;
        MeterDevice meter;
        WorkerRun run;
        if (target.startsWith("sub")) {
            // The image is all in but cannot be stored any more.
            QVERIFY(run.Start(TK_READ_PARAMS, dir.filePath(target), pty.SlavePath()));
            QVERIFY(Greet(pty));
            QVERIFY(SendData(pty, Bytes(MeterDevice::DefaultImage())));
            QVERIFY(QDir(dir.filePath("sub")).removeRecursively());
            QVERIFY(pty.Send(QByteArray::fromHex("00040000")));
            QVERIFY(run.WaitEnded());
        } else {
            QVERIFY(RunToEnd(run, meter, TK_READ_PARAMS, dir.filePath(target)));
        }
        QCOMPARE(run.host.DoneCount(), 1);
        QVERIFY(!run.host.Success());
        const QStringList texts = run.prompts.MessageTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].startsWith(kCannotWrite) && texts[0].size() > kCannotWrite.size(), qPrintable(texts[0]));
        if (!reason.isEmpty())
            QCOMPARE(texts[0], kCannotWrite + reason);
        if (target.startsWith("no/"))
            QCOMPARE(meter.HelloCount(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void writeSendsWholeFile()
    {
        MeterDevice meter;
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, TK_WRITE_PARAMS, m_db));
        QVERIFY(meter.WaitForEnd(1, 2000));
        QVERIFY(run.host.DoneCount() == 1 && run.host.Success() && run.prompts.MessageCount() == 0);
        QCOMPARE(run.host.Kind(), int(TK_WRITE_PARAMS));
        QVERIFY(Bytes(meter.ReceivedImage()) == m_image);
        QCOMPARE(meter.StartLength(), kImageSize);
        const std::vector<int> percents{0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100};
        QCOMPARE(run.host.Progress(), percents);
        QCOMPARE(run.host.Texts(), Progress(percents));
        std::vector<uint16_t> types{FT_IDENT_ACK, FT_WRITE};
        types.resize(2 + 15, FT_DATA);
        types.push_back(FT_END);
        QCOMPARE(meter.ReceivedTypes(), types);
    }

    void loadIdentityTest_data()
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

    void loadIdentityTest()
    {
        QFETCH(uint, meter);
        QFETCH(uint, file);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(bool, loads);
        const QString path = m_dir.filePath("identity.bin");
        const QByteArray update = UpdateFile(file, 40000);
        QVERIFY(TestFile::Write(path, update));
        MeterDevice device(Meter(meter));
        WorkerRun run;
        run.prompts.QueueAnswer(answer);
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, path));
        QStringList asked;
        for (const auto &q : run.prompts.Questions())
            asked << q.text + (q.icon == Prompts::Icon::Information ? " (i)" : " (other icon)");
        QCOMPARE(asked, question.isEmpty() ? QStringList() : QStringList{question + " (i)"});
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

    void loadChunksAndTheirPercentages_data()
    {
        QTest::addColumn<int>("image");
        QTest::newRow("four chunks") << 65536;
        QTest::newRow("identity word only") << 0;
    }

    void loadChunksAndTheirPercentages()
    {
        QFETCH(int, image);
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
        if (image > 0) {
            QCOMPARE(run.host.Progress(), (std::vector<int>{0, 25, 50, 75}));
            QCOMPARE(run.host.Texts(), Progress({0, 25, 50, 75}));
        }
    }

    // Odd answers are outlived: a second FT_IDENT repeats the start frame and the chunks go on
    // where they were; an answer too big for the 100-byte buffer is neither stored past the
    // buffer nor taken for an error. The image arrives once, whole.
    void loadOutlivesOddAnswers_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("starts");
        QTest::newRow("second FT_IDENT") << int(Fault::SecondIdent) << 3 << 2;
        QTest::newRow("answer too big for the buffer") << int(Fault::BigFrame) << 2 << 1;
    }

    void loadOutlivesOddAnswers()
    {
        QFETCH(int, fault);
        QFETCH(int, step);
        QFETCH(int, starts);
        MeterDevice device(Meter(kMeterWord), WithFault(Fault(fault), step));
        WorkerRun run;
        QVERIFY(RunToEnd(run, device, TK_LOAD_SOFTWARE, m_update));
        QCOMPARE(run.prompts.MessageCount(), 0);
        QCOMPARE(run.prompts.Questions().size(), size_t(0));
        QVERIFY(run.host.Success());
        QCOMPARE(Count(device.ReceivedTypes(), FT_IDENT_ACK), starts);
        QCOMPARE(Count(device.ReceivedTypes(), FT_LOAD), starts);
        QVERIFY(Bytes(device.ReceivedImage()) == TestFile::Read(m_update).mid(4));
    }

    // How each kind ends on a bad file or a fault: the boxes shown, the report to the dialog
    // ("ok", "failed", or "none": the dialog stays open), and what the PC sent: "nothing" at
    // all, its FT_END, or (read) no FT_END and the target file untouched.
    void failuresAndEarlyEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file"); // "db", "update", "pipe", a path, content as hex, "-" for none
        QTest::addColumn<int>("fault");    // -1: the meter does not answer FT_HELLO
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("sent");
        const int R = TK_READ_PARAMS, W = TK_WRITE_PARAMS, L = TK_LOAD_SOFTWARE;
        const int none = int(Fault::None), type = int(Fault::UnexpectedType);
        const QStringList unreadable{"Can not read the specified file!"};
        const QStringList notRegular{"Can not read the specified file!\nNot a regular file"};
        const QStringList wrongDb{"Please choose a correct database parameter file\n"};
        const QStringList wrongUpdate{"Please choose a correct update file\n"};
        auto row = [](const char *name) { return &QTest::newRow(name); };
        *row("read, second FT_IDENT") << R << "" << int(Fault::SecondIdent) << 4 << 0 << QStringList{Code(1)} << "failed" << "kept";
        *row("read, type 7") << R << "" << type << 4 << 7 << QStringList{"Unknown frame 7!", Code(2)} << "failed" << "kept";
        *row("read, FT_READY") << R << "" << type << 4 << 2 << QStringList{Code(2)} << "failed" << "kept";
        // More data than the image holds is not our database: refused, nothing written.
        *row("read, too much data") << R << "" << none << 0 << 0 << QStringList{Code(2)} << "failed" << "kept";
        *row("read, FT_END before any data") << R << "" << int(Fault::EarlyEnd) << 0 << 0 << QStringList{Code(2)} << "failed" << "kept";
        *row("read, FT_END one chunk short") << R << "" << int(Fault::EarlyEnd) << 14 << 0 << QStringList{Code(2)} << "failed" << "kept";
        *row("read, hang-up") << R << "" << int(Fault::HangUp) << 3 << 0 << QStringList{kDeviceError} << "failed" << "kept";
        *row("write, 241247 bytes") << W << QString(QByteArray(kImageSize - 1, 'a').toHex()) << none << 0 << 0 << wrongDb << "failed" << "nothing";
        *row("write, 241249 bytes") << W << QString(QByteArray(kImageSize + 1, 'a').toHex()) << none << 0 << 0 << wrongDb << "failed" << "nothing";
        *row("write, empty file") << W << "" << none << 0 << 0 << wrongDb << "failed" << "nothing";
        *row("write, missing file") << W << "-" << none << 0 << 0 << unreadable << "none" << "nothing";
        // Opening a pipe would wait for a writer for ever; a device has no length to check.
        *row("write, a pipe") << W << "pipe" << none << 0 << 0 << notRegular << "none" << "nothing";
        *row("write, no answer to FT_HELLO") << W << "db" << -1 << 0 << 0 << QStringList{Code(8)} << "failed" << "end";
        *row("write, second FT_IDENT") << W << "db" << int(Fault::SecondIdent) << 2 << 0 << QStringList{Code(6)} << "failed" << "end";
        *row("write, FT_DATA") << W << "db" << type << 1 << 3 << QStringList{Code(7)} << "failed" << "end";
        *row("write, short answer") << W << "db" << int(Fault::ShortFrame) << 0 << 0 << QStringList{Code(8)} << "failed" << "end";
        *row("write, answer too big") << W << "db" << int(Fault::BigFrame) << 0 << 0 << QStringList{Code(8)} << "failed" << "end";
        // FT_END is success only once every byte has moved: otherwise the meter lacks data.
        *row("write, FT_END before the last chunk") << W << "db" << int(Fault::EarlyEnd) << 14 << 0 << QStringList{Code(7)} << "failed" << "end";
        *row("write, FT_END for the last chunk") << W << "db" << int(Fault::EarlyEnd) << 15 << 0 << QStringList() << "ok" << "end";
        *row("write, hang-up") << W << "db" << int(Fault::HangUp) << 2 << 0 << QStringList{kDeviceError} << "failed" << "";
        *row("load, not B") << L << QString(UpdateFile(0x41010009, 100).toHex()) << none << 0 << 0 << wrongUpdate << "failed" << "nothing";
        *row("load, 3 bytes") << L << "090001" << none << 0 << 0 << wrongUpdate << "failed" << "nothing";
        *row("load, empty file") << L << "" << none << 0 << 0 << wrongUpdate << "failed" << "nothing";
        *row("load, missing file") << L << "-" << none << 0 << 0 << unreadable << "none" << "nothing";
        *row("load, a device") << L << "/dev/zero" << none << 0 << 0 << notRegular << "none" << "nothing";
        *row("load, FT_DATA") << L << "update" << type << 1 << 3 << QStringList{Code(4)} << "failed" << "end";
        *row("load, FT_END after 2 chunks") << L << "update" << int(Fault::EarlyEnd) << 2 << 0 << QStringList{Code(4)} << "failed" << "end";
        *row("load, FT_END for the last chunk") << L << "update" << int(Fault::EarlyEnd) << 7 << 0 << QStringList() << "ok" << "end";
        *row("load, hang-up") << L << "update" << int(Fault::HangUp) << 2 << 0 << QStringList{kDeviceError} << "failed" << "";
    }

    void failuresAndEarlyEnds()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(int, fault);
        QFETCH(int, step);
        QFETCH(int, type);
        QFETCH(QStringList, messages);
        QFETCH(QString, report);
        QFETCH(QString, sent);
        QTemporaryDir dir;
        QString path = file == "db" ? m_db : file == "update" ? m_update : file.startsWith('/') ? file : dir.filePath("file.bin");
        if (file == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (file != "-" && path == dir.filePath("file.bin"))
            QVERIFY(TestFile::Write(path, kind == TK_READ_PARAMS ? kOld : QByteArray::fromHex(file.toLatin1())));
        MeterDevice::Transfer t = WithFault(fault < 0 ? Fault::None : Fault(fault), step, uint16_t(type));
        if (kind == TK_READ_PARAMS && fault == int(Fault::None)) {
            t.image = MeterDevice::DefaultImage();
            t.image.resize(kImageSize + 1, 0x5A);
        }
        MeterSim::Config config = Meter(kMeterWord);
        if (fault < 0)
            config.helloFault = MeterSim::HelloFault::Silence;
        MeterDevice meter(config, t);
        WorkerRun run;
        QVERIFY(RunToEnd(run, meter, kind, path));

        if (messages == QStringList{kDeviceError})
            QVERIFY(EndedOnDeviceError(run) && (kind == TK_WRITE_PARAMS || run.prompts.MessageCount() == 1));
        else
            QCOMPARE(run.prompts.MessageTexts(), messages);
        if (report == "none")
            QVERIFY(run.host.DoneCount() == 0 && run.ExitCode() == 1);
        else
            QVERIFY(run.host.DoneCount() == 1 && run.host.Success() == (report == "ok"));
        if (report == "ok") {
            // The bar jumps to 100; a write's text stays where the last chunk left it.
            QCOMPARE(run.host.Progress().back(), 100);
            QCOMPARE(run.host.Texts().back(), kind == TK_WRITE_PARAMS ? QStringLiteral("transfer progress 93%")
                                                                      : QStringLiteral("transfer progress 100%"));
        }
        if (sent == "nothing") {
            QVERIFY(!meter.WaitForEnd(1, 300));
            QCOMPARE(meter.FramesReceived(), 0);
        } else if (sent == "end") {
            QVERIFY(meter.WaitForEnd(1, 2000));
        } else if (sent == "kept") {
            QCOMPARE(meter.EndCount(), 0);
            QCOMPARE(TestFile::Read(path), kOld);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"file.bin"});
        }
    }

    // A stop ends the worker at once, silently; it wakes a read blocked in mid-chunk. Stopped
    // between chunks, no other starts; stopped with a chunk partly out on a 115200-baud line,
    // the frame is finished, however long that takes, so the meter can read the FT_END after it.
    void stopsEndTheWorkerCleanly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("chunk"); // the chunk going out when the stop comes
        QTest::addColumn<int>("sent");  // bytes of its frame out by then
        QTest::newRow("read, blocked in half a chunk") << int(TK_READ_PARAMS) << 0 << 0;
        QTest::newRow("write, before chunk 3") << int(TK_WRITE_PARAMS) << 3 << 0;
        QTest::newRow("load, chunk 2 a quarter out") << int(TK_LOAD_SOFTWARE) << 2 << 4100;
    }

    void stopsEndTheWorkerCleanly()
    {
        QFETCH(int, kind);
        QFETCH(int, chunk);
        QFETCH(int, sent);
        WorkerRun run;
        if (kind == TK_READ_PARAMS) {
            PtyPair pty;
            const QString target = m_dir.filePath("stopped.bin");
            QVERIFY(run.Start(kind, target, pty.SlavePath()) && Greet(pty));
            // Half of a 16384-byte chunk: the worker takes it and waits for the rest.
            QVERIFY(pty.Send(QByteArray::fromHex("00034000") + QByteArray(8192, 'h')));
            QVERIFY(!run.WaitEnded(400)); // silence is no error
            int queued = -1;
            QVERIFY(WaitUntil([&] { return ::ioctl(pty.SlaveFd(), FIONREAD, &queued) == 0 && queued == 0; }));
            run.Stop();
            QVERIFY(run.WaitEnded(2000));
            QVERIFY(!QFile::exists(target));
        } else {
            MeterDevice meter(Meter(kMeterWord));
            run.StopInChunk(chunk, uint32_t(sent));
            QVERIFY(RunToEnd(run, meter, kind, kind == TK_WRITE_PARAMS ? m_db : m_update));
            QVERIFY(meter.WaitForEnd(1, 3000));
            QCOMPARE(Count(meter.ReceivedTypes(), FT_DATA), sent ? chunk : chunk - 1);
            QCOMPARE(meter.ReceivedImage().size() % 16384, size_t(0));
        }
        QCOMPARE(run.host.DoneCount(), 0);
        QCOMPARE(run.prompts.MessageCount(), 0);
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
    QString m_update;
    QByteArray m_image;
};

QTEST_GUILESS_MAIN(TestTransferWorker)
#include "tst_transferworker.moc"
