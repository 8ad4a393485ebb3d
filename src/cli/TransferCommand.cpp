#include "cli/TransferCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/ProgressBoard.h"
#include "cli/SignalWatch.h"
#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"
#include "document/BackupArchive.h"
#include "document/DatabaseDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>
#include <thread>
#include <utility>

namespace {

using Kind = MeterJob::Kind;

// A backup folder that refuses costs one warning line, never the read.
class BackupWarning
{
public:
    void operator()(const FileResult &kept)
    {
        if (!kept && !std::exchange(m_told, true))
            Console::Err(QCoreApplication::translate("Cli", "orbivane-cli: warning: no backup kept: %1").arg(kept.error));
    }

private:
    bool m_told = false;
};

struct Plan {
    QList<PortChoice> ports;
    QString file;     // write, load: the file to send; read: the target
    int64_t bytes = 0;
    bool force = false;
    bool quiet = false;
    int silenceMs = 10000;
};

const char *const kNames[] = {"probe", "read", "write", "load"};

// An hour of silence is no meter that will still answer.
constexpr int kMaxSilenceSeconds = 3600;

QString Syntax(Kind kind)
{
    switch (kind) {
    case Kind::Probe:
        return QStringLiteral("[--port P]...");
    case Kind::Read:
        return QStringLiteral("[--port P]... [--force] TARGET");
    case Kind::Write:
    case Kind::Load:
        return QStringLiteral("[--port P]... [--force] FILE");
    }
    return {};
}

QString Description(Kind kind)
{
    switch (kind) {
    case Kind::Probe:
        return QCoreApplication::translate("Cli", "The window's connection test; prints each meter's identity word.");
    case Kind::Read:
        return QCoreApplication::translate("Cli", "Reads the meter's database into the file TARGET. With several --port, every "
                                                  "meter is read at once into the folder TARGET as <port>-<YYYYmmdd-HHMMSS>.bin "
                                                  "(ports of one name in different folders as a-meter, b-meter). An image that fails "
                                                  "the structure check is kept as the meter sent it, with a warning.");
    case Kind::Write:
        return QCoreApplication::translate("Cli", "Writes the database FILE into the meter(s). A file of the wrong size is refused "
                                                  "before anything is sent; one that fails the structure check too, unless --force.");
    case Kind::Load:
        return QCoreApplication::translate("Cli", "Loads the software in FILE into the meter(s). Where the window would ask (model "
                                                  "differs, version not higher) the load is refused, unless --force answers Yes.");
    }
    return {};
}

// The checks the window makes on a file before the first frame, so that a wrong file costs the
// meter nothing. Returns an exit code, or -1 when the file may go.
int CheckFileToSend(Kind kind, Plan &plan)
{
    const QFileInfo info(plan.file);
    if (!info.isFile()) {
        Console::Err(QCoreApplication::translate("Cli", "%1: Can not read the specified file!").arg(plan.file));
        return EXIT_FILE;
    }
    QFile file(plan.file);
    if (!file.open(QIODevice::ReadOnly)) {
        Console::Err(QCoreApplication::translate("Cli", "%1: Can not read the specified file!\n%2").arg(plan.file, file.errorString()));
        return EXIT_FILE;
    }
    if (kind == Kind::Load) {
        const QByteArray head = file.read(4);
        if (head.size() < 4 || quint8(head.at(3)) != 0x42) {
            Console::Err(QCoreApplication::translate("Cli", "%1: Please choose a correct update file").arg(plan.file));
            return EXIT_FILE;
        }
        plan.bytes = info.size() - 4;
        return -1;
    }
    if (info.size() != qint64(kImageSize)) {
        Console::Err(QCoreApplication::translate("Cli", "%1: Please choose a correct database parameter file (%2 bytes, not %3)")
                         .arg(plan.file).arg(info.size()).arg(kImageSize));
        return EXIT_FILE;
    }
    plan.bytes = kImageSize;
    DatabaseDocument doc;
    const DocumentResult opened = doc.Open(plan.file);
    const QStringList problems = opened ? DatabaseChecker::Check(doc.Database()) : QStringList{opened.text};
    if (problems.isEmpty())
        return -1;
    for (const QString &p : problems)
        Console::Err(QStringLiteral("%1: %2").arg(plan.file, p));
    if (plan.force) {
        Console::Err(QCoreApplication::translate("Cli", "%1: fails the structure check; sent anyway (--force)").arg(plan.file));
        return -1;
    }
    Console::Err(QCoreApplication::translate("Cli", "%1: fails the structure check; not sent (--force sends it anyway)").arg(plan.file));
    return EXIT_FILE;
}

// Where each meter's read goes: the target itself for one meter (or inside it when it is a
// folder), <port>-<time>.bin in the folder for several.
int ReadTargets(const Plan &plan, QStringList &targets)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool folder = plan.ports.size() > 1 || QFileInfo(plan.file).isDir();
    if (!folder) {
        targets << plan.file;
        return -1;
    }
    if (!QDir().mkpath(plan.file)) {
        Console::Err(QCoreApplication::translate("Cli", "%1: Can not create the folder").arg(plan.file));
        return EXIT_FILE;
    }
    for (const PortChoice &port : plan.ports)
        targets << QDir(plan.file).filePath(QStringLiteral("%1-%2.bin").arg(port.label, stamp));
    return -1;
}

