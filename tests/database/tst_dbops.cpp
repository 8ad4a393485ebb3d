// The image's byte layout, and the record operations on hand-made databases: the ends of the
// tables, the free-chain order, damage that stays where it is, and the checker's findings.
#include "DbTestUtil.h"
#include "SampleDatabase.h"

#include <algorithm>
#include <functional>
#include <random>

using namespace DbLayout;
using namespace DbTestUtil;

namespace {

template <typename Rec> Rec FromBytes(std::initializer_list<int> bytes, int offset)
{
    Rec r;
    int i = offset;
    for (int b : bytes)
        r.raw[size_t(i++)] = quint8(b);
    return r;
}

// One named bit field sharing a word with others: where it lives and how the record type sets it.
template <typename Rec> struct Field {
    const char *name;
    int offset, lo, width;
    void (Rec::*set)(int);
};

// Each field of a randomly filled record set to random values: exactly its own bits change.
template <typename Rec> void CheckFieldsKeepOtherBits(const std::vector<Field<Rec>> &fields)
{
    std::mt19937 rng(7);
    for (const Field<Rec> &f : fields) {
        for (int round = 0; round < 20; ++round) {
            Rec r;
            for (auto &b : r.raw)
                b = quint8(rng());
            Rec expected = r;
            const quint32 value = quint32(rng()) & LeBits::Mask(f.width), mask = LeBits::Mask(f.width) << f.lo;
            (r.*f.set)(int(value));
            quint8 *word = expected.raw.data() + f.offset;
            LeBits::Set32(word, (LeBits::Get32(word) & ~mask) | value << f.lo);
            QVERIFY2(r.raw == expected.raw, f.name);
        }
    }
}

} // namespace

class TestDbOps : public QObject
{
    Q_OBJECT
public: // Q_ENUM needs it
    enum Damage { BLoops, BMemberFree, BLinkOutOfRange, NextFreeTpLive, NextFreeSlotLive, FreeTpHeadLive, FreeSlotHeadLive, FreeChannelHeadLive,
                  FreeTpHeadOutside, FreeSlotHeadOutside, BBackLinkWrong, BLoopsFreeHeadLive, Kind1ChainLoops, Kind1LinkOutOfRange, BLinksPastItsEnd, BChannelOnMissingSatellite, FreeSlotLinksToItself,
                  TpCountAtTheTableSize, BChannelSatBackLinkWrong };
    Q_ENUM(Damage)

private slots:
    void recordFields()
    {
        const auto tp = FromBytes<TransponderRecord>({0x09, 0x00, 0xE2, 0x84}, 8);
        QCOMPARE((QVector<int>{tp.Polarisation(), tp.Next(), tp.Prev(), tp.SpareBits(), tp.InUse()}), (QVector<int>{1, 2, NO_TRANSPONDER, 0, 1}));
        const auto sat = FromBytes<SatelliteRecord>({0x03, 0x40, 0xC0, 0x10}, 8);
        QCOMPARE((QVector<int>{sat.Next(), sat.Prev(), sat.Position(), sat.InUse()}), (QVector<int>{3, NO_SATELLITE, 192, 1}));
        const auto ch = FromBytes<ChannelRecord>({0x05, 0xE8, 0x3B, 0x00}, 8);
        QCOMPARE((QVector<int>{ch.Groups(), ch.InGroup(0), ch.InGroup(1), ch.InGroup(2), ch.InGroup(3), ch.Next(), ch.Prev()}),
                 (QVector<int>{0b000101, 1, 0, 1, 0, NO_CHANNEL, 7}));

        // Setters change their own bits only.
        using S = SatelliteRecord;
        CheckFieldsKeepOtherBits<S>({{"lastTp", 0, 16, 16, &S::SetLastTp}, {"setupByte", 4, 16, 8, &S::SetSetupByte},
                                     {"slot", 4, 24, 8, &S::SetSlot}, {"next", 8, 0, 8, &S::SetNext},
                                     {"prev", 8, 8, 8, &S::SetPrev}, {"position", 8, 16, 12, &S::SetPosition},
                                     {"inUse", 8, 28, 1, &S::SetInUse}, {"otherLast", 20, 16, 16, &S::SetOtherLast}});
        using T = TransponderRecord;
        CheckFieldsKeepOtherBits<T>({{"polarisation", 8, 0, 2, &T::SetPolarisation}, {"next", 8, 2, 13, &T::SetNext},
                                     {"prev", 8, 15, 13, &T::SetPrev}, {"spare", 8, 28, 3, &T::SetSpareBits}, {"inUse", 8, 31, 1, &T::SetInUse}});
        using C = ChannelRecord;
        CheckFieldsKeepOtherBits<C>({{"transponder", 0, 16, 16, &C::SetTransponder}, {"kind", 4, 0, 2, &C::SetKind},
                                     {"inUse", 4, 30, 1, &C::SetInUse}, {"groups", 8, 0, 6, &C::SetGroups},
                                     {"next", 8, 6, 13, &C::SetNext}, {"prev", 8, 19, 13, &C::SetPrev},
                                     {"satellite", 12, 13, 8, &C::SetSatellite}, {"satPrev", 16, 13, 13, &C::SetSatPrev}});

        // Names: 16 characters have no terminator; bytes after a terminator keep their content.
        SatelliteRecord r;
        r.raw.fill(0xAA);
        r.SetName("SES-5 / ASTRA 4A");
        QCOMPARE(r.Name(), QByteArray("SES-5 / ASTRA 4A"));
        QCOMPARE(r.raw[SatelliteRecord::NAME_OFFSET - 1], quint8(0xAA));
        r.SetName("ASTRA 1KR");
        QCOMPARE(r.Name(), QByteArray("ASTRA 1KR"));
        QCOMPARE(r.raw[24 + 9], quint8(0));
        QCOMPARE(r.raw[24 + 10], quint8('T'));
        r.SetName(QByteArray("A NAME THAT IS FAR TOO LONG"));
        QCOMPARE(r.Name(), QByteArray("A NAME THAT IS F"));
    }

