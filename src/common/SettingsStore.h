#pragma once

#include <QString>
#include <optional>

// The program's one persistent store (organisation "Tarnwell", application "vanetool").
// The saved port is machine-wide where that can be written; otherwise the user's own file
// holds it, and reading looks at the user's file first, then the machine-wide one.
class SettingsStore
{
public:
    // The saved "Port" value, or nothing when it is missing or not a number.
    static std::optional<int> ReadPort();
    // Writes "Port"; false when neither the machine-wide nor the user's store took it.
    static bool WritePort(int port);
    // The device path configured for COM<n> under "Devices/COM<n>", or empty.
    static QString ReadDeviceMapping(int n);
    // A whole number under key in the user's file (e.g. "Backups/KeepVersions"); fallback when
    // it is missing, not a number, or below minimum.
    static int ReadNumber(const QString &key, int fallback, int minimum = 0);
};
