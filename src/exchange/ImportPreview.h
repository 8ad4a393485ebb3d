#pragma once

#include "document/DatabaseDiff.h"
#include "document/SatelliteValue.h"

#include <QString>
#include <QStringList>

#include <vector>

// What applying an import plan would do, before anything changes: per satellite taken, the
// transponders added, removed and changed and whether the satellite is added; what of the file
// cannot be stored as given; and whether the tables have room for it all (when not, nothing is
// imported).
struct ImportPreview
{
    // Something of the file that the meter cannot hold as the file gives it.
    struct Note {
        enum class Kind {
            FrequencyOutOfRange,  // left out
            SymbolRateOutOfRange, // left out
            Circular,             // stored as Auto
            Duplicate,            // stored as well: the file has it already (same polarisation, near)
            NameShortened,        // an added satellite's name, cut to 16 characters
            NameNotLatin1,        // an added satellite's name, '?' for what Latin-1 lacks
            PositionOutOfRange,   // the satellite is left out
        };
        Kind kind = Kind::Duplicate;
        int line = 0;  // the file's line (CSV: row); 0 for the satellite as a whole
        QString text;  // the line of the report, e.g. "line 12: 19000 MHz lies outside ..."
    };

    struct Satellite {
        int index = 0;         // in the plan (and the file)
        QString fileName;      // as the file names it
        SatelliteValue target; // the satellite it goes to; slot -1 when added
        bool added = false;
        bool leftOut = false;  // its position is none the meter takes: nothing is imported
        bool replace = true;   // replace, else merge
        // Added, Removed, Changed (before and after, whole MHz, kS/s, meter polarisation).
        std::vector<DatabaseDiff::TransponderChange> transponders;
        std::vector<Note> notes;

        int Count(DatabaseDiff::TransponderChange::Kind kind) const;
    };

    std::vector<Satellite> satellites;
    int freeSatellites = 0;      // slots free in the database now
    int neededSatellites = 0;    // satellites the import adds
    int freeTransponders = 0;    // records free now, plus those the import releases
    int neededTransponders = 0;  // records the import takes

    bool Full() const
    {
        return neededSatellites > freeSatellites || neededTransponders > freeTransponders;
    }
    // Empty unless Full(): why nothing can be imported, with how many records are free.
    QString FullText() const;
    // The report, one line each: a satellite's head line ("Astra 1KR (19.2): 3 added, 1 removed,
    // 2 changed"), its transponder changes and notes indented below; the full table last.
    QStringList Lines() const;
};