    void recordsLandAtTheirFileOffsets()
    {
        ParamDatabase db;
        db.SatelliteAt(5)->SetFirstTp(0x1234);
        db.TransponderAt(2499)->SetFrequency(0xA1B2C3D4);
        db.ChannelAt(3999)->SetGroupPrev(3, 0x5678);
        db.TpHeader().SetCount(0x0102);
        db.ChHeader().SetKind1Count(0x0304);
        db.SatHeader().SetCount(0x3F);
        const QByteArray b = db.ToBytes();
        QCOMPARE(b.size(), IMAGE_SIZE);
        auto u16 = [&](int off) { return quint32(LeBits::Get16(reinterpret_cast<const quint8 *>(b.constData() + off))); };
        QCOMPARE((QVector<quint32>{u16(644 + 5 * 40), LeBits::Get32(reinterpret_cast<const quint8 *>(b.constData() + 3208 + 2499 * 12 + 4)),
                                   u16(33248 + 3999 * 52 + 34), u16(3204 + 2), u16(33208 + 36), quint8(b[632 + 3])}),
                 (QVector<quint32>{0x1234, 0xA1B2C3D4, 0x5678, 0x0102, 0x0304, 0x3F}));

        const ParamDatabase &c = db; // the const accessors bound their index as well
        QVERIFY(!db.SatelliteAt(64) && !db.SatelliteAt(-1) && c.SatelliteAt(0) && !c.SatelliteAt(64) && !c.SatelliteAt(-1));
        QVERIFY(!db.TransponderAt(2500) && !db.ChannelAt(4000) && c.TransponderAt(0) && !c.TransponderAt(2500) && c.ChannelAt(0) && !c.ChannelAt(4000));
    }

