// soak_transfers: a few hundred transfers through the real transfer dialog against the meter
// emulator, each with a fault drawn at random, and the checks that must hold for every one:
//  - the transfer ends within its bound (on its own, or at most kCancelBoundMs after the
//    button was pressed);
//  - success is reported only when the meter got every byte of the file (write, load) or the
//    file holds every byte the meter gave (read);
//  - a read's target is either the complete old file or the complete new image, and no
//    temporary file is left beside it;
//  - afterwards no thread and no file descriptor is left over (/proc/self/task, /proc/self/fd).
// Prints a table of faults by kind, outcomes and violations; exits 1 on any violation.
//   soak_transfers [--runs N] [--seed S] [--patience MS] [--verbose]
#include "MeterDevice.h"
#include "app/CTransferDlg.h"
#include "common/Prompts.h"
#include "protocol/Transfer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>

namespace {

using Fault = MeterDevice::Fault;
using HelloFault = MeterSim::HelloFault;

// A transfer that ends by itself must do so in this time; the slowest fault the meter plays
// costs a second, a full transfer on an unpaced line a few milliseconds.
constexpr int64_t kSelfBoundMs = 8000;
// After the button, the dialog may finish a frame the stop cut off (300 ms at most) first.
constexpr int64_t kCancelBoundMs = 1500;

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int CountEntries(const char *dir)
{
    return int(QDir(QString::fromLatin1(dir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

int OpenFds() { return CountEntries("/proc/self/fd"); }
int Threads() { return CountEntries("/proc/self/task"); }

// Waits (at most 5 s) until descriptors and threads have not changed for one second.
void WaitForSteadyCounts()
{
    const int64_t giveUp = NowMs() + 5000;
    int64_t steadySince = NowMs();
    std::pair<int, int> last{OpenFds(), Threads()};
    while (NowMs() < giveUp && NowMs() - steadySince < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::pair<int, int> now{OpenFds(), Threads()};
        if (now != last) {
            last = now;
            steadySince = NowMs();
        }
    }
}

// The person at the screen: answers questions at random, remembers what was shown. Called from
// the dialog's thread and from the worker.
class SoakPrompts final : public Prompts
{
public:
    explicit SoakPrompts(bool yes) : m_yes(yes) {}
    void Message(const QString &text, const QString &caption, Icon) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_messages << caption + QStringLiteral(": ") + text;
    }
    bool AskYesNo(const QString &, const QString &, Icon) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_questions;
        return m_yes;
    }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }
    QStringList Messages() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_messages;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_messages;
    int m_questions = 0;
    bool m_yes;
};

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Bytes(const std::vector<uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size()));
}

QByteArray Pattern(qsizetype n, uint32_t seed)
{
    QByteArray b(n, '\0');
    uint32_t x = seed | 1;
    for (qsizetype i = 0; i < n; ++i) {
        x = x * 1664525u + 1013904223u;
        b[i] = char(x >> 24);
    }
    return b;
}

const char *KindName(TransferKind kind)
{
    switch (kind) {
    case TK_READ_PARAMS: return "read";
    case TK_WRITE_PARAMS: return "write";
    default: return "load";
    }
}

// One run's plan, drawn at random.
struct Plan {
    TransferKind kind = TK_READ_PARAMS;
    std::string fault = "none";
    MeterSim::Config config;
    MeterDevice::Transfer transfer;
    int64_t cancelAtMs = -1;  // the user presses the button then (-1: never on purpose)
    bool answerYes = true;    // to the load's questions
    int updateImage = 0;      // load: image bytes of the update file
    bool waitsForUser = false; // by design the worker keeps listening until stopped
};

struct Tally {
    int runs = 0, success = 0, failed = 0, cancelled = 0, waited = 0, violations = 0;
};

class Soak
{
public:
    Soak(uint32_t seed, int patienceMs, bool verbose)
        : m_rng(seed), m_patienceMs(patienceMs), m_verbose(verbose) {}

    bool Setup()
    {
        if (!m_dir.isValid())
            return false;
        m_database = Pattern(kImageSize, 7);
        return WriteFile(m_dir.filePath("db.bin"), m_database);
    }

