// orbivane-cli end to end: every command as a child process against emulated meters and sample
// databases; exit codes, what the meter got, what the files hold.
#include "HttpServer.h"
#include "TestEnv.h"

#include "MeterDevice.h"
#include "SampleDatabase.h"
#include "cli/CliApp.h"
#include "cli/PortChoice.h"
#include "cli/ProgressBoard.h"
#include "common/Prompts.h"
#include "common/FileLock.h"
#include "document/BackupArchive.h"
#include "document/DatabaseDocument.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Result { int exit = -1; QString out, err; };

QProcess *Start(const QStringList &args, const std::function<void()> &inChild = {})
{
    auto *p = new QProcess;
    p->setChildProcessModifier(inChild);
    p->start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--as-cli")} + args);
    return p;
}

Result Finish(QProcess *p, int timeoutMs = 60000)
{
    std::unique_ptr<QProcess> owner(p);
    if (!p->waitForFinished(timeoutMs))
        p->kill();
    p->waitForFinished();
    return {p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1,
            QString::fromLocal8Bit(p->readAllStandardOutput()), QString::fromLocal8Bit(p->readAllStandardError())};
}

QByteArray Sample(uint32_t seed) { return SampleDatabase::Make({seed}); }

const QString kEvil = QStringLiteral("EVIL\x1b]0;X\x07\r\n"); // a satellite's name

// An update file for model 0x4201 at version `version`, with a 40000-byte image.
QByteArray Update(uint8_t version) { return UpdateFile(0x42010000u | version, 40000); }

// The satellite count no longer matches the chain.
QByteArray Damaged(QByteArray image) { return image.replace(635, 1, "c"); }

// FILE, PORT and the sample names A, B, D in args become the paths of this test's files.
QStringList Substituted(QStringList args, const QMap<QString, QString> &paths)
{
    for (auto it = paths.begin(); it != paths.end(); ++it)
        args.replaceInStrings(QRegularExpression(QLatin1Char('^') + it.key() + QLatin1Char('$')), it.value());
    return args;
}

} // namespace

// What a transfer row expects the meter, or the file, to hold afterwards.
enum class Outcome { FileIsMeterImage, MeterGotFile, MeterGotImage, NothingSent, None };

class TestCli : public QObject
{
    Q_OBJECT

    QString Path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    TempSettings m_settings;
    TempDataHome m_data; // every read is kept in the archive there
    MeterSim m_mute{{0x42010203u, MeterSim::HelloFault::Silence}}; // COM8: a meter that never answers

private slots:
    void initTestCase()
    {
        // A: a sample. B: A edited through the document as a user would. D: A damaged.
        const QString b = Path("b.bin");
        QVERIFY(TestFile::Write(Path("a.bin"), Sample(1)) && TestFile::Write(b, Sample(1)));
        QVERIFY(TestFile::Write(Path("d.bin"), Damaged(Sample(1))));
        DatabaseDocument doc;
        QVERIFY(doc.Open(b));
        for (const SatelliteValue &sat : doc.Satellites()) {
            if (sat.name == "ASTRA 3B") {
                QVERIFY(doc.DeleteSatellite(sat.slot));
            } else if (sat.name == "ASTRA 1KR") {
                QVERIFY(doc.EditSatellite({sat.slot, "ASTRA 1N", sat.position}));
            } else if (sat.name == "BADR 6") {
                QVERIFY(doc.EditSatellite({sat.slot, sat.name, sat.position + 1}));
                std::vector<TransponderRow> rows = doc.TransponderRows(sat.slot);
                rows.front().symbolRate = 22000;
                rows.push_back({TransponderRow::NEW, 10700, 2000, Polar::Auto, false});
                QVERIFY(doc.ReplaceTransponders(sat.slot, rows));
            }
        }
        QVERIFY(doc.AddSatellite({-1, "NEW SAT", 50}));
        QVERIFY(doc.Save());
        // E: A with a name that would retitle a terminal; L: another name for A; W: a list that
        // puts 177.0W at -1771.
        QVERIFY(TestFile::Write(Path("e.bin"), Sample(1)) && QFile::link(Path("a.bin"), Path("a.xml")));
        DatabaseDocument evil;
        QVERIFY(evil.Open(Path("e.bin")));
        QVERIFY(evil.EditSatellite({evil.Satellites().front().slot, kEvil, evil.Satellites().front().position}) && evil.Save());
        QVERIFY(TestFile::Write(Path("w.xml"), "<satellites><sat name=\"NSS 9\" position=\"-1771\"><transponder "
                                              "frequency=\"11000000\" symbol_rate=\"27500000\" polarization=\"0\"/></sat></satellites>"));
        QByteArray many = "<satellites>"; // M: 53 satellites far from A's, one more than A has places free
        for (int i = 0; i < 53; ++i)
            many += "<sat name=\"T" + QByteArray::number(i) + "\" position=\"" + QByteArray::number(800 + 10 * i) + "\"/>";
        QVERIFY(TestFile::Write(Path("m.xml"), many + "</satellites>"));
        qputenv("ORBIVANE_COM9", QFile::encodeName(Path("nothing-here")));
        QVERIFY(m_mute.Start());
        qputenv("ORBIVANE_COM8", QFile::encodeName(QString::fromStdString(m_mute.SlavePath())));
    }

