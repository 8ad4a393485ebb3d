// soak_transfers: transfers through the real transfer dialog against the meter emulator, each
// with a fault drawn at random, and what must hold for every one: it ends within its bound (by
// itself, or at most kCancelBoundMs after the button); success only when the meter got every
// byte of the file (write, load) or the file holds every byte the meter gave (read); a read's
// target is the complete old file or the complete new image, with nothing left beside it; no
// thread or file descriptor is left over. Prints a table by fault and kind; exits 1 on a fault.
#include "Soak.h"
#include "WorkerRun.h"

#include "SampleDatabase.h"
#include "app/CTransferDlg.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <map>
#include <string>
#include <thread>

namespace {

// The slowest fault the meter plays costs a second, a full unpaced transfer a few milliseconds.
constexpr int64_t kSelfBoundMs = 8000;
// After the button, the dialog may first finish a frame the stop cut off (300 ms at most).
constexpr int64_t kCancelBoundMs = 1500;
// For the watchdog: when the current run must have ended (0: no run under way).
std::atomic<int64_t> g_deadline{0};
std::atomic<int> g_current{-1};

struct Plan {
    TransferKind kind = TK_READ_PARAMS;
    const char *kindName = "read";
    std::string fault = "none";
    MeterSim::Config config;
    MeterDevice::Transfer transfer;
    int64_t cancelAtMs = -1;   // the user presses the button then (-1: never on purpose)
    bool answerYes = true;     // to the load's question
    int updateImage = 0;       // load: image bytes of the update file
    bool waitsForUser = false; // by design the worker keeps listening until stopped
};

Plan Draw(soak::Dice &dice)
{
    Plan p;
    const auto k = size_t(dice(0, 2));
    std::tie(p.kind, p.kindName) = std::make_pair(std::array{TK_READ_PARAMS, TK_WRITE_PARAMS, TK_LOAD_SOFTWARE}[k],
                                                  std::array{"read", "write", "load"}[k]);
    p.config.identWord = 0x42010003;
    p.updateImage = dice(0, 6) == 0 ? 0 : dice(1, 70000);
    p.answerYes = dice(0, 3) != 0;
    // Steps of the data phase: a read's chunks; a write's or load's FT_READY after the start and
    // after each chunk.
    p.transfer.faultStep = dice(0, p.kind == TK_LOAD_SOFTWARE ? (p.updateImage + 16383) / 16384 : 15);
    if (p.kind == TK_READ_PARAMS && dice(0, 3) == 0)
        p.transfer.chunkSize = uint32_t(dice(1000, 16384));
    const bool listensForever = p.kind != TK_WRITE_PARAMS; // read and load retry silence
    static const std::pair<const char *, Fault> faults[] = {
        {"silence", Fault::Silence}, {"short frame", Fault::ShortFrame}, {"garbage", Fault::Garbled},
        {"unexpected type", Fault::UnexpectedType}, {"second FT_IDENT", Fault::SecondIdent},
        {"early FT_END", Fault::EarlyEnd}, {"oversized frame", Fault::BigFrame}, {"hang-up", Fault::HangUp}};
    static const std::pair<const char *, MeterSim::HelloFault> hello[] = {
        {"hello: silence", MeterSim::HelloFault::Silence}, {"hello: garbage", MeterSim::HelloFault::Garbage},
        {"hello: hang-up", MeterSim::HelloFault::HangUp}, {"hello: long FT_IDENT", MeterSim::HelloFault::IdentLength5}};
    const int pick = dice(0, 13);
    if (pick >= 2 && pick <= 9) {
        std::tie(p.fault, p.transfer.fault) = faults[pick - 2];
        // Half an FT_READY is its header cut after two bytes: the same as silence.
        p.waitsForUser = listensForever && pick <= 3;
        p.transfer.faultType = std::array<uint16_t, 5>{1, 5, 7, 9, 300}[size_t(dice(0, 4))];
    } else if (pick == 10) {
        // On a line fast enough to stay out of the way a transfer takes milliseconds; at 200000
        // bytes/s it takes about a second, and the button comes at any moment of it.
        p.fault = "cancel";
        p.config.bytesPerSecond = 200000;
        p.cancelAtMs = dice(0, 1300);
    } else if (pick == 11) {
        const int h = dice(0, 3);
        std::tie(p.fault, p.config.helloFault) = hello[h];
        p.waitsForUser = listensForever && h < 2;
    } else if (pick == 12) {
        p.fault = "newer meter"; // the load asks before it goes on
        p.config.identWord = 0x420100F0;
    } else if (pick == 13) {
        p.fault = "cancel + fault";
        p.transfer.fault = dice(0, 1) ? Fault::Silence : Fault::Garbled;
        p.cancelAtMs = dice(0, 1200);
    }
    return p;
}

// Runs by outcome (success, failed, cancelled, waited), and the faults found in them.
struct Tally { int runs = 0, outcomes[4] = {}, faults = 0; };

// Runs transfers in a temporary folder; the first runs, numbered -1, warm up and count for nothing.
struct Soak {
    explicit Soak(int patienceMs) : m_patienceMs(patienceMs)
    {
        if (!m_dir.isValid() || !TestFile::Write(m_dir.filePath("db.bin"), m_database))
            qFatal("soak: no temporary folder");
    }

