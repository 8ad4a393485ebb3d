// The port doctor: each cause from simulated /dev, /sys and /proc trees, the causes a test can
// produce on real lines, and a port's adapter found again after a replug renumbers the ttys.
#include "PtyPair.h"
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "common/SettingsStore.h"
#include "protocol/MeterLink.h"
#include "serial/CComPort.h"
#include "serial/ComDeviceMap.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortIdentity.h"
#include "serial/UsbSerialInfo.h"

#include <QProcess>
#include <QtTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Cause = PortDiagnosis::Cause;

// System folders in a temporary one, built from entries: "a/b=text" a file, "a/b->c" a link to the
// tree's c, "a/b/" a folder, "a/b" a FIFO (a device node without root), "a/b%660" one of that mode
// (as root, in group dialout).
struct Tree {
    Tree() { roots = {dir.filePath("dev"), dir.filePath("sys"), dir.filePath("proc"), dir.path()}; }
    void Build(const QStringList &entries)
    {
        for (const char *top : {"dev", "sys", "proc", "var", "usr"})
            QDir(dir.filePath(top)).removeRecursively();
        for (const QString &e : entries) {
            const QString path = dir.filePath(e.section(QRegularExpression("->|=|%"), 0, 0));
            if (const QByteArray node = QFile::encodeName(path); e.contains('%') && QDir().mkpath(QFileInfo(path).path())) {
                ::mkfifo(node.constData(), 0);
                ::chmod(node.constData(), e.section('%', 1).toUInt(nullptr, 8));
                if (const group *dialout = ::getgrnam("dialout"); dialout && ::getegid() == 0)
                    (void)::chown(node.constData(), uid_t(-1), dialout->gr_gid);
                continue;
            }
            QDir().mkpath(e.endsWith('/') ? path : QFileInfo(path).path());
            if (e.contains("->"))
                QFile::link(dir.filePath(e.section("->", 1)), path);
            else if (e.contains('='))
                TestFile::Write(path, e.section('=', 1).toUtf8());
            else if (!e.endsWith('/'))
                ::mkfifo(QFile::encodeName(path).constData(), 0666);
        }
    }
    QString Path(const QString &rel) const { return QFileInfo(dir.filePath(rel)).canonicalFilePath(); }
    QTemporaryDir dir;
    SystemRoots roots;
};

const QStringList kCh340{"sys/bus/usb/devices/1-1/idVendor=1a86", "sys/bus/usb/devices/1-1/idProduct=7523",
                         "sys/bus/usb/devices/1-1/1-1:1.0/"};

} // namespace

