#include "common/SettingsStore.h"

#include <QSettings>

namespace {
const char kOrg[] = "Tarnwell";
const char kApp[] = "vanetool";
const char kPortKey[] = "Port";
} // namespace

std::optional<int> SettingsStore::ReadPort()
{
    QSettings user(QSettings::UserScope, kOrg, kApp);
    const QVariant value = user.value(kPortKey);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int port = value.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return port;
}

bool SettingsStore::WritePort(int port)
{
    // Only ever the user's own file: the machine-wide one is the administrator's default, read
    // through the fallback of ReadPort, and an ordinary start must not change it for everyone.
    QSettings user(QSettings::UserScope, kOrg, kApp);
    user.setValue(kPortKey, port);
    user.sync();
    return user.status() == QSettings::NoError;
}

QString SettingsStore::ReadDeviceMapping(int n)
{
    QSettings user(QSettings::UserScope, kOrg, kApp);
    return user.value(QStringLiteral("Devices/COM%1").arg(n)).toString();
}

QString SettingsStore::ReadPortIdentity(int n)
{
    QSettings user(QSettings::UserScope, kOrg, kApp);
    return user.value(QStringLiteral("Identity/COM%1").arg(n)).toString();
}

void SettingsStore::WritePortIdentity(int n, const QString &identity)
{
    QSettings user(QSettings::UserScope, kOrg, kApp);
    const QString key = QStringLiteral("Identity/COM%1").arg(n);
    if (identity.isEmpty())
        user.remove(key);
    else if (user.value(key).toString() != identity)
        user.setValue(key, identity);
}

int SettingsStore::ReadNumber(const QString &key, int fallback, int minimum)
{
    QSettings user(QSettings::UserScope, kOrg, kApp);
    bool ok = false;
    const int value = user.value(key).toInt(&ok);
    return ok && value >= minimum ? value : fallback;
}