    void satelliteTableFromEmptyToFull()
    {
        ParamDatabase db;
        SatelliteRecord rec;
        rec.raw.fill(0x5A); // links and counts of the caller's record must not be taken over
        rec.SetName("ASTRA 2E");
        rec.SetPosition(282);
        SatelliteRecord &target = *db.SatelliteAt(0);
        target.raw[8 + 3] |= 0xE0, target.SetPrev(7); // bits 29..31 of the link word keep their content; a stale back link goes
        int slot = -1;
        QVERIFY(db.AddSatellite(rec, slot));
        QCOMPARE(slot, 0);
        QCOMPARE((QVector<int>{target.Next(), target.Prev(), target.Position(), target.Slot(), target.FirstTp(),
                               target.TpCount(), target.Kind1First(), target.raw[11] & 0xE0}),
                 (QVector<int>{NO_SATELLITE, NO_SATELLITE, 282, 0, NO_TRANSPONDER, 0, NO_CHANNEL, 0xE0}));
        // Deleting the only satellite empties the chain and puts the slot back at the free head.
        QVERIFY(db.DeleteSatellite(0));
        VERIFY_CONSISTENT(db);
        QCOMPARE((QVector<int>{db.SatHeader().First(), db.SatHeader().FreeFirst(), db.SatelliteAt(1)->Prev()}), (QVector<int>{NO_SATELLITE, 0, 0}));
        QCOMPARE(target.Name(), QByteArray("ASTRA 2E")); // kept as it was

        // A full table refuses and changes nothing.
        for (int i = 0; i < NO_SATELLITE; ++i) {
            const int added = AddSat(db, "SAT", i);
            QVERIFY(added != NO_SATELLITE && db.SatelliteAt(added)->Slot() == added);
        }
        VERIFY_CONSISTENT(db);
        const QByteArray before = db.ToBytes();
        QVERIFY(!db.AddSatellite(rec, slot));
        QCOMPARE(slot, NO_SATELLITE);
        QCOMPARE(db.ToBytes(), before);
    }

    void deletingASatelliteWithTranspondersAndChannels()
    {
        ParamDatabase db;
        const int keep = AddSat(db, "HOTBIRD 13C", 130);
        const int gone = AddSat(db, "ASTRA 1KR", 192);
        const int keepTp = AddTp(db, keep, 11034000);
        const std::vector<int> tps{AddTp(db, gone, 10700000), AddTp(db, gone, 10701000), AddTp(db, gone, 10702000), AddTp(db, gone, 10703000)};
        // Channels of every kind, interleaved with the other satellite's, in several groups.
        std::vector<int> goneChannels;
        goneChannels.reserve(16);
        for (int i = 0; i < 16; ++i) {
            ChannelMaker::Append(db, keepTp, keep, i % 4, (i * 5) & 0xF);
            goneChannels.push_back(ChannelMaker::Append(db, tps[size_t(i % 4)], gone, (i + 1) % 4, i & 0xF));
        }
        VERIFY_CONSISTENT(db);
        const std::vector<int> freeBefore = FreeTransponders(db);

        QVERIFY(db.DeleteSatellite(gone));
        VERIFY_CONSISTENT(db);
        // Deleted first to last, each put at the front: the last one deleted leads the chain.
        std::vector<int> expectFree(tps.rbegin(), tps.rend());
        expectFree.insert(expectFree.end(), freeBefore.begin(), freeBefore.end());
        QCOMPARE(FreeTransponders(db), expectFree);
        QCOMPARE(db.TransponderAt(expectFree[1])->Prev(), expectFree[0]); // back links beyond the head too
        for (int c : goneChannels)
            QCOMPARE(db.ChannelAt(c)->InUse(), 0);
        // Freed channels go to the front of their free chain as well.
        QCOMPARE(int(std::count(goneChannels.begin(), goneChannels.end(), db.ChHeader().FreeFirst())), 1);
        QCOMPARE(db.ChHeader().Kind1Count() + db.ChHeader().OtherCount(), 16);
        QCOMPARE(db.SatelliteChain().indices, std::vector<int>{keep});
    }

    void damageStaysWhereItIs_data()
    {
        QTest::addColumn<int>("damage");
        const QMetaEnum damages = QMetaEnum::fromType<Damage>();
        for (int i = 0; i < damages.keyCount(); ++i)
            QTest::newRow(damages.key(i)) << damages.value(i);
    }