class TestPortDiagnosis : public QObject
{
    Q_OBJECT
private slots:
    void simulatedSystem_data()
    {
        QTest::addColumn<QStringList>("tree"); // dev/ttyUSB0 is the port
        QTest::addColumn<int>("openFailure");
        QTest::addColumn<int>("cause");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("remedy");
        QTest::addColumn<int>("foreseen"); // what `orbivane-cli ports` expects an open to meet; -1: not asked
        const QStringList port{"dev/ttyUSB0"}, mm{"proc/77/comm=ModemManager"};
        auto row = [](const char *tag, const QStringList &tree, int err, Cause cause, const char *status, const char *remedy,
                      int foreseen = -1) {
            QTest::newRow(tag) << tree << err << int(cause) << QString(status) << QString(remedy) << foreseen;
        };
        row("no serial device at all, so no path", {}, ENOENT, Cause::NoDevice, "no serial device present", "No serial device is present", ENOENT);
        row("bridge with its tty", QStringList(kCh340) << "sys/bus/usb/devices/1-1/1-1:1.0/ttyUSB3/", ENOENT, Cause::NoDevice, "no such device", "Plug");
        row("no such device address", port, ENXIO, Cause::NoDevice, "no such device", "Plug", 0);
        row("bridge without driver", kCh340, ENODEV, Cause::NoDriver, "CH340 adapter without a serial driver", "sudo modprobe ch341");
        row("bridge taken by BRLTTY", QStringList(kCh340) << "proc/321/comm=brltty", ENOENT, Cause::NoDriver, "BRLTTY took it", "sudo apt remove brltty");
        // %GROUP: the group the device node has; a word after ! must not be said.
        const QStringList minicom{"proc/4242/comm=minicom", "proc/4242/fd/5->dev/ttyUSB0"};
        const QStringList window{"proc/50/comm=orbivane", "proc/50/fd/7->dev/ttyUSB0"};
        row("permission denied, group may use it", {"dev/ttyUSB0%660"}, EACCES, Cause::PermissionDenied, "permission denied", "sudo usermod -aG %GROUP $USER\nthen log out and in again|install the Orbivane package");
        row("operation not permitted", {"dev/ttyUSB0%000"}, EPERM, Cause::PermissionDenied, "permission denied", "mode 0000|joining one cannot help", EACCES);
        row("permission denied, owner only", {"dev/ttyUSB0%600"}, EACCES, Cause::PermissionDenied, "permission denied", "mode 0600|joining one cannot help|administrator to install it|!usermod");
        row("permission denied, rule installed", {"dev/ttyUSB0%600", "usr/lib/udev/rules.d/70-orbivane.rules=#"}, EACCES, Cause::PermissionDenied, "permission denied", "rule of the Orbivane package is installed|!install it");
        row("permission denied, package installed", {"dev/ttyUSB0%660", "var/lib/dpkg/status=Package: orbivane-extra\nStatus: deinstall ok config-files\n\nPackage: orbivane\nStatus: install ok installed\n"}, EACCES, Cause::PermissionDenied, "permission denied", "usermod -aG %GROUP|is installed|!Or install");
        row("busy, holder seen", port + minicom, EBUSY, Cause::Busy, "in use by minicom (pid 4242)", "minicom (pid 4242) has|Close minicom (or end it: kill 4242)");
        row("busy, two holders", port + minicom + QStringList{"proc/9/comm=screen", "proc/9/fd/0->dev/ttyUSB0"}, EBUSY, Cause::Busy, "", "minicom (pid 4242) and screen (pid 9) have|Close minicom and screen (or end them: kill 4242 9)");
        row("busy, own window and minicom", port + window + minicom, EBUSY, Cause::Busy, "(pid 50)", " and |have|Close minicom (or end it: kill 4242)|Orbivane window|!kill 50");
        row("busy, holder hidden", port + QStringList{"proc/4242/comm=minicom"}, EBUSY, Cause::Busy, "in use by another program", "another account");
        row("held by BRLTTY", port + QStringList{"proc/8/comm=brltty", "proc/8/fd/3->dev/ttyUSB0"}, EBUSY, Cause::Interference, "in use by BRLTTY (pid 8)", "sudo apt remove brltty", EBUSY);
        row("an errno of no case of its own", port, EIO, Cause::Other, "Input/output error", "The system refused to open /");
        row("held by ModemManager", port + mm + QStringList{"proc/77/fd/9->dev/ttyUSB0"}, EBUSY, Cause::Interference, "in use by ModemManager (pid 77)", "systemctl disable --now ModemManager");
        row("no answer", port, 0, Cause::NoAnswer, "the port opens, but no meter answers", "switched on");
        row("no answer, ModemManager runs", port + mm, 0, Cause::Interference, "no answer; ModemManager is running (pid 77)", "switched on");
        row("no answer, line shared", port + QStringList{"proc/9/comm=screen", "proc/9/fd/0->dev/ttyUSB0"}, 0, Cause::Busy, "no answer; screen (pid 9) also has", "kill 9");
        row("no answer, line shared twice", port + minicom + QStringList{"proc/9/comm=screen", "proc/9/fd/0->dev/ttyUSB0"}, 0, Cause::Busy, " also have", "kill 4242 9");
    }

    void simulatedSystem()
    {
        QFETCH(QStringList, tree);
        QFETCH(int, openFailure);
        QFETCH(QString, status);
        QFETCH(QString, remedy);
        QFETCH(int, foreseen);
        Tree t;
        t.Build(tree);
        const QString device = tree.isEmpty() ? QString() : t.roots.Dev("ttyUSB0");
        const PortDiagnosis d = PortDiagnosis::Of(device, openFailure, t.roots);
        QTEST(int(d.cause), "cause");
        QVERIFY2(d.status.contains(status), qPrintable(d.status));
        remedy.replace("%GROUP", QFileInfo(t.roots.Dev("ttyUSB0")).group());
        for (const QString &part : remedy.split('|'))
            QVERIFY2(d.remedy.contains(part.mid(part.startsWith('!'))) != part.startsWith('!'), qPrintable(part + " in: " + d.remedy));
        if (foreseen >= 0 && (foreseen != EACCES || ::geteuid() != 0)) // root may open any device
            QCOMPARE(PortDiagnosis::Foresee(device, t.roots), foreseen);
    }

