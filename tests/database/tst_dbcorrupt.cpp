// Damaged images: random bytes, loops, links out of range, chain members marked free. Every
// operation must return (ctest's time-out catches a loop; AddressSanitizer builds catch stray
// memory access), and an operation that fails must leave the image exactly as it was.
#include "DbTestUtil.h"
#include "SampleDatabase.h"

#include <functional>
#include <random>

using namespace DbLayout;
using namespace DbTestUtil;

namespace {

// Runs every operation with the given arguments and checks that each failure changed nothing.
void ExerciseAll(ParamDatabase &db, int sat, int tp, int ch)
{
    auto unchangedOnFailure = [&](const char *name, const std::function<bool()> &op) {
        const QByteArray before = db.ToBytes();
        if (!op() && db.ToBytes() != before)
            QFAIL(qPrintable(QStringLiteral("%1 failed but changed the image").arg(name)));
    };
    SatelliteRecord rec;
    rec.SetName("X");
    int slot = 0;
    unchangedOnFailure("AddSatellite", [&] { return db.AddSatellite(rec, slot); });
    unchangedOnFailure("GetSatellite", [&] { return db.GetSatellite(sat, rec); });
    unchangedOnFailure("DeleteTransponder", [&] { return db.DeleteTransponder(sat, tp); });
    unchangedOnFailure("DeleteChannel", [&] { return db.DeleteChannel(ch); });
    unchangedOnFailure("DeleteChannelsOfTransponder", [&] { return db.DeleteChannelsOfTransponder(tp); });
    unchangedOnFailure("ReleaseTransponder", [&] { return db.ReleaseTransponder(tp); });
    unchangedOnFailure("AllocateTransponder", [&] { return db.AllocateTransponder() != NO_TRANSPONDER; });
    unchangedOnFailure("AppendTransponder", [&] { return db.AppendTransponder(sat, tp); });
    unchangedOnFailure("DeleteSatelliteTransponders", [&] { return db.DeleteSatelliteTransponders(sat); });
    unchangedOnFailure("DeleteSatellite", [&] { return db.DeleteSatellite(sat); });
    db.SatelliteChain();
    db.TransponderChain(sat);
    DatabaseChecker::Check(db);
}

} // namespace

class TestDbCorrupt : public QObject
{
    Q_OBJECT

private slots:
    void randomAndZeroedImagesAreSafeToEdit()
    {
        std::mt19937 rng(21);
        for (int image = 0; image < 6; ++image) {
            QByteArray bytes(IMAGE_SIZE, '\0');
            for (char &b : bytes)
                b = char(rng());
            ParamDatabase db;
            QVERIFY(db.FromBytes(bytes));
            for (int round = 0; round < 150; ++round)
                ExerciseAll(db, int(rng() % 70), int(rng() % 2600), int(rng() % 4100));
        }
        // What a refused load used to leave behind: every link points at record 0.
        ParamDatabase db;
        db.ClearTables();
        for (int i = 0; i < 70; ++i)
            ExerciseAll(db, i, i, i);
    }

