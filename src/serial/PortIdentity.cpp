#include "serial/PortIdentity.h"

#include "serial/UsbSerialInfo.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QLatin1String kById("by-id:");
const QLatin1String kSerial("serial:");
} // namespace

QString PortIdentity::Of(const QString &devicePath, const SystemRoots &roots)
{
    const UsbSerialInfo info = UsbSerialInfo::Of(devicePath, roots);
    if (!info.byId.isEmpty())
        return kById + info.byId;
    return info.serial.isEmpty() ? QString() : kSerial + info.serial;
}

QString PortIdentity::Find(const QString &identity, const SystemRoots &roots)
{
    if (identity.startsWith(kById))
        return QFileInfo(roots.Dev(QStringLiteral("serial/by-id/") + identity.mid(kById.size()))).canonicalFilePath();
    if (!identity.startsWith(kSerial))
        return {};
    const QString serial = identity.mid(kSerial.size());
    const QDir dev(roots.dev);
    for (const QString &name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")}, QDir::System)) {
        if (UsbSerialInfo::Of(dev.filePath(name), roots).serial == serial)
            return QFileInfo(dev.filePath(name)).canonicalFilePath();
    }
    return {};
}
