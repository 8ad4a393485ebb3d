#include "serial/UsbBridgeScan.h"

#include "serial/UsbSerialInfo.h"

#include <QDir>

namespace {

struct KnownChip {
    const char *vendorId;
    const char *productId; // nullptr: every product of the vendor
    const char *chip;
    const char *module;
};

const KnownChip kChips[] = {
    {"0403", nullptr, "FTDI", "ftdi_sio"},
    {"1a86", "7523", "CH340", "ch341"},
    {"10c4", "ea60", "CP210x", "cp210x"},
    {"067b", "2303", "PL2303", "pl2303"},
};

const KnownChip *Match(const QString &vendorId, const QString &productId)
{
    for (const KnownChip &c : kChips) {
        if (vendorId == QLatin1String(c.vendorId) && (!c.productId || productId == QLatin1String(c.productId)))
            return &c;
    }
    return nullptr;
}

// A usb-serial driver puts a ttyUSB<n> folder into the interface, cdc-acm a "tty" folder.
bool InterfaceHasTty(const QDir &interface)
{
    return !interface.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("tty")}, QDir::Dirs).isEmpty();
}

} // namespace

QList<UsbBridgeScan::Bridge> UsbBridgeScan::Present(const SystemRoots &roots)
{
    QList<Bridge> bridges;
    const QDir devices(roots.Sys(QStringLiteral("bus/usb/devices")));
    for (const QString &name : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name.contains(QLatin1Char(':')))
            continue; // an interface, not a device
        const QDir device(devices.filePath(name));
        Bridge b;
        b.usbPath = name;
        b.vendorId = UsbSerialInfo::ReadAttribute(device.filePath(QStringLiteral("idVendor")));
        b.productId = UsbSerialInfo::ReadAttribute(device.filePath(QStringLiteral("idProduct")));
        const KnownChip *chip = Match(b.vendorId, b.productId);
        if (!chip)
            continue;
        b.product = UsbSerialInfo::ReadAttribute(device.filePath(QStringLiteral("product")));
        b.chip = QLatin1String(chip->chip);
        b.module = QLatin1String(chip->module);
        for (const QString &interface : device.entryList({name + QStringLiteral(":*")}, QDir::Dirs))
            b.hasTty = b.hasTty || InterfaceHasTty(QDir(device.filePath(interface)));
        bridges.append(b);
    }
    return bridges;
}

QList<UsbBridgeScan::Bridge> UsbBridgeScan::WithoutTty(const SystemRoots &roots)
{
    QList<Bridge> list = Present(roots);
    list.removeIf([](const Bridge &b) { return b.hasTty; });
    return list;
}
