// The transfer workers (read, write, load software) against the emulated meter: images,
// progress, the identity test, odd frames, faults, stops and the files they touch.
#include "PtyPair.h"
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

const QByteArray kOld("the file that was there before");
const QString kDeviceError = QStringLiteral("Serial Communication Device Error");
const QString kModelQ = QStringLiteral("This software doesn't match your Meter!");
const QString kVersionQ = QStringLiteral(
    "This software version is not higher than the edition used currently, \nwould you like to continue?");
const uint32_t kMeterWord = 0x42010001;
const uint32_t kFileWord = 0x42010009;
const int R = TK_READ_PARAMS, W = TK_WRITE_PARAMS, L = TK_LOAD_SOFTWARE;

// Texts shown against the expected ones; an expected text ending in '*' takes any non-empty rest.
bool Matches(const QStringList &shown, const QStringList &want)
{
    bool same = shown.size() == want.size();
    for (qsizetype i = 0; same && i < want.size(); ++i)
        same = want[i].endsWith('*') ? shown[i].startsWith(want[i].chopped(1)) && shown[i].size() >= want[i].size()
                                     : shown[i] == want[i];
    return same;
}

QString Code(int n)
{
    return QStringLiteral("An error ocurred when transfering. code:%1\nPlease restart the STB.").arg(n);
}

MeterSim::Config Meter(uint32_t word)
{
    MeterSim::Config c;
    c.identWord = word;
    return c;
}

int Count(const std::vector<uint16_t> &types, uint16_t type)
{
    return int(std::count(types.begin(), types.end(), type));
}

