// Random sequences of record operations on sample databases, with the consistency checker as
// the judge: after every step the image is consistent, every uninterpreted bit is as it was,
// and operations that must succeed on a consistent image do.
#include "DbTestUtil.h"
#include "SampleDatabase.h"

#include <random>

using namespace DbLayout;
using namespace DbTestUtil;

namespace {

class Runner
{
public:
    Runner(ParamDatabase &db, unsigned seed) : m_db(db), m_rng(seed) {}

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    template <typename T>
    T PickFrom(const std::vector<T> &v) { return v[size_t(Pick(0, int(v.size()) - 1))]; }

    // One random operation; returns a description of it, and fails the test through the
    // returned flag when an operation refused what it had to do.
    QString Step(bool &ok)
    {
        ok = true;
        const std::vector<int> sats = m_db.SatelliteChain().indices;
        const int op = Pick(0, 9);
        const int s = sats.empty() ? NO_SATELLITE : PickFrom(sats); // a live satellite
        if (s == NO_SATELLITE && (op == 1 || op == 3 || op == 4 || op == 5 || op == 9))
            return QStringLiteral("nothing");
        switch (op) {
        case 0: {
            SatelliteRecord rec;
            rec.SetName(QByteArray("NEW SAT ") + QByteArray::number(Pick(0, 99)));
            rec.SetPosition(Pick(0, 3600));
            rec.SetSetupByte(0x41);
            int slot = -1;
            const bool room = m_db.SatHeader().Count() < NO_SATELLITE;
            ok = m_db.AddSatellite(rec, slot) == room && (room ? slot < NO_SATELLITE : slot == NO_SATELLITE);
            return QStringLiteral("AddSatellite -> %1").arg(slot);
        }
        case 1:
            ok = m_db.DeleteSatellite(s);
            return QStringLiteral("DeleteSatellite(%1)").arg(s);
        case 2: {
            const int any = Pick(0, NO_SATELLITE + 4);
            ok = m_db.DeleteSatellite(any) == (std::find(sats.begin(), sats.end(), any) != sats.end());
            return QStringLiteral("DeleteSatellite(any %1)").arg(any);
        }
        case 3: {
            SatelliteRecord rec;
            ok = m_db.GetSatellite(s, rec);
            rec.SetName("RENAMED");
            rec.SetPosition(Pick(0, 3600));
            ok = ok && m_db.SetSatellite(s, rec);
            return QStringLiteral("Get/SetSatellite(%1)").arg(s);
        }
        case 4: {
            const std::vector<int> tps = m_db.TransponderChain(s).indices;
            if (tps.empty())
                return QStringLiteral("nothing");
            const int t = PickFrom(tps);
            ok = m_db.DeleteTransponder(s, t);
            return QStringLiteral("DeleteTransponder(%1, %2)").arg(s).arg(t);
        }
        case 5:
            return Apply(s, ok);
        case 6: {
            const int t = Pick(0, NO_TRANSPONDER);
            ok = m_db.ReleaseTransponder(t) == (t < NO_TRANSPONDER);
            return QStringLiteral("ReleaseTransponder(%1)").arg(t);
        }
        case 7: {
            const int c = Pick(0, NO_CHANNEL);
            ok = m_db.DeleteChannel(c) && (c == NO_CHANNEL || !m_db.ChannelAt(c)->InUse());
            return QStringLiteral("DeleteChannel(%1)").arg(c);
        }
        case 8: {
            const int t = Pick(0, NO_TRANSPONDER - 1);
            ok = m_db.DeleteChannelsOfTransponder(t);
            return QStringLiteral("DeleteChannelsOfTransponder(%1)").arg(t);
        }
        default: {
            const bool any = m_db.SatelliteAt(s)->FirstTp() != NO_TRANSPONDER;
            const bool done = m_db.DeleteSatelliteTransponders(s);
            ok = (done || !any) && m_db.SatelliteAt(s)->FirstTp() == NO_TRANSPONDER;
            return QStringLiteral("DeleteSatelliteTransponders(%1)").arg(s);
        }
        }
    }

private:
    // What the editor's Apply does with a satellite's rows: forget the chain, release the rows
    // marked for deletion, store new rows in allocated records, and append every kept row.
    QString Apply(int s, bool &ok)
    {
        const std::vector<int> rows = m_db.TransponderChain(s).indices;
        SatelliteRecord rec;
        m_db.GetSatellite(s, rec);
        m_db.TpHeader().SetCount(m_db.TpHeader().Count() - rec.TpCount());
        rec.SetFirstTp(NO_TRANSPONDER);
        rec.SetLastTp(NO_TRANSPONDER);
        rec.SetTpCount(0);
        m_db.SetSatellite(s, rec);
        int released = 0, added = 0;
        for (int t : rows) {
            if (Pick(0, 3) == 0) {
                ok = ok && m_db.ReleaseTransponder(t);
                ++released;
            } else {
                ok = ok && m_db.AppendTransponder(s, t);
            }
        }
        for (int n = Pick(0, 3); n > 0; --n) {
            const int t = m_db.AllocateTransponder();
            if (t == NO_TRANSPONDER)
                break;
            TransponderRecord &r = *m_db.TransponderAt(t);
            r.SetFrequency(quint32(Pick(10700, 12750)) * 1000);
            r.SetSymbolRate(27500000);
            r.SetPolarisation(Pick(0, 2));
            r.SetInUse(1);
            ok = ok && m_db.AppendTransponder(s, t);
            ++added;
        }
        return QStringLiteral("Apply(%1): %2 kept, %3 released, %4 added")
            .arg(s).arg(int(rows.size()) - released).arg(released).arg(added);
    }