    void damagedSamplesFailSafely_data()
    {
        QTest::addColumn<int>("damage");
        const char *names[] = {"satellite loop", "tp chain loop", "tp link out of range",
                               "tp in chain marked free", "channel loop", "channel link out of range",
                               "channel on missing satellite", "group chain loop",
                               "free chain into live records", "counts at zero", "random bit flips"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }

    void damagedSamplesFailSafely()
    {
        QFETCH(int, damage);
        std::mt19937 rng(unsigned(100 + damage));
        for (unsigned seed = 1; seed <= 3; ++seed) {
            ParamDatabase db;
            SampleDatabase::Fill(db, {seed, 10, 40, 1500});
            const std::vector<int> sats = db.SatelliteChain().indices;
            const int s = sats.at(size_t(rng() % sats.size()));
            std::vector<int> tps = db.TransponderChain(s).indices;
            if (tps.empty())
                continue;
            const int t = tps.at(size_t(rng() % tps.size()));
            const std::vector<int> kind1 = ChannelChain(db, true);
            const int c = kind1.at(size_t(rng() % kind1.size()));
            switch (damage) {
            case 0: db.SatelliteAt(db.SatHeader().Last())->SetNext(db.SatHeader().First()); break;
            case 1: db.TransponderAt(db.SatelliteAt(s)->LastTp())->SetNext(tps.front()); break;
            case 2: db.TransponderAt(t)->SetNext(4000 + int(rng() % 4000)); break;
            case 3: db.TransponderAt(t)->SetInUse(0); break;
            case 4: db.ChannelAt(db.ChHeader().Kind1Last())->SetNext(kind1.front()); break;
            case 5: db.ChannelAt(c)->SetPrev(NO_CHANNEL + 1 + int(rng() % 4000)); break;
            case 6: db.ChannelAt(c)->SetSatellite(64 + int(rng() % 192)); break;
            case 7: {
                const std::vector<int> g = GroupChain(db, 1);
                db.ChannelAt(g.back())->SetGroupNext(1, g.front());
                break;
            }
            case 8: db.ChHeader().SetFreeFirst(c); db.TpHeader().SetFreeFirst(t); break;
            case 9:
                db.TpHeader().SetCount(0);
                db.SatelliteAt(s)->SetKind1Count(0);
                db.ChHeader().SetOtherCount(0);
                break;
            default: {
                QByteArray bytes = db.ToBytes();
                for (int flip = 0; flip < 40; ++flip) {
                    const int at = SATELLITE_HEADER_OFFSET
                        + int(rng() % unsigned(IMAGE_SIZE - SATELLITE_HEADER_OFFSET));
                    bytes[at] = char(bytes[at] ^ (1 << (rng() % 8)));
                }
                db.FromBytes(bytes);
            }
            }
            for (int k = 0; k < 40; ++k)
                ExerciseAll(db, k % 3 == 0 ? s : int(rng() % 64),
                            k % 2 == 0 ? t : int(rng() % 2500), k % 2 == 0 ? c : int(rng() % 4000));
            for (int x : sats)
                ExerciseAll(db, x, t, c);
        }
    }

    void damagedChainsBlockDeletion()
    {
        // A loop, and a first transponder that claims to be free (deleting it makes no
        // progress): the satellite's transponders cannot be deleted, and the satellite is kept.
        for (bool loop : {true, false}) {
            ParamDatabase db;
            const int s = AddSat(db, "ASTRA 1KR", 192);
            const int a = AddTp(db, s, 11000000);
            const int b = AddTp(db, s, 11100000);
            AddChannel(db, b, s, 1, 1);
            if (loop)
                db.TransponderAt(b)->SetNext(a); // b -> a -> b -> ...
            else
                db.TransponderAt(a)->SetInUse(0);
            const QByteArray before = db.ToBytes();
            QVERIFY(!db.DeleteSatelliteTransponders(s));
            QVERIFY(!db.DeleteSatellite(s));
            QCOMPARE(db.ToBytes(), before);
            QVERIFY(!db.TransponderChain(s).complete);
        }
    }

    void freeChainPointingOutOfTheTable()
    {
        ParamDatabase db;
        const int s = AddSat(db, "X", 1);
        db.TpHeader().SetFreeFirst(3000);
        QCOMPARE(db.AllocateTransponder(), NO_TRANSPONDER);
        QCOMPARE(db.TpHeader().FreeFirst(), 3000);
        db.SatHeader().SetFreeFirst(200);
        SatelliteRecord rec;
        int slot = 0;
        QVERIFY(!db.AddSatellite(rec, slot));
        QCOMPARE(slot, NO_SATELLITE);
        // Giving a slot back onto a damaged free chain is refused too.
        const QByteArray before = db.ToBytes();
        QVERIFY(!db.DeleteSatellite(s));
        QCOMPARE(db.ToBytes(), before);
        db.SatHeader().SetFreeFirst(NO_SATELLITE);
        QVERIFY(db.DeleteSatellite(s));
        QCOMPARE(db.SatHeader().FreeFirst(), s);
    }
};

QTEST_GUILESS_MAIN(TestDbCorrupt)
#include "tst_dbcorrupt.moc"
