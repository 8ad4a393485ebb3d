#include "document/DatabaseDiff.h"

#include "document/DatabaseDocument.h"

#include <functional>

namespace {

// Pairs the unpaired items of a and b for which same() holds, each item at most once, in order.
template <typename T>
void Pair(const std::vector<T> &a, const std::vector<T> &b, std::vector<int> &partnerOfB,
          std::vector<bool> &pairedA, const std::function<bool(const T &, const T &)> &same)
{
    for (size_t j = 0; j < b.size(); ++j) {
        if (partnerOfB[j] >= 0)
            continue;
        for (size_t i = 0; i < a.size(); ++i) {
            if (!pairedA[i] && same(a[i], b[j])) {
                pairedA[i] = true;
                partnerOfB[j] = int(i);
                break;
            }
        }
    }
}

using Row = TransponderRow;
using TpChange = DatabaseDiff::TransponderChange;

std::vector<TpChange> CompareRows(const std::vector<Row> &a, const std::vector<Row> &b)
{
    std::vector<int> partner(b.size(), -1);
    std::vector<bool> paired(a.size(), false);
    const std::function<bool(const Row &, const Row &)> rules[] = {
        [](const Row &x, const Row &y) {
            return x.frequency == y.frequency && x.symbolRate == y.symbolRate && x.polar == y.polar;
        },
        [](const Row &x, const Row &y) { return x.frequency == y.frequency && x.polar == y.polar; },
        [](const Row &x, const Row &y) { return x.frequency == y.frequency; },
        [](const Row &x, const Row &y) { return x.record == y.record; },
    };
    for (const auto &rule : rules)
        Pair(a, b, partner, paired, rule);

    std::vector<TpChange> changes;
    for (size_t i = 0; i < a.size(); ++i)
        if (!paired[i])
            changes.push_back({TpChange::Kind::Removed, a[i], {}});
    for (size_t j = 0; j < b.size(); ++j) {
        if (partner[j] < 0) {
            changes.push_back({TpChange::Kind::Added, {}, b[j]});
            continue;
        }
        const Row &before = a[size_t(partner[j])];
        if (before.frequency != b[j].frequency || before.symbolRate != b[j].symbolRate
            || before.polar != b[j].polar)
            changes.push_back({TpChange::Kind::Changed, before, b[j]});
    }
    return changes;
}

} // namespace

std::vector<DatabaseDiff::SatelliteChange> DatabaseDiff::Compare(const DatabaseDocument &a,
                                                                 const DatabaseDocument &b)
{
    using Sat = SatelliteValue;
    const std::vector<Sat> satsA = a.Satellites();
    const std::vector<Sat> satsB = b.Satellites();
    std::vector<int> partner(satsB.size(), -1);
    std::vector<bool> paired(satsA.size(), false);
    Pair<Sat>(satsA, satsB, partner, paired, [](const Sat &x, const Sat &y) { return x.name == y.name; });
    Pair<Sat>(satsA, satsB, partner, paired,
              [](const Sat &x, const Sat &y) { return x.position == y.position; });

    std::vector<SatelliteChange> changes;
    for (size_t i = 0; i < satsA.size(); ++i)
        if (!paired[i])
            changes.push_back({SatelliteChange::Kind::Removed, satsA[i], {},
                               CompareRows(a.TransponderRows(satsA[i].slot), {})});
    for (size_t j = 0; j < satsB.size(); ++j) {
        if (partner[j] < 0) {
            changes.push_back({SatelliteChange::Kind::Added, {}, satsB[j],
                               CompareRows({}, b.TransponderRows(satsB[j].slot))});
            continue;
        }
        const Sat &before = satsA[size_t(partner[j])];
        SatelliteChange change{SatelliteChange::Kind::Paired, before, satsB[j],
                               CompareRows(a.TransponderRows(before.slot), b.TransponderRows(satsB[j].slot))};
        if (change.Renamed() || change.Moved() || !change.transponders.empty())
            changes.push_back(change);
    }
    return changes;
}
