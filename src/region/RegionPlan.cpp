#include "region/RegionPlan.h"

#include "database/ParamDatabase.h"
#include "document/DatabaseDocument.h"
#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/TransponderDuplicates.h"
#include "region/TransponderSpread.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <QCoreApplication>

using TC = TransponderConversions;

namespace {

// Channels in use per transponder record.
std::vector<int> ChannelsPerTransponder(const ParamDatabase &db)
{
    std::vector<int> count(size_t(DbLayout::NO_TRANSPONDER), 0);
    for (int ch = 0; ch < DbLayout::NO_CHANNEL; ++ch) {
        const ChannelRecord *c = db.ChannelAt(ch);
        if (c && c->InUse() && c->Transponder() >= 0 && c->Transponder() < DbLayout::NO_TRANSPONDER)
            ++count[size_t(c->Transponder())];
    }
    return count;
}

bool Holdable(const TransponderRow &row)
{
    return row.frequency >= int(TC::MIN_FREQUENCY) && row.frequency <= int(TC::MAX_FREQUENCY)
           && row.symbolRate >= int(TC::MIN_SYMBOL_RATE) && row.symbolRate <= int(TC::MAX_SYMBOL_RATE);
}

} // namespace

RegionPlan::RegionPlan(const DatabaseDocument &doc, const std::vector<ExchangeSatellite> &list, const Options &options)
    : m_doc(&doc), m_options(options)
{
    std::vector<Row> rows;
    std::vector<Source> sources;
    std::map<int, size_t> bySlot;

    const std::vector<int> channels = ChannelsPerTransponder(doc.Database());
    for (const SatelliteValue &s : doc.Satellites()) {
        Row row;
        row.name = s.name;
        row.position = s.position;
        row.slot = s.slot;
        for (const TransponderRow &t : doc.TransponderRows(s.slot)) {
            ++row.stored;
            if (t.record >= 0 && t.record < DbLayout::NO_TRANSPONDER)
                row.channels += channels[size_t(t.record)];
        }
        bySlot[s.slot] = rows.size();
        rows.push_back(row);
        sources.emplace_back();
    }

    // The database satellite an import would take each list satellite to.
    std::vector<ExchangeSatellite> heads;
    heads.reserve(list.size());
    for (const ExchangeSatellite &sat : list)
        heads.push_back({sat.name, sat.position, sat.positionText, sat.line, {}});
    const ImportPlan match(doc, std::move(heads));
    std::map<std::pair<int, QString>, size_t> byPlace; // list-only rows by position and name
    // Per row: its list's transponders taken.
    std::vector<TransponderDuplicates::Kept> kept(rows.size(), TransponderDuplicates::Kept(m_options.tolerance));
    for (size_t i = 0; i < list.size(); ++i) {
        const ExchangeSatellite &sat = list[i];
        if (sat.position == ExchangeConversions::NO_POSITION)
            continue; // the import leaves it out too
        size_t r = rows.size();
        const int target = match.Target(int(i));
        if (target != ImportPlan::ADD) {
            r = bySlot[target];
        } else {
            const auto key = std::make_pair(sat.position, sat.name.toCaseFolded());
            const auto found = byPlace.find(key);
            if (found != byPlace.end()) {
                r = found->second;
            } else {
                byPlace[key] = r;
                Row row;
                row.name = sat.name;
                row.position = sat.position;
                rows.push_back(row);
                sources.emplace_back();
                kept.emplace_back(m_options.tolerance);
            }
        }
        Source &source = sources[r];
        if (source.fileName.isNull()) {
            source.fileName = sat.name;
            source.positionText = sat.positionText;
            source.line = sat.line;
        }
        for (const ExchangeTransponder &t : sat.transponders) {
            const TransponderRow row = ExchangeConversions::RowFromTransponder(t);
            if (!Holdable(row)) {
                ++source.unholdable;
                continue;
            }
            if (!kept[r].Take(row)) { // a repeat of one taken, as duplicates are told apart
                ++source.repeats;
                continue;
            }
            source.transponders.push_back(t);
        }
    }

    for (size_t r = 0; r < rows.size(); ++r) {
        Row &row = rows[r];
        Source &source = sources[r];
        row.angles = LookAngles::ForPosition(m_options.site, row.position);
        row.visible = row.angles.Visible(m_options.minimumElevation);
        row.listed = int(source.transponders.size());
        source.order = TransponderSpread::Order(source.transponders);
        source.least = TransponderSpread::Kinds(source.transponders);
    }

    // Visible first, highest first, then by position; the database's before the list's.
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const Row &x = rows[a];
        const Row &y = rows[b];
        if (x.visible != y.visible)
            return x.visible;
        if (x.angles.elevation != y.angles.elevation)
            return x.angles.elevation > y.angles.elevation;
        return x.position < y.position;
    });
    for (size_t i : order) {
        m_rows.push_back(std::move(rows[i]));
        m_sources.push_back(std::move(sources[i]));
    }

    // The proposal: the visible satellites of the database, then the list's while there is room.
    int satellites = 0;
    int cost = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        if (row.InDatabase() && row.visible) {
            row.ticked = true;
            ++satellites;
            cost += Cost(i);
        }
    }
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        if (row.InDatabase() || !row.visible || satellites >= MAX_SATELLITES || cost + Cost(i) > MAX_TRANSPONDERS)
            continue;
        row.ticked = true;
        ++satellites;
        cost += Cost(i);
    }
    Recompute();
}

