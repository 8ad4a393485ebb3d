#pragma once

#include "document/DocumentResult.h"
#include "document/SatelliteValue.h"
#include "exchange/ExchangeSatellite.h"
#include "exchange/ImportPreview.h"

#include <vector>

class DatabaseDocument;

// What to take from a receiver list into a database, chosen satellite by satellite, then
// previewed and applied as one undo step ("Import").
//
// Each satellite of the file goes to the database satellite at the same position; when there is
// none it is added (named as the file names it, blanks included, fitted to 16 Latin-1 characters). Two database
// satellites at one position (a slot's C-band and Ku-band entries) make the match ambiguous:
// the one of the same name is chosen, else the first. One tenth either side (where lists put a
// slot's C-band entry) is taken only under the same name; a satellite there under another name
// makes the match ambiguous too, but the file satellite is added. Candidates() offers all of
// them for the caller to choose (SetTarget). Nothing is taken until SetTaken.
//
// Replace: the satellite's transponders become the file's, in the file's order; a stored
// transponder that matches one of the file (same polarisation, frequency within the tolerance)
// keeps its record (and the channels on it) and takes the file's values (changed when they
// differ); the rest are removed. Merge: the file's transponders that match none of the stored
// ones are added at the end; the stored ones stay as they are.
// A file satellite whose position the satellite dialog would refuse (beyond 0..360.9 degrees
// East, or beyond a full turn West) is left out and told in the preview.
// Either way the file's transponders that the meter cannot hold are left out and told in the
// preview: a frequency outside 2000..15000 MHz, a symbol rate outside 2000..45000 kS/s. Circular
// ones are stored as Auto. A transponder matching an earlier one of the same satellite in the
// file is told and stored as well (so that an exported database comes back whole; the
// duplicates command clears them). Several file satellites going to one database satellite are
// taken in turn.
class ImportPlan
{
public:
    static constexpr int ADD = -1; // a target that adds the satellite
    static constexpr int DEFAULT_TOLERANCE = 2; // MHz

    enum class Mode { Replace, Merge };

    // The plan for doc as it is now: every satellite matched, none taken, Merge.
    ImportPlan(const DatabaseDocument &doc, std::vector<ExchangeSatellite> satellites);

    int Count() const { return int(m_entries.size()); }
    const ExchangeSatellite &FileSatellite(int i) const { return m_entries[size_t(i)].file; }

    bool Taken(int i) const { return m_entries[size_t(i)].taken; }
    void SetTaken(int i, bool taken) { m_entries[size_t(i)].taken = taken; }
    Mode GetMode(int i) const { return m_entries[size_t(i)].mode; }
    void SetMode(int i, Mode mode) { m_entries[size_t(i)].mode = mode; }

    // A slot of the database, or ADD.
    int Target(int i) const { return m_entries[size_t(i)].target; }
    // False (and no change) for a slot that holds no satellite.
    bool SetTarget(int i, int slot);
    // The database satellites at the file satellite's position or one tenth either side, those
    // at the same position first.
    std::vector<SatelliteValue> Candidates(int i) const;
    // More than one database satellite at the file satellite's position.
    bool Ambiguous(int i) const;
    // The file satellites at a position (tenths East as the meter stores it), in file order.
    std::vector<int> FindByPosition(int position) const;

    int Tolerance() const { return m_tolerance; }
    void SetTolerance(int megahertz) { m_tolerance = megahertz < 0 ? 0 : megahertz; }

    // What Apply would do to the document as it is now.
    ImportPreview Preview() const;
    // The taken satellites into doc (the document the plan was made for), one undo step
    // "Import"; all or nothing: a full table (see the preview) or any refusal changes nothing.
    DocumentResult Apply(DatabaseDocument &doc) const;

    static QString StepName();

private:
    struct Entry {
        ExchangeSatellite file;
        bool taken = false;
        Mode mode = Mode::Merge; // removes nothing
        int target = ADD;
    };
    struct Work;
    Work Compute() const;

    const DatabaseDocument *m_doc;
    std::vector<Entry> m_entries;
    int m_tolerance = DEFAULT_TOLERANCE;
};
