#include "cli/PortsCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "serial/ComDeviceMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString ReadSys(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().trimmed()) : QString();
}

// What sysfs knows of a tty device: its driver, and the USB device it hangs on, if any.
QStringList Facts(const QString &device)
{
    QStringList facts;
    const QString name = QFileInfo(device).fileName();
    const QString sysDevice = QFileInfo(QStringLiteral("/sys/class/tty/%1/device").arg(name)).canonicalFilePath();
    if (sysDevice.isEmpty())
        return facts;
    const QString driver = QFileInfo(sysDevice + QStringLiteral("/driver")).canonicalFilePath();
    if (!driver.isEmpty())
        facts << QStringLiteral("driver %1").arg(QFileInfo(driver).fileName());
    // The USB device is the nearest folder above with idVendor in it.
    for (QDir dir(sysDevice); dir.path() != QLatin1String("/sys") && dir.cdUp();) {
        const QString vendor = ReadSys(dir.filePath(QStringLiteral("idVendor")));
        if (vendor.isEmpty())
            continue;
        facts << QStringLiteral("usb %1:%2").arg(vendor, ReadSys(dir.filePath(QStringLiteral("idProduct"))));
        const QString serial = ReadSys(dir.filePath(QStringLiteral("serial")));
        if (!serial.isEmpty())
            facts << QStringLiteral("serial %1").arg(serial);
        break;
    }
    return facts;
}

QString Access(const QString &device)
{
    if (::access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0)
        return QStringLiteral("can open");
    const QFileInfo info(device);
    return QStringLiteral("cannot open (owner %1, group %2)").arg(info.owner(), info.group());
}

} // namespace

int PortsCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("ports"), QString(),
                   QStringLiteral("Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM<n>, the "
                                  "window's Devices/COM<n> setting, or the n-th device present), then every "
                                  "serial device present."));
    if (const int code = cl.Parse(arguments, 0, 0); code >= 0)
        return code;

    QStringList lines;
    for (int n = 1; n <= 10; ++n) {
        const QString path = ComDeviceMap::Resolve(n);
        lines << QStringLiteral("COM%1  %2").arg(n, -2).arg(path.isEmpty() ? QStringLiteral("-") : path);
    }
    QMap<QString, QString> byId;
    const QDir idDir(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : idDir.entryInfoList(QDir::System | QDir::Files))
        byId.insert(link.canonicalFilePath(), link.absoluteFilePath());

    const QStringList devices = ComDeviceMap::DefaultDevices();
    lines << QString() << (devices.isEmpty() ? QStringLiteral("No serial devices present.")
                                              : QStringLiteral("Serial devices present:"));
    for (const QString &device : devices) {
        QStringList facts;
        if (byId.contains(device))
            facts << byId.value(device);
        facts << Facts(device) << Access(device);
        lines << QStringLiteral("%1  %2").arg(device, facts.join(QStringLiteral(", ")));
    }
    Console::Out(lines.join(QLatin1Char('\n')));
    return EXIT_OK;
}