// The frame types the meter should receive: pairs of (type, how many).
QList<int> Seq(std::initializer_list<std::pair<int, int>> runs)
{
    QList<int> types;
    for (const auto &run : runs)
        types.append(QList<int>(run.second, run.first));
    return types;
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

    // Each kind moves its image whole, also past odd answers (a second FT_IDENT, which repeats
    // the start frame; an answer too big for the 100-byte buffer). `size`: a load's image length.
    void successfulTransfers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("progress"); // empty: not checked
        QTest::addColumn<QList<int>>("types");    // empty: only the start frames are counted
        QTest::addColumn<int>("starts");
        const int none = int(Fault::None);
        QTest::newRow("read") << R << 0 << none << 0
            << QList<int>{6, 13, 20, 27, 33, 40, 47, 54, 61, 67, 74, 81, 88, 95, 100, 100}
            << Seq({{FT_IDENT_ACK, 1}, {FT_READ, 1}, {FT_READY, 16}}) << 1; // the PC ends no read
        QTest::newRow("write") << W << 0 << none << 0
            << QList<int>{0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100}
            << Seq({{FT_IDENT_ACK, 1}, {FT_WRITE, 1}, {FT_DATA, 15}, {FT_END, 1}}) << 1;
        QTest::newRow("load, four chunks") << L << 65536 << none << 0 << QList<int>{0, 25, 50, 75}
            << Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 4}, {FT_END, 1}}) << 1;
        QTest::newRow("load, identity word only") << L << 0 << none << 0 << QList<int>()
            << Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_END, 1}}) << 1;
        QTest::newRow("load, second FT_IDENT") << L << 100000 << int(Fault::SecondIdent) << 3 << QList<int>()
                                               << QList<int>() << 2;
        QTest::newRow("load, answer too big") << L << 100000 << int(Fault::BigFrame) << 2 << QList<int>()
                                              << QList<int>() << 1;
    }

    void successfulTransfers()
    {
        QFETCH(int, kind);
        QFETCH(int, size);
        QFETCH(int, fault);
        QFETCH(int, step);
        QFETCH(QList<int>, progress);
        QFETCH(QList<int>, types);
        QFETCH(int, starts);
        MeterDevice meter(Meter(kMeterWord), WithFault(Fault(fault), step));
        const QString path = m_dir.filePath(kind == R ? "read.bin" : kind == W ? "db.bin" : "load.bin");
        const QByteArray update = UpdateFile(kFileWord, size);
        if (kind == L)
            QVERIFY(TestFile::Write(path, update));
        WorkerRun run;
        QVERIFY(run.Run(TransferKind(kind), path, meter));
        QCOMPARE(run.host.Done(), std::vector<int>{kind});
        QCOMPARE(run.prompts.MessageCount(), 0);
        QCOMPARE(run.prompts.Questions().size(), size_t(0));
        if (kind != R)
            QVERIFY(meter.WaitForEnd(1, 2000));
        QCOMPARE(meter.StartLength(), kind == L ? uint32_t(size) : kImageSize);
        if (kind == R)
            QVERIFY(TestFile::Read(path) == Bytes(MeterDevice::DefaultImage()));
        else
            QVERIFY(Bytes(meter.ReceivedImage()) == (kind == W ? m_image : update.mid(4)));
        if (!progress.isEmpty()) {
            const std::vector<int> shown = run.host.Progress();
            QCOMPARE(QList<int>(shown.begin(), shown.end()), progress);
            QStringList texts{"transfer progress 0%"};
            for (int p : progress)
                texts << QStringLiteral("transfer progress %1%").arg(p);
            QCOMPARE(run.host.Texts(), texts);
        }
        const std::vector<uint16_t> received = meter.ReceivedTypes();
        if (!types.isEmpty())
            QCOMPARE(QList<int>(received.begin(), received.end()), types);
        QCOMPARE(Count(received, FT_IDENT_ACK), starts);
        QCOMPARE(Count(received, uint16_t(kind)), starts);
    }

    // The meter may send its data before it answers FT_HELLO: the read takes it all the same.
    void readTakesDataBeforeTheIdentity()
    {
        PtyPair pty;
        WorkerRun run;
        const QString path = m_dir.filePath("early.bin");
        QVERIFY(run.Start(TK_READ_PARAMS, path, pty.SlavePath()));
        const QByteArray image = Bytes(MeterDevice::DefaultImage());
        QByteArray line;
        for (qsizetype at = 0; at < image.size(); at += 16384) {
            const QByteArray part = image.mid(at, 16384);
            line += QByteArray::fromHex("0003") + char(part.size() >> 8) + char(part.size() & 0xFF) + part;
        }
        QVERIFY(pty.Send(line + QByteArray::fromHex("000000044201020300040000")));
        QVERIFY(run.WaitEnded());
        QVERIFY(run.host.Success() && TestFile::Read(path) == image);
    }

    // The questions come with the information icon; Yes to a foreign model skips the version.
    void loadIdentityTest_data()
    {
        QTest::addColumn<uint>("meter");
        QTest::addColumn<uint>("file");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::newRow("newer version") << 0x42010005u << 0x42010006u << false << QString();
        QTest::newRow("same version, Yes") << 0x42010006u << 0x42010006u << true << kVersionQ;
        QTest::newRow("same version, No") << 0x42010006u << 0x42010006u << false << kVersionQ;
        QTest::newRow("bits 15-8 ignored") << 0x42010007u << 0x4201FF06u << false << kVersionQ;
        QTest::newRow("other model, Yes") << 0x42020001u << 0x42010009u << true << kModelQ;
        QTest::newRow("other model, No") << 0x42020001u << 0x42010009u << false << kModelQ;
        QTest::newRow("other model, older, Yes") << 0x42020009u << 0x42010001u << true << kModelQ;
    }

    void loadIdentityTest()
    {
        QFETCH(uint, meter);
        QFETCH(uint, file);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        const bool loads = answer || question.isEmpty();
        const QString path = m_dir.filePath("identity.bin");
        QVERIFY(TestFile::Write(path, UpdateFile(file, 40000)));
        MeterDevice device(Meter(meter));
        WorkerRun run;
        run.prompts.QueueAnswer(answer);
        QVERIFY(run.Run(TK_LOAD_SOFTWARE, path, device));
        QStringList asked;
        for (const auto &q : run.prompts.Questions())
            asked << q.text + (q.icon == Prompts::Icon::Information ? " (i)" : " (other icon)");
        QCOMPARE(asked, question.isEmpty() ? QStringList() : QStringList{question + " (i)"});
        QCOMPARE(run.host.Done(), std::vector<int>{loads ? L : -L});
        QCOMPARE(run.prompts.MessageCount(), 0);
        QVERIFY(device.WaitForEnd(1, 2000)); // after a load and after a refusal alike
        const auto types = device.ReceivedTypes();
        QCOMPARE(types.front(), uint16_t(FT_IDENT_ACK));
        QCOMPARE(Count(types, FT_LOAD), loads ? 1 : 0);
        QCOMPARE(Count(types, FT_DATA) > 0, loads);
        if (loads)
            QCOMPARE(device.StartWord(), file);
    }

    // How each kind ends on a bad file or a fault: the boxes shown, the report to the dialog
    // ("ok", "failed", or "none": the dialog stays open), and what the PC sent: "nothing" at
    // all (not even FT_HELLO), its FT_END, or (read) no FT_END and the old target untouched.
    // A read that cannot write its target tells the system's reason and leaves no file behind.
    void failuresAndEarlyEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file"); // write, load: "db", "update", "pipe", a path, content as
                                           // hex, "-" for none; read: the target ("": an old file)
        QTest::addColumn<int>("fault");    // -1: the meter does not answer FT_HELLO
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("sent");
        const int none = int(Fault::None), type = int(Fault::UnexpectedType);
        const QStringList unreadable{"Can not read the specified file!"};
        const QStringList notRegular{"Can not read the specified file!\nNot a regular file"};
        const QStringList wrongDb{"Please choose a correct database parameter file\n"};
        const QStringList wrongUpdate{"Please choose a correct update file\n"};
        const QString cannotWrite = QStringLiteral("Can not write the specified file!\n");
        auto row = [](const char *name) { return &QTest::newRow(name); };
        *row("read, missing folder") << R << "no/such/folder/db.bin" << none << 0 << 0 << QStringList{cannotWrite + '*'} << "failed" << "nothing";
        *row("read, a folder is in the way") << R << "taken" << none << 0 << 0 << QStringList{cannotWrite + QString::fromLocal8Bit(std::strerror(EISDIR))} << "failed" << "nothing";
        *row("read, folder gone before the end") << R << "sub/db.bin" << none << 0 << 0 << QStringList{cannotWrite + '*'} << "failed" << "";
        *row("read, second FT_IDENT") << R << "" << int(Fault::SecondIdent) << 4 << 0 << QStringList{Code(1)} << "failed" << "kept";
        *row("read, type 7") << R << "" << type << 4 << 7 << QStringList{"Unknown frame 7!", Code(2)} << "failed" << "kept";
        // More data than the image holds is not our database: refused, nothing written.
        *row("read, too much data") << R << "" << none << 0 << 0 << QStringList{Code(2)} << "failed" << "kept";
        *row("read, FT_END one chunk short") << R << "" << int(Fault::EarlyEnd) << 14 << 0 << QStringList{Code(2)} << "failed" << "kept";
        *row("read, hang-up") << R << "" << int(Fault::HangUp) << 3 << 0 << QStringList{kDeviceError} << "failed" << "kept";
        *row("write, 241247 bytes") << W << QString(QByteArray(kImageSize - 1, 'a').toHex()) << none << 0 << 0 << wrongDb << "failed" << "nothing";
        *row("write, 241249 bytes") << W << QString(QByteArray(kImageSize + 1, 'a').toHex()) << none << 0 << 0 << wrongDb << "failed" << "nothing";
        *row("write, missing file") << W << "-" << none << 0 << 0 << unreadable << "none" << "nothing";
        // Opening a pipe would wait for a writer for ever; a device has no length to check.
        *row("write, a pipe") << W << "pipe" << none << 0 << 0 << notRegular << "none" << "nothing";
        *row("write, no answer to FT_HELLO") << W << "db" << -1 << 0 << 0 << QStringList{Code(8)} << "failed" << "end";
        *row("write, second FT_IDENT") << W << "db" << int(Fault::SecondIdent) << 2 << 0 << QStringList{Code(6)} << "failed" << "end";
        *row("write, FT_DATA") << W << "db" << type << 1 << 3 << QStringList{Code(7)} << "failed" << "end";
        *row("write, answer too big") << W << "db" << int(Fault::BigFrame) << 0 << 0 << QStringList{Code(8)} << "failed" << "end";
        // FT_END is success only once every byte has moved: otherwise the meter lacks data.
        *row("write, FT_END before the last chunk") << W << "db" << int(Fault::EarlyEnd) << 14 << 0 << QStringList{Code(7)} << "failed" << "end";
        *row("write, FT_END for the last chunk") << W << "db" << int(Fault::EarlyEnd) << 15 << 0 << QStringList() << "ok" << "end";
        *row("write, hang-up") << W << "db" << int(Fault::HangUp) << 2 << 0 << QStringList{kDeviceError} << "failed" << "";
        *row("load, not B") << L << QString(UpdateFile(0x41010009, 100).toHex()) << none << 0 << 0 << wrongUpdate << "failed" << "nothing";
        *row("load, 3 bytes") << L << "090001" << none << 0 << 0 << wrongUpdate << "failed" << "nothing";
        *row("load, missing file") << L << "-" << none << 0 << 0 << unreadable << "none" << "nothing";
        *row("load, a device") << L << "/dev/zero" << none << 0 << 0 << notRegular << "none" << "nothing";
        *row("load, FT_DATA") << L << "update" << type << 1 << 3 << QStringList{Code(4)} << "failed" << "end";
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
        QVERIFY(QDir(dir.path()).mkdir("taken") && QDir(dir.path()).mkdir("sub"));
        QString path = dir.filePath(kind == R && !file.isEmpty() ? file : "file.bin");
        if (file == "db" || file == "update" || file.startsWith('/'))
            path = file == "db" ? m_db : file == "update" ? m_update : file;
        else if (file == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == R ? file.isEmpty() : file != "-")
            QVERIFY(TestFile::Write(path, kind == R ? kOld : QByteArray::fromHex(file.toLatin1())));
        MeterDevice::Transfer t = WithFault(fault < 0 ? Fault::None : Fault(fault), step, uint16_t(type));
        if (kind == R && fault == int(Fault::None) && file.isEmpty()) {
            t.image = MeterDevice::DefaultImage();
            t.image.resize(kImageSize + 1, 0x5A);
        }
        MeterSim::Config config = Meter(kMeterWord);
        if (fault < 0)
            config.helloFault = MeterSim::HelloFault::Silence;
        MeterDevice meter(config, t);
        WorkerRun run;
        if (file.startsWith("sub/"))
            run.host.onProgress = [&] { QDir(dir.filePath("sub")).removeRecursively(); };
        QVERIFY(run.Run(TransferKind(kind), path, meter));

        // A hang-up is told once, in the system's words, by the device error box; a write may
        // meet the dead line more than once (its FT_END is not tried on it).
        if (messages == QStringList{kDeviceError}) {
            const auto shown = run.prompts.Messages();
            QVERIFY(shown.size() == 1 || (kind == W && !shown.empty()));
            for (const auto &m : shown)
                QVERIFY(m.caption == kDeviceError && m.icon == Prompts::Icon::Information && !m.text.isEmpty());
        } else {
            QVERIFY2(Matches(run.prompts.MessageTexts(), messages), qPrintable(run.prompts.MessageTexts().join('|')));
        }
        if (report == "none")
            QVERIFY(run.host.Done().empty() && run.ExitCode() == 1);
        else
            QCOMPARE(run.host.Done(), std::vector<int>{report == "ok" ? kind : -kind});
        if (report == "ok") {
            // The bar jumps to 100; a write's text stays where the last chunk left it.
            QCOMPARE(run.host.Progress().back(), 100);
            QCOMPARE(run.host.Texts().back(), kind == W ? QStringLiteral("transfer progress 93%")
                                                        : QStringLiteral("transfer progress 100%"));
        }
        if (sent == "nothing") {
            QVERIFY(!meter.WaitForEnd(1, 300));
            QVERIFY(meter.HelloCount() == 0 && meter.FramesReceived() == 0);
        } else if (sent == "end") {
            QVERIFY(meter.WaitForEnd(1, 2000));
        } else if (sent == "kept") {
            QCOMPARE(meter.EndCount(), 0);
            QCOMPARE(TestFile::Read(path), kOld);
        }
        if (kind == R)
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), sent == "kept" ? QStringList{"file.bin"} : QStringList());
    }

    // A stop ends the worker at once, silently. Stopped between chunks, no other starts; stopped
    // with a chunk partly out on a 115200-baud line, the frame is finished, however long that
    // takes, so the meter can read the FT_END after it.
    void stopsEndTheWorkerCleanly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("chunk"); // the chunk going out when the stop comes
        QTest::addColumn<int>("sent");  // bytes of its frame out by then
        QTest::newRow("write, before chunk 3") << W << 3 << 0;
        QTest::newRow("load, chunk 2 a quarter out") << L << 2 << 4100;
    }

    void stopsEndTheWorkerCleanly()
    {
        QFETCH(int, kind);
        QFETCH(int, chunk);
        QFETCH(int, sent);
        WorkerRun run;
        MeterDevice meter(Meter(kMeterWord));
        run.StopInChunk(chunk, uint32_t(sent));
        QVERIFY(run.Run(TransferKind(kind), kind == W ? m_db : m_update, meter));
        QVERIFY(meter.WaitForEnd(1, 3000));
        QCOMPARE(Count(meter.ReceivedTypes(), FT_DATA), sent ? chunk : chunk - 1);
        QCOMPARE(meter.ReceivedImage().size() % 16384, size_t(0));
        QVERIFY(run.host.Done().empty());
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
