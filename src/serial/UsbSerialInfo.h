#pragma once

#include "serial/SystemRoots.h"

#include <QString>

// What the system knows of the USB adapter behind a serial device: its stable name under
// /dev/serial/by-id and, from sysfs, the USB device it hangs on. Empty fields where it knows
// nothing (a pseudo-terminal, an on-board UART, a device that is gone).
struct UsbSerialInfo {
    QString byId;          // file name under /dev/serial/by-id
    QString vendorId;      // "0403"
    QString productId;     // "6001"
    QString manufacturer;  // "FTDI"
    QString product;       // "FT232R USB UART"
    QString serial;        // the USB serial number
    QString driver;        // "ftdi_sio"

    bool IsUsb() const { return !vendorId.isEmpty(); }
    // The device label's text: devicePath, then the product name and the by-id name when known.
    QString Label(const QString &devicePath) const;

    static UsbSerialInfo Of(const QString &devicePath, const SystemRoots &roots = {});
    // One line of a sysfs attribute file, empty when it cannot be read.
    static QString ReadAttribute(const QString &path);
};
