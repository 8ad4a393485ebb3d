#include "region/TransponderSpread.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kPolarisations = 5; // ExchangePolar's H, V, L, R and Auto
constexpr int kBands = 3;

// Lowest, highest, then the middles of ever smaller intervals: indices 0..n-1, each once.
std::vector<int> Subdivided(int n)
{
    std::vector<int> order;
    if (n <= 0)
        return order;
    order.push_back(0);
    if (n > 1)
        order.push_back(n - 1);
    std::vector<std::pair<int, int>> intervals{{0, n - 1}};
    for (size_t k = 0; k < intervals.size(); ++k) {
        const auto [a, b] = intervals[k];
        if (b - a < 2)
            continue;
        const int m = a + (b - a) / 2;
        order.push_back(m);
        intervals.emplace_back(a, m);
        intervals.emplace_back(m, b);
    }
    return order;
}

int PolarIndex(ExchangePolar polar)
{
    const int p = int(polar);
    return p >= 0 && p < kPolarisations ? p : kPolarisations - 1;
}

} // namespace

TransponderSpread::Band TransponderSpread::BandOf(qint64 kilohertz)
{
    if (kilohertz >= qint64(KU_HIGH_FROM) * 1000)
        return Band::KuHigh;
    return kilohertz >= qint64(KU_FROM) * 1000 ? Band::KuLow : Band::Other;
}

std::vector<int> TransponderSpread::Order(const std::vector<ExchangeTransponder> &transponders)
{
    // Groups in the order they take turns: band by band, each band's polarisations in turn.
    std::array<std::vector<int>, kBands * kPolarisations> groups;
    for (size_t i = 0; i < transponders.size(); ++i) {
        const ExchangeTransponder &t = transponders[i];
        const size_t group = size_t(BandOf(t.frequency)) * kPolarisations + size_t(PolarIndex(t.polar));
        groups[group].push_back(int(i));
    }
    // Each group with its turn: the n-th group of a polarisation (band by band) comes in the n-th
    // place of a round, so that a round meets every polarisation before a second band of any.
    struct Turn {
        int place = 0;
        int polar = 0;
        std::vector<int> picked;
    };
    std::vector<Turn> turns;
    std::array<int, kPolarisations> placed{};
    for (size_t g = 0; g < groups.size(); ++g) {
        std::vector<int> &group = groups[g];
        if (group.empty())
            continue;
        std::stable_sort(group.begin(), group.end(), [&](int a, int b) {
            return transponders[size_t(a)].frequency < transponders[size_t(b)].frequency;
        });
        Turn turn;
        turn.polar = int(g % kPolarisations);
        turn.place = placed[size_t(turn.polar)]++;
        for (int k : Subdivided(int(group.size())))
            turn.picked.push_back(group[size_t(k)]);
        turns.push_back(std::move(turn));
    }
    std::stable_sort(turns.begin(), turns.end(), [](const Turn &a, const Turn &b) {
        return std::make_pair(a.place, a.polar) < std::make_pair(b.place, b.polar);
    });
    std::vector<int> order;
    order.reserve(transponders.size());
    for (size_t round = 0; order.size() < transponders.size(); ++round) {
        for (const Turn &turn : turns) {
            if (round < turn.picked.size())
                order.push_back(turn.picked[round]);
        }
    }
    return order;
}

int TransponderSpread::Kinds(const std::vector<ExchangeTransponder> &transponders)
{
    std::array<bool, kPolarisations> seen{};
    for (const ExchangeTransponder &t : transponders)
        seen[size_t(PolarIndex(t.polar))] = true;
    return int(std::count(seen.begin(), seen.end(), true));
}
