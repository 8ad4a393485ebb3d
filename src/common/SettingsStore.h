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
    // The stable identity of the adapter last tested good as COM<n> ("Identity/COM<n>"), or
    // empty; writing an empty one removes it.
    static QString ReadPortIdentity(int n);
    static void WritePortIdentity(int n, const QString &identity);
};
