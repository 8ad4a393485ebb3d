// Satellite operations: add, delete, read and write a satellite slot.
#include "database/ParamDatabase.h"

#include "database/ChainLinks.h"

using namespace DbLayout;

bool ParamDatabase::AddSatellite(const SatelliteRecord &record, int &slot)
{
    slot = NO_SATELLITE;
    SatelliteHeader &h = m_img->satHeader;
    auto &sats = m_img->satellites;
    const int f = h.FreeFirst();
    const int count = h.Count();
    if (f >= NO_SATELLITE || count >= NO_SATELLITE)
        return false;
    // Refuse what would tie the new slot into a damaged chain.
    SatelliteRecord &rec = sats[size_t(f)];
    const int freeNext = rec.Next();
    if (rec.InUse() || freeNext > NO_SATELLITE || freeNext == f
        || (freeNext != NO_SATELLITE && sats[size_t(freeNext)].InUse()))
        return false;
    if (count == 0) {
        if (h.First() != NO_SATELLITE || h.Last() != NO_SATELLITE)
            return false;
    } else {
        const int last = h.Last();
        if (last >= NO_SATELLITE || last == f || !sats[size_t(last)].InUse()
            || sats[size_t(last)].Next() != NO_SATELLITE)
            return false;
    }

    if (count == 0) {
        h.SetFirst(f);
        h.SetLast(f);
        rec.SetPrev(NO_SATELLITE);
    } else {
        sats[size_t(h.Last())].SetNext(f);
        rec.SetPrev(h.Last());
        h.SetLast(f);
    }
    h.SetFreeFirst(freeNext);
    if (freeNext != NO_SATELLITE)
        sats[size_t(freeNext)].SetPrev(NO_SATELLITE);
    rec.SetNext(NO_SATELLITE);

    rec.SetName(record.Name());
    rec.SetPosition(record.Position());
    rec.SetSlot(f);
    rec.SetSetupByte(record.SetupByte());
    rec.SetInUse(1);
    rec.ClearChains();

    slot = f;
    h.SetCount(count + 1);
    return true;
}

bool ParamDatabase::DeleteSatellite(int slot)
{
    const int s = slot & 0xFF;
    SatelliteHeader &h = m_img->satHeader;
    if (s >= NO_SATELLITE || h.First() == NO_SATELLITE || h.Count() == 0 || !ValidSatellite(s))
        return false;

    auto &sats = m_img->satellites;
    auto nextOf = [&](int i) { return sats[size_t(i)].Next(); };
    auto prevOf = [&](int i) { return sats[size_t(i)].Prev(); };
    const ChainLinks::Ends ends{h.First(), h.Last()};
    const int freeFirst = h.FreeFirst();
    if (!ChainLinks::CanUnlink(s, NO_SATELLITE, ends, nextOf, prevOf) || freeFirst > NO_SATELLITE
        || freeFirst == s || (freeFirst != NO_SATELLITE && sats[size_t(freeFirst)].InUse()))
        return false;

    return Transaction([&] {
        SatelliteRecord &rec = sats[size_t(s)];
        if (!TransponderChain(s).complete) {
            if (!DropDamagedTransponders(s))
                return false;
        } else if (rec.FirstTp() != NO_TRANSPONDER) {
            DeleteSatelliteTranspondersImpl(s);
        }
        // Whatever still hangs on the satellite would be left pointing at a free slot.
        if (rec.FirstTp() != NO_TRANSPONDER || rec.Kind1Count() != 0 || rec.OtherCount() != 0
            || rec.Kind1First() != NO_CHANNEL || rec.OtherFirst() != NO_CHANNEL)
            return false;

        const ChainLinks::Ends left = ChainLinks::Unlink(
            s, NO_SATELLITE, ends, nextOf, prevOf,
            [&](int i, int v) { sats[size_t(i)].SetNext(v); },
            [&](int i, int v) { sats[size_t(i)].SetPrev(v); });
        h.SetFirst(left.first);
        h.SetLast(left.last);

        if (freeFirst != NO_SATELLITE)
            sats[size_t(freeFirst)].SetPrev(s);
        rec.SetNext(freeFirst);
        rec.SetPrev(NO_SATELLITE);
        rec.SetInUse(0);
        h.SetFreeFirst(s);

        rec.ClearChains();
        h.SetCount(h.Count() - 1);
        return true;
    });
}

bool ParamDatabase::GetSatellite(int slot, SatelliteRecord &record) const
{
    const int s = slot & 0xFF;
    if (!ValidSatellite(s))
        return false;
    record = m_img->satellites[size_t(s)];
    return true;
}

bool ParamDatabase::SetSatellite(int slot, const SatelliteRecord &record)
{
    const int s = slot & 0xFF;
    if (!ValidSatellite(s))
        return false;
    m_img->satellites[size_t(s)] = record;
    return true;
}

bool ParamDatabase::DeleteSatelliteTransponders(int slot)
{
    const int s = slot & 0xFF;
    if (s >= NO_SATELLITE || m_img->tpHeader.Count() == 0)
        return false;
    return Transaction([&] { return DeleteSatelliteTranspondersImpl(s); });
}

bool ParamDatabase::DeleteSatelliteTranspondersImpl(int s)
{
    if (s >= NO_SATELLITE || m_img->tpHeader.Count() == 0)
        return false;
    const SatelliteRecord &rec = m_img->satellites[size_t(s)];
    return WithChannelIndex([&] {
        // Each round must take the first transponder off; one that stays means a damaged chain.
        for (int round = 0; rec.FirstTp() != NO_TRANSPONDER; ++round) {
            const int first = rec.FirstTp();
            if (round >= NO_TRANSPONDER || DeleteTransponderImpl(s, first) != Step::Done
                || rec.FirstTp() == first)
                return false;
        }
        return true;
    });
}
