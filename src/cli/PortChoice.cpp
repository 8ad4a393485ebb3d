#include "cli/PortChoice.h"

#include "common/SettingsStore.h"
#include "serial/ComDeviceMap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
PortChoice FromNumber(int n)
{
    return {QStringLiteral("COM%1").arg(n), ComDeviceMap::Resolve(n)};
}
} // namespace

bool PortChoice::Parse(const QString &name, PortChoice &choice, QString *error)
{
    static const QRegularExpression com(QStringLiteral("^COM([0-9]+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(name);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n < 1 || n > 999) {
            if (error)
                *error = QCoreApplication::translate("Cli", "%1: COM ports are numbered from 1 to 999").arg(name);
            return false;
        }
        choice = FromNumber(n);
        return true;
    }
    if (name.trimmed().isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Cli", "an empty port name (give COMn, a device path or a /dev/serial/by-id name)");
        return false;
    }
    QString path = name;
    if (!name.contains(QLatin1Char('/'))) {
        // A bare name: a stable by-id name, else a device under /dev ("ttyUSB0"), else a file
        // of that name here (a link the emulator made).
        const QString byId = QStringLiteral("/dev/serial/by-id/") + name;
        const QString device = QStringLiteral("/dev/") + name;
        path = QFileInfo::exists(byId)                                   ? byId
               : !QFileInfo::exists(device) && QFileInfo::exists(name) ? name
                                                                        : device;
    }
    // A device that is not there is told when it is opened, as every other port that stays shut.
    // "/dev/pts/3" is "pts-3"; a by-id name or a link elsewhere is its own file name.
    QString label = QFileInfo(path).fileName();
    if (path.startsWith(QLatin1String("/dev/")) && !path.startsWith(QLatin1String("/dev/serial/")))
        label = path.mid(5).replace(QLatin1Char('/'), QLatin1Char('-'));
    choice = {label, path};
    return true;
}

PortChoice PortChoice::Saved()
{
    return FromNumber(SettingsStore::ReadPort().value_or(1));
}