    ParamDatabase &m_db;
    std::mt19937 m_rng;
};

} // namespace

class TestDbProperty : public QObject
{
    Q_OBJECT

private slots:
    void samplesAreConsistentAndRepeatable()
    {
        const SampleDatabase::Options o{2, 8, 60, 1600};
        ParamDatabase db;
        SampleDatabase::Fill(db, o);
        VERIFY_CONSISTENT(db);
        QCOMPARE(SampleDatabase::Make(o), db.ToBytes());
        QVERIFY(SampleDatabase::Make({1}) != SampleDatabase::Make({2}));
        // Every channel kind, and channels in several group chains at once.
        std::array<int, 4> kinds{};
        int multiGroup = 0;
        for (int c = 0; c < NO_CHANNEL; ++c) {
            const ChannelRecord &r = *db.ChannelAt(c);
            const int groups = r.Groups() & 0xF;
            kinds[size_t(r.Kind())] += r.InUse();
            multiGroup += r.InUse() && (groups & (groups - 1)) != 0;
        }
        QVERIFY(*std::min_element(kinds.begin(), kinds.end()) > 0 && multiGroup > 0);
    }

    void randomOperationsKeepTheImageConsistent_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("satellites");
        QTest::addColumn<int>("channels");
        QTest::newRow("small") << 11u << 3 << 60;
        QTest::newRow("busy") << 12u << 20 << 3000;
        QTest::newRow("full channel table") << 13u << 12 << 4000;
        QTest::newRow("empty") << 14u << 0 << 0;
    }

    void randomOperationsKeepTheImageConsistent()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, satellites);
        QFETCH(int, channels);
        ParamDatabase db;
        SampleDatabase::Fill(db, {seed, satellites, 80, channels});
        const QByteArray uninterpreted = UninterpretedBits(db.ToBytes());
        Runner runner(db, seed);
        QStringList log;
        for (int step = 0; step < 400; ++step) {
            bool ok = false;
            log << runner.Step(ok);
            if (!ok)
                QFAIL(qPrintable(QStringLiteral("refused: ") + log.join(QLatin1String("; "))));
            const QStringList problems = DatabaseChecker::Check(db, 5);
            if (!problems.isEmpty())
                QFAIL(qPrintable(log.last() + QStringLiteral(": ") + problems.join(QLatin1String("; "))));
            if (UninterpretedBits(db.ToBytes()) != uninterpreted)
                QFAIL(qPrintable(log.last() + QStringLiteral(" changed an uninterpreted bit")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDbProperty)
#include "tst_dbproperty.moc"
