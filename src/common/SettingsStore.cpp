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
    {
        QSettings system(QSettings::SystemScope, kOrg, kApp);
        system.setValue(kPortKey, port);
        system.sync();
        if (system.status() == QSettings::NoError) {
            // A stale value in the user's file would shadow the machine-wide one.
            QSettings user(QSettings::UserScope, kOrg, kApp);
            user.setFallbacksEnabled(false);
            if (user.contains(kPortKey)) {
                user.remove(kPortKey);
                user.sync();
            }
            return true;
        }
    }
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

int SettingsStore::ReadNumber(const QString &key, int fallback, int minimum)
{
    QSettings user(QSettings::UserScope, kOrg, kApp);
    bool ok = false;
    const int value = user.value(key).toInt(&ok);
    return ok && value >= minimum ? value : fallback;
}
