// Transponder operations: delete, release, allocate and append.
#include "database/ParamDatabase.h"

#include "database/ChainLinks.h"

#include <array>
#include <utility>

using namespace DbLayout;

bool ParamDatabase::CanUnlinkTransponder(int s, int tp) const
{
    const SatelliteRecord &sat = m_img->satellites[size_t(s)];
    const auto &tps = m_img->transponders;
    return sat.TpCount() > 0 && m_img->tpHeader.Count() > 0
        && ChainLinks::CanUnlink(
               tp, NO_TRANSPONDER, {sat.FirstTp(), sat.LastTp()},
               [&](int i) { return tps[size_t(i)].Next(); },
               [&](int i) { return tps[size_t(i)].Prev(); });
}

void ParamDatabase::UnlinkTransponder(int s, int tp)
{
    SatelliteRecord &sat = m_img->satellites[size_t(s)];
    auto &tps = m_img->transponders;
    const ChainLinks::Ends ends = ChainLinks::Unlink(
        tp, NO_TRANSPONDER, {sat.FirstTp(), sat.LastTp()},
        [&](int i) { return tps[size_t(i)].Next(); },
        [&](int i) { return tps[size_t(i)].Prev(); },
        [&](int i, int v) { tps[size_t(i)].SetNext(v); },
        [&](int i, int v) { tps[size_t(i)].SetPrev(v); });
    sat.SetFirstTp(ends.first);
    sat.SetLastTp(ends.last);
    sat.SetTpCount(sat.TpCount() - 1);
    m_img->tpHeader.SetCount(m_img->tpHeader.Count() - 1);
}

bool ParamDatabase::CanFreeTransponder(int tp) const
{
    // The head gets a back link to tp: a head in use would be a live record of some chain.
    const int freeFirst = m_img->tpHeader.FreeFirst();
    return freeFirst == NO_TRANSPONDER
        || (freeFirst < NO_TRANSPONDER && freeFirst != tp
            && !m_img->transponders[size_t(freeFirst)].InUse());
}

void ParamDatabase::FreeTransponder(int tp)
{
    auto &tps = m_img->transponders;
    TransponderHeader &h = m_img->tpHeader;
    const int freeFirst = h.FreeFirst();
    if (freeFirst != NO_TRANSPONDER)
        tps[size_t(freeFirst)].SetPrev(tp);
    TransponderRecord &rec = tps[size_t(tp)];
    rec.SetNext(freeFirst);
    rec.SetPrev(NO_TRANSPONDER);
    rec.SetInUse(0);
    h.SetFreeFirst(tp);
}

bool ParamDatabase::DeleteTransponder(int slot, int tp)
{
    const int s = slot & 0xFF;
    const int t = tp & 0xFFFF;
    bool done = false;
    Transaction([&] {
        const Step step = DeleteTransponderImpl(s, t);
        done = step == Step::Done;
        return step != Step::Refused;
    });
    return done;
}

ParamDatabase::Step ParamDatabase::DeleteTransponderImpl(int s, int tp)
{
    if (tp >= NO_TRANSPONDER || !ValidSatellite(s))
        return Step::Nothing;
    const SatelliteRecord &sat = m_img->satellites[size_t(s)];
    const auto &tps = m_img->transponders;
    if (sat.FirstTp() == NO_TRANSPONDER || m_img->tpHeader.Count() == 0 || !tps[size_t(tp)].InUse())
        return Step::Nothing;

    bool onChain = false;
    ChainLinks::Walk(sat.FirstTp(), NO_TRANSPONDER, [&](int i) { return tps[size_t(i)].Next(); },
                     [&](int i) {
                         onChain = i == tp;
                         return !onChain;
                     });
    if (!onChain)
        return Step::Nothing;
    if (!CanUnlinkTransponder(s, tp) || !CanFreeTransponder(tp))
        return Step::Refused;

    if (!DeleteChannelsOfTransponderImpl(tp))
        return Step::Refused;
    UnlinkTransponder(s, tp);
    FreeTransponder(tp);
    return Step::Done;
}

bool ParamDatabase::ReachesTransponder(int s, int tp) const
{
    const SatelliteRecord &sat = m_img->satellites[size_t(s)];
    const auto &tps = m_img->transponders;
    bool met = false;
    auto look = [&](int i) {
        met = met || i == tp;
        return !met;
    };
    ChainLinks::Walk(sat.FirstTp(), NO_TRANSPONDER, [&](int i) { return tps[size_t(i)].Next(); }, look);
    ChainLinks::Walk(sat.LastTp(), NO_TRANSPONDER, [&](int i) { return tps[size_t(i)].Prev(); }, look);
    return met;
}

std::vector<int> ParamDatabase::ReachedTransponders(int s) const
{
    const SatelliteRecord &sat = m_img->satellites[size_t(s)];
    const auto &tps = m_img->transponders;
    std::vector<char> seen(size_t(NO_TRANSPONDER), 0);
    std::vector<int> reached;
    auto visit = [&](int i) {
        if (std::exchange(seen[size_t(i)], 1))
            return false;
        reached.push_back(i);
        return true;
    };
    ChainLinks::Walk(sat.FirstTp(), NO_TRANSPONDER, [&](int i) { return tps[size_t(i)].Next(); }, visit);
    ChainLinks::Walk(sat.LastTp(), NO_TRANSPONDER, [&](int i) { return tps[size_t(i)].Prev(); }, visit);
    return reached;
}