    // The causes real lines give, diagnosed from the errno the open met.
    void realLines_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("openFailure");
        QTest::addColumn<QString>("status");
        QTest::newRow("missing") << "missing" << ENOENT << "no such device";
        QTest::newRow("not a tty") << "/dev/null" << ENOTTY << "not a serial device";
        QTest::newRow("permission denied") << "chmod 000" << EACCES << "permission denied";
        QTest::newRow("busy") << "held" << EBUSY << "in use by sleep (pid ";
        QTest::newRow("never answers") << "silent" << 0 << "no meter answers";
    }

    void realLines()
    {
        QFETCH(QString, kind);
        QFETCH(int, openFailure);
        QFETCH(QString, status);
        if ((::geteuid() == 0 && (openFailure == EACCES || openFailure == EBUSY)) || (openFailure == 0 && PortDiagnosis::General().cause == Cause::Interference))
            QSKIP("root ignores permissions and exclusive use (scripts/as-user-tests.sh runs this as an ordinary account); ModemManager or BRLTTY takes the blame for silence");
        PtyPair pty;
        QVERIFY(pty.IsValid());
        QString path = kind == "missing" ? "/nonexistent/ttyUSB9" : kind == "/dev/null" ? kind : pty.SlavePath();
        QProcess sleeper; // another program with the line open, as minicom would have it
        CComPort holder;  // ... and exclusive use of it
        if (kind == "chmod 000")
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0) == 0);
        if (kind == "held") {
            sleeper.setStandardInputFile(path);
            sleeper.start("sleep", {"30"});
            QVERIFY(sleeper.waitForStarted() && holder.Open(path));
            status += QString::number(sleeper.processId());
        }
        RecordingPrompts prompts;
        int failure = -1;
        QVERIFY(!ProbeMeter(path, prompts, &failure));
        QCOMPARE(failure, openFailure);
        const PortDiagnosis d = PortDiagnosis::Of(path, failure);
        QVERIFY2(d.status.contains(status), qPrintable(d.status));
        sleeper.kill();
        sleeper.waitForFinished();
    }

    // COM1's adapter answered once; after a replug it has another tty and another adapter sorts
    // before it, yet COM1 is still that adapter.
    void adapterFoundAgainAfterRenumbering_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("label");
        const QString usb = "sys/devices/usb1/";
        auto tty = [&](int n, const QString &usbDevice, const QString &serial) {
            const QString dev = usb + usbDevice + "/" + usbDevice + ":1.0/ttyUSB" + QString::number(n);
            return QStringList{QString("dev/ttyUSB%1").arg(n), QString("sys/class/tty/ttyUSB%1/device->%2").arg(n).arg(dev),
                               dev + "/", usb + usbDevice + "/idVendor=0403", usb + usbDevice + "/serial=" + serial,
                               usb + usbDevice + "/product=FT232R USB UART"};
        };
        QTest::newRow("by-id name") << QStringList{"dev/ttyUSB0", "dev/serial/by-id/usb-Meter_A-port0->dev/ttyUSB0"}
                                    << QStringList{"dev/ttyUSB0", "dev/ttyUSB1", "dev/serial/by-id/usb-Meter_A-port0->dev/ttyUSB1",
                                                   "dev/serial/by-id/usb-Another_B-port0->dev/ttyUSB0"}
                                    << "/ttyUSB1 (usb-Meter_A-port0)";
        QTest::newRow("USB serial number") << tty(0, "1-1", "A1") << tty(0, "1-2", "B2") + tty(1, "1-1", "A1")
                                           << "/ttyUSB1 \u2013 FT232R USB UART";
    }

    void adapterFoundAgainAfterRenumbering()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QString, label);
        TempSettings settings;
        Tree t;
        t.Build(before);
        QCOMPARE(ComDeviceMap::Resolve(1, t.roots), t.Path("dev/ttyUSB0"));
        SettingsStore::WritePortIdentity(1, PortIdentity::Of(ComDeviceMap::Resolve(1, t.roots), t.roots));
        t.Build(after + QStringList{"dev/ttyS0", "dev/ttyS1", "sys/class/tty/ttyS0/type=4", "sys/class/tty/ttyS1/type=0"});
        const QString device = ComDeviceMap::Resolve(1, t.roots);
        QCOMPARE(device, t.Path("dev/ttyUSB1"));
        QCOMPARE(ComDeviceMap::Resolve(2, t.roots), t.Path("dev/ttyUSB0")); // the other adapter is not out of reach
        QCOMPARE(ComDeviceMap::Resolve(3, t.roots), t.Path("dev/ttyS0")); // then UARTs, but none of type 0 (nothing behind it)
        QVERIFY2(UsbSerialInfo::Of(device, t.roots).Label(device).endsWith(label), qPrintable(UsbSerialInfo::Of(device, t.roots).Label(device)));
    }

    // The adapter that answered is that port from now on, and no other port's.
    void anAdapterIsOnePort()
    {
        TempSettings settings;
        SettingsStore::WritePortIdentity(3, "usb-Meter_A-port0");
        SettingsStore::WritePortIdentity(4, "usb-Another_B-port0");
        SettingsStore::WritePortIdentity(1, "usb-Meter_A-port0");
        QCOMPARE(SettingsStore::ReadPortIdentity(1), "usb-Meter_A-port0");
        QCOMPARE(SettingsStore::ReadPortIdentity(3), "");
        QCOMPARE(SettingsStore::ReadPortIdentity(4), "usb-Another_B-port0");
        SettingsStore::WritePortIdentity(1, ""); // one without an identity answered
        QCOMPARE(SettingsStore::ReadPortIdentity(1), "");
        QCOMPARE(SettingsStore::ReadPortIdentity(4), "usb-Another_B-port0");
    }
};

QTEST_GUILESS_MAIN(TestPortDiagnosis)
#include "tst_portdiagnosis.moc"
