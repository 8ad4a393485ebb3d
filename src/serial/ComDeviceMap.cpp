#include "serial/ComDeviceMap.h"

#include "common/SettingsStore.h"
#include "serial/PortIdentity.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QStringList NaturalSorted(QStringList names)
{
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

void AppendUnique(QStringList &list, const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && !list.contains(canonical))
        list.append(canonical);
}

// ttyS0..ttyS31 exist on most PCs whether or not a UART is behind them; the kernel reports
// type 0 (unknown) for the missing ones.
bool IsRealUart(const QString &name, const SystemRoots &roots)
{
    QFile type(roots.Sys(QStringLiteral("class/tty/%1/type").arg(name)));
    if (!type.open(QIODevice::ReadOnly))
        return false;
    return type.readAll().trimmed() != "0";
}

} // namespace

QStringList ComDeviceMap::DefaultDevices(const SystemRoots &roots)
{
    QStringList devices;
    QDir byId(roots.Dev(QStringLiteral("serial/by-id")));
    for (const QString &name : NaturalSorted(byId.entryList(QDir::System | QDir::Files)))
        AppendUnique(devices, byId.filePath(name));

    QDir dev(roots.dev);
    const QStringList usb = dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                          QDir::System);
    for (const QString &name : NaturalSorted(usb))
        AppendUnique(devices, dev.filePath(name));

    for (const QString &name : NaturalSorted(dev.entryList({QStringLiteral("ttyS*")}, QDir::System))) {
        if (IsRealUart(name, roots))
            AppendUnique(devices, dev.filePath(name));
    }
    return devices;
}

QString ComDeviceMap::Resolve(int n, const SystemRoots &roots)
{
    const QByteArray env = qgetenv(QStringLiteral("ORBIVANE_COM%1").arg(n).toLatin1().constData());
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    QString mapped = SettingsStore::ReadDeviceMapping(n);
    if (!mapped.isEmpty())
        return mapped;
    if (n < 1)
        return {};
    mapped = PortIdentity::Find(SettingsStore::ReadPortIdentity(n), roots);
    if (!mapped.isEmpty())
        return mapped;
    // An adapter that another number remembers is that number's: the rest of the devices go to
    // the numbers that have none plugged in, in order, so that no device is out of reach.
    QStringList devices = DefaultDevices(roots);
    int index = n - 1;
    for (int k = 1; k <= PORT_COUNT; ++k) {
        if (k == n)
            continue;
        const QString claimed = PortIdentity::Find(SettingsStore::ReadPortIdentity(k), roots);
        if (!claimed.isEmpty() && devices.removeAll(claimed) > 0 && k < n)
            --index;
    }
    return index < devices.size() ? devices.at(index) : QString();
}
