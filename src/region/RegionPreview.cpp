#include "region/RegionPreview.h"

#include "database/DbLayout.h"
#include "document/SatelliteConversions.h"

#include <QCoreApplication>

int RegionPreview::RemovedChannels() const
{
    int n = 0;
    for (const Removed &r : removed)
        n += r.channels;
    return n;
}

namespace {

// English says "1 transponder" but "0 transponders": the one source text per English form.
QString Transponders(int n)
{
    return n == 1 ? QCoreApplication::translate("Region", "%n transponder", nullptr, n)
                  : QCoreApplication::translate("Region", "%n transponders", nullptr, n);
}

QString Channels(int n)
{
    return n == 1 ? QCoreApplication::translate("Region", "%n channel", nullptr, n)
                  : QCoreApplication::translate("Region", "%n channels", nullptr, n);
}

} // namespace

QStringList RegionPreview::Lines() const
{
    QStringList lines;
    for (const Removed &r : removed)
        lines << QCoreApplication::translate("Region", "\"%1\" (%2): satellite removed with its %3 and %4")
                     .arg(r.satellite.name, SatelliteConversions::FormatPosition(r.satellite.position),
                          Transponders(r.transponders), Channels(r.channels));
    lines << import.Lines();
    if (channelsLost > 0)
        lines << QCoreApplication::translate("Region", "%n channels go with the transponders the kept satellites lose", nullptr, channelsLost);
    if (unholdable > 0)
        lines << QCoreApplication::translate("Region", "%n transponders of the list lie outside the meter's ranges; left out", nullptr, unholdable);
    if (repeats > 0)
        lines << QCoreApplication::translate("Region", "%n transponders of the list repeat another of their satellite; taken once", nullptr, repeats);
    QString totals = QCoreApplication::translate("Region", "The meter holds %1 of %2 satellites and %3 of %4 transponders")
                         .arg(satellites).arg(DbLayout::NO_SATELLITE).arg(transponders).arg(DbLayout::NO_TRANSPONDER);
    if (shared)
        totals += QCoreApplication::translate("Region", "; the list's transponders do not all fit, so each satellite keeps a share");
    lines << totals;
    return lines;
}
