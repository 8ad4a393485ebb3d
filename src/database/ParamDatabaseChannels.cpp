// Channel deletion: the tool never creates channels, it only removes those of a deleted
// transponder from every chain they are on.
#include "database/ParamDatabase.h"

#include "database/ChainLinks.h"

using namespace DbLayout;

bool ParamDatabase::DeleteChannelsOfTransponder(int tp)
{
    const int t = tp & 0xFFFF;
    if (t >= NO_TRANSPONDER)
        return false;
    return Transaction([&] { return DeleteChannelsOfTransponderImpl(t); });
}

bool ParamDatabase::IndexChannels(ChannelsByTransponder &index) const
{
    const auto &chs = m_img->channels;
    const ChannelHeader &h = m_img->chHeader;
    // One walk per chain, each channel appended to its transponder's list as it is met. The
    // lists are zeroed arrays, cleared in one go rather than element by element.
    index.next = std::make_unique<int[]>(size_t(NO_CHANNEL));
    for (const int k : {0, 1}) {
        const bool kind1 = k == 0;
        index.first[k] = std::make_unique<int[]>(size_t(NO_TRANSPONDER));
        int *first = index.first[k].get();
        const auto last = std::make_unique<int[]>(size_t(NO_TRANSPONDER));
        int before = NO_CHANNEL;
        int steps = 0;
        bool whole = true;
        for (int cur = kind1 ? h.Kind1First() : h.OtherFirst(); whole && cur != NO_CHANNEL;
             before = cur, cur = chs[size_t(cur)].Next()) {
            if (cur < 0 || cur >= NO_CHANNEL || steps++ >= NO_CHANNEL) {
                whole = false;
                break;
            }
            const ChannelRecord &c = chs[size_t(cur)];
            whole = c.InUse() && c.IsKind1() == kind1 && c.Prev() == before;
            const int t = c.Transponder();
            if (!whole || t >= NO_TRANSPONDER)
                continue;
            int &tail = last[size_t(t)];
            (tail != 0 ? index.next[size_t(tail - 1)] : first[size_t(t)]) = cur + 1;
            tail = cur + 1;
        }
        index.whole[k] = whole;
    }
    return index.whole[0] || index.whole[1];
}

const ParamDatabase::ChannelsByTransponder *ParamDatabase::ChannelIndexInForce()
{
    if (!m_channelIndex)
        return nullptr;
    using State = ChannelIndex::State;
    if (m_channelIndex->state == State::Unmade)
        m_channelIndex->state = IndexChannels(m_channelIndex->byTransponder) ? State::Made : State::Unusable;
    return m_channelIndex->state == State::Made ? &m_channelIndex->byTransponder : nullptr;
}

bool ParamDatabase::DeleteChannelsOfTransponderImpl(int tp)
{
    const ChannelsByTransponder *index = ChannelIndexInForce();
    auto &chs = m_img->channels;
    const ChannelHeader &h = m_img->chHeader;
    for (const int k : {0, 1}) {
        if (index && index->whole[k]) {
            // Deleting a channel of a whole chain takes just that one off it, so the chain still
            // holds tp's channels in the order the walk below would meet them.
            for (int c = index->first[k][size_t(tp)]; c != 0; c = index->next[size_t(c - 1)])
                if (DeleteChannelImpl(c - 1) == Step::Refused)
                    return false;
            continue;
        }
        // One pass over the chain. The successor is read before a channel is deleted, which
        // deletes exactly what restarting from the head after every deletion would, in the same
        // order, without walking the head of the chain again each time.
        int cur = k == 0 ? h.Kind1First() : h.OtherFirst();
        for (int steps = 0; cur != NO_CHANNEL; ++steps) {
            if (cur < 0 || cur > NO_CHANNEL || steps >= NO_CHANNEL)
                return false;
            const int next = chs[size_t(cur)].Next();
            if (chs[size_t(cur)].Transponder() == tp && DeleteChannelImpl(cur) == Step::Refused)
                return false;
            cur = next;
        }
    }
    return true;
}

bool ParamDatabase::DeleteChannel(int ch)
{
    return DeleteChannelImpl(ch & 0xFFFF) != Step::Refused;
}

