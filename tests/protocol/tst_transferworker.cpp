// The transfer workers (read, write, load software) against the emulated meter, and the files they touch.
#include "PtyPair.h"
#include "SampleDatabase.h"
#include "WorkerRun.h"

#include "protocol/Frame.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kOld("the file that was there before");
const QString kDeviceError = QStringLiteral("Serial Communication Device Error");
// Questions as asked: "(i) " for the information icon, "(!) " for the warning icon.
const QString kModelQ = QStringLiteral("(i) This software doesn't match your Meter!");
const QString kVersionQ = QStringLiteral(
    "(i) This software version is not higher than the edition used currently, \nwould you like to continue?");
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

QString Percent(int n) { return QStringLiteral("transfer progress %1%").arg(n); }

QString Hex(uint32_t word, int image) { return QString(UpdateFile(word, image).toHex()); }

QString Code(int n) { return QStringLiteral("An error ocurred when transfering. code:%1\nPlease restart the STB.").arg(n); }

// The frame types the meter should receive: pairs of (type, how many).
QList<int> Seq(std::initializer_list<std::pair<int, int>> runs)
{
    QList<int> types;
    for (const auto &run : runs)
        types.append(QList<int>(run.second, run.first));
    return types;
}

// One transfer; the fields after `messages` are left out where they keep their defaults.
struct Case {
    int kind = 0;
    QString file{}; // write, load: "pipe", hex content, "-": none; read: the target, "": an old file
    QStringList messages{};
    QString report{}, sent{};
    Fault fault = Fault::None;
    int step = 0; // -1: the meter does not answer FT_HELLO
    int type = 5;
    QString question{};
    uint32_t meter = kMeterWord;
    QList<int> types{};   // the frame types the meter receives; empty: not checked
    QList<int> progress{}; // the bar's steps; empty: not checked
    int stopChunk = 0;   // the chunk going out when the stop comes, and bytes of its frame out by then
    uint32_t stopBytes = 0;
    int text = 0; // after an FT_END for the last chunk the bar jumps to 100, the text stays here
};

} // namespace

Q_DECLARE_METATYPE(Case)

class TestTransferWorker : public QObject
{
    Q_OBJECT
private slots:
    // The meter may send its data before it answers FT_HELLO: the read takes it all the same.
    void readTakesDataBeforeTheIdentity()
    {
        PtyPair pty;
        WorkerRun run;
        QTemporaryDir dir;
        const QString path = dir.filePath("early.bin");
        QVERIFY(run.Start(TK_READ_PARAMS, path, pty.SlavePath()));
        const QByteArray image = Bytes(MeterDevice::DefaultImage());
        QByteArray line;
        for (qsizetype at = 0; at < image.size(); at += 16384) {
            const QByteArray part = image.mid(at, 16384);
            line += QByteArray::fromHex("0003") + char(part.size() >> 8) + char(part.size() & 0xFF) + part;
        }
        QVERIFY(pty.Send(line + QByteArray::fromHex("000000044201020300040000")));
        QVERIFY(run.WaitEnded());
        QVERIFY(run.host.Done() == std::vector{TransferOutcome::Kind::Done} && TestFile::Read(path) == image);
    }

