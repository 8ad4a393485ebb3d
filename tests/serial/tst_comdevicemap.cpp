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
    void environmentBeatsSettingsBeatsDefaults()
    {
        TempSettings settings;
        const QStringList devices = ComDeviceMap::DefaultDevices();
        QCOMPARE(QStringList(devices).removeDuplicates(), 0);
        // COM<n> is the n-th existing device; beyond the list there is nothing.
        for (int n = 1; n <= devices.size(); ++n) {
            QVERIFY2(QFileInfo::exists(devices.at(n - 1)), qPrintable(devices.at(n - 1)));
            QCOMPARE(ComDeviceMap::Resolve(n), devices.at(n - 1));
        }
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