    // Runs one transfer through the dialog.
    void Run(int index, const Plan &plan)
    {
        QStringList faults;
        const QString read = m_dir.filePath("read.bin");
        const QByteArray old = Pattern(1000 + index % 50, uint32_t(index));
        QString path = m_dir.filePath("db.bin");
        QByteArray source = m_database; // the bytes a write or load must deliver
        bool ready = true;
        if (plan.kind == TK_READ_PARAMS)
            ready = TestFile::Write(path = read, old);
        else if (plan.kind == TK_LOAD_SOFTWARE) {
            path = m_dir.filePath("update.bin");
            const QByteArray file = UpdateFile(0x42010005, plan.updateImage, uint32_t(index) + 99);
            source = file.mid(4);
            ready = TestFile::Write(path, file);
        }
        auto files = [this] { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).join(' '); };
        const QString filesBefore = files();
        RecordingPrompts prompts; // the person at the screen answers the load as planned
        prompts.QueueAnswer(plan.answerYes);
        MeterDevice meter(plan.config, plan.transfer);
        std::string error;
        if (!ready || !meter.Start(&error)) {
            std::printf("run %d: cannot set up: %s\n", index, error.c_str());
            ++m_byFault["all"].faults;
            return;
        }
        bool success = false, waited = false;
        int64_t pressedAt = -1, start = soak::NowMs();
        {
            CTransferDlg dlg(prompts);
            dlg.SetTransfer(plan.kind, path, 1);
            dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
            auto press = [&](bool patience) {
                if (pressedAt < 0 || !patience)
                    waited = patience, pressedAt = soak::NowMs(), dlg.Button()->click();
            };
            if (plan.cancelAtMs >= 0)
                QTimer::singleShot(int(plan.cancelAtMs), &dlg, [&] { press(false); });
            // A user who has waited long enough for a meter that says nothing.
            QTimer::singleShot(m_patienceMs, &dlg, [&] { press(true); });
            g_deadline.store(start + m_patienceMs + kSelfBoundMs + 5000);
            dlg.exec();
            g_deadline.store(0);
            success = dlg.Succeeded();
        }
        const int64_t end = soak::NowMs();
        meter.Stop();
        if (index < 0)
            return;
        if (pressedAt >= 0 && end - pressedAt > kCancelBoundMs)
            faults << QStringLiteral("ended %1 ms after the button").arg(end - pressedAt);
        if (pressedAt < 0 && end - start > kSelfBoundMs)
            faults << QStringLiteral("took %1 ms").arg(end - start);
        if (waited && !plan.waitsForUser)
            faults << QStringLiteral("did not end by itself");
        int64_t &longest = pressedAt >= 0 ? m_maxCancelMs : m_maxSelfMs;
        longest = std::max(longest, end - std::max(start, pressedAt));
        const QByteArray image = Bytes(MeterDevice::DefaultImage()), got = Bytes(meter.ReceivedImage());
        if (const QByteArray now = TestFile::Read(read); plan.kind == TK_READ_PARAMS) {
            if (success && now != image)
                faults << QStringLiteral("success, but the file is not the meter's image");
            if (now != old && now != image)
                faults << QStringLiteral("the target is neither the old file nor the whole image (%1 bytes)").arg(now.size());
        } else if (success && got != source) {
            faults << QStringLiteral("success, but the meter got %1 of %2 bytes").arg(got.size()).arg(source.size());
        }
        if (files() != filesBefore)
            faults << QStringLiteral("files beside the target: %1").arg(files());
        if (const QString left = m_baseline.Leftovers(); !left.isEmpty())
            faults << left;
        const int outcome = success ? 0 : pressedAt < 0 ? 1 : waited ? 3 : 2;
        for (Tally *x : {&m_byFault[plan.fault], &m_byFault[std::string("transfer: ") + plan.kindName], &m_byFault["all"]}) {
            ++x->runs;
            ++x->outcomes[outcome];
            x->faults += int(faults.size());
        }
        if (!faults.isEmpty())
            std::printf("run %d: %s, %s (step %d, chunk %u, image %d, cancel at %lld ms), %s in %lld ms: %s\n  FAULT: %s\n",
                        index, plan.kindName, plan.fault.c_str(), plan.transfer.faultStep, plan.transfer.chunkSize,
                        plan.updateImage, static_cast<long long>(plan.cancelAtMs),
                        std::array{"success", "failed", "cancelled", "waited"}[size_t(outcome)],
                        static_cast<long long>(end - start),
                        qPrintable(prompts.MessageTexts().join(QLatin1String(" | ")).replace(QLatin1Char('\n'), QLatin1Char(' '))),
                        qPrintable(faults.join(QLatin1String("\n  FAULT: "))));
        std::fflush(stdout);
    }

