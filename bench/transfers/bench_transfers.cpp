// bench_transfers: full read, write and load transfers against the emulated meter.
// For each: the wall time on an unpaced pseudo-terminal, and on a line paced at 11520 bytes/s
// (115200 baud 8N1) the wall time divided by the wire time of every byte that crossed it.
//   bench_transfers [--unpaced-only] [--runs N]
#include "MeterDevice.h"
#include "common/Prompts.h"
#include "protocol/MeterLink.h"
#include "protocol/Transfer.h"
#include "serial/CComPort.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

class QuietHost final : public TransferHost
{
public:
    void SetProgress(int) override {}
    void SetProgressText(const QString &) override {}
    void TransferDone(bool success, TransferKind) override { ok = success; }
    bool ok = false;
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
};

Result Run(TransferKind kind, const QString &path, uint32_t rate)
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
    RunTransfer(job);
    if (kind != TK_READ_PARAMS)
        meter.WaitForEnd(1, 5000); // the transfer is over once the meter has our FT_END
    const auto end = std::chrono::steady_clock::now();
    r.ok = host.ok;
    r.seconds = std::chrono::duration<double>(end - start).count();
    r.wireBytes = meter.BytesReceived() + meter.BytesSent();
    return r;
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

    std::printf("%-16s %22s", "transfer", "unpaced wall (best of n)");
    if (paced)
        std::printf(" %14s %14s %8s", "paced wall", "wire bound", "ratio");
    std::printf("\n");
    bool allOk = true;
    for (const Kind &k : kinds) {
        double best = 1e9;
        for (int i = 0; i < runs; ++i) {
            const Result r = Run(k.kind, k.path, 0);
            allOk = allOk && r.ok;
            best = std::min(best, r.seconds);
        }
        std::printf("%-16s %19.1f ms", k.name, best * 1000);
        if (paced) {
            const Result r = Run(k.kind, k.path, 11520);
            allOk = allOk && r.ok;
            const double bound = double(r.wireBytes) / 11520.0;
            std::printf(" %12.2f s %12.2f s %8.4f", r.seconds, bound, r.seconds / bound);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    if (!allOk)
        std::printf("a transfer failed\n");
    return allOk ? 0 : 1;
}
