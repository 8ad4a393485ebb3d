#pragma once

#include "serial/SystemRoots.h"

#include <QString>

// A USB serial adapter's stable identity, which survives a replug that renumbers ttyUSB0 and
// ttyUSB1: "by-id:<name under /dev/serial/by-id>", else "serial:<USB serial number>". Devices
// without either (a pty, an on-board UART) have none.
class PortIdentity
{
public:
    static QString Of(const QString &devicePath, const SystemRoots &roots = {});
    // The device that carries the identity now (a canonical path), or empty when it is not plugged in.
    static QString Find(const QString &identity, const SystemRoots &roots = {});
};
