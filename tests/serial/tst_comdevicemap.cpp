// Which device COM<n> stands for.
#include "TestEnv.h"

#include "serial/ComDeviceMap.h"

#include <QSettings>
#include <QtTest>

class TestComDeviceMap : public QObject
{
    Q_OBJECT
private slots:
    void environmentBeatsSettingsBeatsDefaults()
    {
        TempSettings settings;
        const QStringList devices = ComDeviceMap::DefaultDevices();
        // Beyond the devices there is nothing, not even a guess.
        QCOMPARE(ComDeviceMap::Resolve(int(devices.size()) + 1), QString());
        QCOMPARE(ComDeviceMap::Resolve(0), QString());

        QSettings(QSettings::UserScope, "Tarnwell", "vanetool").setValue("Devices/COM2", "/dev/ttyMapped");
        QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/dev/ttyMapped"));
        qputenv("ORBIVANE_COM2", "/tmp/emulated");
        QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/tmp/emulated"));
        qunsetenv("ORBIVANE_COM2");
        QCOMPARE(ComDeviceMap::Resolve(2), QStringLiteral("/dev/ttyMapped"));
    }
};

QTEST_GUILESS_MAIN(TestComDeviceMap)
#include "tst_comdevicemap.moc"