// The log file of one meter: FILE itself, or with several meters FILE-<port> before its extension
// (run.log: run-COM1.log, run-ttyUSB0.log).
QString LogPath(const QString &file, const QString &port, bool several)
{
    if (!several)
        return file;
    const QFileInfo info(file);
    const QString suffix = info.completeSuffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.fileName().chopped(suffix.size() + 1);
    return info.dir().filePath(base + QLatin1Char('-') + port + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
}

// The first two ports that share a label, or -1.
qsizetype SharedLabel(const QList<PortChoice> &ports, qsizetype *other)
{
    for (qsizetype i = 0; i < ports.size(); ++i) {
        for (qsizetype j = i + 1; j < ports.size(); ++j) {
            if (ports.at(i).label == ports.at(j).label) {
                *other = j;
                return i;
            }
        }
    }
    return -1;
}

// A meter's label names its read, its log and its lines. Ports of one name in different folders
// (a/meter, b/meter) take as many of their path's last parts as tell them apart (a-meter,
// b-meter). Returns an exit code when two still share one, -1 when every meter has its own.
int DistinctLabels(QList<PortChoice> &ports, const CommandLine &cl)
{
    QList<bool> clashing;
    for (const PortChoice &port : ports)
        clashing << (std::count_if(ports.cbegin(), ports.cend(), [&](const PortChoice &p) { return p.label == port.label; }) > 1);
    qsizetype other = -1;
    for (int parts = 2; parts <= 64 && SharedLabel(ports, &other) >= 0; ++parts) {
        for (qsizetype i = 0; i < ports.size(); ++i) {
            const QStringList path = ports.at(i).path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
            if (clashing.at(i))
                ports[i].label = path.mid(std::max<qsizetype>(0, path.size() - parts)).join(QLatin1Char('-'));
        }
    }
    if (const qsizetype first = SharedLabel(ports, &other); first >= 0)
        return cl.UsageError(QCoreApplication::translate("Cli", "%1 and %2 would share the name %3 for their files; give one of them "
                                                                "by another path")
                                 .arg(ports.at(first).path, ports.at(other).path, ports.at(first).label));
    return -1;
}

// Every image read is also kept in the backup archive, under its meter's identity word. One
// that fails the structure check is still kept as it came (it is the meter's own), and told.
void ConcludeReads(BackupArchive &archive, BackupWarning &warn, const std::vector<std::unique_ptr<MeterJob>> &jobs,
                   const QStringList &targets)
{
    for (size_t i = 0; i < jobs.size(); ++i) {
        const QString &target = targets.at(qsizetype(i));
        QFile file(target);
        if (jobs[i]->Exit() != EXIT_OK || !file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray image = file.readAll();
        warn(archive.KeepRead(image, jobs[i]->IdentWord()));
        const std::unique_ptr<ParamDatabase> db = ParamDatabase::FromImage(image);
        const QStringList problems = db ? DatabaseChecker::Check(*db, std::numeric_limits<int>::max()) : QStringList{QString()};
        if (!problems.isEmpty())
            Console::Err(QCoreApplication::translate("Cli", "orbivane-cli: warning: %1: the image read from %2 fails the structure check "
                                                            "(%n problems); kept as the meter sent it ('orbivane-cli check %1' lists them)", nullptr, int(problems.size()))
                             .arg(target, jobs[i]->Port().label));
    }
}

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

int TransferCommand::Run(Kind kind, const QStringList &arguments)
{
    const QString name = QString::fromLatin1(kNames[int(kind)]);
    CommandLine cl(name, Syntax(kind), Description(kind));
    QCommandLineParser &p = cl.Parser();
    const QCommandLineOption portOption(
        {QStringLiteral("p"), QStringLiteral("port")},
        QCoreApplication::translate("Cli", "The meter's port: COMn, a device path or a /dev/serial/by-id name; repeat for several "
                                           "meters at once. Default: the port saved by the window."),
        QStringLiteral("P"));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         QCoreApplication::translate("Cli", "No progress on standard error."));
    const QCommandLineOption forceOption(
        {QStringLiteral("f"), QStringLiteral("force")},
        kind == Kind::Load   ? QCoreApplication::translate("Cli", "Answer Yes where the window asks (model differs, version not higher).")
        : kind == Kind::Read ? QCoreApplication::translate("Cli", "Replace a TARGET too large for the backups to keep a copy of.")
                             : QCoreApplication::translate("Cli", "Send a file that fails the structure check."));
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        QCoreApplication::translate("Cli", "Write a log of the line (every frame's time, type, length and first bytes, and how it ended) "
                                           "to FILE; with several --port, one per meter as FILE-<port>."),
        QStringLiteral("FILE"));
    const QCommandLineOption silenceOption(
        QStringLiteral("timeout"), QCoreApplication::translate("Cli", "Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10)."),
        QStringLiteral("seconds"), QStringLiteral("10"));
    p.addOption(portOption);
    if (kind != Kind::Probe)
        p.addOptions({quietOption, silenceOption, logOption});
    if (kind != Kind::Probe)
        p.addOption(forceOption);
    const int positional = kind == Kind::Probe ? 0 : 1;
    if (positional)
        p.addPositionalArgument(kind == Kind::Read ? QStringLiteral("TARGET") : QStringLiteral("FILE"), QString());
    if (const int code = cl.Parse(arguments, positional, positional); code >= 0)
        return code;

    Plan plan;
    plan.force = kind != Kind::Probe && p.isSet(forceOption);
    plan.quiet = kind == Kind::Probe || p.isSet(quietOption);
    if (kind != Kind::Probe) {
        int seconds = 0;
        if (const int code = cl.WholeNumber(silenceOption, 1, kMaxSilenceSeconds, seconds); code >= 0)
            return code;
        plan.silenceMs = seconds * 1000;
        plan.file = p.positionalArguments().value(0);
    }
    for (const QString &value : p.values(portOption)) {
        PortChoice choice;
        QString error;
        if (!PortChoice::Parse(value, choice, &error))
            return cl.UsageError(error);
        // One device under two names (a link, a by-id name) is still one meter.
        const QString device = QFileInfo(choice.path).canonicalFilePath();
        for (const PortChoice &other : plan.ports)
            if (choice.path.isEmpty() ? other.label == choice.label
                                      : other.path == choice.path
                                            || (!device.isEmpty() && QFileInfo(other.path).canonicalFilePath() == device))
                return cl.UsageError(QCoreApplication::translate("Cli", "%1 is given twice").arg(value));
        plan.ports << choice;
    }
    if (plan.ports.isEmpty())
        plan.ports << PortChoice::Saved();
    if (const int code = DistinctLabels(plan.ports, cl); code >= 0)
        return code;

    QStringList targets;
    BackupArchive archive;
    BackupWarning warn;
    if (kind == Kind::Read) {
        plan.bytes = kImageSize;
        if (const int code = ReadTargets(plan, targets); code >= 0)
            return code;
        // A file the backups cannot keep would be gone for good.
        for (const QString &target : targets) {
            const QFileInfo info(target);
            const qint64 size = info.isFile() ? info.size() : 0;
            if (!BackupArchive::Keeps(size) && !plan.force) {
                Console::Err(QCoreApplication::translate("Cli", "%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced "
                                                                "(--force replaces it)")
                                 .arg(target).arg(size).arg(BackupArchive::MAX_KEPT_BYTES >> 20));
                return EXIT_FILE;
            }
        }
        for (const QString &target : targets) // what a read is about to replace
            warn(archive.KeepBeforeSave(target, {}));
    } else if (kind != Kind::Probe) {
        if (const int code = CheckFileToSend(kind, plan); code >= 0)
            return code;
    }

    ProgressBoard board(plan.quiet, Console::ErrIsTerminal());
    SignalWatch watch;
    std::vector<std::unique_ptr<MeterJob>> jobs;
    jobs.reserve(size_t(plan.ports.size()));
    for (qsizetype i = 0; i < plan.ports.size(); ++i)
        jobs.push_back(std::make_unique<MeterJob>(kind, plan.ports.at(i), kind == Kind::Read ? targets.at(i) : plan.file,
                                                  plan.force, board, plan.bytes));
    if (kind != Kind::Probe && p.isSet(logOption))
        for (qsizetype i = 0; i < plan.ports.size(); ++i)
            jobs.at(size_t(i))->SetLogPath(LogPath(p.value(logOption), plan.ports.at(i).label, plan.ports.size() > 1));
    std::vector<std::thread> threads;
    threads.reserve(jobs.size());
    for (auto &job : jobs)
        threads.emplace_back([&job] { job->Run(); });

    // This thread watches: Ctrl-C, meters gone silent, and the clock of the progress bars.
    bool interrupted = false;
    for (;;) {
        bool allDone = true;
        for (const auto &job : jobs)
            allDone = allDone && job->Finished();
        if (allDone)
            break;
        if (interrupted) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the workers are stopping
        } else if (watch.Wait(200)) {
            interrupted = true;
            board.Note(QString(), QCoreApplication::translate("Cli", "interrupted: stopping"));
            for (auto &job : jobs)
                job->Interrupt();
        }
        const int64_t now = NowMs();
        for (auto &job : jobs) {
            const int64_t last = job->RunningSinceActivityMs();
            if (last && now - last > plan.silenceMs)
                job->GiveUp();
        }
        board.Tick();
    }
    for (std::thread &t : threads)
        t.join();
    board.Finish();
    // A meter whose transfer had completed when the stop came counts as done; 130 only when one
    // was really cut short, so that the exit always says what the files hold.
    int exit = EXIT_OK;
    bool cutShort = false;
    for (const auto &job : jobs) {
        if (job->Exit() == EXIT_OK) {
            Console::Out(job->Summary());
        } else {
            Console::Err(job->Summary());
            if (exit == EXIT_OK)
                exit = job->Exit();
            cutShort = cutShort || job->Exit() == EXIT_INTERRUPTED;
        }
    }
    if (kind == Kind::Read)
        ConcludeReads(archive, warn, jobs, targets);
    return cutShort ? int(EXIT_INTERRUPTED) : exit;
}
