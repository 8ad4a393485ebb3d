#pragma once

#include <QString>

// A port as the user names it on the command line: "COMn" (any case), a device path, or a
// name under /dev/serial/by-id. With no name, the port the window saved.
struct PortChoice
{
    QString label; // what messages and file names call it: "COM3", "ttyUSB0"
    QString path;  // the device to open; empty when COMn stands for nothing

    // False (with the reason in *error) for a name that can stand for no port: empty, or COM0.
    // A device that does not exist is left to the opening, which tells why.
    static bool Parse(const QString &name, PortChoice &choice, QString *error);
    // The window's saved port (COM1 when none is saved, as the window starts).
    static PortChoice Saved();
};
