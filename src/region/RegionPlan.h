#pragma once

#include "database/DbLayout.h"
#include "document/DocumentResult.h"
#include "exchange/ExchangeSatellite.h"
#include "exchange/ImportPlan.h"
#include "region/LookAngles.h"
#include "region/RegionPreview.h"
#include "region/Site.h"

#include <QString>

#include <vector>

class DatabaseDocument;

// Which satellites a meter holds for a site, and which transponders each keeps, within the
// meter's 64 satellites and 2500 transponders: from the database as it is and a receiver list.
//
// Rows: every satellite of the database, and every satellite of the list, the list's going to
// the database satellite an import would take them to (same position and name; one tenth off
// under the same name; same position under any name), and list satellites of one position and
// name folded into one. A row's transponders are the list's that the meter can hold (2000..15000
// MHz, 2000..45000 kS/s), a repeat (same polarisation for the meter, within the tolerance) taken
// once. Rows are ordered visible first, then by elevation (highest first), then by position.
//
// Proposed at the start: every satellite of the database that is visible (at or above the
// minimum elevation) is ticked; one that is not visible is not, and so is removed with its
// channels unless ticked again. Then the visible list satellites not in the database, highest
// first, while the tables have room. A list satellite below the minimum elevation is never
// ticked.
//
// Transponders: a ticked satellite that is only in the database keeps its stored ones. A ticked
// satellite of the list keeps a share of its list's transponders, which replace its stored ones
// (a stored transponder that matches one kept keeps its record and channels); one whose list has
// none the meter can hold keeps its stored ones. When all of them fit, every share is whole.
// Otherwise the shares are as equal as the room allows (a satellite with fewer keeps them all;
// the transponders left over go one each to the highest satellites), never below one transponder
// per polarisation the satellite has, and each share is taken by TransponderSpread: over the
// satellite's bands and both polarisations. A share set by the caller stays as set (cut to what
// leaves the others their least) and the others share the rest.
//
// Deterministic: the same database, list and choices give the same plan. Ticks and shares are
// cheap to change (no list is read again); Preview and Apply work out the import then.
class RegionPlan
{
public:
    static constexpr int MAX_SATELLITES = DbLayout::NO_SATELLITE;
    static constexpr int MAX_TRANSPONDERS = DbLayout::NO_TRANSPONDER;
    static constexpr int AUTO = -1; // a share the plan works out

    struct Options {
        Site site;
        double minimumElevation = LookAngles::DEFAULT_MINIMUM_ELEVATION;
        int tolerance = ImportPlan::DEFAULT_TOLERANCE; // MHz, for repeats and stored matches
    };

    // One satellite the meter may hold.
    struct Row {
        QString name;         // the database's name when stored, else the list's first
        int position = 0;     // tenths East as stored (a West position turned round)
        LookAngles angles;
        bool visible = false; // at or above the minimum elevation
        int slot = -1;        // in the database, or -1 when only the list has it
        int stored = 0;       // transponders in the database now
        int channels = 0;     // channels on them now
        int listed = 0;       // the list's transponders the meter can hold; 0 when not listed
        bool ticked = false;
        int share = AUTO;     // as the caller set it
        int kept = 0;         // transponders the meter holds for it (0 when not ticked)

        bool InDatabase() const { return slot >= 0; }
        bool Listed() const { return listed > 0; }
    };

    // The plan for doc as it is now (after doc changes, make a new plan). The list is the
    // receiver list read (satellites.xml or CSV), in its order.
    RegionPlan(const DatabaseDocument &doc, const std::vector<ExchangeSatellite> &list, const Options &options);

    const Options &GetOptions() const { return m_options; }
    int Count() const { return int(m_rows.size()); }
    const Row &At(int i) const { return m_rows[size_t(i)]; }

    // False (and no change) for ticking a list satellite below the minimum elevation, or one
    // for which the tables have no room (64 satellites, or not its least share of transponders).
    bool SetTicked(int i, bool ticked);
    // AUTO, or a number of transponders, cut to 0..listed and to what leaves the others their
    // least; returns the share set. No effect on a row that is not listed.
    int SetShare(int i, int share);

    // What the meter holds with the plan applied; never more than the maxima.
    int Satellites() const { return m_satellites; }
    int Transponders() const { return m_transponders; }
    // Some ticked satellite keeps fewer transponders than its list has.
    bool Shared() const;
    // The list's transponders row i keeps, in the list's order (empty when it keeps its stored
    // ones).
    std::vector<ExchangeTransponder> Kept(int i) const;

    RegionPreview Preview() const;
    // Into doc (the document the plan was made for), one undo step (StepName): the unticked
    // satellites of the database deleted with their channels, then the ticked list satellites
    // imported with their shares. All or nothing.
    DocumentResult Apply(DatabaseDocument &doc) const;
    static QString StepName();

private:
    struct Source {
        std::vector<ExchangeTransponder> transponders; // holdable, repeats out, in list order
        std::vector<int> order;                        // TransponderSpread order into them
        int least = 0;                                 // one per polarisation
        int unholdable = 0;                            // left out: beyond the meter's ranges
        int repeats = 0;                               // left out: repeats
        QString fileName;
        QString positionText;
        int line = 0;
    };
    int Cost(size_t i) const;            // records row i takes at the least, ticked
    int TickedCost(size_t except) const; // of every ticked row but one
    void Recompute();
    ImportPlan Import() const;           // the ticked list satellites with their shares

    const DatabaseDocument *m_doc;
    Options m_options;
    std::vector<Row> m_rows;
    std::vector<Source> m_sources; // one per row
    int m_satellites = 0;
    int m_transponders = 0;
};
