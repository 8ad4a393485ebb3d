#include "serial/PortDiagnosis.h"

#include "serial/ProcessScan.h"
#include "serial/UsbBridgeScan.h"

#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

using Cause = PortDiagnosis::Cause;

const char kModemManager[] = "ModemManager";
const char kBrltty[] = "brltty";

const char kModemManagerRemedy[] =
    "ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem "
    "commands for a while, which disturbs the meter's exchange. Wait half a minute after plugging the "
    "adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to "
    "leave the meter's adapters alone; without it, stop the service if you use no mobile modem:\n"
    "    sudo systemctl disable --now ModemManager";

const char kBrlttyRemedy[] =
    "BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) "
    "as braille displays, and then no serial device appears for them. If you use no braille display, "
    "remove it and plug the adapter in again:\n"
    "    sudo apt remove brltty";

PortDiagnosis Make(Cause cause, const QString &status, const QString &remedy)
{
    return {cause, status, remedy};
}

// "CH340 (1a86:7523, USB Serial)"
QString Name(const UsbBridgeScan::Bridge &b)
{
    const QString ids = QStringLiteral("%1:%2").arg(b.vendorId, b.productId);
    return QStringLiteral("%1 (%2)").arg(b.chip, b.product.isEmpty() ? ids : ids + QStringLiteral(", ") + b.product);
}

PortDiagnosis NoDriver(const UsbBridgeScan::Bridge &bridge, bool brltty)
{
    const QString name = Name(bridge);
    if (brltty)
        return Make(Cause::NoDriver, QStringLiteral("%1 adapter without a serial device: BRLTTY took it").arg(bridge.chip),
                    QStringLiteral("The USB serial adapter %1 is plugged in, but no serial device came of it.\n\n")
                            .arg(name)
                        + QLatin1String(kBrlttyRemedy));
    return Make(Cause::NoDriver, QStringLiteral("%1 adapter without a serial driver").arg(bridge.chip),
                QStringLiteral("The USB serial adapter %1 is plugged in, but no serial device came of it: its "
                               "driver is missing or not loaded. Load it and plug the adapter in again:\n"
                               "    sudo modprobe %2\n"
                               "If the module is not found, install the kernel's extra modules (package "
                               "linux-image-...) for your kernel.")
                    .arg(name, bridge.module));
}

PortDiagnosis NoDevice(const QString &path, const SystemRoots &roots)
{
    const QList<UsbBridgeScan::Bridge> orphans = UsbBridgeScan::WithoutTty(roots);
    if (!orphans.isEmpty())
        return NoDriver(orphans.first(), !ProcessScan::Named({kBrltty}, roots).isEmpty());
    const QString where = path.isEmpty() ? QStringLiteral("No serial device is present, so nothing stands for this port.")
                                         : QStringLiteral("There is no device %1.").arg(path);
    return Make(Cause::NoDevice, path.isEmpty() ? QStringLiteral("no serial device present") : QStringLiteral("no such device"),
                where + QStringLiteral(" Plug the meter's USB serial adapter in, then choose the port again. "
                                       "'orbivane-cli ports' lists the serial devices present and which COM "
                                       "port stands for each."));
}

PortDiagnosis PermissionDenied(const QString &path)
{
    const QFileInfo info(path);
    return Make(Cause::PermissionDenied, QStringLiteral("permission denied"),
                QStringLiteral("Your account may not open %1 (owner %2, group %3). Add it to the group of the "
                               "serial devices:\n"
                               "    sudo usermod -aG dialout $USER\n"
                               "then log out and in again: a new group counts only from the next login. Or "
                               "install the Orbivane package: its udev rule lets the user at the screen open "
                               "the meter's USB adapter without the group.")
                    .arg(path, info.owner(), info.group()));
}

