#include "SampleDatabase.h"

#include "ChannelMaker.h"

#include "database/ParamDatabase.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

using namespace DbLayout;

namespace {

struct CatalogueEntry {
    const char *name;
    int position;   // tenths of a degree east; west positions count back from 3600
};

constexpr int West(int tenths) { return 3600 - tenths; }

const CatalogueEntry kCatalogue[] = {
    {"ASTRA 1KR", 192},      {"HOTBIRD 13C", 130},     {"ASTRA 2E", 282},
    {"ASTRA 3B", 235},       {"EUTELSAT 7B", 70},      {"EUTELSAT 9B", 90},
    {"EUTELSAT 16A", 160},   {"EUTELSAT 36B", 360},    {"TURKSAT 4A", 420},
    {"HELLAS SAT 3", 390},   {"BADR 6", 260},          {"ARABSAT 5C", 200},
    {"YAMAL 402", 549},      {"ABS 2A", 750},          {"SES-5 / ASTRA 4A", 48},
    {"THOR 5", West(8)},     {"INTELSAT 10-02", West(10)}, {"AMOS 3", West(40)},
    {"NILESAT 201", West(70)}, {"EXPRESS AM8", West(140)}, {"HISPASAT 30W-5", West(300)},
    {"EUTELSAT 5 WEST B", West(50)},
};

const quint32 kSymbolRates[] = {22000, 27500, 29900, 30000, 27000, 8000, 45000};

class Builder
{
public:
    explicit Builder(const SampleDatabase::Options &o) : m_o(o), m_rng(o.seed) {}

    QByteArray Build()
    {
        QByteArray bytes(IMAGE_SIZE, '\0');
        for (char &b : bytes)
            b = char(m_rng() & 0xFF);
        m_db.FromBytes(bytes);
        BuildSatellites();
        BuildTransponders();
        BuildChannels();
        return m_db.ToBytes();
    }

private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    std::vector<int> Permutation(int n)
    {
        std::vector<int> v(static_cast<size_t>(n));
        std::iota(v.begin(), v.end(), 0);
        std::shuffle(v.begin(), v.end(), m_rng);
        return v;
    }

    // Links records [from, end) of order as a chain through next/prev; returns first and last.
    template <typename SetNext, typename SetPrev>
    static std::pair<int, int> LinkChain(const std::vector<int> &order, size_t from, size_t end,
                                         int sentinel, SetNext setNext, SetPrev setPrev)
    {
        for (size_t k = from; k < end; ++k) {
            setPrev(order[k], k == from ? sentinel : order[k - 1]);
            setNext(order[k], k + 1 == end ? sentinel : order[k + 1]);
        }
        if (from == end)
            return {sentinel, sentinel};
        return {order[from], order[end - 1]};
    }

    void BuildSatellites()
    {
        const int catalogue = int(std::size(kCatalogue));
        const int n = std::clamp(m_o.satellites, 0, std::min(catalogue, NO_SATELLITE));
        std::vector<int> names = Permutation(catalogue);
        std::vector<int> slotOrder = Permutation(NO_SATELLITE);
        auto setNext = [&](int i, int v) { m_db.SatelliteAt(i)->SetNext(v); };
        auto setPrev = [&](int i, int v) { m_db.SatelliteAt(i)->SetPrev(v); };
        const auto live = LinkChain(slotOrder, 0, size_t(n), NO_SATELLITE, setNext, setPrev);
        const auto free = LinkChain(slotOrder, size_t(n), slotOrder.size(), NO_SATELLITE, setNext, setPrev);
        for (int k = 0; k < NO_SATELLITE; ++k) {
            SatelliteRecord &r = *m_db.SatelliteAt(slotOrder[size_t(k)]);
            r.SetInUse(k < n);
            if (k >= n)
                continue;
            const CatalogueEntry &e = kCatalogue[names[size_t(k)]];
            r.SetName(QByteArray(e.name));
            r.SetPosition(e.position);
            r.SetSlot(slotOrder[size_t(k)]);
            r.ClearChains();
            m_liveSats.push_back(slotOrder[size_t(k)]);
        }
        SatelliteHeader &h = m_db.SatHeader();
        h.SetFirst(live.first);
        h.SetLast(live.second);
        h.SetFreeFirst(free.first);
        h.SetCount(n);
    }

