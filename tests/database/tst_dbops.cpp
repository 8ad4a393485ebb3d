// The record operations on hand-made databases: the cases where chains, free chains and counts
// are easiest to get wrong.
#include "DbTestUtil.h"
#include "SampleDatabase.h"

using namespace DbLayout;
using namespace DbTestUtil;

class TestDbOps : public QObject
{
    Q_OBJECT

private slots:
    // Adding, deleting and their chains are judged by the random-operation test; here the
    // records the caller must not leak into the table, the free slots, and the full table.
    void satelliteTableFromEmptyToFull()
    {
        ParamDatabase db;
        SatelliteRecord rec;
        rec.raw.fill(0x5A); // links and counts of the caller's record must not be taken over
        rec.SetName("ASTRA 1KR");
        rec.SetPosition(192);
        SatelliteRecord &target = *db.SatelliteAt(0);
        target.raw[8 + 3] |= 0xE0; // bits 29..31 of the link word keep their content
        int slot = -1;
        QVERIFY(db.AddSatellite(rec, slot));
        QCOMPARE(slot, 0);
        QCOMPARE((QVector<int>{target.Next(), target.Position(), target.Slot(), target.FirstTp(),
                               target.TpCount(), target.Kind1First(), target.raw[11] & 0xE0}),
                 (QVector<int>{NO_SATELLITE, 192, 0, NO_TRANSPONDER, 0, NO_CHANNEL, 0xE0}));
        VERIFY_CONSISTENT(db);
        QVERIFY(db.DeleteSatellite(0));
        // A free slot is refused by every satellite operation.
        QVERIFY(!db.GetSatellite(0, rec) && !db.SetSatellite(0, rec));
        QVERIFY(!db.AppendTransponder(0, 0));

        // A full table refuses and changes nothing.
        for (int i = 0; i < NO_SATELLITE; ++i)
            QVERIFY(AddSat(db, "SAT", i) != NO_SATELLITE);
        VERIFY_CONSISTENT(db);
        const QByteArray before = db.ToBytes();
        slot = 5;
        QVERIFY(!db.AddSatellite(rec, slot));
        QCOMPARE(slot, NO_SATELLITE);
        QCOMPARE(db.ToBytes(), before);
    }

    void deletingTheOnlySatellite()
    {
        ParamDatabase db;
        const int s = AddSat(db, "ASTRA 2E", 282);
        QVERIFY(db.DeleteSatellite(s));
        const SatelliteHeader &h = db.SatHeader();
        QCOMPARE(h.First(), NO_SATELLITE);
        QCOMPARE(h.Last(), NO_SATELLITE);
        QCOMPARE(h.Count(), 0);
        QCOMPARE(h.FreeFirst(), s);
        QCOMPARE(db.SatelliteAt(s)->InUse(), 0);
        QCOMPARE(db.SatelliteAt(s)->Name(), QByteArray("ASTRA 2E"));   // kept as it was
        QCOMPARE(db.SatelliteAt(s + 1)->Prev(), s);
        VERIFY_CONSISTENT(db);
        // A free slot is refused by every satellite operation.
        SatelliteRecord rec;
        QVERIFY(!db.DeleteSatellite(s));
        QVERIFY(!db.GetSatellite(s, rec));
        QVERIFY(!db.SetSatellite(s, rec));
        QVERIFY(!db.AppendTransponder(s, 0));
    }

