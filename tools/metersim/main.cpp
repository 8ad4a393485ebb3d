// orbivane-metersim: a meter on a pseudo-terminal, for trying Orbivane without a meter.
#include "MeterDevice.h"

#include <csignal>
#include <fstream>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

void Usage()
{
    std::fprintf(stderr,
                 "usage: orbivane-metersim [--link PATH] [--ident HEX] [--rate BYTES_PER_S]\n"
                 "                         [--hello-fault silence|ident5|garbage|hangup]\n"
                 "                         [--image FILE] [--chunk BYTES] [--fault NAME[@STEP]]\n"
                 "                         [--fault-type TYPE]\n"
                 "       orbivane-metersim --write-update FILE\n"
                 "--write-update writes a software file this meter takes without a question, and exits.\n"
                 "--image serves FILE as the meter's database (default: a fixed pattern).\n"
                 "--fault breaks the STEP-th answer (from 0) of a transfer's data phase, once:\n"
                 "  silence|short|garbled|unexpected|ident|end|big|hangup.\n"
                 "Serves a meter on a new pseudo-terminal until SIGINT or SIGTERM.\n"
                 "--link makes PATH a symbolic link to the terminal (replacing a link there).\n");
}

} // namespace

int main(int argc, char **argv)
{
    MeterSim::Config config;
    MeterDevice::Transfer transfer;
    std::string link;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--write-update" && hasValue) {
            // Identity word 0x42010004 (little-endian on file): this model, one version newer.
            std::ofstream out(argv[++i], std::ios::binary | std::ios::trunc);
            std::string content = {'\x04', '\x00', '\x01', '\x42'};
            for (int n = 0; n < 200000; ++n)
                content.push_back(char(n * 7 + (n >> 11)));
            out.write(content.data(), std::streamsize(content.size()));
            return out ? 0 : 1;
        } else if (arg == "--link" && hasValue) {
            link = argv[++i];
        } else if (arg == "--ident" && hasValue) {
            config.identWord = uint32_t(std::strtoul(argv[++i], nullptr, 16));
        } else if (arg == "--rate" && hasValue) {
            config.bytesPerSecond = uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--image" && hasValue) {
            std::ifstream in(argv[++i], std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "orbivane-metersim: cannot read %s\n", argv[i]);
                return 1;
            }
            transfer.image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        } else if (arg == "--chunk" && hasValue) {
            transfer.chunkSize = uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--fault-type" && hasValue) {
            transfer.faultType = uint16_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--fault" && hasValue) {
            std::string f = argv[++i];
            const auto at = f.find('@');
            if (at != std::string::npos) {
                transfer.faultStep = std::atoi(f.c_str() + at + 1);
                f.resize(at);
            }
            using F = MeterDevice::Fault;
            const std::pair<const char *, F> names[] = {
                {"silence", F::Silence}, {"short", F::ShortFrame}, {"garbled", F::Garbled},
                {"unexpected", F::UnexpectedType}, {"ident", F::SecondIdent}, {"end", F::EarlyEnd},
                {"big", F::BigFrame}, {"hangup", F::HangUp}};
            transfer.fault = F::None;
            for (const auto &[name, value] : names)
                if (f == name)
                    transfer.fault = value;
            if (transfer.fault == F::None) {
                Usage();
                return 2;
            }
        } else if (arg == "--hello-fault" && hasValue) {
            const std::string f = argv[++i];
            if (f == "silence")
                config.helloFault = MeterSim::HelloFault::Silence;
            else if (f == "ident5")
                config.helloFault = MeterSim::HelloFault::IdentLength5;
            else if (f == "garbage")
                config.helloFault = MeterSim::HelloFault::Garbage;
            else if (f == "hangup")
                config.helloFault = MeterSim::HelloFault::HangUp;
            else {
                Usage();
                return 2;
            }
        } else {
            Usage();
            return 2;
        }
    }

    // Block the stop signals before any thread starts, then wait for one here.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    MeterDevice meter(config, transfer);
    std::string error;
    if (!meter.Start(&error)) {
        std::fprintf(stderr, "orbivane-metersim: %s\n", error.c_str());
        return 1;
    }
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(meter.SlavePath().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "orbivane-metersim: cannot link %s: %s\n", link.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::printf("%s\n", meter.SlavePath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stop, &signal);
    meter.Stop();
    if (!link.empty())
        ::unlink(link.c_str());
    return 0;
}
