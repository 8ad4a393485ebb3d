// CComPort against a pseudo-terminal whose far end the test plays itself.
#include "PtyPair.h"
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "serial/CComPort.h"

#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QtTest>

#include <sys/ioctl.h>
#include <termios.h>
#include <thread>

namespace {

void SetUp(CComPort &port, RecordingPrompts &prompts, const QString &path)
{
    port.SetPrompts(&prompts);
    port.SetDevicePath(path);
    port.Init(1, 16384, 16384);
    port.SetOpTimeout(400);
    port.SetTimeouts(131072, 20, 20, 20, 20);
}

} // namespace

class TestComPort : public QObject
{
    Q_OBJECT
private slots:
    void lineSettingsAfterOpen();
    void callsOutsideOpenFailQuietly();
    void readAndWriteOverTheLine();
    void silentLineGivesUpAfterAttempts();
    void lateBytesWaitForNextRead();
    void closeDiscardsQueuedInput();
    void hangUpIsAnErrorAtOnce();
    void notASerialDevice_data();
    void notASerialDevice();
    void cancelWakesBlockedRead();
};

void TestComPort::lineSettingsAfterOpen()
{
    PtyPair pty;
    QVERIFY(pty.IsValid());
    // Leave the line in a state far from ours first.
    termios before{};
    QVERIFY(::tcgetattr(pty.SlaveFd(), &before) == 0);
    before.c_lflag |= ICANON | ECHO;
    before.c_iflag |= IXON | IXOFF;
    ::cfsetispeed(&before, B9600);
    ::cfsetospeed(&before, B9600);
    QVERIFY(::tcsetattr(pty.SlaveFd(), TCSANOW, &before) == 0);

    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());

    termios after{};
    QVERIFY(::tcgetattr(pty.SlaveFd(), &after) == 0);
    QCOMPARE(::cfgetispeed(&after), speed_t(B115200));
    QCOMPARE(::cfgetospeed(&after), speed_t(B115200));
    QCOMPARE(after.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(after.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QVERIFY(after.c_cflag & CREAD);
    QCOMPARE(after.c_iflag & (IXON | IXOFF), tcflag_t(0));
    QCOMPARE(after.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
    QCOMPARE(after.c_oflag & OPOST, tcflag_t(0));
    QCOMPARE(prompts.MessageCount(), 0); // a pty without modem lines is no fault

    // A second Open fails and leaves the first one working.
    QVERIFY(!port.Open());
    uint32_t written = 0;
    QVERIFY(port.Write("ab", 2, written));
    QCOMPARE(written, 2u);
    QCOMPARE(pty.Receive(2, 1000), QByteArray("ab"));
}

void TestComPort::callsOutsideOpenFailQuietly()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    char buffer[4];
    uint32_t n = 99;

    // Not initialised: nothing opens.
    port.SetPrompts(&prompts);
    port.SetDevicePath(pty.SlavePath());
    QVERIFY(!port.Open());

    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Read(buffer, 0, n)); // a count of 0 never touches the device
    QCOMPARE(n, 0u);
    QVERIFY(!port.Read(buffer, 4, n));
    QVERIFY(!port.Write("x", 1, n));
    QCOMPARE(n, 0u);
    QVERIFY(!port.Close());

    QVERIFY(port.Open());
    QVERIFY(port.Close());
    QVERIFY(!port.Read(buffer, 4, n));
    QVERIFY(!port.Write("x", 1, n));
    QVERIFY(!port.Close());
    QCOMPARE(prompts.MessageCount(), 0);

    // Closed ports open again.
    QVERIFY(port.Open());
}

void TestComPort::readAndWriteOverTheLine()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());

    QByteArray big(20000, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    std::thread farEnd([&] { pty.Send(big); });
    QByteArray in(big.size(), '\0');
    uint32_t got = 0;
    const bool ok = port.Read(in.data(), uint32_t(in.size()), got);
    farEnd.join();
    QVERIFY(ok);
    QCOMPARE(got, uint32_t(big.size()));
    QCOMPARE(in, big);
}

