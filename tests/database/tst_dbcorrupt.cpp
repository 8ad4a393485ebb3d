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

    void damageStaysWhereItIs_data()
    {
        QTest::addColumn<int>("damage");
        const char *names[] = {"B loops", "B member marked free", "B link out of range",
                               "next free transponder live", "next free slot live",
                               "free transponder head live", "free slot head live",
                               "free channel head live", "free transponder head outside",
                               "free slot head outside"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }

    void damageStaysWhereItIs()
    {
        QFETCH(int, damage);
        ParamDatabase db;
        const int a = AddSat(db, "A", 1);
        const int b = AddSat(db, "B", 2);
        const int a1 = AddTp(db, a, 11000000);
        const int chA = AddChannel(db, AddTp(db, a, 11100000), a, 1, 1);
        const int b1 = AddTp(db, b, 12000000);
        const int b2 = AddTp(db, b, 12100000);
        const int chB = AddChannel(db, b2, b, 1, 1);
        if (damage < 3) {
            // One satellite's damaged chain: the others stay editable, and it can be deleted.
            TransponderRecord &r = *db.TransponderAt(damage == 0 ? b2 : b1);
            damage == 0 ? r.SetNext(b1) : damage == 1 ? r.SetInUse(0) : r.SetNext(4000);
            QVERIFY(db.ReleaseTransponder(a1));
            QVERIFY(AddTp(db, a, 11200000) != NO_TRANSPONDER);
            QVERIFY(db.DeleteSatellite(b));
            VERIFY_CONSISTENT(db);
            return;
        }
        // A free chain leading into live records or out of the table: the step that would
        // link into it refuses and changes nothing.
        switch (damage) {
        case 3: db.TransponderAt(db.TpHeader().FreeFirst())->SetNext(b2); break;
        case 4: db.SatelliteAt(db.SatHeader().FreeFirst())->SetNext(b); break;
        case 5: db.TpHeader().SetFreeFirst(b2); break;
        case 6: db.SatHeader().SetFreeFirst(b); break;
        case 7: db.ChHeader().SetFreeFirst(chB); break;
        case 8: db.TpHeader().SetFreeFirst(3000); break;
        default: db.SatHeader().SetFreeFirst(200); break;
        }
        const QByteArray before = db.ToBytes();
        SatelliteRecord rec;
        int slot = 0;
        const bool done = damage == 3 || damage == 8 ? db.AllocateTransponder() != NO_TRANSPONDER
            : damage == 4                            ? db.AddSatellite(rec, slot)
            : damage == 9                            ? db.AddSatellite(rec, slot) || db.DeleteSatellite(a)
            : damage == 5                            ? db.ReleaseTransponder(a1)
            : damage == 6                            ? db.DeleteSatellite(a)
                                                     : db.DeleteChannel(chA);
        QVERIFY(!done);
        QCOMPARE(db.ToBytes(), before);
    }
};

QTEST_GUILESS_MAIN(TestDbCorrupt)
#include "tst_dbcorrupt.moc"
