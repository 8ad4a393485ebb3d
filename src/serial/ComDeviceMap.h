#pragma once

#include "serial/SystemRoots.h"

#include <QString>
#include <QStringList>

// Which device file stands for "COM<n>". In order: the environment variable ORBIVANE_COM<n>,
// the settings key "Devices/COM<n>", then the adapter last tested good as COM<n> when it is
// plugged in (by its stable identity, whatever tty it now has), then the next of the serial
// devices plugged in that no other number remembers (USB adapters by their stable
// /dev/serial/by-id names, then other ttyUSB/ttyACM devices, then on-board UARTs that really
// exist), so one USB adapter is COM1 with no configuration.
class ComDeviceMap
{
public:
    static constexpr int PORT_COUNT = 10; // COM1..COM10

    // The path for COM<n>, or empty when nothing stands for it.
    static QString Resolve(int n, const SystemRoots &roots = {});
    // The plugged-in devices in COM order (canonical paths, no duplicates).
    static QStringList DefaultDevices(const SystemRoots &roots = {});
};
