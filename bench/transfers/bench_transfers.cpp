// bench_transfers: full read, write and load transfers against the emulated meter.
// For each: the wall time on an unpaced pseudo-terminal, with and without a transfer log; the
// time to turn the log into text and to write it to a new file once the transfer is over; the
// log's cost against the transfer without it (recording as many frames alone, and the text:
// the difference of the two walls is below the noise of one transfer); and on a line paced at 11520 bytes/s (115200 baud 8N1) the wall time divided by the
// wire time of every byte that crossed it, and the worst error of the time-left estimate from 20%
// of the bytes on, against the time that really was left. Then the port's times that the tests
// bound from below only: a silent 4-byte read, a blocked read's end after Cancel, and a
// connection test against a meter that never answers.
//   bench_transfers [--unpaced-only] [--runs N]
#include "MeterDevice.h"
#include "common/Prompts.h"
#include "protocol/MeterLink.h"
#include "protocol/Transfer.h"
#include "protocol/TransferEstimate.h"
#include "protocol/TransferLog.h"
#include "serial/CComPort.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Keeps the estimate's time left at each report from 20% of the bytes on, and when it all ended.
class QuietHost final : public TransferHost
{
public:
    QuietHost() { estimate.Start(NowMs()); }
    void SetProgress(int) override {}
    void SetProgressText(const QString &) override {}
    void TransferDone(const TransferOutcome &outcome) override
    {
        ok = outcome.Succeeded();
        endMs = NowMs();
    }
    void SetBytesMoved(int64_t done, int64_t total) override
    {
        const int64_t now = NowMs();
        estimate.Update(done, total, now);
        if (done >= total / 5 && done < total)
            said.emplace_back(now, estimate.RemainingMs(now));
    }
    // The worst error, in percent of the time that was really left.
    double WorstErrorPercent() const
    {
        double worst = 0;
        for (const auto &s : said)
            if (endMs > s.first)
                worst = std::max(worst, 100.0 * double(std::abs(s.second - (endMs - s.first))) / double(endMs - s.first));
        return worst;
    }
    bool ok = false;
    int64_t endMs = 0;
    TransferEstimate estimate;
    std::vector<std::pair<int64_t, int64_t>> said; // time, time left said
};

class CountingPrompts final : public Prompts
{
public:
    void Message(const QString &text, const QString &, Icon) override
    {
        std::fprintf(stderr, "  message: %s\n", qPrintable(text));
    }
    bool AskYesNo(const QString &, const QString &, Icon) override { return true; }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }
};

struct Result {
    bool ok = false;
    double seconds = 0;
    uint64_t wireBytes = 0;
    double estimateErrorPercent = 0;
    double formatSeconds = 0; // the log as text, after the transfer
    double saveSeconds = 0;   // the log into its file, text included
    double recordSeconds = 0; // recording as many frames again, alone: below the noise of a transfer
};

// The time to record `frames` frames of 16 KB into a log, by themselves.
double RecordSeconds(qsizetype frames)
{
    static uint8_t wire[4 + 16384] = {0, 3, 0x40, 0};
    const auto start = std::chrono::steady_clock::now();
    TransferLog log;
    for (qsizetype i = 0; i < frames; ++i)
        log.Sent(wire, sizeof wire);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Result Run(TransferKind kind, const QString &path, uint32_t rate, const QString &logPath = {})
{
    MeterSim::Config config;
    config.identWord = 0x42010001;
    config.bytesPerSecond = rate;
    MeterDevice meter(config);
    Result r;
    if (!meter.Start())
        return r;
    CComPort port;
    CountingPrompts prompts;
    QuietHost host;
    if (!OpenMeterPort(port, QString::fromStdString(meter.SlavePath()), prompts))
        return r;
    TransferJob job;
    job.kind = kind;
    job.path = path;
    job.port = &port;
    job.prompts = &prompts;
    job.host = &host;
    const auto start = std::chrono::steady_clock::now();
    // As the window does: a log for every transfer, written once it has ended.
    TransferLog log;
    if (!logPath.isEmpty())
        job.log = &log;
    RunTransfer(job);
    if (kind != TK_READ_PARAMS)
        meter.WaitForEnd(1, 5000); // the transfer is over once the meter has our FT_END
    const auto end = std::chrono::steady_clock::now();
    if (!logPath.isEmpty()) {
        const QByteArray text = log.Text();
        const auto formatted = std::chrono::steady_clock::now();
        QFile::remove(logPath); // a new file each time, as the window's logs are
        if (!log.Save(logPath))
            std::fprintf(stderr, "  could not write %s\n", qPrintable(logPath));
        r.formatSeconds = std::chrono::duration<double>(formatted - end).count();
        r.recordSeconds = RecordSeconds(text.count(" out ") + text.count(" in "));
        r.saveSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - formatted).count();
    }
    r.ok = host.ok;
    r.estimateErrorPercent = host.WorstErrorPercent();
    r.seconds = std::chrono::duration<double>(end - start).count();
    r.wireBytes = meter.BytesReceived() + meter.BytesSent();
    return r;
}

