#include "cli/PortsCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "serial/ComDeviceMap.h"
#include "serial/PortDiagnosis.h"
#include "serial/UsbSerialInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// What the system knows of a device: its USB ids and names, serial number, driver.
QStringList Facts(const QString &device)
{
    const UsbSerialInfo info = UsbSerialInfo::Of(device);
    QStringList facts;
    if (!info.driver.isEmpty())
        facts << QStringLiteral("driver %1").arg(info.driver);
    if (info.IsUsb())
        facts << QStringLiteral("usb %1:%2").arg(info.vendorId, info.productId);
    if (!info.product.isEmpty())
        facts << QStringLiteral("\"%1\"").arg(Console::Printable(info.product));
    if (!info.serial.isEmpty())
        facts << QStringLiteral("serial %1").arg(Console::Printable(info.serial));
    return facts;
}

QString Indented(const QString &text)
{
    return QStringLiteral("    ") + QString(text).replace(QLatin1Char('\n'), QStringLiteral("\n    "));
}

} // namespace

int PortsCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("ports"), QString(),
                   QCoreApplication::translate("Cli", "Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM<n>, the "
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
    lines << QString() << (devices.isEmpty() ? QCoreApplication::translate("Cli", "No serial devices present.")
                                              : QCoreApplication::translate("Cli", "Serial devices present:"));
    for (const QString &device : devices) {
        QStringList facts;
        if (byId.contains(device))
            facts << Console::Printable(byId.value(device));
        // Whether this account could open it now, seen without opening it.
        const int failure = PortDiagnosis::Foresee(device);
        const PortDiagnosis d = failure ? PortDiagnosis::Of(device, failure) : PortDiagnosis{};
        facts << Facts(device) << (d ? QCoreApplication::translate("Cli", "cannot open: %1").arg(d.status) : QCoreApplication::translate("Cli", "can open"));
        lines << QStringLiteral("%1  %2").arg(Console::Printable(device), facts.join(QStringLiteral(", ")));
        if (d)
            lines << Indented(d.remedy);
    }
    if (const PortDiagnosis general = PortDiagnosis::General())
        lines << QString() << general.status << Indented(general.remedy);
    Console::Out(lines.join(QLatin1Char('\n')));
    return EXIT_OK;
}
