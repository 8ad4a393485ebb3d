#pragma once

#include <QString>
#include <QStringList>

// Which device file stands for "COM<n>". In order: the environment variable ORBIVANE_COM<n>,
// the settings key "Devices/COM<n>", then the n-th entry of the serial devices plugged in
// (USB adapters by their stable /dev/serial/by-id names, then other ttyUSB/ttyACM devices,
// then on-board UARTs that really exist), so one USB adapter is COM1 with no configuration.
class ComDeviceMap
{
public:
    // The path for COM<n>, or empty when nothing stands for it.
    static QString Resolve(int n);
    // The plugged-in devices in COM order (canonical paths, no duplicates).
    static QStringList DefaultDevices();
};
