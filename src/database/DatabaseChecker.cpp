#include "database/DatabaseChecker.h"

#include "database/ParamDatabase.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

using namespace DbLayout;

namespace {

class Checker
{
public:
    Checker(const ParamDatabase &db, int maxReports) : m_img(db.Image()), m_max(maxReports) {}

    QStringList Run()
    {
        CheckSatellites();
        CheckTransponders();
        CheckChannels();
        if (m_dropped > 0)
            m_reports << DatabaseChecker::tr("... and %1 more").arg(m_dropped);
        return m_reports;
    }

private:
    // Texts are made only for the reports kept: a badly damaged image has thousands.
    template <typename Text>
    void Report(Text &&text)
    {
        if (m_reports.size() < m_max)
            m_reports << text();
        else
            ++m_dropped;
    }

    // Walks one chain, reporting broken links, loops, wrong back links, a wrong tail and a wrong
    // count. Free chains (last < 0: no tail recorded) only promise a back link to the sentinel at
    // their head; count < 0: no count to compare. name() gives the chain's name for a report.
    template <typename Name, typename NextOf, typename PrevOf, typename Member>
    void Walk(const Name &name, int first, int last, int count, int sentinel, NextOf next, PrevOf prev,
              Member member)
    {
        const bool isFree = last < 0;
        // Marks of this walk: one table for every walk, told apart by the walk's number.
        ++m_walk;
        int cur = first;
        int before = sentinel;
        int length = 0;
        while (cur != sentinel) {
            if (cur < 0 || cur > sentinel) {
                Report([&] {
                    return DatabaseChecker::tr("%1: link %2 after record %3 is out of range").arg(name()).arg(cur).arg(before);
                });
                return;
            }
            if (m_seen[size_t(cur)] == m_walk) {
                Report([&] { return DatabaseChecker::tr("%1: loops back to record %2").arg(name()).arg(cur); });
                return;
            }
            m_seen[size_t(cur)] = m_walk;
            if ((!isFree || length == 0) && prev(cur) != before)
                Report([&] {
                    return DatabaseChecker::tr("%1: record %2 links back to %3 instead of %4")
                        .arg(name()).arg(cur).arg(prev(cur)).arg(before);
                });
            member(cur);
            before = cur;
            cur = next(cur);
            ++length;
        }
        if (!isFree && last != before)
            Report([&] { return DatabaseChecker::tr("%1: ends at %2 but its last is %3").arg(name()).arg(before).arg(last); });
        if (count >= 0 && count != length)
            Report([&] {
                return DatabaseChecker::tr("%1: holds %2 records but its count is %3").arg(name()).arg(length).arg(count);
            });
    }

    void CheckSatellites()
    {
        const SatelliteHeader &h = m_img.satHeader;
        const auto &sats = m_img.satellites;
        m_satOnChain.assign(NO_SATELLITE, 0);
        std::vector<char> onFree(NO_SATELLITE, 0);
        auto next = [&](int i) { return sats[size_t(i)].Next(); };
        auto prev = [&](int i) { return sats[size_t(i)].Prev(); };
        Walk([] { return DatabaseChecker::tr("satellite chain"); }, h.First(), h.Last(), h.Count(), NO_SATELLITE,
             next, prev, [&](int i) {
                 if (!sats[size_t(i)].InUse())
                     Report([&] { return DatabaseChecker::tr("satellite chain: slot %1 is not in use").arg(i); });
                 m_satOnChain[size_t(i)] = 1;
                 m_liveSats.push_back(i);
             });
        Walk([] { return DatabaseChecker::tr("free satellite chain"); }, h.FreeFirst(), -1, -1, NO_SATELLITE, next,
             prev, [&](int i) {
                 if (sats[size_t(i)].InUse() || m_satOnChain[size_t(i)])
                     Report([&] { return DatabaseChecker::tr("free satellite chain: slot %1 is in use").arg(i); });
                 onFree[size_t(i)] = 1;
             });
        for (int i = 0; i < NO_SATELLITE; ++i) {
            if (sats[size_t(i)].InUse() && !m_satOnChain[size_t(i)])
                Report([&] { return DatabaseChecker::tr("satellite %1 is in use but not on the satellite chain").arg(i); });
            if (!sats[size_t(i)].InUse() && !onFree[size_t(i)])
                Report([&] { return DatabaseChecker::tr("satellite slot %1 is free but not on the free chain").arg(i); });
        }
    }

