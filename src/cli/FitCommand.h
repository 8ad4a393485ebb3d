#pragma once

#include <QStringList>

// fit DB --from LIST [--site LAT,LON] [--min-elevation DEG] [--dry-run] [--json] [--force]: the
// satellites and transponders a meter keeps for a site, planned from a receiver list, printed as
// a preview and saved into the database file.
class FitCommand
{
public:
    static int Run(const QStringList &arguments);
};
