#pragma once

#include "document/SatelliteValue.h"
#include "exchange/ImportPreview.h"

#include <QStringList>

#include <vector>

// What applying a region plan would do, before anything changes: the satellites of the database
// it removes (each with the transponders and channels that go with it), what it takes from the
// list (an import's preview: per satellite the transponders added, removed and changed, and
// what of the list the meter cannot hold), and what the meter holds afterwards.
struct RegionPreview
{
    struct Removed {
        SatelliteValue satellite;
        int transponders = 0;
        int channels = 0;
    };

    std::vector<Removed> removed;
    ImportPreview import;      // its free counts include what the removed satellites give back
    int channelsLost = 0;      // on transponders the kept satellites lose (the removed ones' aside)
    int satellites = 0;        // the meter holds afterwards
    int transponders = 0;
    bool shared = false;       // the list's transponders did not all fit: satellites keep shares
    int unholdable = 0;        // transponders of the kept satellites' lists the meter cannot hold
    int repeats = 0;           // transponders repeating another of their satellite, taken once

    int RemovedChannels() const;
    // The report, one line each: the removed satellites ("Removed: Hispasat 30W-6 (330.0) with
    // 40 transponders and 12 channels"), the import's lines, then the totals ("The meter holds
    // 40 of 64 satellites and 2500 of 2500 transponders; shares: ...").
    QStringList Lines() const;
};
