#include "serial/UsbSerialInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString UsbSerialInfo::ReadAttribute(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine().trimmed()) : QString();
}

QString UsbSerialInfo::Label(const QString &devicePath) const
{
    QString label = devicePath;
    const QString name = !product.isEmpty() ? product
                         : IsUsb()           ? QStringLiteral("USB %1:%2").arg(vendorId, productId)
                                             : QString();
    if (!name.isEmpty())
        label += QStringLiteral(" \u2013 ") + name;
    if (!byId.isEmpty())
        label += QStringLiteral(" (%1)").arg(byId);
    return label;
}

UsbSerialInfo UsbSerialInfo::Of(const QString &devicePath, const SystemRoots &roots)
{
    UsbSerialInfo info;
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty())
        return info;
    const QDir byIdDir(roots.Dev(QStringLiteral("serial/by-id")));
    for (const QFileInfo &link : byIdDir.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (link.canonicalFilePath() == device) {
            info.byId = link.fileName();
            break;
        }
    }
    const QString sysDevice =
        QFileInfo(roots.Sys(QStringLiteral("class/tty/%1/device").arg(QFileInfo(device).fileName()))).canonicalFilePath();
    if (sysDevice.isEmpty())
        return info;
    info.driver = QFileInfo(QFileInfo(sysDevice + QStringLiteral("/driver")).canonicalFilePath()).fileName();
    // The USB device is the nearest folder above with idVendor in it (the interface and, for a
    // usb-serial driver, the port folder lie between).
    QDir dir(sysDevice);
    for (int up = 0; up < 4 && dir.cdUp(); ++up) {
        info.vendorId = ReadAttribute(dir.filePath(QStringLiteral("idVendor")));
        if (info.vendorId.isEmpty())
            continue;
        info.productId = ReadAttribute(dir.filePath(QStringLiteral("idProduct")));
        info.manufacturer = ReadAttribute(dir.filePath(QStringLiteral("manufacturer")));
        info.product = ReadAttribute(dir.filePath(QStringLiteral("product")));
        info.serial = ReadAttribute(dir.filePath(QStringLiteral("serial")));
        break;
    }
    return info;
}
