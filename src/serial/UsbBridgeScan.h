#pragma once

#include "serial/SystemRoots.h"

#include <QList>
#include <QString>

// The USB serial bridges the meter's cables use (FTDI, CH340, CP210x, PL2303), found in sysfs
// whether or not a serial device came of them.
class UsbBridgeScan
{
public:
    struct Bridge {
        QString usbPath;   // the folder name under /sys/bus/usb/devices, "1-1.2"
        QString vendorId;  // "1a86"
        QString productId; // "7523"
        QString product;   // the device's own name, may be empty
        QString chip;      // "CH340"
        QString module;    // the kernel driver that serves it, "ch341"
        bool hasTty = false;
    };

    static QList<Bridge> Present(const SystemRoots &roots = {});
    // Those plugged in without a tty: no driver bound, or another one (BRLTTY's) took them.
    static QList<Bridge> WithoutTty(const SystemRoots &roots = {});
};