    void deletingASatelliteWithTranspondersAndChannels()
    {
        ParamDatabase db;
        const int keep = AddSat(db, "HOTBIRD 13C", 130);
        const int gone = AddSat(db, "ASTRA 1KR", 192);
        const int keepTp = AddTp(db, keep, 11034000);
        std::vector<int> tps;
        tps.reserve(4);
        for (int i = 0; i < 4; ++i)
            tps.push_back(AddTp(db, gone, 10700000 + 1000 * quint32(i)));
        // Channels of every kind, interleaved with the other satellite's, in several groups.
        std::vector<int> goneChannels;
        for (int i = 0; i < 16; ++i) {
            AddChannel(db, keepTp, keep, i % 4, (i * 5) & 0xF);
            goneChannels.push_back(AddChannel(db, tps[size_t(i % 4)], gone, (i + 1) % 4, i & 0xF));
        }
        VERIFY_CONSISTENT(db);
        const int tpCountBefore = db.TpHeader().Count();
        const std::vector<int> freeBefore = FreeTransponders(db);

        QVERIFY(db.DeleteSatellite(gone));
        VERIFY_CONSISTENT(db);
        QCOMPARE(db.TpHeader().Count(), tpCountBefore - 4);
        // Deleted first to last, each put at the front: the last one deleted leads the chain.
        std::vector<int> expectFree(tps.rbegin(), tps.rend());
        expectFree.insert(expectFree.end(), freeBefore.begin(), freeBefore.end());
        QCOMPARE(FreeTransponders(db), expectFree);
        for (int c : goneChannels)
            QCOMPARE(db.ChannelAt(c)->InUse(), 0);
        for (bool kind1 : {true, false})
            for (int c : ChannelChain(db, kind1))
                QCOMPARE(db.ChannelAt(c)->Satellite(), keep);
        for (int g = 0; g < GROUP_COUNT; ++g)
            for (int c : GroupChain(db, g))
                QCOMPARE(db.ChannelAt(c)->Satellite(), keep);
        QCOMPARE(db.ChHeader().Kind1Count() + db.ChHeader().OtherCount(), 16);
        QCOMPARE(db.SatHeader().Count(), 1);
        QCOMPARE(db.SatelliteChain().indices, std::vector<int>{keep});
        QVERIFY(db.SatelliteChain().complete);
        QVERIFY(db.TransponderChain(keep).complete);
        QVERIFY(!db.TransponderChain(gone).complete);   // a free slot has no chain to walk
    }

