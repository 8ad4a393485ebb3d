#include "cli/PortChoice.h"

#include "common/SettingsStore.h"
#include "serial/ComDeviceMap.h"

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
    static const QRegularExpression com(QStringLiteral("^COM([0-9]{1,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(name);
    if (m.hasMatch() && m.captured(1).toInt() >= 1) {
        choice = FromNumber(m.captured(1).toInt());
        return true;
    }
    QString path = name;
    if (!name.contains(QLatin1Char('/'))) {
        // A bare name: a stable by-id name, else a device under /dev ("ttyUSB0").
        const QString byId = QStringLiteral("/dev/serial/by-id/") + name;
        path = QFileInfo::exists(byId) ? byId : QStringLiteral("/dev/") + name;
    }
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1: no such port (give COMn, a device path or a /dev/serial/by-id name)")
                         .arg(name);
        return false;
    }
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
