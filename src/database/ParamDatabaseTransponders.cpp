// Transponder operations: delete, release, allocate and append.
#include "database/ParamDatabase.h"

#include "database/ChainLinks.h"

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
    const int freeFirst = m_img->tpHeader.FreeFirst();
    return freeFirst <= NO_TRANSPONDER && freeFirst != tp;
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

bool ParamDatabase::FindTransponderOwner(int tp, int &owner) const
{
    owner = NO_SATELLITE;
    const auto &sats = m_img->satellites;
    const auto &tps = m_img->transponders;
    bool intact = true;
    const bool satsWalked = ChainLinks::Walk(
        m_img->satHeader.First(), NO_SATELLITE, [&](int i) { return sats[size_t(i)].Next(); },
        [&](int s) {
            const bool walked = ChainLinks::Walk(
                sats[size_t(s)].FirstTp(), NO_TRANSPONDER,
                [&](int i) { return tps[size_t(i)].Next(); },
                [&](int i) {
                    if (i == tp)
                        owner = s;
                    return i != tp;
                });
            intact = intact && walked;
            return walked && owner == NO_SATELLITE;
        });
    return satsWalked && intact;
}

bool ParamDatabase::ReleaseTransponder(int tp)
{
    const int t = tp & 0xFFFF;
    if (t >= NO_TRANSPONDER)
        return false;
    return Transaction([&] {
        // Without whole chains we could not tell whether a satellite still holds the record.
        int owner = NO_SATELLITE;
        if (!FindTransponderOwner(t, owner))
            return false;
        if (owner != NO_SATELLITE && !CanUnlinkTransponder(owner, t))
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
    if (tps[size_t(f)].InUse() || next > NO_TRANSPONDER || next == f)
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

    // The chain must be whole, and t must be on no satellite's chain yet, or the new link would
    // close a loop or give the record two owners.
    int owner = NO_SATELLITE;
    if (!FindTransponderOwner(t, owner) || owner != NO_SATELLITE)
        return false;
    int last = NO_TRANSPONDER;
    const bool walked = ChainLinks::Walk(sat.FirstTp(), NO_TRANSPONDER,
                                         [&](int i) { return tps[size_t(i)].Next(); },
                                         [&](int i) {
                                             last = i;
                                             return true;
                                         });
    if (!walked || last != sat.LastTp())
        return false;

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