// Milliseconds of each step against a silent meter, with the meter link's own time-outs.
void PortTimes()
{
    MeterSim::Config config;
    config.helloFault = MeterSim::HelloFault::Silence;
    MeterSim meter(config);
    CountingPrompts prompts;
    CComPort port;
    const QString path = meter.Start() ? QString::fromStdString(meter.SlavePath()) : QString();
    if (!OpenMeterPort(port, path, prompts))
        return;
    static uint8_t buffer[16384];
    uint32_t got = 0;
    int64_t start = NowMs();
    port.Read(buffer, 4, got);
    const int64_t silent = NowMs() - start;
    std::thread reader([&] { port.Read(buffer, sizeof buffer, got); }); // waits for minutes
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    start = NowMs();
    port.Cancel();
    reader.join();
    const int64_t cancel = NowMs() - start;
    port.Close();
    start = NowMs();
    ProbeMeter(path, prompts);
    std::printf("silent 4-byte read %lld ms (4 x 100 ms), end after Cancel %lld ms, connection test unanswered %lld ms\n",
                static_cast<long long>(silent), static_cast<long long>(cancel), static_cast<long long>(NowMs() - start));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool paced = true;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--unpaced-only"))
            paced = false;
        else if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
    }

    QTemporaryDir dir;
    const QString readTarget = dir.filePath("read.bin");
    const QString database = dir.filePath("db.bin");
    const QString update = dir.filePath("update.bin");
    {
        const auto image = MeterDevice::DefaultImage();
        QFile db(database);
        db.open(QIODevice::WriteOnly);
        db.write(reinterpret_cast<const char *>(image.data()), qint64(image.size()));
        QFile up(update);
        up.open(QIODevice::WriteOnly);
        QByteArray content(4 + 262144, '\x5a');
        content[0] = 2;
        content[1] = 0;
        content[2] = 1;
        content[3] = 0x42;
        up.write(content);
    }

    struct Kind {
        const char *name;
        TransferKind kind;
        QString path;
    } kinds[] = {{"read 241248 B", TK_READ_PARAMS, readTarget},
                 {"write 241248 B", TK_WRITE_PARAMS, database},
                 {"load 262144 B", TK_LOAD_SOFTWARE, update}};

    const QString logPath = dir.filePath("transfer.log");
    std::printf("%-16s %22s %12s %10s %10s %10s %9s", "transfer", "unpaced wall (best of n)", "with log",
                "log record", "log text", "log file", "log cost");
    if (paced)
        std::printf(" %14s %14s %8s %16s", "paced wall", "wire bound", "ratio", "time left error");
    std::printf("\n");
    bool allOk = true;
    for (const Kind &k : kinds) {
        // Taken in turns, so that a busy moment of the machine hits both alike.
        double best = 1e9, bestLogged = 1e9, bestRecord = 1e9, bestFormat = 1e9, bestSave = 1e9;
        for (int i = 0; i < runs; ++i) {
            const Result r = Run(k.kind, k.path, 0);
            const Result logged = Run(k.kind, k.path, 0, logPath);
            allOk = allOk && r.ok && logged.ok;
            best = std::min(best, r.seconds);
            bestLogged = std::min(bestLogged, logged.seconds);
            bestRecord = std::min(bestRecord, logged.recordSeconds);
            bestFormat = std::min(bestFormat, logged.formatSeconds);
            bestSave = std::min(bestSave, logged.saveSeconds);
        }
        std::printf("%-16s %19.2f ms %9.2f ms %7.3f ms %7.3f ms %7.3f ms %8.2f%%", k.name, best * 1000,
                    bestLogged * 1000, bestRecord * 1000, bestFormat * 1000, bestSave * 1000,
                    100.0 * (bestRecord + bestFormat) / best);
        if (paced) {
            const Result r = Run(k.kind, k.path, 11520, logPath);
            allOk = allOk && r.ok;
            const double bound = double(r.wireBytes) / 11520.0;
            std::printf(" %12.2f s %12.2f s %8.4f %14.1f%%", r.seconds, bound, r.seconds / bound, r.estimateErrorPercent);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    PortTimes();
    if (!allOk)
        std::printf("a transfer failed\n");
    return allOk ? 0 : 1;
}