    int Print()
    {
        std::printf("%d file descriptors and %d threads before every run; longest transfer that ended by\n"
                    "itself %lld ms, longest end after the button %lld ms\n\nfault injected          runs  success  failed  cancelled  waited  faults\n", m_baseline.counts.first,
                    m_baseline.counts.second, static_cast<long long>(m_maxSelfMs), static_cast<long long>(m_maxCancelMs));
        for (const auto &[name, t] : m_byFault)
            std::printf("%-22s %5d %8d %7d %10d %7d %7d\n", name.c_str(), t.runs, t.outcomes[0], t.outcomes[1],
                        t.outcomes[2], t.outcomes[3], t.faults);
        std::printf("(waited: the meter said nothing usable and the worker kept listening, as it must,\n"
                    "until the user pressed the button after %d ms)\n", m_patienceMs);
        return m_byFault["all"].faults;
    }

    int m_patienceMs;
    QTemporaryDir m_dir;
    QByteArray m_database = SampleDatabase::Make({7, 12, 30, 800}); // sound: a write asks nothing
    soak::Baseline m_baseline;
    int64_t m_maxSelfMs = 0, m_maxCancelMs = 0;
    std::map<std::string, Tally> m_byFault; // and "all"
};

} // namespace

int main(int argc, char **argv)
{
    soak::Prepare();
    QApplication app(argc, argv);
    const int runs = int(soak::Option(argc, argv, "runs", 300));
    const auto seed = uint32_t(soak::Option(argc, argv, "seed", 1));
    Soak soak(int(soak::Option(argc, argv, "patience", 3000)));
    // A hung transfer must not hang the soak: past its deadline the process ends with a report.
    std::thread([&] {
        for (;; std::this_thread::sleep_for(std::chrono::milliseconds(50)))
            if (const int64_t d = g_deadline.load(); d && soak::NowMs() > d) {
                std::fprintf(stderr, "soak: run %d did not end; FAULT\n", g_current.load());
                std::_Exit(1);
            }
    }).detach();
    // A plain and a cancelled transfer first, so that whatever Qt sets up once is there before
    // counting.
    soak.Run(-1, Plan());
    Plan cancelled;
    std::tie(cancelled.cancelAtMs, cancelled.config.bytesPerSecond) = std::make_pair(50, 200000);
    soak.Run(-1, cancelled);
    soak.m_baseline.Take(); // from here on leftovers count
    soak::Dice dice{std::mt19937(seed)};
    const int64_t start = soak::NowMs();
    for (int i = 0; i < runs; ++i) {
        g_current.store(i);
        soak.Run(i, Draw(dice));
    }
    return soak::Summary("transfers", runs, seed, start, soak.Print());
}