    void damageStaysWhereItIs()
    {
        QFETCH(int, damage);
        ParamDatabase db;
        const int a = AddSat(db, "A", 1);
        const int b = AddSat(db, "B", 2);
        const int a1 = AddTp(db, a, 11000000);
        const int chA = ChannelMaker::Append(db, AddTp(db, a, 11100000), a, 1, 1);
        const int b1 = AddTp(db, b, 12000000);
        const int b2 = AddTp(db, b, 12100000);
        const int chB = ChannelMaker::Append(db, b2, b, 1, 1);
        if (damage <= BLinkOutOfRange) {
            // One satellite's damaged chain: the others stay editable, and it can be deleted.
            TransponderRecord &r = *db.TransponderAt(damage == BLoops ? b2 : b1);
            damage == BLoops ? r.SetNext(b1) : damage == BMemberFree ? r.SetInUse(0) : r.SetNext(4000);
            QVERIFY(db.ReleaseTransponder(a1));
            QVERIFY(AddTp(db, a, 11200000) != NO_TRANSPONDER);
            QVERIFY(db.DeleteSatellite(b));
            VERIFY_CONSISTENT(db);
            return;
        }
        // A free chain leading into live records or out of the table, a back link that disagrees,
        // a chain that loops: the step that would link into it or walk it refuses, changing nothing.
        auto refuses = [&](const std::function<bool()> &step) {
            const QByteArray before = db.ToBytes();
            QVERIFY(!step());
            QCOMPARE(db.ToBytes(), before);
        };
        SatelliteRecord rec;
        int slot = 0;
        auto allocates = [&] { return db.AllocateTransponder() != NO_TRANSPONDER; };
        auto addsSat = [&] { return db.AddSatellite(rec, slot); };
        switch (damage) {
        case NextFreeTpLive: db.TransponderAt(db.TpHeader().FreeFirst())->SetNext(b2); return refuses(allocates);
        case NextFreeSlotLive: db.SatelliteAt(db.SatHeader().FreeFirst())->SetNext(b); return refuses(addsSat);
        case FreeTpHeadLive: db.TpHeader().SetFreeFirst(b2); return refuses([&] { return db.ReleaseTransponder(a1); });
        case FreeSlotHeadLive: db.SatHeader().SetFreeFirst(b); return refuses([&] { return db.DeleteSatellite(a); });
        case FreeChannelHeadLive: db.ChHeader().SetFreeFirst(chB); return refuses([&] { return db.DeleteChannel(chA); });
        case FreeTpHeadOutside: db.TpHeader().SetFreeFirst(3000); return refuses(allocates);
        case FreeSlotHeadOutside: db.SatHeader().SetFreeFirst(200); return refuses([&] { return addsSat() || db.DeleteSatellite(a); });
        case BBackLinkWrong: db.TransponderAt(b2)->SetPrev(a1); return refuses([&] { return db.DeleteTransponder(b, b2); });
        case BLoopsFreeHeadLive:
            db.TransponderAt(b2)->SetNext(b1);
            db.TpHeader().SetFreeFirst(a1);
            return refuses([&] { return db.DeleteSatellite(b); });
        case Kind1ChainLoops: db.ChannelAt(chB)->SetNext(chA); return refuses([&] { return db.DeleteChannelsOfTransponder(b1); });
        case Kind1LinkOutOfRange: db.ChannelAt(chB)->SetNext(4095); return refuses([&] { return db.DeleteSatellite(b); });
        case BLinksPastItsEnd: db.SatelliteAt(b)->SetNext(a); return refuses(addsSat);
        case BChannelOnMissingSatellite: db.ChannelAt(chB)->SetSatellite(200); return refuses([&] { return db.DeleteChannelsOfTransponder(b2); });
        case FreeSlotLinksToItself: db.SatelliteAt(db.SatHeader().FreeFirst())->SetNext(db.SatHeader().FreeFirst()); return refuses(addsSat);
        case BChannelSatBackLinkWrong: db.ChannelAt(chB)->SetSatPrev(chA); return refuses([&] { return db.DeleteChannel(chB); });
        case TpCountAtTheTableSize: { // the header counts every record already: nothing more is linked
            const int t = db.AllocateTransponder();
            db.TransponderAt(t)->SetInUse(1);
            db.TpHeader().SetCount(NO_TRANSPONDER);
            return refuses([&] { return db.AppendTransponder(a, t); });
        }
        }
    }

