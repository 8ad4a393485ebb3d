#pragma once

// What the soaks share: options, the dice, the clock, the process's descriptors and threads,
// the summary line scripts/soak.sh reads, and a quiet offscreen platform.
#include "TestEnv.h"

#include <QDir>

#include <chrono>
#include <cstdio>
#include <random>

namespace soak {

inline int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The value after "--name", or fallback.
inline long Option(int argc, char **argv, const char *name, long fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == QByteArray("--") + name)
            return QByteArray(argv[i + 1]).toLong();
    return fallback;
}

struct Dice {
    std::mt19937 rng;
    int operator()(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
};

// Descriptors and threads of the settled process; what a run leaves beyond them is a fault.
struct Baseline {
    std::pair<int, int> counts;
    static std::pair<int, int> Now()
    {
        const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System;
        return {int(QDir(QStringLiteral("/proc/self/fd")).entryList(all).size()), int(QDir(QStringLiteral("/proc/self/task")).entryList(all).size())};
    }
    // Waits (at most 5 s) for the counts to stay put for a second: some of what Qt sets up once
    // (a bus connection with its thread and socket) comes up in the background.
    void Take()
    {
        counts = Now();
        int64_t since = NowMs();
        WaitUntil([&] {
            if (Now() != counts)
                std::tie(counts, since) = std::make_pair(Now(), NowMs());
            return NowMs() - since >= 1000;
        });
    }
    // "" when the counts are back (a joined thread may linger in /proc for a moment).
    QString Leftovers() const
    {
        if (WaitUntil([this] { return Now() == counts; }, 1000))
            return {};
        return QStringLiteral("%1 file descriptors and %2 threads, %3 and %4 before")
            .arg(Now().first).arg(Now().second).arg(counts.first).arg(counts.second);
    }
};

// The last line of every soak, read by scripts/soak.sh; returns the exit status.
inline int Summary(const char *unit, int done, uint32_t seed, int64_t startMs, int faults)
{
    std::printf("%d %s, seed %u, %.1f s, %d faults\n", done, unit, seed, double(NowMs() - startMs) / 1000, faults);
    return faults ? 1 : 0;
}

// Before the QApplication: offscreen, no desktop theme, and none of the remarks the offscreen
// platform makes on every window and popup it shows; the soak's output is its own.
inline void Prepare()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        for (const char *noise : {"propagateSizeHints", "does not support", "XDG_RUNTIME_DIR"})
            if (text.contains(QLatin1String(noise)))
                return;
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
}

} // namespace soak
