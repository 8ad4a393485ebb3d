#include "exchange/ImportPlan.h"

#include "document/DatabaseDocument.h"
#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/TransponderDuplicates.h"

#include <QCoreApplication>
#include <map>

using namespace DbLayout;
using TC = TransponderConversions;
using Change = DatabaseDiff::TransponderChange;
using Note = ImportPreview::Note;

namespace {

// Circular distance in tenths; stored positions may lie beyond 360.0 degrees.
int Distance(int a, int b)
{
    const int circle = ExchangeConversions::FULL_CIRCLE;
    const int d = std::abs(a % circle - b % circle);
    return std::min(d, circle - d);
}

bool SameName(const QString &a, const QString &b)
{
    return a.left(SatelliteConversions::NAME_BYTES).compare(b.left(SatelliteConversions::NAME_BYTES),
                                                            Qt::CaseInsensitive) == 0;
}

// The name an added satellite gets, with what had to change about it. Blanks stay as the file
// has them (a stored name is exported as it is, so that it comes back as it was); only those
// that shortening leaves at the end go, as the dialog's 16 characters would not have them.
QString FittedName(const ExchangeSatellite &file, std::vector<Note> &notes)
{
    QString name = file.name;
    if (name.isEmpty()) // which the dialog refuses; blanks it takes
        name = file.positionText;
    for (QChar &c : name) {
        if (c.unicode() > 0xFF || c.unicode() == 0)
            c = QLatin1Char('?');
    }
    QString fitted = name.left(SatelliteConversions::NAME_BYTES);
    if (name.size() > SatelliteConversions::NAME_BYTES) {
        while (fitted.size() > 1 && fitted.back().isSpace())
            fitted.chop(1);
    }
    if (name != file.name && !file.name.isEmpty())
        notes.push_back({Note::Kind::NameNotLatin1, 0,
                         QCoreApplication::translate("Exchange", "the name \"%1\" holds characters beyond Latin-1: stored as \"%2\"")
                             .arg(file.name, fitted)});
    if (fitted != name)
        notes.push_back({Note::Kind::NameShortened, 0,
                         QCoreApplication::translate("Exchange", "the name \"%1\" is shortened to 16 characters: \"%2\"").arg(file.name, fitted)});
    return fitted;
}

} // namespace

// The preview, and for Apply each taken satellite's final rows.
struct ImportPlan::Work {
    struct Step {
        int target = ADD;          // a slot, or ADD
        SatelliteValue added;      // name and position of an added satellite
        std::vector<TransponderRow> *rows = nullptr;
    };
    ImportPreview preview;
    std::vector<Step> steps;
    // Final rows per target: slots, and -(entry + 2) for added satellites.
    std::map<int, std::vector<TransponderRow>> rows;
    // Targets whose transponders change: the others are not stored again (storing a row
    // rounds its values to whole MHz and kS/s and clears the record's spare bits).
    std::map<int, bool> touched;
};

ImportPlan::ImportPlan(const DatabaseDocument &doc, std::vector<ExchangeSatellite> satellites) : m_doc(&doc)
{
    for (ExchangeSatellite &sat : satellites) {
        Entry e;
        e.file = std::move(sat);
        m_entries.push_back(std::move(e));
    }
    // The same position under the same name first, then one tenth off under the same name (a
    // C-band entry), then the same position under any name.
    const std::vector<SatelliteValue> stored = doc.Satellites();
    for (Entry &e : m_entries) {
        if (e.file.position == ExchangeConversions::NO_POSITION)
            continue; // left out: see Compute
        int best = 0;
        for (const SatelliteValue &s : stored) {
            const int d = Distance(s.position, e.file.position);
            const bool same = SameName(s.name, e.file.name);
            const int score = d == 0 ? (same ? 3 : 1) : d == 1 && same ? 2 : 0;
            if (score > best) {
                best = score;
                e.target = s.slot;
            }
        }
    }
}

QString ImportPlan::StepName()
{
    return QCoreApplication::translate("Exchange", "Import");
}

bool ImportPlan::SetTarget(int i, int slot)
{
    if (slot != ADD && !m_doc->Satellite(slot))
        return false;
    m_entries[size_t(i)].target = slot;
    return true;
}

std::vector<SatelliteValue> ImportPlan::Candidates(int i) const
{
    std::vector<SatelliteValue> same;
    std::vector<SatelliteValue> near;
    if (m_entries[size_t(i)].file.position == ExchangeConversions::NO_POSITION)
        return same;
    for (const SatelliteValue &s : m_doc->Satellites()) {
        const int d = Distance(s.position, m_entries[size_t(i)].file.position);
        if (d <= 1)
            (d == 0 ? same : near).push_back(s);
    }
    same.insert(same.end(), near.begin(), near.end());
    return same;
}

