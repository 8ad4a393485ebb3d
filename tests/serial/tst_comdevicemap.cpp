// Which device COM<n> stands for.
#include "TestEnv.h"

#include "serial/ComDeviceMap.h"

#include <QFileInfo>
#include <QSettings>
#include <QtTest>

class TestComDeviceMap : public QObject
{
    Q_OBJECT
private slots:
    void environmentBeatsSettings();
    void defaultsAreExistingDevicesWithoutDuplicates();
};

void TestComDeviceMap::environmentBeatsSettings()
{
    TempSettings settings;
    {
        QSettings user(QSettings::UserScope, "Tarnwell", "vanetool");
        user.setValue("Devices/COM2", "/dev/ttyMapped");
    }
    QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/dev/ttyMapped"));
    qputenv("ORBIVANE_COM2", "/tmp/emulated");
    QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/tmp/emulated"));
    qunsetenv("ORBIVANE_COM2");
    QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/dev/ttyMapped"));
}

void TestComDeviceMap::defaultsAreExistingDevicesWithoutDuplicates()
{
    TempSettings settings;
    const QStringList devices = ComDeviceMap::DefaultDevices();
    QStringList unique = devices;
    QCOMPARE(unique.removeDuplicates(), 0);
    for (const QString &d : devices)
        QVERIFY2(QFileInfo::exists(d), qPrintable(d));
    // COM<n> is the n-th of them; beyond the list there is nothing.
    for (int n = 1; n <= devices.size(); ++n)
        QCOMPARE(ComDeviceMap::Resolve(n), devices.at(n - 1));
    QCOMPARE(ComDeviceMap::Resolve(int(devices.size()) + 1), QString());
    QCOMPARE(ComDeviceMap::Resolve(0), QString());
}

QTEST_GUILESS_MAIN(TestComDeviceMap)
#include "tst_comdevicemap.moc"
