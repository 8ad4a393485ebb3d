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