bool ImportPlan::Ambiguous(int i) const
{
    int same = 0;
    int near = 0;
    for (const SatelliteValue &s : Candidates(i))
        (s.position == m_entries[size_t(i)].file.position ? same : near) += 1;
    return same > 1 || (same == 0 && near > 0);
}

std::vector<int> ImportPlan::FindByPosition(int position) const
{
    std::vector<int> found;
    for (int i = 0; i < Count(); ++i) {
        if (position != ExchangeConversions::NO_POSITION && m_entries[size_t(i)].file.position == position)
            found.push_back(i);
    }
    return found;
}

ImportPlan::Work ImportPlan::Compute() const
{
    Work work;
    ImportPreview &p = work.preview;
    const ParamDatabase &db = m_doc->Database();
    p.freeSatellites = std::max(0, NO_SATELLITE - int(db.SatHeader().Count()));
    p.freeTransponders = m_doc->FreeTransponderRecords();

    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &e = m_entries[i];
        if (!e.taken)
            continue;
        ImportPreview::Satellite s;
        s.index = int(i);
        s.fileName = e.file.name;
        s.replace = e.mode == Mode::Replace;
        // A target deleted since the plan was made is added again.
        const std::optional<SatelliteValue> stored = e.target == ADD ? std::nullopt : m_doc->Satellite(e.target);
        const int target = stored ? e.target : ADD;
        Work::Step step;
        step.target = target;
        if (target == ADD && e.file.position == ExchangeConversions::NO_POSITION) {
            // The dialog would refuse the position, and any other one would be a guess.
            s.leftOut = true;
            s.target = {-1, e.file.name, e.file.position};
            s.notes.push_back({Note::Kind::PositionOutOfRange, e.file.line,
                               QCoreApplication::translate("Exchange", "line %1: the position \"%2\" lies outside 0..360 degrees; "
                                                                       "satellite left out")
                                   .arg(e.file.line).arg(e.file.positionText)});
            p.satellites.push_back(std::move(s));
            continue;
        }
        if (target == ADD) {
            s.added = true;
            s.target = {-1, FittedName(e.file, s.notes), e.file.position};
            step.added = s.target;
            ++p.neededSatellites;
        } else {
            s.target = *stored;
        }
        const int key = target == ADD ? -int(i) - 2 : target;
        auto [it, fresh] = work.rows.try_emplace(key);
        if (fresh && target != ADD)
            it->second = m_doc->TransponderRows(target);
        std::vector<TransponderRow> &rows = it->second;
        step.rows = &rows;

        // The file's transponders the meter can hold.
        std::vector<TransponderRow> taken;
        std::vector<int> takenLines;
        for (const ExchangeTransponder &tp : e.file.transponders) {
            const TransponderRow row = ExchangeConversions::RowFromTransponder(tp);
            const QString at = QCoreApplication::translate("Exchange", "line %1: ").arg(tp.line);
            if (row.frequency < int(TC::MIN_FREQUENCY) || row.frequency > int(TC::MAX_FREQUENCY)) {
                s.notes.push_back({Note::Kind::FrequencyOutOfRange, tp.line,
                                   at + QCoreApplication::translate("Exchange", "%1 MHz lies outside the meter's %2..%3 MHz; left out")
                                            .arg(row.frequency).arg(TC::MIN_FREQUENCY).arg(TC::MAX_FREQUENCY)});
                continue;
            }
            if (row.symbolRate < int(TC::MIN_SYMBOL_RATE) || row.symbolRate > int(TC::MAX_SYMBOL_RATE)) {
                s.notes.push_back({Note::Kind::SymbolRateOutOfRange, tp.line,
                                   at + QCoreApplication::translate("Exchange", "%1 MHz: %2 kS/s lies outside the meter's %3..%4 kS/s; left out")
                                            .arg(row.frequency).arg(row.symbolRate)
                                            .arg(TC::MIN_SYMBOL_RATE).arg(TC::MAX_SYMBOL_RATE)});
                continue;
            }
            if (tp.polar == ExchangePolar::CircularLeft || tp.polar == ExchangePolar::CircularRight)
                s.notes.push_back({Note::Kind::Circular, tp.line,
                                   at + QCoreApplication::translate("Exchange", "%1 MHz: circular %2 is stored as Auto")
                                            .arg(row.frequency)
                                            .arg(tp.polar == ExchangePolar::CircularLeft ? QCoreApplication::translate("Exchange", "left (L)")
                                                                                        : QCoreApplication::translate("Exchange", "right (R)"))});
            // The meter holds a repeat as well as the list does: told, kept (so that a list comes
            // back as it left), for Remove duplicates to clear.
            size_t dup = 0;
            while (dup < taken.size() && !TransponderDuplicates::Same(taken[dup], row, m_tolerance))
                ++dup;
            if (dup < taken.size())
                s.notes.push_back({Note::Kind::Duplicate, tp.line,
                                   at + QCoreApplication::translate("Exchange", "%1 MHz %2 repeats line %3 (within %4 MHz); stored as well")
                                            .arg(row.frequency).arg(TC::PolarText(row.polar))
                                            .arg(takenLines[dup]).arg(m_tolerance)});
            taken.push_back(row);
            takenLines.push_back(tp.line);
        }

        if (e.mode == Mode::Merge) {
            const std::vector<TransponderRow> before = rows;
            for (const TransponderRow &row : taken) {
                bool there = false;
                for (const TransponderRow &old : before)
                    there = there || (!old.marked && TransponderDuplicates::Same(old, row, m_tolerance));
                if (!there) {
                    rows.push_back(row);
                    s.transponders.push_back({Change::Kind::Added, {}, row});
                }
            }
        } else {
            // Stored rows that match keep their records (and the channels on them).
            std::vector<TransponderRow> next;
            std::vector<bool> used(rows.size(), false);
            for (const TransponderRow &row : taken) {
                size_t j = 0;
                while (j < rows.size() && (used[j] || rows[j].marked || !TransponderDuplicates::Same(rows[j], row, m_tolerance)))
                    ++j;
                TransponderRow kept = row;
                if (j < rows.size()) {
                    used[j] = true;
                    kept.record = rows[j].record;
                    if (rows[j].frequency != row.frequency || rows[j].symbolRate != row.symbolRate)
                        s.transponders.push_back({Change::Kind::Changed, rows[j], kept});
                } else {
                    s.transponders.push_back({Change::Kind::Added, {}, row});
                }
                next.push_back(kept);
            }
            for (size_t j = 0; j < rows.size(); ++j) {
                if (used[j] || rows[j].IsNew())
                    continue;
                TransponderRow gone = rows[j];
                if (!gone.marked)
                    s.transponders.push_back({Change::Kind::Removed, gone, {}});
                gone.marked = true;
                next.push_back(gone);
            }
            rows = std::move(next);
        }
        work.touched[key] = work.touched[key] || !s.transponders.empty();
        p.satellites.push_back(std::move(s));
        work.steps.push_back(step);
    }

    // Records: every new row takes one, every stored row marked gives one back.
    for (const auto &[key, rows] : work.rows) {
        for (const TransponderRow &row : rows) {
            if (row.IsNew() && !row.marked)
                ++p.neededTransponders;
            else if (!row.IsNew() && row.marked)
                ++p.freeTransponders;
        }
    }
    return work;
}