    Plan Draw()
    {
        Plan p;
        static const TransferKind kinds[] = {TK_READ_PARAMS, TK_WRITE_PARAMS, TK_LOAD_SOFTWARE};
        p.kind = kinds[Uniform(0, 2)];
        p.config.identWord = 0x42010003;
        p.updateImage = Uniform(0, 6) == 0 ? 0 : Uniform(1, 70000);
        p.answerYes = Uniform(0, 3) != 0;
        // Steps of the data phase: chunks of a read; the FT_READY after the start and each chunk
        // of a write or load.
        const int chunks = p.kind == TK_LOAD_SOFTWARE ? (p.updateImage + 16383) / 16384 : 15;
        const int lastStep = chunks;
        p.transfer.faultStep = Uniform(0, lastStep);
        if (p.kind == TK_READ_PARAMS && Uniform(0, 3) == 0)
            p.transfer.chunkSize = uint32_t(Uniform(1000, 16384));
        const bool listensForever = p.kind != TK_WRITE_PARAMS; // read and load retry silence
        switch (Uniform(0, 13)) {
        case 0:
        case 1:
            break;
        case 2:
            p.fault = "silence";
            p.transfer.fault = Fault::Silence;
            p.waitsForUser = listensForever;
            break;
        case 3:
            p.fault = "short frame";
            p.transfer.fault = Fault::ShortFrame;
            // Half an FT_READY is its header cut after two bytes: the same as silence.
            p.waitsForUser = listensForever;
            break;
        case 4:
            p.fault = "garbage";
            p.transfer.fault = Fault::Garbled;
            break;
        case 5: {
            static const uint16_t types[] = {1, 5, 7, 9, 300};
            p.fault = "unexpected type";
            p.transfer.fault = Fault::UnexpectedType;
            p.transfer.faultType = types[Uniform(0, 4)];
            break;
        }
        case 6:
            p.fault = "second FT_IDENT";
            p.transfer.fault = Fault::SecondIdent;
            break;
        case 7:
            p.fault = "early FT_END";
            p.transfer.fault = Fault::EarlyEnd;
            break;
        case 8:
            p.fault = "oversized frame";
            p.transfer.fault = Fault::BigFrame;
            break;
        case 9:
            p.fault = "hang-up";
            p.transfer.fault = Fault::HangUp;
            break;
        case 10:
            // On a line fast enough to stay out of the way a transfer takes milliseconds; at
            // 200000 bytes/s it takes about a second, and the button comes at any moment of it.
            p.fault = "cancel";
            p.config.bytesPerSecond = 200000;
            p.cancelAtMs = Uniform(0, 1300);
            break;
        case 11: {
            static const HelloFault hello[] = {HelloFault::Silence, HelloFault::Garbage, HelloFault::HangUp,
                                               HelloFault::IdentLength5};
            static const char *const names[] = {"hello: silence", "hello: garbage", "hello: hang-up",
                                                "hello: long FT_IDENT"};
            const int h = Uniform(0, 3);
            p.fault = names[h];
            p.config.helloFault = hello[h];
            p.waitsForUser = listensForever && h < 2;
            break;
        }
        case 12:
            // A meter that claims a newer version: the load asks before it goes on.
            p.fault = "newer meter";
            p.config.identWord = 0x420100F0;
            break;
        default:
            p.fault = "cancel + fault";
            p.transfer.fault = Uniform(0, 1) ? Fault::Silence : Fault::Garbled;
            p.cancelAtMs = Uniform(0, 1200);
            break;
        }
        return p;
    }

    // Runs one transfer through the dialog; returns the violations found.
    int Run(int index, const Plan &plan, std::atomic<int64_t> &deadline)
    {
        QStringList violations;
        const QString read = m_dir.filePath("read.bin");
        const QByteArray old = Pattern(1000 + index % 50, uint32_t(index));
        QString path;
        QByteArray source; // the bytes a write or load must deliver
        if (plan.kind == TK_READ_PARAMS) {
            path = read;
            if (!WriteFile(path, old))
                return Report(index, plan, "cannot write the old file");
        } else if (plan.kind == TK_WRITE_PARAMS) {
            path = m_dir.filePath("db.bin");
            source = m_database;
        } else {
            path = m_dir.filePath("update.bin");
            source = Pattern(plan.updateImage, uint32_t(index) + 99);
            const char word[4] = {0x05, 0x00, 0x01, 0x42};
            if (!WriteFile(path, QByteArray(word, 4) + source))
                return Report(index, plan, "cannot write the update file");
        }
        const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);

        if (m_verbose) {
            std::printf("run %d: %s, %s (step %d, type %d, chunk %u, image %d, cancel at %lld ms) ...\n", index,
                        KindName(plan.kind), plan.fault.c_str(), plan.transfer.faultStep, plan.transfer.faultType,
                        plan.transfer.chunkSize, plan.updateImage, static_cast<long long>(plan.cancelAtMs));
            std::fflush(stdout);
        }
        SoakPrompts prompts(plan.answerYes);
        MeterDevice::Transfer transfer = plan.transfer;
        MeterDevice meter(plan.config, transfer);
        std::string error;
        if (!meter.Start(&error))
            return Report(index, plan, "no pseudo-terminal: " + error);
        const QByteArray image = Bytes(MeterDevice::DefaultImage());