    void CheckTransponders()
    {
        const auto &sats = m_img.satellites;
        const auto &tps = m_img.transponders;
        m_tpOwner.assign(NO_TRANSPONDER, NO_SATELLITE);
        std::vector<char> onFree(NO_TRANSPONDER, 0);
        auto next = [&](int i) { return tps[size_t(i)].Next(); };
        auto prev = [&](int i) { return tps[size_t(i)].Prev(); };
        int total = 0;
        for (int s : m_liveSats) {
            const SatelliteRecord &sat = sats[size_t(s)];
            total += sat.TpCount();
            Walk([s] { return DatabaseChecker::tr("transponders of satellite %1").arg(s); }, sat.FirstTp(), sat.LastTp(),
                 sat.TpCount(), NO_TRANSPONDER, next, prev, [&, s](int i) {
                     if (!tps[size_t(i)].InUse())
                         Report([&] { return DatabaseChecker::tr("transponder %1 of satellite %2 is not in use").arg(i).arg(s); });
                     if (m_tpOwner[size_t(i)] != NO_SATELLITE)
                         Report([&] {
                             return DatabaseChecker::tr("transponder %1 is on the chains of satellites %2 and %3")
                                 .arg(i).arg(m_tpOwner[size_t(i)]).arg(s);
                         });
                     m_tpOwner[size_t(i)] = s;
                 });
        }
        if (total != m_img.tpHeader.Count())
            Report([&] {
                return DatabaseChecker::tr("transponder count is %1 but the satellites hold %2")
                    .arg(m_img.tpHeader.Count()).arg(total);
            });
        Walk([] { return DatabaseChecker::tr("free transponder chain"); }, m_img.tpHeader.FreeFirst(), -1, -1,
             NO_TRANSPONDER, next, prev, [&](int i) {
                 if (tps[size_t(i)].InUse() || m_tpOwner[size_t(i)] != NO_SATELLITE)
                     Report([&] { return DatabaseChecker::tr("free transponder chain: record %1 is in use").arg(i); });
                 onFree[size_t(i)] = 1;
             });
        int lost = 0;
        for (int i = 0; i < NO_TRANSPONDER; ++i)
            if (m_tpOwner[size_t(i)] == NO_SATELLITE && !onFree[size_t(i)])
                ++lost;
        if (lost > 0)
            Report([&] { return DatabaseChecker::tr("%n transponder records are on no chain", nullptr, int(lost)); });
    }

    // A channel's marks: which chains the walks met it on, one bit each.
    enum Mark : quint8 { ON_KIND = 1, ON_SATELLITE = 2, ON_FREE = 4, ON_GROUP0 = 8 };