void TestComPort::silentLineGivesUpAfterAttempts()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());

    char buffer[4];
    uint32_t got = 99;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!port.Read(buffer, 4, got));
    // 4 attempts of 20 ms x 4 bytes + 20 ms: about 400 ms.
    QVERIFY2(timer.elapsed() >= 350, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(got, 0u);
    QCOMPARE(prompts.MessageCount(), 0);
}

void TestComPort::lateBytesWaitForNextRead()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());

    // Two header bytes, then silence: the read fails and the two bytes are gone.
    QVERIFY(pty.Send(QByteArray("\x01\x02", 2)));
    char buffer[4];
    uint32_t got = 0;
    QVERIFY(!port.Read(buffer, 4, got));
    QCOMPARE(got, 2u);

    // What arrives after the failed read is there for the next one.
    QVERIFY(pty.Send(QByteArray("wxyz")));
    QVERIFY(port.Read(buffer, 4, got));
    QCOMPARE(QByteArray(buffer, 4), QByteArray("wxyz"));
}

void TestComPort::closeDiscardsQueuedInput()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());
    QVERIFY(pty.Send(QByteArray("stale")));
    // Let the bytes reach the input queue before the close.
    QVERIFY(WaitUntil([&] {
        int queued = 0;
        return ::ioctl(pty.SlaveFd(), FIONREAD, &queued) == 0 && queued == 5;
    }));
    QVERIFY(port.Close());
    QVERIFY(port.Open());
    char buffer[5];
    uint32_t got = 0;
    QVERIFY(!port.Read(buffer, 5, got));
    QCOMPARE(got, 0u);
}

void TestComPort::hangUpIsAnErrorAtOnce()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());

    // A long read is under way when the far end goes away.
    std::thread farEnd([&] { pty.HangUp(); });
    char buffer[16384];
    uint32_t got = 0;
    QElapsedTimer timer;
    timer.start();
    const bool ok = port.Read(buffer, sizeof buffer, got);
    farEnd.join();
    QVERIFY(!ok);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(prompts.MessageCount(), 1);
    QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Serial Communication Device Error"));
    QVERIFY(!prompts.Messages().front().text.isEmpty());

    uint32_t written = 0;
    QVERIFY(!port.Write("abcd", 4, written));
    QVERIFY(timer.elapsed() < 2000);
}

void TestComPort::notASerialDevice_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/ttyUSB9");
    QTest::newRow("/dev/null") << QStringLiteral("/dev/null");
    QTest::newRow("regular file") << QString(); // filled in below
}

void TestComPort::notASerialDevice()
{
    QFETCH(QString, path);
    QTemporaryFile file;
    if (path.isEmpty()) {
        QVERIFY(file.open());
        path = file.fileName();
    }
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, path);
    QVERIFY(!port.Open());
    QVERIFY(!port.IsOpen());
    QCOMPARE(prompts.MessageCount(), 0);
    char buffer[4];
    uint32_t got = 0;
    QVERIFY(!port.Read(buffer, 4, got));
}

void TestComPort::cancelWakesBlockedRead()
{
    PtyPair pty;
    RecordingPrompts prompts;
    CComPort port;
    SetUp(port, prompts, pty.SlavePath());
    QVERIFY(port.Open());

    std::atomic<bool> done{false};
    QElapsedTimer timer;
    timer.start();
    std::thread reader([&] {
        char buffer[16384]; // a first attempt may wait for minutes
        uint32_t got = 0;
        port.Read(buffer, sizeof buffer, got);
        done = true;
    });
    port.Cancel();
    reader.join();
    QVERIFY(done);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(prompts.MessageCount(), 0);
    uint32_t written = 0;
    QVERIFY(!port.Write("x", 1, written));
    QVERIFY(port.Close());
}

QTEST_GUILESS_MAIN(TestComPort)
#include "tst_comport.moc"