PortDiagnosis Busy(const QString &path, const SystemRoots &roots)
{
    const QList<ProcessScan::Process> holders = ProcessScan::Holding(path, roots);
    for (const ProcessScan::Process &p : holders) {
        if (p.name == QLatin1String(kModemManager))
            return Make(Cause::Interference, QStringLiteral("in use by ModemManager (pid %1)").arg(p.pid),
                        QLatin1String(kModemManagerRemedy));
        if (p.name == QLatin1String(kBrltty))
            return Make(Cause::Interference, QStringLiteral("in use by BRLTTY (pid %1)").arg(p.pid),
                        QLatin1String(kBrlttyRemedy));
    }
    if (holders.isEmpty())
        return Make(Cause::Busy, QStringLiteral("in use by another program"),
                    QStringLiteral("Another program has %1 open; the system does not say which (it may run "
                                   "under another account). A terminal program (minicom, screen, picocom), "
                                   "another Orbivane or ModemManager are the usual ones. Close it, then choose "
                                   "the port again.")
                        .arg(path));
    const QString who = ProcessScan::Describe(holders);
    return Make(Cause::Busy, QStringLiteral("in use by %1").arg(who),
                QStringLiteral("%1 has %2 open. Close it (or end it: kill %3), then choose the port again.")
                    .arg(who, path)
                    .arg(holders.first().pid));
}

PortDiagnosis NoAnswer(const QString &path, const SystemRoots &roots)
{
    PortDiagnosis d = Make(Cause::NoAnswer, QStringLiteral("the port opens, but no meter answers"),
                           QStringLiteral("%1 opens, but no meter answered. Check that the meter is switched on, "
                                          "that the cable sits firmly at both ends, and that this is the meter's "
                                          "port: 'orbivane-cli ports' lists the serial devices present, "
                                          "'orbivane-cli probe --port DEVICE' tries one.")
                               .arg(path));
    // A program that opened the line without exclusive use takes the meter's answer away; a
    // modem prober writes into it.
    PortDiagnosis other;
    const QList<ProcessScan::Process> holders = ProcessScan::Holding(path, roots);
    if (!holders.isEmpty()) {
        other = Busy(path, roots);
        other.status = QStringLiteral("%1 also has the port open").arg(ProcessScan::Describe(holders));
    } else if (const PortDiagnosis general = PortDiagnosis::General(roots); general.cause == Cause::Interference) {
        other = general;
    }
    if (other) {
        d.cause = other.cause;
        d.status = QStringLiteral("no answer; ") + other.status;
        d.remedy += QStringLiteral("\n\n") + other.remedy;
    }
    return d;
}

} // namespace

PortDiagnosis PortDiagnosis::Of(const QString &devicePath, int openFailure, const SystemRoots &roots)
{
    if (devicePath.isEmpty())
        return NoDevice(devicePath, roots);
    switch (openFailure) {
    case 0:
        return NoAnswer(devicePath, roots);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return NoDevice(devicePath, roots);
    case EACCES:
    case EPERM:
        return PermissionDenied(devicePath);
    case EBUSY:
        return Busy(devicePath, roots);
    case ENOTTY:
        return Make(Cause::Other, QStringLiteral("not a serial device"),
                    QStringLiteral("%1 is not a serial device. Choose the port of the meter's adapter; "
                                   "'orbivane-cli ports' lists the serial devices present.")
                        .arg(devicePath));
    default:
        break;
    }
    const QString text = QString::fromLocal8Bit(std::strerror(openFailure));
    return Make(Cause::Other, text,
                QStringLiteral("The system refused to open %1: %2.").arg(devicePath, text));
}

int PortDiagnosis::Foresee(const QString &devicePath, const SystemRoots &roots)
{
    if (!QFileInfo::exists(devicePath))
        return ENOENT;
    if (::access(devicePath.toLocal8Bit().constData(), R_OK | W_OK) != 0)
        return EACCES;
    return ProcessScan::Holding(devicePath, roots).isEmpty() ? 0 : EBUSY;
}

PortDiagnosis PortDiagnosis::General(const SystemRoots &roots)
{
    const bool brltty = !ProcessScan::Named({kBrltty}, roots).isEmpty();
    const QList<UsbBridgeScan::Bridge> orphans = UsbBridgeScan::WithoutTty(roots);
    if (!orphans.isEmpty())
        return NoDriver(orphans.first(), brltty);
    const QList<ProcessScan::Process> modemManager = ProcessScan::Named({kModemManager}, roots);
    if (!modemManager.isEmpty())
        return Make(Cause::Interference, QStringLiteral("ModemManager is running (pid %1)").arg(modemManager.first().pid),
                    QLatin1String(kModemManagerRemedy));
    if (brltty)
        return Make(Cause::Interference, QStringLiteral("BRLTTY is running"), QLatin1String(kBrlttyRemedy));
    return {};
}