std::vector<int> ParamDatabase::SatelliteCandidates() const
{
    // Slots on the satellite chain and found marked in use: a damaged satellite chain must not
    // hide a satellite that still holds records.
    const auto &sats = m_img->satellites;
    std::array<bool, NO_SATELLITE> candidate{};
    for (int s = 0; s < NO_SATELLITE; ++s)
        candidate[size_t(s)] = sats[size_t(s)].InUse() != 0;
    ChainLinks::Walk(m_img->satHeader.First(), NO_SATELLITE,
                     [&](int i) { return sats[size_t(i)].Next(); },
                     [&](int s) { return candidate[size_t(s)] = true; });
    std::vector<int> found;
    for (int s = 0; s < NO_SATELLITE; ++s) {
        if (candidate[size_t(s)])
            found.push_back(s);
    }
    return found;
}

std::vector<int> ParamDatabase::TransponderClaimants(int tp) const
{
    std::vector<int> claimants;
    for (int s : SatelliteCandidates()) {
        if (ReachesTransponder(s, tp))
            claimants.push_back(s);
    }
    return claimants;
}

bool ParamDatabase::DropDamagedTransponders(int s)
{
    // Records already on the free chain, and those another satellite reaches, are not ours.
    const auto &tps = m_img->transponders;
    std::vector<char> keep(size_t(NO_TRANSPONDER), 0);
    ChainLinks::Walk(m_img->tpHeader.FreeFirst(), NO_TRANSPONDER,
                     [&](int i) { return tps[size_t(i)].Next(); },
                     [&](int i) { return !std::exchange(keep[size_t(i)], 1); });
    for (int other : SatelliteCandidates()) {
        if (other != s) {
            for (int i : ReachedTransponders(other))
                keep[size_t(i)] = 1;
        }
    }
    std::vector<int> drop;
    for (int i : ReachedTransponders(s)) {
        if (!keep[size_t(i)])
            drop.push_back(i);
    }

    SatelliteRecord &sat = m_img->satellites[size_t(s)];
    TransponderHeader &h = m_img->tpHeader;
    h.SetCount(h.Count() - qMin(h.Count(), sat.TpCount()));
    sat.SetFirstTp(NO_TRANSPONDER);
    sat.SetLastTp(NO_TRANSPONDER);
    sat.SetTpCount(0);
    return WithChannelIndex([&] {
        for (int t : drop) {
            if (!DeleteChannelsOfTransponderImpl(t) || !CanFreeTransponder(t))
                return false;
            FreeTransponder(t);
        }
        return true;
    });
}

bool ParamDatabase::ReleaseTransponder(int tp)
{
    const int t = tp & 0xFFFF;
    if (t >= NO_TRANSPONDER)
        return false;
    return Transaction([&] {
        // Only a whole chain can give the record up; one that a damaged chain (or two chains)
        // still reaches stays where it is.
        const std::vector<int> claimants = TransponderClaimants(t);
        if (claimants.size() > 1)
            return false;
        const int owner = claimants.empty() ? NO_SATELLITE : claimants.front();
        if (owner != NO_SATELLITE
            && (!TransponderChain(owner).complete || !CanUnlinkTransponder(owner, t)))
            return false;
        const bool inUse = m_img->transponders[size_t(t)].InUse();
        if (inUse && !CanFreeTransponder(t))
            return false;

        if (!DeleteChannelsOfTransponderImpl(t))
            return false;
        if (owner != NO_SATELLITE)
            UnlinkTransponder(owner, t);
        if (inUse)
            FreeTransponder(t);
        return true;
    });
}

int ParamDatabase::AllocateTransponder()
{
    TransponderHeader &h = m_img->tpHeader;
    auto &tps = m_img->transponders;
    const int f = h.FreeFirst();
    if (f >= NO_TRANSPONDER)
        return NO_TRANSPONDER;
    const int next = tps[size_t(f)].Next();
    // The next record gets the head's back link, so it must be free as well.
    if (tps[size_t(f)].InUse() || next > NO_TRANSPONDER || next == f
        || (next != NO_TRANSPONDER && tps[size_t(next)].InUse()))
        return NO_TRANSPONDER;
    h.SetFreeFirst(next);
    if (next != NO_TRANSPONDER)
        tps[size_t(next)].SetPrev(NO_TRANSPONDER);
    return f;
}

bool ParamDatabase::AppendTransponder(int slot, int tp)
{
    const int s = slot & 0xFF;
    const int t = tp & 0xFFFF;
    if (t >= NO_TRANSPONDER || !ValidSatellite(s))
        return false;
    auto &tps = m_img->transponders;
    SatelliteRecord &sat = m_img->satellites[size_t(s)];
    TransponderHeader &h = m_img->tpHeader;
    TransponderRecord &rec = tps[size_t(t)];
    if (!rec.InUse() || sat.TpCount() >= NO_TRANSPONDER || h.Count() >= NO_TRANSPONDER)
        return false;

    // This satellite's chain must be whole, and t must be on no chain (however damaged), or the
    // new link would close a loop or give the record two owners. Other satellites' damage
    // does not matter here.
    const Chain chain = TransponderChain(s);
    if (!chain.complete || !TransponderClaimants(t).empty())
        return false;
    const int last = chain.indices.empty() ? NO_TRANSPONDER : chain.indices.back();

    if (sat.FirstTp() == NO_TRANSPONDER) {
        sat.SetFirstTp(t);
        sat.SetLastTp(t);
        rec.SetNext(NO_TRANSPONDER);
        rec.SetPrev(NO_TRANSPONDER);
    } else {
        rec.SetPrev(last);
        rec.SetNext(NO_TRANSPONDER);
        tps[size_t(last)].SetNext(t);
        sat.SetLastTp(t);
    }
    sat.SetTpCount(sat.TpCount() + 1);
    h.SetCount(h.Count() + 1);
    return true;
}