        bool success = false;
        int64_t pressedAt = -1;
        bool waited = false;
        const int64_t start = NowMs();
        {
            CTransferDlg dlg(prompts);
            dlg.m_kind = plan.kind;
            dlg.m_path = path;
            dlg.m_portNumber = 1;
            dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
            QTimer user;
            user.setSingleShot(true);
            QObject::connect(&user, &QTimer::timeout, &dlg, [&] {
                pressedAt = NowMs();
                dlg.Button()->click();
            });
            if (plan.cancelAtMs >= 0)
                user.start(int(plan.cancelAtMs));
            // A user who has waited long enough for a meter that says nothing.
            QTimer patience;
            patience.setSingleShot(true);
            QObject::connect(&patience, &QTimer::timeout, &dlg, [&] {
                if (pressedAt < 0) {
                    waited = true;
                    pressedAt = NowMs();
                    dlg.Button()->click();
                }
            });
            patience.start(m_patienceMs);
            deadline.store(start + m_patienceMs + kSelfBoundMs + 5000);
            dlg.exec();
            deadline.store(0);
            success = dlg.Succeeded();
        }
        const int64_t end = NowMs();
        meter.Stop();
        const QStringList messages = prompts.Messages();

        // Bounds.
        if (pressedAt >= 0 && end - pressedAt > kCancelBoundMs)
            violations << QStringLiteral("ended %1 ms after the button").arg(end - pressedAt);
        if (pressedAt < 0 && end - start > kSelfBoundMs)
            violations << QStringLiteral("took %1 ms").arg(end - start);
        if (waited && !plan.waitsForUser)
            violations << QStringLiteral("did not end by itself");
        m_maxCancelMs = std::max<int64_t>(m_maxCancelMs, pressedAt >= 0 ? end - pressedAt : 0);
        if (pressedAt < 0)
            m_maxSelfMs = std::max<int64_t>(m_maxSelfMs, end - start);

        // Success only with every byte moved; files whole.
        const QByteArray gotByMeter = Bytes(meter.ReceivedImage());
        if (plan.kind == TK_READ_PARAMS) {
            const QByteArray now = ReadFile(read);
            if (success && now != image)
                violations << QStringLiteral("success, but the file is not the meter's image");
            if (now != old && now != image)
                violations << QStringLiteral("the target is neither the old file nor the whole image (%1 bytes)")
                                  .arg(now.size());
        } else if (success && gotByMeter != source) {
            violations << QStringLiteral("success, but the meter got %1 of %2 bytes%3")
                              .arg(gotByMeter.size()).arg(source.size())
                              .arg(gotByMeter.size() == source.size() ? " (different)" : "");
        }
        const QStringList filesAfter = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        if (filesAfter != filesBefore)
            violations << QStringLiteral("files beside the target: %1").arg(filesAfter.join(' '));

        // Nothing left over.
        // A joined thread may linger in /proc for a moment after it has gone; give it that.
        const int64_t settle = NowMs() + 1000;
        while ((OpenFds() != m_baseFds || Threads() != m_baseThreads) && NowMs() < settle)
            std::this_thread::yield();
        const int fds = OpenFds();
        const int threads = Threads();
        if (m_counting && fds != m_baseFds)
            violations << QStringLiteral("%1 file descriptors open, %2 before").arg(fds).arg(m_baseFds);
        if (m_counting && threads != m_baseThreads)
            violations << QStringLiteral("%1 threads, %2 before").arg(threads).arg(m_baseThreads);