    void CheckChannels()
    {
        const ChannelHeader &h = m_img.chHeader;
        const auto &chs = m_img.channels;
        const auto &sats = m_img.satellites;
        std::vector<quint8> marks(NO_CHANNEL, 0);
        auto inUse = [&](int i) { return chs[size_t(i)].InUse() != 0; };

        auto next = [&](int i) { return chs[size_t(i)].Next(); };
        auto prev = [&](int i) { return chs[size_t(i)].Prev(); };
        for (const bool kind1 : {true, false}) {
            auto name = [kind1] {
                return kind1 ? DatabaseChecker::tr("kind-1 channel chain") : DatabaseChecker::tr("other-kind channel chain");
            };
            Walk(name, kind1 ? h.Kind1First() : h.OtherFirst(), kind1 ? h.Kind1Last() : h.OtherLast(),
                 kind1 ? h.Kind1Count() : h.OtherCount(), NO_CHANNEL, next, prev, [&](int i) {
                     if (!inUse(i))
                         Report([&] { return DatabaseChecker::tr("%1: channel %2 is not in use").arg(name()).arg(i); });
                     if (chs[size_t(i)].IsKind1() != kind1)
                         Report([&] {
                             return DatabaseChecker::tr("%1: channel %2 is of kind %3")
                                 .arg(name()).arg(i).arg(chs[size_t(i)].Kind());
                         });
                     marks[size_t(i)] |= ON_KIND;
                 });
        }

        auto satNext = [&](int i) { return chs[size_t(i)].SatNext(); };
        auto satPrev = [&](int i) { return chs[size_t(i)].SatPrev(); };
        for (int s : m_liveSats) {
            const SatelliteRecord &sat = sats[size_t(s)];
            for (const bool kind1 : {true, false}) {
                auto name = [kind1, s] {
                    return DatabaseChecker::tr("%1 channels of satellite %2")
                        .arg(kind1 ? DatabaseChecker::tr("kind-1") : DatabaseChecker::tr("other-kind"))
                        .arg(s);
                };
                Walk(name, kind1 ? sat.Kind1First() : sat.OtherFirst(), kind1 ? sat.Kind1Last() : sat.OtherLast(),
                     kind1 ? sat.Kind1Count() : sat.OtherCount(), NO_CHANNEL, satNext, satPrev, [&](int i) {
                         const ChannelRecord &c = chs[size_t(i)];
                         if (!inUse(i) || c.IsKind1() != kind1 || c.Satellite() != s)
                             Report([&] {
                                 return DatabaseChecker::tr("%1: channel %2 does not belong there").arg(name()).arg(i);
                             });
                         marks[size_t(i)] |= ON_SATELLITE;
                     });
            }
        }

        for (int g = 0; g < GROUP_COUNT; ++g) {
            auto name = [g] { return DatabaseChecker::tr("group %1 channel chain").arg(g); };
            const quint8 onGroup = quint8(ON_GROUP0 << g);
            Walk(name, h.GroupFirst(g), h.GroupLast(g), h.GroupCount(g), NO_CHANNEL,
                 [&, g](int i) { return chs[size_t(i)].GroupNext(g); },
                 [&, g](int i) { return chs[size_t(i)].GroupPrev(g); }, [&](int i) {
                     if (!inUse(i) || !chs[size_t(i)].InGroup(g))
                         Report([&] { return DatabaseChecker::tr("%1: channel %2 is not a member").arg(name()).arg(i); });
                     marks[size_t(i)] |= onGroup;
                 });
        }

        Walk([] { return DatabaseChecker::tr("free channel chain"); }, h.FreeFirst(), -1, -1, NO_CHANNEL, next, prev,
             [&](int i) {
                 if (inUse(i) || (marks[size_t(i)] & ON_KIND))
                     Report([&] { return DatabaseChecker::tr("free channel chain: channel %1 is in use").arg(i); });
                 marks[size_t(i)] |= ON_FREE;
             });

        // Every record is looked at, so the common case (on every chain it should be) costs one
        // comparison of its marks with the chains its fields name.
        constexpr int groupMask = (1 << GROUP_COUNT) - 1;
        for (int i = 0; i < NO_CHANNEL; ++i) {
            const ChannelRecord &c = chs[size_t(i)];
            const quint8 mark = marks[size_t(i)];
            if (!c.InUse()) {
                if (!(mark & ON_FREE))
                    Report([&] { return DatabaseChecker::tr("channel %1 is free but not on the free chain").arg(i); });
                continue;
            }
            const int groups = c.Groups() & groupMask;
            const int expected = ON_KIND | ON_SATELLITE | groups * ON_GROUP0;
            if ((mark & expected) != expected) {
                if (!(mark & ON_KIND))
                    Report([&] { return DatabaseChecker::tr("channel %1 is not on the chain of its kind").arg(i); });
                if (!(mark & ON_SATELLITE))
                    Report([&] {
                        return DatabaseChecker::tr("channel %1 is not on a chain of its satellite %2").arg(i).arg(c.Satellite());
                    });
                for (int g = 0; g < GROUP_COUNT; ++g)
                    if ((groups >> g & 1) && !(mark & (ON_GROUP0 << g)))
                        Report([&] { return DatabaseChecker::tr("channel %1 is not on group chain %2").arg(i).arg(g); });
            }
            const int tp = c.Transponder();
            if (tp >= NO_TRANSPONDER || m_tpOwner[size_t(tp)] != c.Satellite())
                Report([&] {
                    return DatabaseChecker::tr("channel %1 is on transponder %2, which is not a transponder "
                                               "of its satellite %3")
                        .arg(i).arg(tp).arg(c.Satellite());
                });
        }
    }

    const DbImage &m_img;
    const int m_max;
    QStringList m_reports;
    int m_dropped = 0;
    int m_walk = 0;
    std::vector<int> m_seen = std::vector<int>(size_t(std::max({NO_SATELLITE, NO_TRANSPONDER, NO_CHANNEL})), 0);
    std::vector<int> m_liveSats;
    std::vector<char> m_satOnChain;
    std::vector<int> m_tpOwner;
};

} // namespace

QStringList DatabaseChecker::Check(const ParamDatabase &db, int maxReports)
{
    return Checker(db, maxReports).Run();
}