QString RegionPlan::StepName()
{
    return QCoreApplication::translate("Region", "Plan for a site");
}

int RegionPlan::Cost(size_t i) const
{
    const Row &row = m_rows[i];
    if (!row.Listed())
        return row.stored;
    if (row.share != AUTO)
        return row.share;
    return std::min(row.listed, std::max(1, m_sources[i].least));
}

int RegionPlan::TickedCost(size_t except) const
{
    int cost = 0;
    for (size_t j = 0; j < m_rows.size(); ++j)
        cost += m_rows[j].ticked && j != except ? Cost(j) : 0;
    return cost;
}

void RegionPlan::Recompute()
{
    int fixed = 0;
    std::vector<size_t> autos;
    m_satellites = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        row.kept = 0;
        if (!row.ticked)
            continue;
        ++m_satellites;
        if (row.Listed() && row.share == AUTO) {
            autos.push_back(i);
            continue;
        }
        row.kept = row.Listed() ? row.share : row.stored;
        fixed += row.kept;
    }
    const qint64 budget = MAX_TRANSPONDERS - fixed;
    // The most each may keep such that all fit: q, or its least when that is more. Only a
    // database that is full already of what stays can leave less than the least (a stored
    // satellite with fewer transponders than polarisations in the list): then shares go to 0.
    bool floors = true;
    const auto least = [&](size_t i) { return floors ? Cost(i) : 0; };
    const auto need = [&](int q) {
        qint64 sum = 0;
        for (size_t i : autos)
            sum += std::min(m_rows[i].listed, std::max(q, least(i)));
        return sum;
    };
    floors = need(0) <= budget;
    int most = 0;
    for (size_t i : autos)
        most = std::max(most, m_rows[i].listed);
    int lo = 0;
    int hi = most;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (need(mid) <= budget)
            lo = mid;
        else
            hi = mid - 1;
    }
    qint64 left = budget - need(lo);
    for (size_t i : autos) {
        Row &row = m_rows[i];
        row.kept = std::min(row.listed, std::max(lo, least(i)));
        // What is left over goes one each to the highest satellites (the rows' order).
        if (left > 0 && row.kept < row.listed) {
            ++row.kept;
            --left;
        }
    }
    m_transponders = 0;
    for (const Row &row : m_rows)
        m_transponders += row.kept;
}

bool RegionPlan::SetTicked(int i, bool ticked)
{
    Row &row = m_rows[size_t(i)];
    if (row.ticked == ticked)
        return true;
    if (ticked) {
        if (!row.InDatabase() && !row.visible)
            return false;
        if (m_satellites >= MAX_SATELLITES || TickedCost(size_t(i)) + Cost(size_t(i)) > MAX_TRANSPONDERS)
            return false;
    }
    row.ticked = ticked;
    Recompute();
    return true;
}