    void transfers_data()
    {
        QTest::addColumn<QStringList>("args"); // FILE stands for the file of the row, PORT for the meter
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("fault"); // MeterDevice::Fault at step 2
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("message"); // on stdout or stderr
        QTest::addColumn<Outcome>("outcome");
        using F = MeterDevice::Fault;
        auto row = [](const char *tag, const QStringList &args, const QByteArray &file, int exit, const QString &message,
                      Outcome outcome, F fault = F::None) {
            QTest::newRow(tag) << args << file << int(fault) << exit << message << outcome;
        };
        const QByteArray sound = Sample(3);
        const QString versionQ = "This software version is not higher than the edition used currently, \n"
                                 "would you like to continue?";
        const QStringList read{"read", "-p", "PORT", "FILE"}, write{"write", "-p", "PORT", "FILE"},
            load{"load", "-p", "PORT", "FILE"}, force{"--force"};
        row("probe", {"probe", "-p", "PORT"}, {}, 0, "PORT: meter 42010203", Outcome::None);
        row("read", read, "old", 0, "read into", Outcome::FileIsMeterImage); // "old" is kept in the archive
        // A file the backups cannot keep is replaced only with --force.
        const QByteArray huge(int(BackupArchive::MAX_KEPT_BYTES) + 1, 'h');
        row("read, too large to keep", read, huge, 3, QString("FILE: %1 bytes, more than the backups keep").arg(huge.size()), Outcome::NothingSent);
        row("read, too large to keep, --force", read + force, huge, 0, "read into", Outcome::None);
        row("read, line hangs up", read, "old", 6, "the line failed: ", Outcome::None, F::HangUp);
        row("read, meter falls silent", {"read", "--timeout", "1", "-p", "PORT", "FILE"}, "old", 5, "stopped answering", Outcome::None, F::Silence);
        row("write", write, sound, 0, "sent", Outcome::MeterGotImage);
        // --log: the log names the code as the summary does.
        row("write, meter ends early", write + QStringList{"--log", "LOG"}, sound, 6, "meter error code 7", Outcome::None, F::EarlyEnd);
        row("write, one byte short", write, sound.left(241247), 3, "Please choose a correct database parameter file", Outcome::NothingSent);
        row("write, damaged", write, Damaged(sound), 3, "fails the structure check", Outcome::NothingSent);
        row("write, damaged, --force", write + force, Damaged(sound), 0, "fails the structure check; sent anyway (--force)", Outcome::MeterGotImage);
        row("load, newer", load, Update(4), 0, "sent", Outcome::MeterGotFile);
        row("load, same version", load, Update(3), 7, versionQ, Outcome::None);
        row("load, same version, --force", load + force, Update(3), 0, "sent", Outcome::MeterGotFile);
        row("load, not an update", load, QByteArray(100, 'x'), 3, "Please choose a correct update file", Outcome::NothingSent);
        row("port cannot be opened", {"probe", "-p", "COM9"}, {}, 4, "nothing-here: no such device)\n  There is no device", Outcome::None);
        // The meter's emulator keeps the line open: the doctor names it beside the silence.
        row("no meter answers", {"probe", "-p", "COM8"}, {}, 5, "COM8: failed: fail to connect com8: the meter does not answer (no answer; tst_cli (pid ", Outcome::None);
        row("port given twice", {"probe", "-p", "PORT", "-p", "PORT"}, {}, 2, "is given twice", Outcome::NothingSent);
        // Several ports: the code of the first that failed, in the order given (5 here, then 4).
        row("two ports, both fail", {"read", "--timeout", "1", "-p", "PORT", "-p", "COM9", "FILE"}, {}, 5, "stopped answering", Outcome::None, F::Silence);
        // The meter's pattern is no sound database: kept as it came, and said so.
        row("read, image fails the check", read, "old", 0, "fails the structure check (12162 problems)", Outcome::FileIsMeterImage);
        row("read, --timeout 0", {"read", "--timeout", "0", "-p", "PORT", "FILE"}, {}, 2, "--timeout takes a whole number from 1 to 3600", Outcome::NothingSent);
        row("usage", {"read", "-p", "PORT"}, {}, 2, "missing argument", Outcome::NothingSent);
        row("COM999, no device", {"probe", "-p", "COM999"}, {}, 4, "no device stands for COM999", Outcome::None);
        row("one name for two ports", {"probe", "-p", "/nowhere/a/m", "-p", "nowhere/a/m"}, {}, 2, "would share the name", Outcome::NothingSent);
        row("write, no such file", write, {}, 3, "FILE: Can not read the specified file!", Outcome::NothingSent);
        row("read, two ports, no folder", {"read", "-p", "PORT", "-p", "COM9", Path("a.bin/x")}, {}, 3, "Can not create the folder", Outcome::NothingSent);
        row("write, log not writable", write + QStringList{"--log", "/nowhere/x.log"}, sound, 0, "Can not write the log /nowhere/x.log", Outcome::MeterGotImage);
        row("read, progress", read, {}, 0, "PORT: 50% (117.8 of 235.6 KiB)", Outcome::None);
    }

