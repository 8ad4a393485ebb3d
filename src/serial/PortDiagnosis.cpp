#include "serial/PortDiagnosis.h"

#include "serial/ProcessScan.h"
#include "serial/UsbBridgeScan.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Cause = PortDiagnosis::Cause;

const char kModemManager[] = "ModemManager";
const char kBrltty[] = "brltty";

const char kModemManagerRemedy[] = QT_TRANSLATE_NOOP("PortDiagnosis",
    "ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem "
    "commands for a while, which disturbs the meter's exchange. Wait half a minute after plugging the "
    "adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to "
    "leave the meter's adapters alone; without it, stop the service if you use no mobile modem:\n"
    "    sudo systemctl disable --now ModemManager");

const char kBrlttyRemedy[] = QT_TRANSLATE_NOOP("PortDiagnosis",
    "BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) "
    "as braille displays, and then no serial device appears for them. If you use no braille display, "
    "remove it and plug the adapter in again:\n"
    "    sudo apt remove brltty");

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
        return Make(Cause::NoDriver, PortDiagnosis::tr("%1 adapter without a serial device: BRLTTY took it").arg(bridge.chip),
                    PortDiagnosis::tr("The USB serial adapter %1 is plugged in, but no serial device came of it.\n\n")
                            .arg(name)
                        + PortDiagnosis::tr(kBrlttyRemedy));
    return Make(Cause::NoDriver, PortDiagnosis::tr("%1 adapter without a serial driver").arg(bridge.chip),
                PortDiagnosis::tr("The USB serial adapter %1 is plugged in, but no serial device came of it: its "
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
    const QString where = path.isEmpty() ? PortDiagnosis::tr("No serial device is present, so nothing stands for this port.")
                                         : PortDiagnosis::tr("There is no device %1.").arg(path);
    return Make(Cause::NoDevice, path.isEmpty() ? PortDiagnosis::tr("no serial device present") : PortDiagnosis::tr("no such device"),
                where + PortDiagnosis::tr(" Plug the meter's USB serial adapter in, then choose the port again. "
                                          "'orbivane-cli ports' lists the serial devices present and which COM "
                                          "port stands for each."));
}

// Whether the Orbivane package, or at least its udev rule, is on this system.
bool OrbivaneRuleInstalled(const SystemRoots &roots)
{
    for (const char *dir : {"/usr/lib/udev/rules.d", "/lib/udev/rules.d", "/usr/local/lib/udev/rules.d", "/etc/udev/rules.d"}) {
        if (QFileInfo::exists(roots.File(QLatin1String(dir) + QStringLiteral("/70-orbivane.rules"))))
            return true;
    }
    // dpkg's status file: one paragraph per package, "Status: install ok installed" when it is.
    QFile status(roots.File(QStringLiteral("/var/lib/dpkg/status")));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    bool ours = false;
    while (!status.atEnd()) {
        const QByteArray line = status.readLine().trimmed();
        if (line.startsWith("Package:"))
            ours = line.mid(8).trimmed() == "orbivane";
        else if (ours && line.startsWith("Status:"))
            return line.endsWith(" installed");
    }
    return false;
}

PortDiagnosis PermissionDenied(const QString &path, const SystemRoots &roots)
{
    struct stat st {};
    const QFileInfo info(path);
    const bool seen = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    // Joining a group helps only when the device's group may read and write it, and never
    // the root group.
    const bool groupHelps = seen && st.st_gid != 0 && (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    const QString who = PortDiagnosis::tr("Your account may not open %1 (owner %2, group %3, mode %4).")
                            .arg(path, info.owner(), info.group())
                            .arg(seen ? st.st_mode & 07777 : 0, 4, 8, QLatin1Char('0'));
    const bool installed = OrbivaneRuleInstalled(roots);
    const QString rule = installed
        ? PortDiagnosis::tr("The udev rule of the Orbivane package is installed but did not give you this device: it "
                            "covers the usual adapters, for the user logged in at the screen. For another adapter "
                            "an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules "
                            "(the rule file says how); then plug the adapter in again.")
        : PortDiagnosis::tr("Or install the Orbivane package: its udev rule lets the user at the screen open the "
                            "meter's USB adapter without any group.");
    if (groupHelps)
        return Make(Cause::PermissionDenied, PortDiagnosis::tr("permission denied"),
                    who + PortDiagnosis::tr(" Add it to the device's group:\n"
                                            "    sudo usermod -aG %1 $USER\n"
                                            "then log out and in again: a new group counts only from the next login. ")
                              .arg(info.group())
                        + rule);
    return Make(Cause::PermissionDenied, PortDiagnosis::tr("permission denied"),
                who + PortDiagnosis::tr(" No group gives access to it, so joining one cannot help: only a udev rule "
                                        "that hands the device to you or to a group, or an administrator, can. ")
                    + (installed ? rule
                                 : PortDiagnosis::tr("The Orbivane package brings such a rule for the usual adapters: "
                                                     "ask an administrator to install it, then plug the adapter in "
                                                     "again.")));
}

// A holder that is this user's own Orbivane, the window or the command line.
bool OwnOrbivane(const ProcessScan::Process &p, const SystemRoots &roots)
{
    return (p.name == QLatin1String("orbivane") || p.name == QLatin1String("orbivane-cli"))
        && QFileInfo(roots.Proc(QString::number(p.pid))).ownerId() == ::getuid();
}

// holders: the programs that hold path open, scanned once by the caller.
PortDiagnosis Busy(const QString &path, const SystemRoots &roots, const QList<ProcessScan::Process> &holders)
{
    for (const ProcessScan::Process &p : holders) {
        if (p.name == QLatin1String(kModemManager))
            return Make(Cause::Interference, PortDiagnosis::tr("in use by ModemManager (pid %1)").arg(p.pid),
                        PortDiagnosis::tr(kModemManagerRemedy));
        if (p.name == QLatin1String(kBrltty))
            return Make(Cause::Interference, PortDiagnosis::tr("in use by BRLTTY (pid %1)").arg(p.pid),
                        PortDiagnosis::tr(kBrlttyRemedy));
    }
    if (holders.isEmpty())
        return Make(Cause::Busy, PortDiagnosis::tr("in use by another program"),
                    PortDiagnosis::tr("Another program has %1 open; the system does not say which (it may run "
                                      "under another account). A terminal program (minicom, screen, picocom), "
                                      "another Orbivane or ModemManager are the usual ones. Close it, then choose "
                                      "the port again.")
                        .arg(path));
    QList<ProcessScan::Process> others;
    bool window = false;
    bool commandLine = false;
    for (const ProcessScan::Process &p : holders) {
        if (!OwnOrbivane(p, roots))
            others.append(p);
        else if (p.name == QLatin1String("orbivane"))
            window = true;
        else
            commandLine = true;
    }
    const QString who = ProcessScan::Describe(holders);
    QString remedy = PortDiagnosis::tr("%1 %2 %3 open.").arg(who, holders.size() > 1 ? PortDiagnosis::tr("have") : PortDiagnosis::tr("has"), path);
    if (!others.isEmpty()) {
        QStringList names;
        QStringList pids;
        for (const ProcessScan::Process &p : others) {
            names << p.name;
            pids << QString::number(p.pid);
        }
        const QString last = names.takeLast();
        remedy += PortDiagnosis::tr(" Close %1 (or end %2: kill %3).")
                      .arg(names.isEmpty() ? last : names.join(QStringLiteral(", ")) + PortDiagnosis::tr(" and ") + last,
                           others.size() > 1 ? PortDiagnosis::tr("them") : PortDiagnosis::tr("it"), pids.join(QLatin1Char(' ')));
    }
    if (window)
        remedy += PortDiagnosis::tr(" Close your other Orbivane window (or finish its transfer first).");
    if (commandLine)
        remedy += PortDiagnosis::tr(" Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.");
    return Make(Cause::Busy, PortDiagnosis::tr("in use by %1").arg(who), remedy + PortDiagnosis::tr(" Then choose the port again."));
}

PortDiagnosis NoAnswer(const QString &path, const SystemRoots &roots)
{
    PortDiagnosis d = Make(Cause::NoAnswer, PortDiagnosis::tr("the port opens, but no meter answers"),
                           PortDiagnosis::tr("%1 opens, but no meter answered. Check that the meter is switched on, "
                                             "that the cable sits firmly at both ends, and that this is the meter's "
                                             "port: 'orbivane-cli ports' lists the serial devices present, "
                                             "'orbivane-cli probe --port DEVICE' tries one.")
                               .arg(path));
    // A program that opened the line without exclusive use takes the meter's answer away; a
    // modem prober writes into it.
    PortDiagnosis other;
    const QList<ProcessScan::Process> holders = ProcessScan::Holding(path, roots);
    if (!holders.isEmpty()) {
        other = Busy(path, roots, holders);
        other.status = PortDiagnosis::tr("%1 also %2 the port open")
                           .arg(ProcessScan::Describe(holders), holders.size() > 1 ? PortDiagnosis::tr("have") : PortDiagnosis::tr("has"));
    } else if (const PortDiagnosis general = PortDiagnosis::General(roots); general.cause == Cause::Interference) {
        other = general;
    }
    if (other) {
        d.cause = other.cause;
        d.status = PortDiagnosis::tr("no answer; ") + other.status;
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
        return PermissionDenied(devicePath, roots);
    case EBUSY:
        return Busy(devicePath, roots, ProcessScan::Holding(devicePath, roots));
    case ENOTTY:
        return Make(Cause::Other, PortDiagnosis::tr("not a serial device"),
                    PortDiagnosis::tr("%1 is not a serial device. Choose the port of the meter's adapter; "
                                      "'orbivane-cli ports' lists the serial devices present.")
                        .arg(devicePath));
    default:
        break;
    }
    const QString text = QString::fromLocal8Bit(std::strerror(openFailure));
    return Make(Cause::Other, text,
                PortDiagnosis::tr("The system refused to open %1: %2.").arg(devicePath, text));
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
        return Make(Cause::Interference, PortDiagnosis::tr("ModemManager is running (pid %1)").arg(modemManager.first().pid),
                    PortDiagnosis::tr(kModemManagerRemedy));
    if (brltty)
        return Make(Cause::Interference, PortDiagnosis::tr("BRLTTY is running"), PortDiagnosis::tr(kBrlttyRemedy));
    return {};
}