    void checkerReportsEachKindOfDamage()
    {
        ParamDatabase db;
        SampleDatabase::Fill(db, {3, 10, 20, 500});
        VERIFY_CONSISTENT(db);
        const QByteArray good = db.ToBytes();
        const int s = db.SatelliteChain().indices.at(1);
        const int tps = db.SatelliteAt(s)->TpCount();
        const int tp = db.TransponderChain(s).indices.at(0);
        const int ch = db.ChannelAt(db.ChHeader().OtherFirst())->Next();
        const QString sat = QString::number(s), tpc = QString::number(tp), chc = QString::number(ch);
        const std::vector<std::pair<QString, std::function<void()>>> damages{
            {"satellite chain: holds 10 records but its count is 11", [&] { db.SatHeader().SetCount(db.SatHeader().Count() + 1); }},
            {"transponders of satellite " + sat + ": holds 3 records but its count is 4", [&] { db.SatelliteAt(s)->SetTpCount(tps + 1); }},
            {"transponders of satellite " + sat + ": record " + tpc + " links back to 7 instead of 2500", [&] { db.TransponderAt(tp)->SetPrev(7); }},
            {"satellite chain: record " + sat + " links back to 64 instead of 8", [&] { db.SatelliteAt(s)->SetPrev(NO_SATELLITE); }},
            {"other-kind channel chain: channel " + chc + " is of kind 1", [&] { db.ChannelAt(ch)->SetKind(1); }},
            {"channel " + chc + " is not on group chain 0", [&] { db.ChannelAt(ch)->SetGroups(db.ChannelAt(ch)->Groups() ^ 1); }},
            {"channel " + chc + " is on transponder 382, which is not a transponder of its satellite 28",
             [&] { db.ChannelAt(ch)->SetTransponder(db.TpHeader().FreeFirst()); }},
            {"group 2 channel chain: holds 252 records but its count is 253", [&] { db.ChHeader().SetGroupCount(2, db.ChHeader().GroupCount(2) + 1); }},
            {"channel 0 is free but not on the free chain", [&] { db.ChHeader().SetFreeFirst(NO_CHANNEL); }},
            {"free satellite chain: slot 16 is in use", [&] { db.SatelliteAt(db.SatHeader().FreeFirst())->SetInUse(1); }},
            {"other-kind channel chain: link 4095 after record " + chc + " is out of range", [&] { db.ChannelAt(ch)->SetNext(4095); }},
            {"channel " + chc + " is on transponder 2500, which is not a transponder of its satellite 28", [&] { db.ChannelAt(ch)->SetTransponder(NO_TRANSPONDER); }},
            // A free chain promises its back link at the head only.
            {"free transponder chain: record 382 links back to 7 instead of 2500", [&] { db.TransponderAt(db.TpHeader().FreeFirst())->SetPrev(7); }},
            {"", [&] { db.TransponderAt(db.TransponderAt(db.TpHeader().FreeFirst())->Next())->SetPrev(7); }},
        };
        for (const auto &[report, damage] : damages) {
            QVERIFY(db.FromBytes(good));
            damage();
            const QStringList found = DatabaseChecker::Check(db);
            QVERIFY2(report.isEmpty() ? found.isEmpty() : found.contains(report), qPrintable(report + " not in: " + found.mid(0, 3).join("; ")));
        }
        // Beyond the cap, one line tells how many more.
        QVERIFY(db.FromBytes(good));
        db.SatHeader().SetCount(11);
        db.TpHeader().SetCount(0);
        const QStringList two{"satellite chain: holds 10 records but its count is 11", "transponder count is 0 but the satellites hold 85"};
        QCOMPARE(DatabaseChecker::Check(db, 2), two);
        QCOMPARE(DatabaseChecker::Check(db, 1), (QStringList{two[0], "... and 1 more"}));
        // The index that deletions in bulk go by leaves out a channel on no transponder, and
        // stops at a link out of range.
        QVERIFY(db.FromBytes(good));
        db.ChannelAt(ch)->SetTransponder(NO_TRANSPONDER);
        QVERIFY(db.DeleteSatelliteTransponders(s) && db.ChannelAt(ch)->InUse());
        QVERIFY(db.FromBytes(good));
        db.ChannelAt(ch)->SetNext(4095);
        QVERIFY(!db.DeleteSatelliteTransponders(s));
    }

    // A freed slot keeps no chain ends, even stale ones its empty chains still named.
    void deletedSlotHasEmptyChains()
    {
        ParamDatabase db;
        const int s = AddSat(db, "A", 1);
        db.SatelliteAt(s)->SetKind1Last(7);
        db.SatelliteAt(s)->SetOtherLast(9);
        QVERIFY(db.DeleteSatellite(s));
        QCOMPARE(QVector<int>({db.SatelliteAt(s)->Kind1Last(), db.SatelliteAt(s)->OtherLast()}), QVector<int>({NO_CHANNEL, NO_CHANNEL}));
    }
};

QTEST_GUILESS_MAIN(TestDbOps)
#include "tst_dbops.moc"