    void channelsOfEveryKindLeaveTheRightChains_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = 0; k < 4; ++k)
            QTest::addRow("kind %d", k) << k;
    }

    void channelsOfEveryKindLeaveTheRightChains()
    {
        QFETCH(int, kind);
        ParamDatabase db;
        const int s = AddSat(db, "EUTELSAT 7B", 70);
        const int tp = AddTp(db, s, 11000000);
        const int other = AddTp(db, s, 12000000);
        for (int k = 0; k < 4; ++k)
            AddChannel(db, other, s, k, 0);
        const int victim = AddChannel(db, tp, s, kind, 0);
        for (int k = 0; k < 4; ++k)
            AddChannel(db, other, s, k, 0);
        const bool kind1 = kind == 1;
        const int kind1Before = db.ChHeader().Kind1Count();
        const int otherBefore = db.ChHeader().OtherCount();

        QVERIFY(db.DeleteChannelsOfTransponder(tp));
        VERIFY_CONSISTENT(db);
        QCOMPARE(db.ChannelAt(victim)->InUse(), 0);
        QCOMPARE(db.ChHeader().FreeFirst(), victim);
        QCOMPARE(db.ChHeader().Kind1Count(), kind1Before - (kind1 ? 1 : 0));
        QCOMPARE(db.ChHeader().OtherCount(), otherBefore - (kind1 ? 0 : 1));
        const SatelliteRecord &sat = *db.SatelliteAt(s);
        QCOMPARE(sat.Kind1Count(), 2);
        QCOMPARE(sat.OtherCount(), 6);
    }

    void channelInGroupsZeroAndTwo()
    {
        ParamDatabase db;
        const int s = AddSat(db, "TURKSAT 4A", 420);
        const int tp = AddTp(db, s, 11000000);
        const int other = AddTp(db, s, 11500000);
        const int a = AddChannel(db, other, s, 0, 0b0101);
        const int both = AddChannel(db, tp, s, 2, 0b110101);   // bits 4 and 5 have no chain
        const int b = AddChannel(db, other, s, 3, 0b0111);
        const int g0 = db.ChHeader().GroupCount(0), g1 = db.ChHeader().GroupCount(1),
                  g2 = db.ChHeader().GroupCount(2);

        QVERIFY(db.DeleteChannel(both));
        VERIFY_CONSISTENT(db);
        QCOMPARE(db.ChHeader().GroupCount(0), g0 - 1);
        QCOMPARE(db.ChHeader().GroupCount(1), g1);
        QCOMPARE(db.ChHeader().GroupCount(2), g2 - 1);
        QCOMPARE(GroupChain(db, 0), (std::vector<int>{a, b}));
        QCOMPARE(GroupChain(db, 2), (std::vector<int>{a, b}));
        QCOMPARE(db.ChannelAt(b)->GroupPrev(2), a);
        QCOMPARE(db.ChannelAt(both)->Groups(), 0b110101);   // the mask itself is kept

        // A free channel: nothing to do, and that is success.
        const QByteArray before = db.ToBytes();
        QVERIFY(db.DeleteChannel(both));
        QVERIFY(db.DeleteChannel(NO_CHANNEL));
        QCOMPARE(db.ToBytes(), before);
    }

    void releaseTransponderOnUnlinkedAndFreeRecords()
    {
        ParamDatabase db;
        const int s = AddSat(db, "ASTRA 3B", 235);
        const int t0 = AddTp(db, s, 11000000);
        const int t1 = AddTp(db, s, 11100000);
        const int c = AddChannel(db, t1, s, 1, 0b1000);
        VERIFY_CONSISTENT(db);

        // What Apply does: forget the chain, then release the rows marked for deletion.
        SatelliteRecord rec;
        QVERIFY(db.GetSatellite(s, rec));
        db.TpHeader().SetCount(db.TpHeader().Count() - rec.TpCount());
        rec.SetFirstTp(NO_TRANSPONDER);
        rec.SetLastTp(NO_TRANSPONDER);
        rec.SetTpCount(0);
        QVERIFY(db.SetSatellite(s, rec));
        const int countBefore = db.TpHeader().Count();

        QVERIFY(db.ReleaseTransponder(t1));
        QCOMPARE(db.TpHeader().Count(), countBefore);
        QCOMPARE(db.TpHeader().FreeFirst(), t1);
        QCOMPARE(db.TransponderAt(t1)->InUse(), 0);
        QCOMPARE(db.ChannelAt(c)->InUse(), 0);
        QVERIFY(db.AppendTransponder(s, t0));
        VERIFY_CONSISTENT(db);

        // Already free: nothing changes.
        const QByteArray before = db.ToBytes();
        QVERIFY(db.ReleaseTransponder(t1));
        QCOMPARE(db.ToBytes(), before);
        QVERIFY(!db.ReleaseTransponder(NO_TRANSPONDER));

        // Still on a chain: taken off it, counts lowered.
        QVERIFY(db.ReleaseTransponder(t0));
        QCOMPARE(db.SatelliteAt(s)->TpCount(), 0);
        QCOMPARE(db.TpHeader().Count(), 0);
        VERIFY_CONSISTENT(db);
    }

    void allocateFromOneAndFromNone()
    {
        ParamDatabase db;
        const int s = AddSat(db, "BADR 6", 260);
        for (int i = 0; i < NO_TRANSPONDER - 1; ++i)
            QVERIFY(AddTp(db, s, 11000000) != NO_TRANSPONDER);
        // One record left: taking it leaves the chain empty and sets no prev anywhere.
        const int last = db.TpHeader().FreeFirst();
        QByteArray expected = db.ToBytes();
        QCOMPARE(db.AllocateTransponder(), last);
        expected[TRANSPONDER_HEADER_OFFSET] = char(NO_TRANSPONDER & 0xFF);
        expected[TRANSPONDER_HEADER_OFFSET + 1] = char(NO_TRANSPONDER >> 8);
        QCOMPARE(db.ToBytes(), expected);
        db.TransponderAt(last)->SetInUse(1);
        QVERIFY(db.AppendTransponder(s, last));
        VERIFY_CONSISTENT(db);
        // Exhausted: nothing to take, nothing changes.
        const QByteArray full = db.ToBytes();
        QCOMPARE(db.AllocateTransponder(), NO_TRANSPONDER);
        QCOMPARE(AddTp(db, s, 12000000), NO_TRANSPONDER);
        QCOMPARE(db.ToBytes(), full);
        QVERIFY(db.DeleteSatellite(s));
        QCOMPARE(int(FreeTransponders(db).size()), NO_TRANSPONDER);
        VERIFY_CONSISTENT(db);
    }

    // Refusals, and operations with nothing to do, leave every byte as it was.
    void refusalsAndNoOpsChangeNothing()
    {
        ParamDatabase db;
        const int s = AddSat(db, "ABS 2A", 750);
        const int t = AddTp(db, s, 11000000);
        const int other = AddSat(db, "AMOS 3", 3560);
        const int theirs = AddTp(db, other, 12000000);
        const int spare = AddTp(db, other, 12100000);
        const int c = AddChannel(db, spare, other, 1, 0b0101);
        QVERIFY(db.ReleaseTransponder(spare)); // taken off its chain with its channel
        QCOMPARE(db.ChannelAt(c)->InUse(), 0);
        QCOMPARE(db.SatelliteAt(other)->TpCount(), 1);
        QCOMPARE(db.TpHeader().Count(), 2);
        VERIFY_CONSISTENT(db);
        const QByteArray before = db.ToBytes();
        QVERIFY(db.DeleteChannel(c)); // already free: success
        QVERIFY(db.DeleteChannel(NO_CHANNEL));
        QVERIFY(db.ReleaseTransponder(spare));
        QVERIFY(!db.ReleaseTransponder(NO_TRANSPONDER));
        QVERIFY(!db.AppendTransponder(s, t));      // already on the chain
        QVERIFY(!db.AppendTransponder(s, theirs)); // on another satellite's chain
        QVERIFY(!db.AppendTransponder(s, db.TpHeader().FreeFirst())); // a free record
        QVERIFY(!db.AppendTransponder(s, NO_TRANSPONDER));
        QVERIFY(!db.AppendTransponder(NO_SATELLITE, t));
        QVERIFY(!db.DeleteTransponder(other, t)); // not its satellite's
        QCOMPARE(db.ToBytes(), before);
        QVERIFY(db.DeleteTransponder(s, t));
        QCOMPARE(db.SatelliteAt(s)->FirstTp(), NO_TRANSPONDER);
        QCOMPARE(db.TpHeader().Count(), 1);
        VERIFY_CONSISTENT(db);
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
        const int ch = ChannelChain(db, false).at(3);
        const std::vector<std::pair<const char *, std::function<void()>>> damages{
            {"satellite count", [&] { db.SatHeader().SetCount(db.SatHeader().Count() + 1); }},
            {"satellite loop", [&] { db.SatelliteAt(s)->SetNext(db.SatHeader().First()); }},
            {"tp count", [&] { db.SatelliteAt(s)->SetTpCount(tps + 1); }},
            {"tp not in use", [&] { db.TransponderAt(tp)->SetInUse(0); }},
            {"tp header count", [&] { db.TpHeader().SetCount(db.TpHeader().Count() - 1); }},
            {"tp back link", [&] { db.TransponderAt(tp)->SetPrev(7); }},
            {"channel kind", [&] { db.ChannelAt(ch)->SetKind(1); }},
            {"channel group", [&] { db.ChannelAt(ch)->SetGroups(db.ChannelAt(ch)->Groups() ^ 1); }},
            {"channel satellite", [&] { db.ChannelAt(ch)->SetSatellite(NO_SATELLITE); }},
            {"channel transponder", [&] { db.ChannelAt(ch)->SetTransponder(db.TpHeader().FreeFirst()); }},
            {"group count", [&] { db.ChHeader().SetGroupCount(2, db.ChHeader().GroupCount(2) + 1); }},
            {"free channel chain", [&] { db.ChHeader().SetFreeFirst(NO_CHANNEL); }},
            {"free slot in use", [&] { db.SatelliteAt(db.SatHeader().FreeFirst())->SetInUse(1); }},
            {"link out of range", [&] { db.ChannelAt(ch)->SetNext(4095); }},
        };
        for (const auto &damage : damages) {
            QVERIFY(db.FromBytes(good));
            damage.second();
            QVERIFY2(!DatabaseChecker::Check(db).isEmpty(), damage.first);
        }
    }
};

QTEST_GUILESS_MAIN(TestDbOps)
#include "tst_dbops.moc"