int RegionPlan::SetShare(int i, int share)
{
    Row &row = m_rows[size_t(i)];
    if (!row.Listed())
        return row.share;
    if (share != AUTO) {
        share = std::clamp(share, 1, row.listed);
        if (row.ticked)
            share = std::max(1, std::min(share, MAX_TRANSPONDERS - TickedCost(size_t(i))));
    }
    row.share = share;
    Recompute();
    return share;
}

bool RegionPlan::Shared() const
{
    for (const Row &row : m_rows) {
        if (row.ticked && row.Listed() && row.kept < row.listed)
            return true;
    }
    return false;
}

std::vector<ExchangeTransponder> RegionPlan::Kept(int i) const
{
    const Row &row = m_rows[size_t(i)];
    const Source &source = m_sources[size_t(i)];
    if (!row.ticked || !row.Listed())
        return {};
    std::vector<int> chosen(source.order.begin(), source.order.begin() + row.kept);
    std::sort(chosen.begin(), chosen.end());
    std::vector<ExchangeTransponder> kept;
    kept.reserve(chosen.size());
    for (int k : chosen)
        kept.push_back(source.transponders[size_t(k)]);
    return kept;
}

ImportPlan RegionPlan::Import() const
{
    std::vector<ExchangeSatellite> satellites;
    std::vector<int> targets;
    for (int i = 0; i < Count(); ++i) {
        const Row &row = At(i);
        const Source &source = m_sources[size_t(i)];
        if (!row.ticked || !row.Listed())
            continue;
        satellites.push_back({source.fileName, row.position, source.positionText, source.line, Kept(i)});
        targets.push_back(row.InDatabase() ? row.slot : ImportPlan::ADD);
    }
    ImportPlan plan(*m_doc, std::move(satellites));
    plan.SetTolerance(m_options.tolerance);
    for (int k = 0; k < plan.Count(); ++k) {
        plan.SetTarget(k, targets[size_t(k)]);
        plan.SetMode(k, ImportPlan::Mode::Replace);
        plan.SetTaken(k, true);
    }
    return plan;
}

RegionPreview RegionPlan::Preview() const
{
    RegionPreview p;
    const std::vector<int> channels = ChannelsPerTransponder(m_doc->Database());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows[i];
        if (row.InDatabase() && !row.ticked)
            p.removed.push_back({{row.slot, row.name, row.position}, row.stored, row.channels});
        if (row.ticked) {
            p.unholdable += m_sources[i].unholdable;
            p.repeats += m_sources[i].repeats;
        }
    }
    p.import = Import().Preview();
    // The removed satellites make room before the import takes any.
    p.import.freeSatellites += int(p.removed.size());
    for (const RegionPreview::Removed &r : p.removed)
        p.import.freeTransponders += r.transponders;
    using Change = DatabaseDiff::TransponderChange;
    for (const ImportPreview::Satellite &s : p.import.satellites) {
        for (const Change &c : s.transponders) {
            if (c.kind == Change::Kind::Removed && c.before.record >= 0 && c.before.record < DbLayout::NO_TRANSPONDER)
                p.channelsLost += channels[size_t(c.before.record)];
        }
    }
    p.satellites = m_satellites;
    p.transponders = m_transponders;
    p.shared = Shared();
    return p;
}

DocumentResult RegionPlan::Apply(DatabaseDocument &doc) const
{
    if (&doc != m_doc)
        return DocumentResult::Fail(DocumentResult::Code::Refused);
    std::vector<int> removed;
    for (const Row &row : m_rows) {
        if (row.InDatabase() && !row.ticked)
            removed.push_back(row.slot);
    }
    const ImportPlan import = Import();
    if (removed.empty() && import.Count() == 0)
        return {};
    // The import is worked out again after the deletions, against the tables as they are then.
    return doc.Batch(StepName(), [&]() -> DocumentResult {
        for (int slot : removed) {
            if (DocumentResult r = doc.DeleteSatellite(slot); !r)
                return r;
        }
        return import.Apply(doc);
    });
}