ImportPreview ImportPlan::Preview() const
{
    return Compute().preview;
}

DocumentResult ImportPlan::Apply(DatabaseDocument &doc) const
{
    if (&doc != m_doc)
        return DocumentResult::Fail(DocumentResult::Code::Refused);
    Work work = Compute();
    if (work.preview.Full()) {
        const bool satellites = work.preview.neededSatellites > work.preview.freeSatellites;
        return DocumentResult::Fail(satellites ? DocumentResult::Code::SatelliteTableFull
                                               : DocumentResult::Code::TransponderTableFull,
                                    work.preview.FullText());
    }
    if (work.steps.empty())
        return {};
    return doc.Batch(StepName(), [&]() -> DocumentResult {
        // First every stored satellite gives back what it loses, so that the records are free
        // whatever order the satellites come in; then every list is stored whole.
        for (auto &[key, rows] : work.rows) {
            if (key < 0 || !work.touched[key])
                continue;
            std::vector<TransponderRow> stored;
            for (const TransponderRow &row : rows) {
                if (!row.IsNew())
                    stored.push_back(row);
            }
            if (DocumentResult r = doc.ReplaceTransponders(key, stored); !r)
                return r;
        }
        std::map<int, bool> done;
        for (const Work::Step &step : work.steps) {
            int slot = step.target;
            if (slot == ADD) {
                if (DocumentResult r = doc.AddSatellite(step.added, &slot); !r)
                    return r;
            } else if (done[slot] || !work.touched[slot]) {
                continue; // several file satellites into one: its list holds them all
            }
            done[slot] = true;
            std::vector<TransponderRow> rows;
            for (const TransponderRow &row : *step.rows) {
                if (!row.marked)
                    rows.push_back(row);
            }
            if (DocumentResult r = doc.ReplaceTransponders(slot, rows); !r)
                return r;
        }
        return DocumentResult{};
    });
}
