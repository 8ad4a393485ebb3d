#include "region/RegionPreview.h"

#include "database/DbLayout.h"
#include "document/SatelliteConversions.h"

int RegionPreview::RemovedChannels() const
{
    int n = 0;
    for (const Removed &r : removed)
        n += r.channels;
    return n;
}

namespace {

QString Count(int n, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

} // namespace

QStringList RegionPreview::Lines() const
{
    QStringList lines;
    for (const Removed &r : removed)
        lines << QStringLiteral("\"%1\" (%2): satellite removed with its %3 and %4")
                     .arg(r.satellite.name, SatelliteConversions::FormatPosition(r.satellite.position),
                          Count(r.transponders, QStringLiteral("transponder"), QStringLiteral("transponders")),
                          Count(r.channels, QStringLiteral("channel"), QStringLiteral("channels")));
    lines << import.Lines();
    if (channelsLost > 0)
        lines << QStringLiteral("%1 channels go with the transponders the kept satellites lose").arg(channelsLost);
    if (unholdable > 0)
        lines << QStringLiteral("%1 transponders of the list lie outside the meter's ranges; left out").arg(unholdable);
    if (repeats > 0)
        lines << QStringLiteral("%1 transponders of the list repeat another of their satellite; taken once").arg(repeats);
    QString totals = QStringLiteral("The meter holds %1 of %2 satellites and %3 of %4 transponders")
                         .arg(satellites).arg(DbLayout::NO_SATELLITE).arg(transponders).arg(DbLayout::NO_TRANSPONDER);
    if (shared)
        totals += QStringLiteral("; the list's transponders do not all fit, so each satellite keeps a share");
    lines << totals;
    return lines;
}
