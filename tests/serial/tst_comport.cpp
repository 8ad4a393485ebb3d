// CComPort against a pseudo-terminal whose far end the test plays itself, and which device
// COM<n> stands for.
#include "PtyPair.h"
#include "TestEnv.h"

#include "serial/CComPort.h"
#include "serial/ComDeviceMap.h"

#include <QSettings>
#include <QTemporaryFile>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <csignal>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// A port with the meter's time-outs: 4 read attempts of 20 ms a byte + 20 ms, writes alike.
struct Line {
    Line() { port.SetOpTimeout(400); port.SetTimeouts(131072, 20, 20, 20, 20); }
    bool Open() { return pty.IsValid() && port.Open(pty.SlavePath()); }
    bool Read(int count, uint32_t &got) { buffer.resize(count); return port.Read(buffer.data(), uint32_t(count), got); }
    // What the line tells the test's own descriptor: FIONREAD (bytes queued), TIOCGEXCL.
    int Query(unsigned long request) const { int v = -1; return ::ioctl(pty.SlaveFd(), request, &v) == 0 ? v : -1; }
    PtyPair pty;
    CComPort port;
    QByteArray buffer;
};

} // namespace

class TestComPort : public QObject
{
    Q_OBJECT
private slots:
    // Open takes the line from a state far from ours; Close discards unread input and gives the
    // device up (TIOCNXCL): an ordinary account could not open it again (root ignores the flag).
    void openConfiguresAndCloseReleases()
    {
        Line line;
        termios t{};
        QVERIFY(::tcgetattr(line.pty.SlaveFd(), &t) == 0);
        t.c_lflag |= ICANON | ECHO;
        t.c_iflag |= IXON | IXOFF;
        ::cfsetspeed(&t, B9600);
        QVERIFY(::tcsetattr(line.pty.SlaveFd(), TCSANOW, &t) == 0);
        uint32_t n = 99;
        char buffer[4];
        QVERIFY(line.port.Read(buffer, 0, n)); // a count of 0 never touches the device
        QCOMPARE(n, 0u);
        for (int round = 0; round < 2; ++round) { // never opened, then closed
            QVERIFY(!line.port.Read(buffer, 4, n));
            QVERIFY(!line.port.Write("x", 1, n));
            QCOMPARE(n, 0u);
            QVERIFY(!line.port.Close());
            QVERIFY(line.Open());
            QVERIFY(!line.port.Open(line.pty.SlavePath())); // the first open stays in use
            QCOMPARE(line.Query(TIOCGEXCL), 1);
            QVERIFY(::tcgetattr(line.pty.SlaveFd(), &t) == 0);
            QVERIFY(::cfgetispeed(&t) == B115200 && ::cfgetospeed(&t) == B115200);
            QCOMPARE(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CREAD), tcflag_t(CS8 | CREAD));
            QCOMPARE((t.c_iflag & (IXON | IXOFF)) | (t.c_lflag & (ICANON | ECHO | ISIG)) | (t.c_oflag & OPOST), tcflag_t(0));
            QVERIFY(!line.port.LastError()); // a pty without modem lines is no fault
            QVERIFY(line.pty.Send(QByteArray("stale")));
            QVERIFY(WaitUntil([&] { return line.Query(FIONREAD) == 5; }));
            QVERIFY(line.port.Close());
            QCOMPARE(line.Query(FIONREAD), 0);
            QCOMPARE(line.Query(TIOCGEXCL), 0);
        }
        // A path that is no serial device fails to open as a missing one does: without a fault.
        QTemporaryFile file;
        QVERIFY(file.open());
        for (const QString &path : {QStringLiteral("/nonexistent/ttyUSB9"), QStringLiteral("/dev/null"),
                                    file.fileName(), QString()})
            QVERIFY2(!line.port.Open(path) && !line.port.LastError(), qPrintable(path));
    }

    void readsWhatArrivesAndGivesUpOnSilence()
    {
        Line line;
        QVERIFY(line.Open());
        uint32_t got = 0;
        // Silence: 4 attempts of 20 ms x 4 bytes + 20 ms, then failure, and no fault (no upper bound: bench_transfers).
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!line.Read(4, got));
        QVERIFY2(timer.elapsed() >= 350, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(got == 0 && !line.port.LastError());
        // Two header bytes, then silence: the read fails with the two bytes counted.
        QVERIFY(line.pty.Send(QByteArray("\x01\x02", 2)));
        QVERIFY(!line.Read(4, got));
        QCOMPARE(got, 2u);
        // What arrives after the failed read is there for the next one, which takes no more than it asked for.
        QVERIFY(line.pty.Send(QByteArray("wxyz!")));
        QVERIFY(line.Read(4, got));
        QCOMPARE(line.buffer, QByteArray("wxyz"));

        // A write the far end does not take in time still succeeds, and what is left queued is
        // thrown away rather than drained: the far end never gets all that was handed over.
        line.port.SetTimeouts(131072, 20, 20, 0, 200);
        const QByteArray big(80000, 'b');
        uint32_t written = 0;
        QVERIFY(line.port.Write(big.constData(), uint32_t(big.size()), written));
        QVERIFY(written > 0 && written < uint32_t(big.size()));
        QVERIFY(line.pty.Receive(int(written), 300).size() < int(written));
        QVERIFY(!line.port.LastError());
    }

    void hangUpAndCancelEndABlockedReadAtOnce_data()
    {
        QTest::addColumn<bool>("hangUp");
        QTest::newRow("far end hangs up") << true;
        QTest::newRow("Cancel from another thread") << false;
    }

    void hangUpAndCancelEndABlockedReadAtOnce()
    {
        QFETCH(bool, hangUp);
        Line line;
        QVERIFY(line.Open());
        // A 16 KiB read whose attempts wait for minutes, asleep in the port's wait before the
        // event comes: ending at all, within ctest's time-out, is ending on the event.
        std::atomic<pid_t> reader{0};
        uint32_t got = 0;
        bool ok = true;
        std::thread other([&] {
            reader = ::gettid();
            ok = line.Read(16384, got);
        });
        // Asleep in the kernel: the thread's state in /proc is S.
        const auto asleep = [&] {
            const QByteArray stat = TestFile::Read(QStringLiteral("/proc/self/task/%1/stat").arg(reader));
            return stat.mid(stat.lastIndexOf(')') + 2, 1) == "S";
        };
        QVERIFY(WaitUntil([&] { return reader && asleep(); }));
        hangUp ? line.pty.HangUp() : line.port.Cancel();
        other.join();
        QVERIFY(!ok);
        // A hang-up is a fault in the system's words; a cancel is none.
        const PortError error = line.port.LastError();
        QCOMPARE(error.code, hangUp ? EIO : 0);
        QCOMPARE(error.text, hangUp ? QString::fromLocal8Bit(std::strerror(EIO)) : QString());
        QVERIFY(line.port.Read(&got, 0, got) && !line.port.LastError()); // the next call starts clean
        uint32_t written = 0;
        QVERIFY(!line.port.Write("abcd", 4, written));
        QCOMPARE(line.port.LastError().code, hangUp ? EIO : 0); // a write fails as the read did
    }

    void comDevicesFromEnvironmentThenSettingsThenDefaults()
    {
        TempSettings settings;
        // Beyond the devices there is nothing, not even a guess.
        QCOMPARE(ComDeviceMap::Resolve(int(ComDeviceMap::DefaultDevices().size()) + 1), QString());
        QCOMPARE(ComDeviceMap::Resolve(0), QString());
        QSettings(QSettings::UserScope, "Tarnwell", "vanetool").setValue("Devices/COM2", "/dev/ttyMapped");
        QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/dev/ttyMapped"));
        qputenv("ORBIVANE_COM2", "/tmp/emulated");
        QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/tmp/emulated"));
        qunsetenv("ORBIVANE_COM2");
        QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/dev/ttyMapped"));
    }

    // A read error other than "try again" ends the read at once, as a fault: here the EIO that a
    // background process group gets from its terminal (a session of its own, the pty as terminal).
    void readErrorEndsTheRead()
    {
        Line line;
        const pid_t session = ::fork();
        if (session == 0) {
            const pid_t reader = ::setsid() < 0 || ::ioctl(line.pty.SlaveFd(), TIOCSCTTY, 0) != 0 ? -1 : ::fork();
            if (reader == 0) {
                ::setpgid(0, 0);
                ::signal(SIGTTIN, SIG_IGN);
                ::signal(SIGTTOU, SIG_IGN);
                uint32_t got = 0;
                ::_exit(line.Open() && line.pty.Send("x") && !line.Read(1, got) && line.port.LastError().code == EIO ? 0 : 1);
            }
            int status = -1;
            ::_exit(reader > 0 && ::waitpid(reader, &status, 0) == reader && status == 0 ? 0 : 1);
        }
        int status = -1;
        QVERIFY(session > 0 && ::waitpid(session, &status, 0) == session);
        QCOMPARE(status, 0);
    }
};

QTEST_GUILESS_MAIN(TestComPort)
#include "tst_comport.moc"
