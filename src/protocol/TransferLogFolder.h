#pragma once

#include <QString>

class TransferLog;

// Where the window keeps its transfer logs: $XDG_STATE_HOME/orbivane/logs, else
// ~/.local/state/orbivane/logs (Qt 6.4 has no state location of its own). Only the newest
// kKeep of its logs (<UTC time>-read.log, -write.log, -load.log) stay; older ones are removed as
// new ones come. Anything else in the folder is left alone.
class TransferLogFolder
{
public:
    static constexpr int kKeep = 20;

    static QString Path();
    // Saves log as a new file named after the time and what ("read", "write" or "load"), then
    // prunes the folder.
    // Returns the file's path, or an empty string (with the reason in *error) when it failed.
    static QString Keep(const TransferLog &log, const QString &what, QString *error = nullptr);
};
