#pragma once

// What the soaks share: options, the dice, the clock, the process's descriptors and threads,
// the summary line scripts/soak.sh reads, and a quiet offscreen platform.
#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>

namespace soak {

inline int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// "--name value" options; anything else ends the program with the usage.
inline long Option(int argc, char **argv, const char *name, long fallback, const char *usage)
{
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc || std::strncmp(argv[i], "--", 2) != 0 || !std::strstr(usage, argv[i])) {
            std::fprintf(stderr, "usage: %s\n", usage);
            std::exit(2);
        }
        if (std::strcmp(argv[i] + 2, name) == 0)
            return std::strtol(argv[i + 1], nullptr, 10);
    }
    return fallback;
}

class Dice
{
public:
    explicit Dice(uint32_t seed) : m_rng(seed) {}
    int operator()(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

private:
    std::mt19937 m_rng;
};

inline int Entries(const char *dir)
{
    return int(QDir(QString::fromLatin1(dir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

// Descriptors and threads of the settled process; what a run leaves beyond them is a fault.
struct Baseline {
    int fds = 0;
    int threads = 0;
    static std::pair<int, int> Now() { return {Entries("/proc/self/fd"), Entries("/proc/self/task")}; }
    // Waits (at most 5 s) for the counts to stay put for a second: some of what Qt sets up once
    // (a bus connection with its thread and socket) comes up in the background.
    void Take()
    {
        const int64_t giveUp = NowMs() + 5000;
        int64_t steadySince = NowMs();
        std::pair<int, int> last = Now();
        while (NowMs() < giveUp && NowMs() - steadySince < 1000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (Now() != last) {
                last = Now();
                steadySince = NowMs();
            }
        }
        std::tie(fds, threads) = last;
    }
    // "" when the counts are back (a joined thread may linger in /proc for a moment).
    QString Leftovers() const
    {
        const int64_t settle = NowMs() + 1000;
        while (Now() != std::make_pair(fds, threads) && NowMs() < settle)
            std::this_thread::yield();
        const auto [f, t] = Now();
        if (f == fds && t == threads)
            return {};
        return QStringLiteral("%1 file descriptors and %2 threads, %3 and %4 before").arg(f).arg(t).arg(fds).arg(threads);
    }
};

// The last line of every soak, read by scripts/soak.sh.
inline void Summary(const char *unit, int done, uint32_t seed, double seconds, int faults)
{
    std::printf("%d %s, seed %u, %.1f s, %d faults\n", done, unit, seed, seconds, faults);
}

// The offscreen platform remarks on every window and popup it shows; the soak's output is its own.
inline void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    static const char *const noise[] = {"propagateSizeHints", "does not support", "XDG_RUNTIME_DIR"};
    for (const char *n : noise)
        if (text.contains(QLatin1String(n)))
            return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Before the QApplication: offscreen unless told otherwise, no desktop theme.
inline void Prepare()
{
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
}

} // namespace soak
