#include "common/SettingsStore.h"

#include <QDir>
#include <QSettings>

namespace {
const char kOrg[] = "Tarnwell";
const char kApp[] = "vanetool";
const char kPortKey[] = "Port";

// Under ORBIVANE_HOME the settings are there alone: no machine-wide default either.
void FollowOwnHome()
{
    const QString folder = SettingsStore::OwnFolder(QStringLiteral("config"));
    if (folder.isEmpty())
        return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder);
}
} // namespace

QString SettingsStore::OwnFolder(const QString &kind)
{
    const QString home = qEnvironmentVariable("ORBIVANE_HOME");
    if (home.isEmpty())
        return {};
    return QDir::cleanPath(QDir(home).absoluteFilePath(kind));
}

std::optional<int> SettingsStore::ReadPort()
{
    FollowOwnHome();
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
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    user.setValue(kPortKey, port);
    user.sync();
    return user.status() == QSettings::NoError;
}

QString SettingsStore::ReadDeviceMapping(int n)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    return user.value(QStringLiteral("Devices/COM%1").arg(n)).toString();
}

QString SettingsStore::ReadPortIdentity(int n)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    return user.value(QStringLiteral("Identity/COM%1").arg(n)).toString();
}

void SettingsStore::WritePortIdentity(int n, const QString &identity)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    const QString key = QStringLiteral("Identity/COM%1").arg(n);
    if (identity.isEmpty()) {
        user.remove(key);
        return;
    }
    if (user.value(key).toString() != identity)
        user.setValue(key, identity);
    // One adapter is one port: a port it was known as before forgets it.
    user.beginGroup(QStringLiteral("Identity"));
    const QString own = QStringLiteral("COM%1").arg(n);
    for (const QString &other : user.childKeys()) {
        if (other != own && user.value(other).toString() == identity)
            user.remove(other);
    }
    user.endGroup();
}

int SettingsStore::ReadNumber(const QString &key, int fallback, int minimum)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    bool ok = false;
    const int value = user.value(key).toInt(&ok);
    return ok && value >= minimum ? value : fallback;
}

QString SettingsStore::ReadText(const QString &key, const QString &fallback)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    const QString value = user.value(key).toString().trimmed();
    return value.isEmpty() ? fallback : value;
}

QStringList SettingsStore::ReadTexts(const QString &key, const QStringList &fallback)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    QStringList values = user.value(key).toStringList();
    values.removeAll(QString());
    return values.isEmpty() ? fallback : values;
}

bool SettingsStore::WriteText(const QString &key, const QString &value)
{
    FollowOwnHome();
    QSettings user(QSettings::UserScope, kOrg, kApp);
    user.setValue(key, value);
    user.sync();
    return user.status() == QSettings::NoError;
}