    // One row per transfer, each kind from start to end: the boxes shown ('*' takes any non-empty
    // rest), the report to the dialog ("ok", "failed", or "none": the dialog stays open), and what
    // the PC sent: "nothing" at all (not even FT_HELLO), its FT_END, or (read) no FT_END and the old
    // target untouched. A read that cannot write its target tells the system's reason and leaves no
    // file behind. A load question is answered Yes when the row expects "ok", and comes with the
    // information icon. A stop in a chunk ends the worker silently; a frame partly out on a
    // 115200-baud line is finished, however long that takes, and no other starts.
    void transfers_data()
    {
        QTest::addColumn<Case>("c");
        const Fault none = Fault::None, type = Fault::UnexpectedType, end = Fault::EarlyEnd;
        const Fault ident = Fault::SecondIdent, big = Fault::BigFrame, hangUp = Fault::HangUp;
        const QString unreadable = QStringLiteral("Can not read the specified file!");
        const QString cannotWrite = QStringLiteral("Can not write the specified file!\n");
        const QStringList deviceError{kDeviceError};
        const QString update = Hex(kFileWord, 100000), damaged = Hex(kFileWord, int(kImageSize) - 4);
        const QString db = QString(SampleDatabase::Make({3, 12, 30, 800}).toHex());
        const QList<int> loaded = Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 1}, {FT_END, 1}});
        const QList<int> refused = Seq({{FT_IDENT_ACK, 1}, {FT_END, 1}});
        auto row = [](const char *name, const Case &c) { QTest::newRow(name) << c; };
        row("read", {R, "read.bin", {}, "ok", "", none, 0, 5, {}, kMeterWord, // the PC ends no read
            Seq({{FT_IDENT_ACK, 1}, {FT_READ, 1}, {FT_READY, 16}}), {6, 13, 20, 27, 33, 40, 47, 54, 61, 67, 74, 81, 88, 95, 100, 100}});
        row("write", {W, db, {}, "ok", "end", none, 0, 5, {}, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_WRITE, 1}, {FT_DATA, 15}, {FT_END, 1}}), {0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100}});
        row("load, four chunks", {L, Hex(kFileWord, 65536), {}, "ok", "end", none, 0, 5, {}, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 4}, {FT_END, 1}}), {0, 25, 50, 75}});
        row("load, identity word only", {L, Hex(kFileWord, 0), {}, "ok", "end", none, 0, 5, {}, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_END, 1}})});
        // Odd answers: a second FT_IDENT repeats the start frame; one too big for the 100-byte buffer.
        row("load, second FT_IDENT", {L, update, {}, "ok", "end", ident, 3, 5, {}, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 3}, {FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 4}, {FT_END, 1}})});
        row("load, answer too big", {L, update, {}, "ok", "end", big, 2, 5, {}, kMeterWord, Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 7}, {FT_END, 1}})});
        // The version compares bits 7-0 (15-8 ignored); Yes to a foreign model skips the version.
        row("newer version", {L, Hex(0x42010006, 100), {}, "ok", "end", none, 0, 5, {}, 0x42010005, loaded});
        row("same version, Yes", {L, Hex(0x42010006, 100), {}, "ok", "end", none, 0, 5, kVersionQ, 0x42010006, loaded});
        row("bits 15-8 ignored", {L, Hex(0x4201FF06, 100), {}, "failed", "end", none, 0, 5, kVersionQ, 0x42010007, refused});
        row("other model, Yes", {L, Hex(0x42010009, 100), {}, "ok", "end", none, 0, 5, kModelQ, 0x42020001, loaded});
        row("other model, No", {L, Hex(0x42010009, 100), {}, "failed", "end", none, 0, 5, kModelQ, 0x42020001, refused});
        row("other model, older, Yes", {L, Hex(0x42010001, 100), {}, "ok", "end", none, 0, 5, kModelQ, 0x42020009, loaded});
        row("read, folder takes no new file", {R, "sealed/db.bin", {}, "ok", ""}); // written in place
        row("read, missing folder", {R, "no/such/folder/db.bin", {cannotWrite + '*'}, "failed", "nothing"});
        row("read, a folder is in the way", {R, "taken", {cannotWrite + QString::fromLocal8Bit(std::strerror(EISDIR))}, "failed", "nothing"});
        row("read, folder gone before the end", {R, "sub/db.bin", {cannotWrite + '*'}, "failed", ""});
        row("read, second FT_IDENT", {R, "", {Code(1)}, "failed", "kept", ident, 4});
        row("read, type 7", {R, "", {"Unknown frame 7!", Code(2)}, "failed", "kept", type, 4, 7});
        // More data than the image holds is not our database: refused, nothing written.
        row("read, too much data", {R, "", {Code(2)}, "failed", "kept"});
        row("read, FT_END one chunk short", {R, "", {Code(2)}, "failed", "kept", end, 14});
        row("read, hang-up", {R, "", deviceError, "failed", "kept", hangUp, 3});
        row("write, 241247 bytes", {W, QString(QByteArray(kImageSize - 1, 'a').toHex()), {"Please choose a correct database parameter file\n"}, "failed", "nothing"});
        // A damaged database is asked about (No the default) before the first frame.
        const QString damagedQ = QStringLiteral("(!) This database file is damaged:\n\n- *");
        row("write, damaged, No", {W, damaged, {}, "failed", "nothing", none, 0, 5, damagedQ});
        row("write, damaged, Yes", {W, damaged, {}, "ok", "end", none, 0, 5, damagedQ, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_WRITE, 1}, {FT_DATA, 15}, {FT_END, 1}})});
        row("write, missing file", {W, "-", {unreadable}, "none", "nothing"});
        // Opening a pipe would wait for a writer for ever; a device has no length to check.
        row("write, a pipe", {W, "pipe", {unreadable + "\nNot a regular file"}, "none", "nothing"});
        row("write, no answer to FT_HELLO", {W, db, {Code(8)}, "failed", "end", none, -1});
        row("write, second FT_IDENT", {W, db, {Code(6)}, "failed", "end", ident, 2});
        row("write, FT_DATA", {W, db, {Code(7)}, "failed", "end", type, 1, 3});
        row("write, answer too big", {W, db, {Code(8)}, "failed", "end", big});
        // FT_END is success only once every byte has moved: otherwise the meter lacks data. The
        // bar jumps to 100; a write's text stays where the last chunk left it.
        row("write, FT_END before the last chunk", {W, db, {Code(7)}, "failed", "end", end, 14});
        row("write, FT_END for the last chunk", {W, db, {}, "ok", "end", end, 15, 5, {}, kMeterWord, {}, {}, 0, 0, 93});
        row("write, hang-up", {W, db, deviceError, "failed", "", hangUp, 2});
        row("write, stop before chunk 3", {W, db, {}, "stopped", "end", none, 0, 5, {}, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_WRITE, 1}, {FT_DATA, 2}, {FT_END, 1}}), {}, 3, 0});
        row("load, not B", {L, Hex(0x41010009, 100), {"Please choose a correct update file\n"}, "failed", "nothing"});
        row("load, 3 bytes", {L, "090001", {"Please choose a correct update file\n"}, "failed", "nothing"});
        row("load, missing file", {L, "-", {unreadable}, "none", "nothing"});
        row("load, FT_DATA", {L, update, {Code(4)}, "failed", "end", type, 1, 3});
        row("load, FT_END for the last chunk", {L, update, {}, "ok", "end", end, 7, 5, {}, kMeterWord, {}, {}, 0, 0, 100});
        row("load, hang-up", {L, update, deviceError, "failed", "", hangUp, 2});
        row("load, stop in chunk 2, a quarter out", {L, update, {}, "stopped", "end", none, 0, 5, {}, kMeterWord,
            Seq({{FT_IDENT_ACK, 1}, {FT_LOAD, 1}, {FT_DATA, 2}, {FT_END, 1}}), {}, 2, 4100});
    }

    void transfers()
    {
        QFETCH(Case, c);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("taken") && QDir(dir.path()).mkdir("sub"));
        QString path = dir.filePath(c.kind == R && !c.file.isEmpty() ? c.file : "file.bin");
        if (c.file == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (c.kind == R ? c.file.isEmpty() : c.file != "-")
            QVERIFY(TestFile::Write(path, c.kind == R ? kOld : QByteArray::fromHex(c.file.toLatin1())));
        const QString sealed = dir.filePath("sealed");
        const auto unseal = qScopeGuard([&] { QFile::setPermissions(sealed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (c.file.startsWith("sealed/")) {
            if (::geteuid() == 0)
                QSKIP("root makes files in any folder; scripts/as-user-tests.sh runs this as an ordinary account");
            QVERIFY(QDir().mkdir(sealed) && TestFile::Write(path, kOld));
            QVERIFY(QFile::setPermissions(sealed, QFile::ReadOwner | QFile::ExeOwner));
        }
        MeterDevice::Transfer t = WithFault(c.fault, c.step, uint16_t(c.type));
        if (c.kind == R && c.fault == Fault::None && c.file.isEmpty()) {
            t.image = MeterDevice::DefaultImage();
            t.image.resize(kImageSize + 1, 0x5A);
        }
        MeterDevice meter({c.meter, c.step < 0 ? MeterSim::HelloFault::Silence : MeterSim::HelloFault::None}, t);
        TransferLog log;
        WorkerRun run;
        run.log = &log;
        run.prompts.QueueAnswer(c.report == "ok");
        if (c.file.startsWith("sub/"))
            run.host.onProgress = [&] { QDir(dir.filePath("sub")).removeRecursively(); };
        if (c.stopChunk)
            run.StopInChunk(c.stopChunk, c.stopBytes);
        QVERIFY(run.Run(TransferKind(c.kind), path, meter));

        QStringList asked;
        for (const auto &q : run.prompts.Questions())
            asked << (q.icon == Prompts::Icon::Information ? "(i) " : q.icon == Prompts::Icon::Warning ? "(!) " : "(?) ") + q.text;
        QVERIFY2(Matches(asked, c.question.isEmpty() ? QStringList() : QStringList{c.question}), qPrintable(asked.join('|')));
        // A hang-up is told once, in the system's words, by the device error box; a write may
        // meet the dead line more than once (its FT_END is not tried on it).
        if (c.messages == QStringList{kDeviceError}) {
            const auto shown = run.prompts.Messages();
            QVERIFY(shown.size() == 1 || (c.kind == W && !shown.empty()));
            for (const auto &m : shown)
                QVERIFY(m.caption == kDeviceError && m.icon == Prompts::Icon::Information && !m.text.isEmpty());
        } else {
            QVERIFY2(Matches(run.prompts.MessageTexts(), c.messages), qPrintable(run.prompts.MessageTexts().join('|')));
        }
        // The log ends with the outcome and the code the user was shown.
        const QRegularExpressionMatch code = QRegularExpression("code:(\\d)").match(run.prompts.MessageTexts().join(' '));
        QCOMPARE(log.ErrorCode(), code.hasMatch() ? code.captured(1).toInt() : 0);
        QVERIFY(log.Text().contains(c.report == "ok" ? "outcome: success" : c.report == "stopped" ? "outcome: stopped" : "outcome: failed"));
        // The worker's result names the failure the user was shown, with that box's text and code.
        using K = TransferOutcome::Kind;
        const TransferOutcome outcome = run.Outcome();
        const QString lastShown = run.prompts.MessageTexts().isEmpty() ? QString() : run.prompts.MessageTexts().back();
        const K want = c.report == "ok" ? K::Done : c.report == "stopped" ? K::Stopped
                     : !c.question.isEmpty() ? K::Refused : c.messages == QStringList{kDeviceError} ? K::LineFailure
                     : lastShown == Code(8) ? K::NoAnswer : log.ErrorCode() ? K::MeterError : K::FileError;
        QCOMPARE(outcome.What(), want);
        QCOMPARE(outcome.Code(), log.ErrorCode());
        if (want == K::Refused)
            QCOMPARE(outcome.Message(), run.prompts.Questions().back().text);
        else if (want != K::Done && want != K::Stopped)
            QCOMPARE(outcome.Message(), lastShown);
        if (c.report == "none" || c.report == "stopped")
            QVERIFY(run.host.Done().empty());
        else
            QCOMPARE(run.host.Done(), std::vector{want});
        if (c.report == "ok") {
            const QByteArray file = TestFile::Read(path);
            const QByteArray image = c.kind == R ? Bytes(MeterDevice::DefaultImage()) : file.mid(c.kind == L ? 4 : 0);
            QVERIFY((c.kind == R ? file : Bytes(meter.ReceivedImage())) == image);
            QCOMPARE(meter.StartLength(), uint32_t(image.size()));
            if (c.kind == L)
                QCOMPARE(meter.StartWord(), qFromLittleEndian<uint32_t>(file.constData()));
        }
        if (c.text) {
            QCOMPARE(run.host.Progress().back(), 100);
            QCOMPARE(run.host.Texts().back(), Percent(c.text));
        }
        if (!c.progress.isEmpty()) {
            QCOMPARE(run.host.Progress(), c.progress);
            QStringList texts{Percent(0)};
            for (int p : c.progress)
                texts << Percent(p);
            QCOMPARE(run.host.Texts(), texts);
        }
        if (c.sent == "nothing") {
            QVERIFY(!meter.WaitForEnd(1, 300));
            QVERIFY(meter.HelloCount() == 0 && meter.FramesReceived() == 0);
        } else if (c.sent == "end") {
            QVERIFY(meter.WaitForEnd(1, 2000));
        } else if (c.sent == "kept") {
            QCOMPARE(meter.EndCount(), 0);
            QCOMPARE(TestFile::Read(path), kOld);
        }
        const std::vector<uint16_t> types = meter.ReceivedTypes();
        if (!c.types.isEmpty())
            QCOMPARE(QList<int>(types.begin(), types.end()), c.types);
        if (c.stopChunk)
            QCOMPARE(meter.ReceivedImage().size(), size_t(std::count(types.begin(), types.end(), FT_DATA)) * 16384);
        if (c.kind == R && c.report != "ok")
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), c.sent == "kept" ? QStringList{"file.bin"} : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestTransferWorker)
#include "tst_transferworker.moc"
