#pragma once

#include "document/SatelliteValue.h"
#include "document/TransponderRow.h"

#include <vector>

class DatabaseDocument;

// What differs between two databases, in the terms of the lists the user edits. Satellites are
// paired by name, then (for the rest) by position: a pair with another position has moved, one
// with another name has been renamed. A paired satellite's transponders are paired by all three
// values, then by frequency and polarisation, then by frequency, then by record; paired rows
// that differ have changed. Whatever stays unpaired was added or removed.
class DatabaseDiff
{
public:
    struct TransponderChange {
        enum class Kind { Added, Removed, Changed };
        Kind kind = Kind::Changed;
        TransponderRow before; // Removed, Changed
        TransponderRow after;  // Added, Changed
    };
    struct SatelliteChange {
        enum class Kind { Added, Removed, Paired };
        Kind kind = Kind::Paired;
        SatelliteValue before; // Removed, Paired
        SatelliteValue after;  // Added, Paired
        std::vector<TransponderChange> transponders;

        bool Renamed() const { return kind == Kind::Paired && before.name != after.name; }
        bool Moved() const { return kind == Kind::Paired && before.position != after.position; }
    };

    // The satellites that differ, each with its transponders that differ (all of them for an
    // added or removed one): removed ones in a's order, then paired and added ones in b's.
    static std::vector<SatelliteChange> Compare(const DatabaseDocument &a, const DatabaseDocument &b);
};
