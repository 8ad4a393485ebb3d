#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's one persistent store (organisation "Tarnwell", application "vanetool").
// Reading looks at the user's file (~/.config/Tarnwell/vanetool.conf) first, then the machine-wide
// one (/etc/xdg/Tarnwell/vanetool.conf), which an administrator may set as the default; writing
// goes to the user's file only, so a saved port wins over the default from then on.
class SettingsStore
{
public:
    // The saved "Port" value, or nothing when it is missing or not a number.
    static std::optional<int> ReadPort();
    // Writes "Port" into the user's file; false when it refused the write.
    static bool WritePort(int port);
    // The device path configured for COM<n> under "Devices/COM<n>", or empty.
    static QString ReadDeviceMapping(int n);
    // The stable identity of the adapter last tested good as COM<n> ("Identity/COM<n>"), or
    // empty. Writing one takes it from any other port that had it; writing an empty one
    // removes it.
    static QString ReadPortIdentity(int n);
    static void WritePortIdentity(int n, const QString &identity);
    // A whole number under key in the user's file (e.g. "Backups/KeepVersions"); fallback when
    // it is missing, not a number, or below minimum.
    static int ReadNumber(const QString &key, int fallback, int minimum = 0);
    // The text (or texts) under key in the user's file (e.g. "Lists/Url"); fallback when it is
    // missing or empty.
    static QString ReadText(const QString &key, const QString &fallback = QString());
    static QStringList ReadTexts(const QString &key, const QStringList &fallback);
    // Writes a text under key (e.g. "Region/Site") into the user's file; false when the file refused the write.
    static bool WriteText(const QString &key, const QString &value);

    // ORBIVANE_HOME, when set, holds everything Orbivane keeps of its own, and nothing else moves:
    // the settings in its config/ (no machine-wide default is read then), the backups in data/,
    // the transfer logs in state/, downloaded lists in cache/. The folder kind ("config", "data",
    // "state", "cache") of it, or empty when the variable is not set. The demo runs so; the
    // desktop's own folders stay as they are.
    static QString OwnFolder(const QString &kind);
};