    void transfers()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(int, fault);
        QFETCH(int, exit);
        QFETCH(QString, message);
        QFETCH(Outcome, outcome);
        MeterDevice meter({}, {{}, 16384, MeterDevice::Fault(fault), 2}); // the meter holds its default image
        QVERIFY(meter.Start());

        const QString path = Path(QStringLiteral("file-%1.bin").arg(QTest::currentDataTag()).replace(' ', '_'));
        QFile::remove(path);
        if (!file.isNull())
            QVERIFY(TestFile::Write(path, file));
        const QString port = QString::fromStdString(meter.SlavePath());
        const QString log = QString(path).replace(".bin", ".log");
        const Result r = Finish(Start(Substituted(args, {{"PORT", port}, {"FILE", path}, {"LOG", log}})));
        QCOMPARE(r.exit, exit);
        QVERIFY2((r.out + r.err).contains(message.replace("PORT", "pts-" + QFileInfo(port).fileName()).replace("FILE", path)),
                 qPrintable(r.out + r.err));

        const QByteArray got = Bytes(meter.ReceivedImage());
        if (outcome == Outcome::FileIsMeterImage) {
            QCOMPARE(TestFile::Read(path), Bytes(MeterDevice::DefaultImage()));
            QCOMPARE(TestFile::Read(BackupArchive().Entries(path).value(0).filePath), file);
        }
        if (outcome == Outcome::MeterGotImage || outcome == Outcome::MeterGotFile)
            QCOMPARE(got, outcome == Outcome::MeterGotFile ? file.mid(4) : file);
        if (outcome == Outcome::NothingSent)
            QCOMPARE(meter.BytesReceived(), 0u);
        if (exit != 0 && !file.isNull()) // a failed read leaves the target as it was
            QCOMPARE(TestFile::Read(path), file);
        if (args.contains("LOG"))
            QVERIFY(TestFile::Read(log).endsWith("outcome: failed, " + message.toUtf8() + '\n'));
    }

    // Three reads at once, from ports of one name in three folders; each image goes to a file and
    // a log of its own, and is kept in the archive under its meter's word. A data folder that
    // refuses costs one warning line, never a read.
    void threeMetersInParallel()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("data"))); // an archive of its own
        std::vector<std::unique_ptr<MeterDevice>> meters;
        QStringList args{"read", "-q", "--log", Path("parallel.log")};
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const QByteArray image = Sample(seed);
            meters.push_back(std::make_unique<MeterDevice>(MeterSim::Config{}, MeterDevice::Transfer{{image.begin(), image.end()}}));
            QVERIFY(meters.back()->Start());
            const QString link = Path(QStringLiteral("%1/meter").arg(QChar('a' + seed - 1)));
            QVERIFY(QDir().mkpath(QFileInfo(link).path()));
            QVERIFY(QFile::link(QString::fromStdString(meters.back()->SlavePath()), link));
            args << "-p" << link;
        }
        const QDir folder(Path("parallel"));
        const Result r = Finish(Start(args << folder.path()));
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.out.count("read into"), 3);
        QVERIFY2(!r.err.contains("structure check"), qPrintable(r.err));
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const QString label = QStringLiteral("%1-meter").arg(QChar('a' + seed - 1));
            const QStringList files = folder.entryList({label + "-*.bin"});
            QCOMPARE(files.size(), 1);
            QCOMPARE(TestFile::Read(folder.filePath(files.first())), Sample(seed));
            QVERIFY(TestFile::Read(Path(QStringLiteral("parallel-%1.log").arg(label))).endsWith("outcome: success\n"));
        }
        const QStringList kept = Finish(Start({"backups"})).out.split('\n', Qt::SkipEmptyParts);
        QSet<QByteArray> images;
        for (const QString &line : kept) {
            QVERIFY2(line.contains("read from meter  meter 42010203  12 satellites"), qPrintable(line));
            images << TestFile::Read(line.section("  ", -1));
        }
        QCOMPARE(images, (QSet<QByteArray>{Sample(1), Sample(2), Sample(3)}));
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("a.bin")));
        const Result refused = Finish(Start(args));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.Path()));
        QCOMPARE(refused.exit, 0);
        QCOMPARE(refused.err.count("warning: no backup kept"), 1);
    }

    void interrupt_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("atEnd"); // the signal comes once the target holds the image read
        QTest::addColumn<int>("signal");
        QTest::newRow("write: the meter gets FT_END") << "write" << false << SIGINT;
        QTest::newRow("read, SIGTERM: the target stays as it was") << "read" << false << SIGTERM;
        QTest::newRow("read, stopped once written: done and archived") << "read" << true << SIGINT;
    }

    void interrupt()
    {
        QFETCH(QString, command);
        QFETCH(bool, atEnd);
        QFETCH(int, signal);
        MeterSim::Config paced;
        paced.bytesPerSecond = atEnd ? 0 : 11520; // about 21 s for the image: time to interrupt it midway
        const QByteArray image = Sample(6);
        MeterDevice meter(paced, {{image.begin(), image.end()}});
        QVERIFY(meter.Start());
        const QString path = Path("interrupted.bin");
        QVERIFY(TestFile::Write(path, Sample(5)));
        // At the end, the log is a pipe that no one reads yet: the job is held after the image is
        // written, until the signal has come.
        const QString log = Path("held.log");
        QVERIFY(!atEnd || ::mkfifo(QFile::encodeName(log).constData(), 0600) == 0);
        QProcess *p = Start(QStringList{command, "-p", QString::fromStdString(meter.SlavePath()), path}
                            + (atEnd ? QStringList{"--log", log} : QStringList{}));
        const bool moving = QTest::qWaitFor(
            [&] { return atEnd ? TestFile::Read(path) == image : meter.BytesReceived() + meter.BytesSent() > 40000; }, 20000);
        // Never a pid of 0 (the whole process group) nor one already reaped.
        if (p->state() == QProcess::Running && p->processId() > 0)
            ::kill(pid_t(p->processId()), signal);
        const int reader = atEnd ? ::open(QFile::encodeName(log).constData(), O_RDONLY | O_NONBLOCK) : -1;
        const Result r = Finish(p);
        if (reader >= 0)
            ::close(reader);
        QVERIFY(moving);
        QCOMPARE(r.exit, atEnd ? 0 : 130);
        QCOMPARE(TestFile::Read(path), atEnd ? image : Sample(5));
        const QList<BackupArchive::Entry> kept = BackupArchive().Entries();
        QCOMPARE(std::any_of(kept.begin(), kept.end(), [&](const auto &e) { return TestFile::Read(e.filePath) == image; }), atEnd);
        if (command == "write") // one from the connection test, one from the stopped transfer
            QVERIFY(meter.WaitForEnd(2, 5000));
    }

    void files_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("lines"); // each appears on stdout
        QTest::newRow("check, sound") << QStringList{"check", "A"} << 0 << QStringList{};
        QTest::newRow("check, damaged") << QStringList{"check", "D"} << 1 << QStringList{"D: "};
        QTest::newRow("check, no file") << QStringList{"check", "nothing"} << 3 << QStringList{};
        QTest::newRow("info") << QStringList{"info", "A"} << 0
                              << QStringList{"total: 12 satellites, 127 transponders, 800 channels",
                                             "free: 52 satellite slots, 2373 transponder records, 3200 channel records"};
        QTest::newRow("info, json") << QStringList{"info", "--json", "A"} << 0 << QStringList{"\"transponders\": 127"};
        QTest::newRow("diff, same") << QStringList{"diff", "A", "A"} << 0 << QStringList{};
        QTest::newRow("diff, one file") << QStringList{"diff", "A"} << 2 << QStringList{};
        QTest::newRow("diff") << QStringList{"diff", "A", "B"} << 1
                              << QStringList{"satellite removed: \"ASTRA 3B\" (23.5), 12 transponders",
                                             "satellite added: \"NEW SAT\" (5), 0 transponders",
                                             "satellite renamed: \"ASTRA 1KR\" -> \"ASTRA 1N\"",
                                             "satellite moved: \"BADR 6\" 26 -> 26.1",
                                             QStringLiteral("\"BADR 6\": transponder changed: 12727 MHz 30000 kS/s Vert -> "
                                                            "12727 MHz 22000 kS/s Vert"),
                                             "\"BADR 6\": transponder added: 10700 MHz 2000 kS/s Auto"};
        QTest::newRow("diff, json") << QStringList{"diff", "--json", "A", "B"} << 1
                                    << QStringList{"\"renamed\": true", "\"symbolRate\": 22000"};
        // B as satellites.xml (X) into A: previewed, imported (A is saved), then nothing is left to do.
        QTest::newRow("export") << QStringList{"export", "B", "X", "--xml"} << 0 << QStringList{};
        QTest::newRow("export, no format") << QStringList{"export", "B", "X"} << 2 << QStringList{};
        QTest::newRow("import, dry run") << QStringList{"import", "A", "X", "--replace", "--dry-run"} << 0
                                         << QStringList{"\"NEW SAT\" (5): satellite added, replace, 0 added",
                                                        "\"BADR 6\" (26): replace, 1 added, 0 removed, 1 changed"};
        QTest::newRow("import") << QStringList{"import", "A", "X", "--replace", "--satellite", "26.1"} << 0
                                << QStringList{"\"BADR 6\" (26): replace, 1 added, 0 removed, 1 changed"};
        QTest::newRow("import, again") << QStringList{"import", "A", "X", "--satellite", "26.1E", "--dry-run"} << 0
                                       << QStringList{"\"BADR 6\" (26): merge, 0 added, 0 removed, 0 changed"};
        QTest::newRow("import, table full") << QStringList{"import", "A", "M"} << 7
            << QStringList{"The satellite table is full: the import adds 53 satellites and 52 of its 64 places are free."};
        QTest::newRow("import, file size limit") << QStringList{"import", "A", "X", "--satellite", "5"} << 3 << QStringList{};
        QTest::newRow("backups FILE") << QStringList{"backups", "A"} << 0 << QStringList{"  saved over       a.bin  12 satellites, 127 transponders  "};
        QTest::newRow("import, tolerance beyond bounds") << QStringList{"import", "A", "X", "--tolerance", "1000"} << 2 << QStringList{};
        QTest::newRow("import, --satellite 177W") << QStringList{"import", "A", "W", "--satellite", "177W", "--dry-run"} << 0
                                                  << QStringList{"\"NSS 9\" (182.9): satellite added"};
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{"orbivane-cli "};
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << QStringList{};
        QTest::newRow("ports") << QStringList{"ports"} << 0 << QStringList{"COM9   " + Path("nothing-here")};
        // Names are printed with their control characters escaped; JSON has its own escapes.
        const QString shown = "EVIL\\x1b]0;X\\x07\\x0d\\x0a";
        QTest::newRow("info, control characters") << QStringList{"info", "E"} << 0 << QStringList{shown};
        QTest::newRow("info, json, control characters") << QStringList{"info", "--json", "E"} << 0
                                                        << QStringList{"EVIL\\u001b]0;X\\u0007\\r\\n"};
        QTest::newRow("diff, control characters") << QStringList{"diff", "A", "E"} << 1 << QStringList{"-> \"" + shown};
        QTest::newRow("export, control characters") << QStringList{"export", "E", "EC", "--csv"} << 0 << QStringList{};
        QTest::newRow("import, control characters") << QStringList{"import", "A", "EC", "--dry-run"} << 0 << QStringList{shown};
        // Export replaces a file only when told, never its own database, and keeps what it replaced.
        QTest::newRow("export, exists") << QStringList{"export", "B", "X", "--xml"} << 7 << QStringList{};
        QTest::newRow("export, over its database") << QStringList{"export", "A", "L", "--xml", "--force"} << 3 << QStringList{};
        QTest::newRow("export, CSV named .xml") << QStringList{"export", "B", "X", "--csv"} << 2 << QStringList{};
        QTest::newRow("export, --force") << QStringList{"export", "B", "EC", "--csv", "--force"} << 0 << QStringList{};
        QTest::newRow("export, file size limit") << QStringList{"export", "B", "F", "--csv"} << 3 << QStringList{};
        // fetch takes http and https alone, and refuses OUT before it asks any server.
        QTest::newRow("fetch, file://") << QStringList{"fetch", "file:///etc/passwd"} << 2 << QStringList{};
        QTest::newRow("fetch, control characters") << QStringList{"fetch", "http://127.0.0.1:9/[2J"} << 2 << QStringList{};
        QTest::newRow("fetch, nothing listens") << QStringList{"fetch", "http://127.0.0.1:9/x.xml"} << 3 << QStringList{};
        QTest::newRow("fetch, OUT exists") << QStringList{"fetch", "http://127.0.0.1:9/x.xml", "X"} << 7 << QStringList{};
        // Look angles and plans for a site; the angles worked out apart from the product.
        QTest::newRow("sky") << QStringList{"sky", "--site", "52.52N 13.40E", "A", "X"} << 0
                             << QStringList{"   19.2E       29.7    172.7   +4.5  yes      ASTRA 1KR"};
        QTest::newRow("sky, json, control characters") << QStringList{"sky", "--json", "--site", "0,0", "E"} << 0
                                                       << QStringList{"EVIL\\u001b]0;X\\u0007\\r\\n"};
        QTest::newRow("sky, a list") << QStringList{"sky", "--site", "0,-170", "W"} << 0 << QStringList{"  NSS 9"};
        QTest::newRow("sky, site beyond the pole") << QStringList{"sky", "--site", "91,0", "A"} << 2 << QStringList{};
        QTest::newRow("sky, no source") << QStringList{"sky", "--site", "1,1"} << 2 << QStringList{};
        QTest::newRow("sky, URL") << QStringList{"sky", "--site", "1,1", "https://127.0.0.1:9/s.xml"} << 3 << QStringList{};
        QTest::newRow("fit, no list") << QStringList{"fit", "A", "--site", "1,1"} << 2 << QStringList{};
        QTest::newRow("fit, a database as the list") << QStringList{"fit", "A", "--site", "1,1", "--from", "D"} << 3 << QStringList{};
        QTest::newRow("fit, minimum beyond 90") << QStringList{"fit", "A", "--site", "1,1", "--from", "X", "--min-elevation", "91"} << 2 << QStringList{};
        QTest::newRow("fit, dry run") << QStringList{"fit", "A", "--site", "52.52,13.4", "--from", "X", "--dry-run"} << 0
                                      << QStringList{"The meter holds 13 of 64 satellites"};
        QTest::newRow("fit, json") << QStringList{"fit", "A", "--site", "52.52,13.4", "--from", "X", "--dry-run", "--json"} << 0
                                   << QStringList{"\"name\": \"ASTRA 1KR\",\n            \"position\": \"19.2E\"", "\"position\": \"0.8W\""};
        QTest::newRow("fit, nothing visible") << QStringList{"fit", "E", "--site", "-90,0", "--from", "X"} << 0
                                              << QStringList{"\"ASTRA 1KR\" (19.2): satellite removed with its 12 transponders and ",
                                                             "The meter holds 0 of 64 satellites and 0 of 2500 transponders"};
        // The pointing sheet: a PDF only where one may go, over no database, never half written.
        QTest::newRow("sheet") << QStringList{"sheet", "A", "--site", "52.5,13.4", "P"} << 0 << QStringList{};
        QTest::newRow("sheet, exists") << QStringList{"sheet", "A", "--site", "52.5,13.4", "P"} << 7 << QStringList{};
        QTest::newRow("sheet, on the pole") << QStringList{"sheet", "A", "--site", "90N 0E", "P", "--force"} << 0 << QStringList{};
        QTest::newRow("sheet, bad site") << QStringList{"sheet", "A", "--site", "95,13", "Q"} << 2 << QStringList{};
        QTest::newRow("sheet, over its database") << QStringList{"sheet", "A", "--site", "1,2", "L", "--force"} << 3 << QStringList{};
        QTest::newRow("sheet, a folder") << QStringList{"sheet", "A", "--site", "1,2", "DIR", "--force"} << 3 << QStringList{};
        QTest::newRow("sheet, no folder") << QStringList{"sheet", "A", "--site", "1,2", "NODIR"} << 3 << QStringList{};
        QTest::newRow("sheet, file size limit") << QStringList{"sheet", "A", "--site", "1,2", "Q"} << 3 << QStringList{};
        QTest::newRow("help") << QStringList{"--help"} << 0 << QStringList{"Usage: orbivane-cli COMMAND"};
        QTest::newRow("info, help") << QStringList{"info", "--help"} << 0 << QStringList{"Usage: orbivane-cli info", "Exit codes:"};
        QTest::newRow("import, help") << QStringList{"import", "--help"} << 0 << QStringList{"Usage: orbivane-cli import"};
        QTest::newRow("info, unknown option") << QStringList{"info", "--bogus", "A"} << 2 << QStringList{};
        QTest::newRow("info, two files") << QStringList{"info", "A", "B"} << 2 << QStringList{};
        QTest::newRow("import, replace and merge") << QStringList{"import", "A", "X", "--replace", "--merge"} << 2 << QStringList{};
        QTest::newRow("import, --satellite no degrees") << QStringList{"import", "A", "X", "--satellite", "x"} << 2 << QStringList{};
        QTest::newRow("import, --satellite not in the list") << QStringList{"import", "A", "X", "--satellite", "99"} << 2 << QStringList{};
        QTest::newRow("import, no database") << QStringList{"import", "nothing", "X"} << 3 << QStringList{};
        QTest::newRow("import, no list") << QStringList{"import", "A", "nothing"} << 3 << QStringList{};
    }

    void files()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QStringList, lines);
        const QMap<QString, QString> paths{{"A", Path("a.bin")}, {"B", Path("b.bin")}, {"D", Path("d.bin")}, {"E", Path("e.bin")},
                                           {"X", Path("b.xml")}, {"L", Path("a.xml")}, {"M", Path("m.xml")},
                                           {"W", Path("w.xml")}, {"EC", Path("e.csv")}, {"F", Path("f.csv")},
                                           {"P", Path("s.pdf")}, {"Q", Path("q.pdf")}, {"DIR", m_dir.path()}, {"NODIR", Path("none/q.pdf")}};
        QMap<QString, QByteArray> before;
        for (const QString &path : paths)
            before[path] = TestFile::Read(path);
        // A disk that is full for this process: a write beyond 1000 bytes fails (EFBIG).
        auto limit = [] {
            const rlimit bytes{1000, 1000};
            ::setrlimit(RLIMIT_FSIZE, &bytes);
            ::signal(SIGXFSZ, SIG_IGN);
        };
        const bool full = QByteArray(QTest::currentDataTag()).endsWith("file size limit");
        const Result r = Finish(Start(Substituted(args, paths), full ? std::function<void()>(limit) : nullptr));
        QCOMPARE(r.exit, exit);
        for (const QString &line : lines)
            QVERIFY2(r.out.contains(QString(line).replace("D: ", Path("d.bin") + ": ")), qPrintable(r.out));
        if (exit == 0 && lines.isEmpty())
            QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
        QVERIFY(exit < 2 || !(r.err + r.out).isEmpty()); // a failure always says why
        static const QRegularExpression control(QStringLiteral("[\\x00-\\x09\\x0b-\\x1f\\x7f]"));
        QVERIFY2(!(r.out + r.err).contains(control), qPrintable(r.out + r.err));
        for (const QString &path : paths) // a refusal changes nothing
            QVERIFY2(exit == 0 || TestFile::Read(path) == before[path], qPrintable(path));
        if (QTest::currentDataTag() == QByteArray("import")) // the save kept what A held before
            QCOMPARE(BackupArchive().Entries(Path("a.bin")).size(), 1);
        if (QTest::currentDataTag() == QByteArray("export, --force")) // and export what it replaced
            QCOMPARE(BackupArchive().Entries(Path("e.csv")).size(), 1);
    }

    // Imports started together into one file wait for each other: every one's change lands.
    void concurrentImportsAllLand()
    {
        const QString db = Path("together.bin");
        QVERIFY(TestFile::Write(db, Sample(1)));
        FileLock held(db); // both start while another writer holds the file
        QVERIFY(held.Lock(0) && held.Lock(0) && held.IsHeld()); // the holder may take it again
        QProcess *first = Start({"import", db, Path("b.xml"), "--replace", "--satellite", "26.1"});
        QProcess *second = Start({"import", db, Path("b.xml"), "--satellite", "5"});
        QVERIFY(first->waitForStarted() && second->waitForStarted());
        held.Unlock();
        QCOMPARE(Finish(first).exit, 0);
        QCOMPARE(Finish(second).exit, 0);
        const Result r = Finish(Start({"import", db, Path("b.xml"), "--dry-run", "--replace", "--satellite", "26.1",
                                       "--satellite", "5"}));
        QVERIFY2(r.out.contains("\"NEW SAT\" (5): replace, 0 added") && r.out.contains("\"BADR 6\" (26): replace, 0 added, 0 removed, 0 changed"),
                 qPrintable(r.out));
    }

    // A list from a server, into the cache and into OUT, with its progress up to the whole.
    void fetchKeepsTheList()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(Path("cache")));
        const QByteArray list = "<satellites><sat name=\"NSS 9\" position=\"-1771\"/></satellites>\n";
        Server server;
        server.replies << Reply("200 OK", {}, list);
        QProcess *p = Start({"fetch", server.Url("/l.xml").toString(), Path("fetched.xml")});
        QVERIFY(WaitUntil([&] { return p->state() == QProcess::NotRunning; }, 60000)); // serving meanwhile
        const Result r = Finish(p);
        QCOMPARE(r.exit, 0);
        QVERIFY2(r.err.contains("127.0.0.1: 100% (0.1 of 0.1 KiB)"), qPrintable(r.err));
        QCOMPARE(TestFile::Read(Path("fetched.xml")), list);
        const QDir cache(Path("cache/orbivane/lists"));
        QCOMPARE(TestFile::Read(cache.filePath(cache.entryList({"*.list"}).value(0))), list);
    }

    // On a terminal the bars are redrawn in place and a note goes above them, or, before the
    // first bar, is a plain line. Without a window, prompts go to standard error and say No.
    void consoleOutput()
    {
        ProgressBoard board(false, true);
        const int a = board.Add("A", 2048);
        const QByteArray bar = "\r\x1b[KA [############------------]  50% 0.0/2.0 KiB 0.0 KiB/s --:-- left\n"; // the bytes reported
        QCOMPARE(StderrOf([&] { board.Note("A", "first"); board.SetBytes(a, 0, 2048); board.Set(a, 50); board.Note({}, "second"); }),
                 "A: first\n" + bar + "\x1b[1A\r\x1b[Jsecond\n" + bar);
        QCOMPARE(StderrOf([&] { board.Tick(); }), "\x1b[1A" + bar);                     // redrawn in place
        QCOMPARE(StderrOf([&] { board.Finish(); board.Tick(); }), QByteArray()); // the summary is the last word
        QCOMPARE(StderrOf([] { Prompts::Default().Message("text", "Caption"); QVERIFY(!Prompts::Default().AskYesNo("Sure?", "Caption")); }),
                 QByteArray("[Caption] text\n[Caption] Sure? (answered No)\n"));
    }

    // --port NAME: a bare name is a by-id name, else a device under /dev, else a file of that
    // name here; only names that can stand for no port are refused at once.
    void portNames()
    {
        const QString here = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()) && TestFile::Write("meter-link", ""));
        const struct { const char *name, *label, *path, *error; } rows[] = {
            {"ttyNOPE9", "ttyNOPE9", "/dev/ttyNOPE9", ""}, {"meter-link", "meter-link", "meter-link", ""},
            {"/dev/pts/3", "pts-3", "/dev/pts/3", ""}, {"com0", "", "", "com0: COM ports are numbered from 1 to 999"},
            {" ", "", "", "an empty port name (give COMn, a device path or a /dev/serial/by-id name)"}};
        for (const auto &row : rows) {
            PortChoice choice;
            QString error;
            QCOMPARE(PortChoice::Parse(row.name, choice, &error), !*row.error);
            QCOMPARE(error, row.error);
            QCOMPARE(choice.label, row.label);
            QCOMPARE(choice.path, row.path);
        }
        QVERIFY(QDir::setCurrent(here));
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--as-cli") == 0)
        return CliApp::Main(argc - 1, argv + 1);
    QCoreApplication app(argc, argv);
    TestCli test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cli.moc"