    void BuildTransponders()
    {
        std::vector<int> order = Permutation(NO_TRANSPONDER);
        auto setNext = [&](int i, int v) { m_db.TransponderAt(i)->SetNext(v); };
        auto setPrev = [&](int i, int v) { m_db.TransponderAt(i)->SetPrev(v); };
        size_t used = 0;
        for (int s : m_liveSats) {
            const size_t k = size_t(std::min<int>(Uniform(0, std::max(0, m_o.maxTranspondersPerSatellite)),
                                                  int(order.size() - used)));
            const auto ends = LinkChain(order, used, used + k, NO_TRANSPONDER, setNext, setPrev);
            SatelliteRecord &sat = *m_db.SatelliteAt(s);
            sat.SetFirstTp(ends.first);
            sat.SetLastTp(ends.second);
            sat.SetTpCount(int(k));
            for (size_t j = used; j < used + k; ++j) {
                TransponderRecord &t = *m_db.TransponderAt(order[j]);
                t.SetInUse(1);
                t.SetFrequency(quint32(Uniform(10700, 12750)) * 1000u);
                t.SetSymbolRate(kSymbolRates[Uniform(0, int(std::size(kSymbolRates)) - 1)] * 1000u);
                t.SetPolarisation(Uniform(0, 9) < 9 ? Uniform(0, 1) : Uniform(2, 3));
                m_liveTps.emplace_back(order[j], s);
            }
            used += k;
        }
        const auto free = LinkChain(order, used, order.size(), NO_TRANSPONDER, setNext, setPrev);
        for (size_t j = used; j < order.size(); ++j)
            m_db.TransponderAt(order[j])->SetInUse(0);
        m_db.TpHeader().SetFreeFirst(free.first);
        m_db.TpHeader().SetCount(int(used));
    }

    void BuildChannels()
    {
        // Free records in random order first, then channels taken from its head one by one.
        std::vector<int> order = Permutation(NO_CHANNEL);
        auto setNext = [&](int i, int v) { m_db.ChannelAt(i)->SetNext(v); };
        auto setPrev = [&](int i, int v) { m_db.ChannelAt(i)->SetPrev(v); };
        const auto free = LinkChain(order, 0, order.size(), NO_CHANNEL, setNext, setPrev);
        for (int c : order)
            m_db.ChannelAt(c)->SetInUse(0);

        ChannelHeader &h = m_db.ChHeader();
        h.SetFreeFirst(free.first);
        h.SetKind1First(NO_CHANNEL);
        h.SetKind1Last(NO_CHANNEL);
        h.SetKind1Count(0);
        h.SetOtherFirst(NO_CHANNEL);
        h.SetOtherLast(NO_CHANNEL);
        h.SetOtherCount(0);
        for (int g = 0; g < GROUP_COUNT; ++g) {
            h.SetGroupFirst(g, NO_CHANNEL);
            h.SetGroupLast(g, NO_CHANNEL);
            h.SetGroupCount(g, 0);
        }

        const int n = m_liveTps.empty() ? 0 : std::clamp(m_o.channels, 0, NO_CHANNEL);
        for (int k = 0; k < n; ++k) {
            const auto &[tp, sat] = m_liveTps[size_t(Uniform(0, int(m_liveTps.size()) - 1))];
            // Drawn one by one: as arguments, the order of the draws was up to the compiler, and
            // the same seed made another database under clang than under GCC.
            const int groups = Uniform(0, 63);
            const int kind = Uniform(0, 3);
            ChannelMaker::Append(m_db, tp, sat, kind, groups);
        }
    }

    const SampleDatabase::Options m_o;
    std::mt19937 m_rng;
    ParamDatabase m_db;
    std::vector<int> m_liveSats;
    std::vector<std::pair<int, int>> m_liveTps;   // transponder, its satellite
};

} // namespace

QByteArray SampleDatabase::Make(const Options &options)
{
    return Builder(options).Build();
}

void SampleDatabase::Fill(ParamDatabase &db, const Options &options)
{
    db.FromBytes(Make(options));
}

int SampleDatabase::CatalogueSize()
{
    return int(std::size(kCatalogue));
}
