// Reading three meters at once must take no longer than reading one: orbivane-cli reads each
// on its own thread, and the line (11520 bytes/s, 115200 baud) is the only bound. Prints both
// wall times and their ratio (target <= 1.05).
#include "MeterDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Wall time of one `orbivane-cli read` of `count` paced meters, in seconds; negative on failure.
double ReadMeters(int count, const QString &folder)
{
    std::vector<std::unique_ptr<MeterDevice>> meters;
    QStringList args{QStringLiteral("read"), QStringLiteral("--quiet")};
    for (int i = 0; i < count; ++i) {
        MeterSim::Config paced;
        paced.bytesPerSecond = 11520;
        meters.push_back(std::make_unique<MeterDevice>(paced));
        if (!meters.back()->Start())
            return -1;
        args << QStringLiteral("--port") << QString::fromStdString(meters.back()->SlavePath());
    }
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(ORBIVANE_CLI), args << folder);
    if (!cli.waitForFinished(120000) || cli.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const double one = ReadMeters(1, dir.filePath(QStringLiteral("one")));
    const double three = ReadMeters(3, dir.filePath(QStringLiteral("three")));
    if (one <= 0 || three <= 0) {
        std::fprintf(stderr, "bench_cli: a read failed\n");
        return 1;
    }
    std::printf("read 1 paced meter: %.2f s\nread 3 paced meters at once: %.2f s\nratio: %.4f (target <= 1.05)\n",
                one, three, three / one);
    return 0;
}