        Tally &t = m_byFault[plan.fault];
        Tally &k = m_byKind[KindName(plan.kind)];
        for (Tally *x : {&t, &k, &m_total}) {
            ++x->runs;
            if (success)
                ++x->success;
            else if (waited)
                ++x->waited;
            else if (pressedAt >= 0)
                ++x->cancelled;
            else
                ++x->failed;
            x->violations += int(violations.size());
        }
        if (m_verbose || !violations.isEmpty()) {
            std::printf("run %d: %s, %s, %s in %lld ms%s%s\n", index, KindName(plan.kind), plan.fault.c_str(),
                        success ? "success" : waited ? "waited" : pressedAt >= 0 ? "cancelled" : "failed",
                        static_cast<long long>(end - start),
                        messages.isEmpty() ? "" : ": ", qPrintable(messages.join(" | ").replace('\n', ' ')));
            for (const QString &v : violations)
                std::printf("  VIOLATION: %s\n", qPrintable(v));
            std::fflush(stdout);
        }
        return int(violations.size());
    }

    // From here on leftovers count, and so does every run.
    void Baseline()
    {
        m_baseFds = OpenFds();
        m_baseThreads = Threads();
        m_counting = true;
        m_byFault.clear();
        m_byKind.clear();
        m_total = Tally();
        m_maxSelfMs = m_maxCancelMs = 0;
    }

    void Print(int runs, uint32_t seed, double seconds) const
    {
        std::printf("\n%d transfers, seed %u, %.1f s; %d file descriptors and %d threads before every run\n",
                    runs, seed, seconds, m_baseFds, m_baseThreads);
        std::printf("longest transfer that ended by itself %lld ms; longest end after the button %lld ms\n\n",
                    static_cast<long long>(m_maxSelfMs), static_cast<long long>(m_maxCancelMs));
        std::printf("%-22s %5s %8s %7s %10s %7s %11s\n", "fault injected", "runs", "success", "failed",
                    "cancelled", "waited", "violations");
        auto row = [](const std::string &name, const Tally &t) {
            std::printf("%-22s %5d %8d %7d %10d %7d %11d\n", name.c_str(), t.runs, t.success, t.failed,
                        t.cancelled, t.waited, t.violations);
        };
        for (const auto &[name, t] : m_byFault)
            row(name, t);
        std::printf("%s\n", std::string(76, '-').c_str());
        for (const auto &[name, t] : m_byKind)
            row("transfer: " + name, t);
        row("all", m_total);
        std::printf("\nwaited: the meter said nothing usable and the worker kept listening, as it must,\n"
                    "until the user pressed the button after %d ms.\n", m_patienceMs);
    }

    int Violations() const { return m_total.violations; }

private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    int Report(int index, const Plan &plan, const std::string &what)
    {
        std::printf("run %d (%s, %s): %s\n", index, KindName(plan.kind), plan.fault.c_str(), what.c_str());
        ++m_total.violations;
        return 1;
    }

    std::mt19937 m_rng;
    int m_patienceMs;
    bool m_verbose;
    QTemporaryDir m_dir;
    QByteArray m_database;
    int m_baseFds = 0;
    int m_baseThreads = 0;
    bool m_counting = false;
    int64_t m_maxSelfMs = 0;
    int64_t m_maxCancelMs = 0;
    std::map<std::string, Tally> m_byFault;
    std::map<std::string, Tally> m_byKind;
    Tally m_total;
};

// The offscreen platform remarks on every dialog it shows; the soak's own output is the table.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !text.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
    QApplication app(argc, argv);

    int runs = 300;
    uint32_t seed = 1;
    int patience = 3000;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (a == "--seed" && i + 1 < argc)
            seed = uint32_t(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--patience" && i + 1 < argc)
            patience = std::atoi(argv[++i]);
        else if (a == "--verbose")
            verbose = true;
        else {
            std::fprintf(stderr, "usage: soak_transfers [--runs N] [--seed S] [--patience MS] [--verbose]\n");
            return 2;
        }
    }

    Soak soak(seed, patience, verbose);
    if (!soak.Setup()) {
        std::fprintf(stderr, "soak: no temporary folder\n");
        return 2;
    }

    // A hung transfer must not hang the soak: past its deadline the process ends with a report.
    std::atomic<int64_t> deadline{0};
    std::atomic<bool> finished{false};
    std::atomic<int> current{-1};
    std::thread watchdog([&] {
        while (!finished.load()) {
            const int64_t d = deadline.load();
            if (d && NowMs() > d) {
                std::fprintf(stderr, "soak: run %d did not end; VIOLATION\n", current.load());
                std::_Exit(1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });

    // A plain and a cancelled transfer first, so that whatever Qt sets up once is there before
    // counting; then let the process settle, since some of that (a bus connection with its
    // thread and socket) comes up in the background.
    soak.Run(-1, Plan(), deadline);
    Plan cancelled;
    cancelled.cancelAtMs = 50;
    cancelled.config.bytesPerSecond = 200000;
    soak.Run(-1, cancelled, deadline);
    WaitForSteadyCounts();
    soak.Baseline();

    const int64_t start = NowMs();
    for (int i = 0; i < runs; ++i) {
        current.store(i);
        soak.Run(i, soak.Draw(), deadline);
    }
    finished.store(true);
    watchdog.join();
    soak.Print(runs, seed, double(NowMs() - start) / 1000.0);
    return soak.Violations() ? 1 : 0;
}