ParamDatabase::Step ParamDatabase::DeleteChannelImpl(int ch)
{
    ChannelHeader &h = m_img->chHeader;
    auto &chs = m_img->channels;
    if (ch < 0 || ch >= NO_CHANNEL || h.Kind1Count() + h.OtherCount() == 0
        || !chs[size_t(ch)].InUse())
        return Step::Nothing;

    ChannelRecord &rec = chs[size_t(ch)];
    const bool kind1 = rec.IsKind1();
    const int sat = rec.Satellite();
    if (sat >= NO_SATELLITE)
        return Step::Refused;
    SatelliteRecord &satRec = m_img->satellites[size_t(sat)];

    auto next = [&](int i) { return chs[size_t(i)].Next(); };
    auto prev = [&](int i) { return chs[size_t(i)].Prev(); };
    auto setNext = [&](int i, int v) { chs[size_t(i)].SetNext(v); };
    auto setPrev = [&](int i, int v) { chs[size_t(i)].SetPrev(v); };
    auto satNext = [&](int i) { return chs[size_t(i)].SatNext(); };
    auto satPrev = [&](int i) { return chs[size_t(i)].SatPrev(); };
    auto setSatNext = [&](int i, int v) { chs[size_t(i)].SetSatNext(v); };
    auto setSatPrev = [&](int i, int v) { chs[size_t(i)].SetSatPrev(v); };

    const ChainLinks::Ends global = kind1 ? ChainLinks::Ends{h.Kind1First(), h.Kind1Last()}
                                          : ChainLinks::Ends{h.OtherFirst(), h.OtherLast()};
    const int globalCount = kind1 ? h.Kind1Count() : h.OtherCount();
    const ChainLinks::Ends own = kind1
        ? ChainLinks::Ends{satRec.Kind1First(), satRec.Kind1Last()}
        : ChainLinks::Ends{satRec.OtherFirst(), satRec.OtherLast()};
    const int ownCount = kind1 ? satRec.Kind1Count() : satRec.OtherCount();
    const int freeFirst = h.FreeFirst();

    // Every chain the channel claims to be on must agree before any link is changed.
    if (globalCount == 0 || ownCount == 0 || freeFirst > NO_CHANNEL || freeFirst == ch
        || (freeFirst != NO_CHANNEL && chs[size_t(freeFirst)].InUse())
        || !ChainLinks::CanUnlink(ch, NO_CHANNEL, global, next, prev)
        || !ChainLinks::CanUnlink(ch, NO_CHANNEL, own, satNext, satPrev))
        return Step::Refused;
    for (int g = 0; g < GROUP_COUNT; ++g) {
        if (!rec.InGroup(g))
            continue;
        if (h.GroupCount(g) == 0
            || !ChainLinks::CanUnlink(ch, NO_CHANNEL, {h.GroupFirst(g), h.GroupLast(g)},
                                      [&](int i) { return chs[size_t(i)].GroupNext(g); },
                                      [&](int i) { return chs[size_t(i)].GroupPrev(g); }))
            return Step::Refused;
    }

    const ChainLinks::Ends g1 = ChainLinks::Unlink(ch, NO_CHANNEL, global, next, prev, setNext,
                                                   setPrev);
    if (kind1) {
        h.SetKind1First(g1.first);
        h.SetKind1Last(g1.last);
        h.SetKind1Count(globalCount - 1);
    } else {
        h.SetOtherFirst(g1.first);
        h.SetOtherLast(g1.last);
        h.SetOtherCount(globalCount - 1);
    }

    const ChainLinks::Ends s1 = ChainLinks::Unlink(ch, NO_CHANNEL, own, satNext, satPrev,
                                                   setSatNext, setSatPrev);
    if (kind1) {
        satRec.SetKind1First(s1.first);
        satRec.SetKind1Last(s1.last);
        satRec.SetKind1Count(ownCount - 1);
    } else {
        satRec.SetOtherFirst(s1.first);
        satRec.SetOtherLast(s1.last);
        satRec.SetOtherCount(ownCount - 1);
    }

    for (int g = 0; g < GROUP_COUNT; ++g) {
        if (!rec.InGroup(g))
            continue;
        const ChainLinks::Ends e = ChainLinks::Unlink(
            ch, NO_CHANNEL, {h.GroupFirst(g), h.GroupLast(g)},
            [&](int i) { return chs[size_t(i)].GroupNext(g); },
            [&](int i) { return chs[size_t(i)].GroupPrev(g); },
            [&](int i, int v) { chs[size_t(i)].SetGroupNext(g, v); },
            [&](int i, int v) { chs[size_t(i)].SetGroupPrev(g, v); });
        h.SetGroupFirst(g, e.first);
        h.SetGroupLast(g, e.last);
        h.SetGroupCount(g, h.GroupCount(g) - 1);
    }

    if (freeFirst != NO_CHANNEL)
        chs[size_t(freeFirst)].SetPrev(ch);
    rec.SetNext(freeFirst);
    rec.SetPrev(NO_CHANNEL);
    rec.SetInUse(0);
    h.SetFreeFirst(ch);
    return Step::Done;
}
