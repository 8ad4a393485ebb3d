// Random sequences of record operations. On consistent sample images the checker judges every
// step, every bit the tool does not interpret stays as it was, and each operation succeeds
// exactly when it has to. On damaged images (random bytes, loops, links out of range, chain
// members marked free) every operation returns (ctest's time-out catches a loop, sanitizer
// builds a stray access). On both, an operation that fails leaves every byte as it was.
#include "DbTestUtil.h"
#include "SampleDatabase.h"

#include "database/LeBits.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <random>

#include <QRegularExpression>

using namespace DbLayout;
using namespace DbTestUtil;

// The image is its blocks back to back, so a byte comparison of two images is memcmp.
static_assert(sizeof(DbImage) == IMAGE_SIZE);
Q_DECLARE_METATYPE(SampleDatabase::Options)

namespace {

// The image with every interpreted bit cleared: what the record operations must never change.
QByteArray UninterpretedBits(const ParamDatabase &db)
{
    const QByteArray image = db.ToBytes();
    QByteArray out(image.size(), '\0');
    auto bytes = [&](int offset, int size) { std::memcpy(out.data() + offset, image.constData() + offset, size_t(size)); };
    auto bits = [&](int offset, quint32 mask) {
        LeBits::Set32(reinterpret_cast<quint8 *>(out.data() + offset),
                      LeBits::Get32(reinterpret_cast<const quint8 *>(image.constData() + offset)) & mask);
    };
    bytes(LEADING_OFFSET, LEADING_SIZE + LNB_LIST_SIZE);
    bytes(SATELLITE_HEADER_OFFSET + 4, 8);
    bytes(CHANNEL_HEADER_OFFSET + 38, 2);
    for (int i = 0; i < NO_SATELLITE; ++i)
        bits(SATELLITE_TABLE_OFFSET + i * SATELLITE_RECORD_SIZE + 8, 0xE0000000u);
    for (int i = 0; i < NO_TRANSPONDER; ++i)
        bits(TRANSPONDER_TABLE_OFFSET + i * TRANSPONDER_RECORD_SIZE + 8, 0x70000000u);
    for (int i = 0; i < NO_CHANNEL; ++i) {
        const int base = CHANNEL_TABLE_OFFSET + i * CHANNEL_RECORD_SIZE;
        bits(base + 0, 0x0000FFFFu);
        bits(base + 4, ~(0x3u | 1u << 30));
        bits(base + 8, 0x3Fu); // the group mask is never changed either
        bits(base + 12, ~(0xFFu << 13));
        bits(base + 16, 0xFC000000u);
        bytes(base + 36, 16);
    }
    return out;
}

class Runner
{
public:
    Runner(ParamDatabase &db, unsigned seed) : m_db(db), m_rng(seed) {}

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    // A live satellite and one of its transponders half of the time, else any index (some
    // just outside the tables); any channel.
    void Targets(int &s, int &t, int &c)
    {
        const std::vector<int> sats = m_db.SatelliteChain().indices;
        s = sats.empty() || Pick(0, 1) ? Pick(0, NO_SATELLITE + 2) : sats[size_t(Pick(0, int(sats.size()) - 1))];
        const std::vector<int> tps = m_db.TransponderChain(s).indices;
        t = tps.empty() || Pick(0, 1) ? Pick(0, NO_TRANSPONDER + 1) : tps[size_t(Pick(0, int(tps.size()) - 1))];
        c = Pick(0, NO_CHANNEL + 1);
    }

    // One random operation; returns its name and sets fault when it went wrong: a failure that
    // changed the image, or (strict, for consistent images) a result other than the one required.
    QString Step(int s, int t, int c, bool strict, QString &fault)
    {
        static const QStringList names = QStringLiteral("AddSatellite DeleteSatellite Get/SetSatellite DeleteTransponder "
                                                        "ReleaseTransponder AddTp AppendTransponder DeleteChannel "
                                                        "DeleteChannelsOfTransponder DeleteSatelliteTransponders")
                                             .split(QLatin1Char(' '));
        *m_before = m_db.Image();
        const bool live = m_db.SatelliteAt(s) && m_db.SatelliteAt(s)->InUse();
        const std::vector<int> chain = m_db.TransponderChain(s).indices;
        const bool onChain = std::find(chain.begin(), chain.end(), t) != chain.end();
        const bool tpInRange = t < NO_TRANSPONDER;
        SatelliteRecord rec;
        bool done = false;
        bool ok = true; // the result a consistent image requires
        const int op = Pick(0, 9);
        switch (op) {
        case 0: {
            for (quint8 &b : rec.raw) // the caller's links and counts must not be taken over
                b = quint8(Pick(0, 255));
            rec.SetName("NEW");
            int slot = -1;
            const bool room = m_db.SatHeader().Count() < NO_SATELLITE;
            done = m_db.AddSatellite(rec, slot);
            ok = done == room && (slot == NO_SATELLITE) != room;
            break;
        }
        case 1: ok = (done = m_db.DeleteSatellite(s)) == live; break;
        case 2:
            done = m_db.GetSatellite(s, rec);
            rec.SetPosition(Pick(0, 3600));
            ok = (done = done && m_db.SetSatellite(s, rec)) == live;
            break;
        case 3: ok = (done = m_db.DeleteTransponder(s, t)) == onChain; break;
        case 4: ok = (done = m_db.ReleaseTransponder(t)) == tpInRange; break;
        case 5: {
            const bool room = m_db.TpHeader().FreeFirst() != NO_TRANSPONDER;
            done = m_db.AllOrNothing([&] { return AddTp(m_db, s, 11000000) != NO_TRANSPONDER; });
            ok = done == (live && room);
            break;
        }
        // On a consistent image every record in use is on a chain already.
        case 6: ok = !(done = m_db.AppendTransponder(s, t)); break;
        case 7: ok = (done = m_db.DeleteChannel(c)) && (c >= NO_CHANNEL || !m_db.ChannelAt(c)->InUse()); break;
        case 8: ok = (done = m_db.DeleteChannelsOfTransponder(t)) == tpInRange; break;
        default:
            done = m_db.DeleteSatelliteTransponders(s);
            ok = !live || ((done || chain.empty()) && m_db.SatelliteAt(s)->FirstTp() == NO_TRANSPONDER);
        }
        QString name = QStringLiteral("%1(%2, %3, %4)").arg(names[op]).arg(s).arg(t).arg(c);
        if (!done && std::memcmp(m_before.get(), &m_db.Image(), sizeof(DbImage)) != 0)
            fault = name + QStringLiteral(" failed but changed the image");
        else if (strict && !ok)
            fault = name + QStringLiteral(" gave the wrong result");
        return name;
    }

private:
    ParamDatabase &m_db;
    std::mt19937 m_rng;
    std::unique_ptr<DbImage> m_before = std::make_unique<DbImage>();
};

} // namespace

class TestDbProperty : public QObject
{
    Q_OBJECT
    enum Damage { RandomBytes, Cleared, SatLoop, TpLoop, TpOut, TpFree, ChLoop, ChOut, ChNoSat, GroupLoop, FreeIntoLive, ZeroCounts, BitFlips };

private slots:
    void randomOperationsKeepTheImageConsistent_data()
    {
        QTest::addColumn<SampleDatabase::Options>("sample"); // seed, satellites, transponders, channels
        QTest::newRow("small") << SampleDatabase::Options{11, 3, 80, 60};
        QTest::newRow("busy") << SampleDatabase::Options{12, 20, 80, 3000};
        QTest::newRow("full channel table") << SampleDatabase::Options{13, 12, 80, 4000};
        QTest::newRow("empty") << SampleDatabase::Options{14, 0, 80, 0};
    }

    void randomOperationsKeepTheImageConsistent()
    {
        QFETCH(SampleDatabase::Options, sample);
        ParamDatabase db;
        SampleDatabase::Fill(db, sample);
        VERIFY_CONSISTENT(db);
        // The channel cases rest on samples holding every kind (0..3), some channels in several groups (4).
        std::array<int, 5> seen{};
        for (int c = 0; c < NO_CHANNEL; ++c) {
            const ChannelRecord &r = *db.ChannelAt(c);
            seen[size_t(r.Kind())] += r.InUse();
            seen[4] += r.InUse() && (r.Groups() & (r.Groups() - 1)) != 0;
        }
        QVERIFY(sample.channels == 0 || *std::min_element(seen.begin(), seen.end()) > 0);
        const QByteArray uninterpreted = UninterpretedBits(db);
        Runner runner(db, sample.seed);
        QStringList log;
        for (int step = 0; step < 400; ++step) {
            int s = 0, t = 0, c = 0;
            runner.Targets(s, t, c);
            QString fault;
            log << runner.Step(s, t, c, true, fault);
            const QStringList problems = DatabaseChecker::Check(db, 5);
            if (fault.isEmpty() && !problems.isEmpty())
                fault = problems.join(QLatin1String("; "));
            if (fault.isEmpty() && UninterpretedBits(db) != uninterpreted)
                fault = QStringLiteral("an uninterpreted bit changed");
            if (!fault.isEmpty())
                QFAIL(qPrintable(log.join(QLatin1String("; ")) + QLatin1String(": ") + fault));
        }
    }

    // Each damage with the checker's first three findings (a pattern); random damage finds more.
    void damagedImagesFailSafely_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("report");
        const QString n = "\\d+", capped = "\n\\.\\.\\. and \\d+ more$";
        QTest::newRow("random bytes") << int(RandomBytes) << capped;
        QTest::newRow("tables cleared") << int(Cleared) << "^satellite chain: record " + n + " links back to 0 instead of 64\n";
        QTest::newRow("satellite loop") << int(SatLoop) << "^satellite chain: loops back to record " + n + "$";
        QTest::newRow("tp chain loop") << int(TpLoop) << "^transponders of satellite " + n + ": loops back to record " + n + "$";
        QTest::newRow("tp link out of range") << int(TpOut) << "^transponders of satellite " + n + ": link [4-7]\\d{3} after record " + n + " is out of range\n";
        QTest::newRow("tp in chain marked free") << int(TpFree) << "^transponder " + n + " of satellite " + n + " is not in use$";
        QTest::newRow("channel loop") << int(ChLoop) << "^kind-1 channel chain: loops back to record " + n + "$";
        QTest::newRow("channel link out of range") << int(ChOut) << "^kind-1 channel chain: record " + n + " links back to [4-8]\\d{3} instead of " + n + "$";
        QTest::newRow("channel on missing satellite") << int(ChNoSat) << "^kind-1 channels of satellite " + n + ": channel " + n + " does not belong there\nchannel "
            + n + " is on transponder " + n + ", which is not a transponder of its satellite (6[4-9]|[7-9]\\d|1\\d\\d|2[0-5]\\d)$";
        QTest::newRow("group chain loop") << int(GroupLoop) << "^group 1 channel chain: loops back to record " + n + "$";
        QTest::newRow("free chain into live records") << int(FreeIntoLive) << "free transponder chain: record " + n + " is in use\n";
        QTest::newRow("counts at zero") << int(ZeroCounts) << "^transponder count is 0 but the satellites hold " + n + "\nother-kind channel chain: holds "
            + n + " records but its count is 0\nkind-1 channels of satellite " + n + ": holds " + n + " records but its count is 0$";
        QTest::newRow("random bit flips") << int(BitFlips) << capped;
    }

    void damagedImagesFailSafely()
    {
        QFETCH(int, damage);
        QFETCH(QString, report);
        std::mt19937 rng(unsigned(100 + damage));
        for (unsigned seed = 1; seed <= 3; ++seed) {
            ParamDatabase db;
            SampleDatabase::Fill(db, {seed, 10, 40, 1500});
            // The damaged records, which half of the operations aim at.
            const std::vector<int> sats = db.SatelliteChain().indices;
            const int s = sats.at(size_t(rng() % sats.size()));
            const std::vector<int> tps = db.TransponderChain(s).indices;
            if (tps.empty())
                continue;
            const int t = tps.at(size_t(rng() % tps.size()));
            const std::vector<int> kind1 = Walk(db.ChHeader().Kind1First(), NO_CHANNEL,
                                                [&](int i) { return db.ChannelAt(i)->Next(); });
            const int c = kind1.at(size_t(rng() % kind1.size()));
            ChannelHeader &ch = db.ChHeader();
            QByteArray bytes = db.ToBytes();
            switch (damage) {
            case RandomBytes:
                for (char &b : bytes)
                    b = char(rng());
                QVERIFY(db.FromBytes(bytes));
                break;
            case Cleared: db.ClearTables(); break; // what a refused load used to leave behind
            case SatLoop: db.SatelliteAt(db.SatHeader().Last())->SetNext(db.SatHeader().First()); break;
            case TpLoop: db.TransponderAt(tps.back())->SetNext(tps.front()); break;
            case TpOut: db.TransponderAt(t)->SetNext(4000 + int(rng() % 4000)); break;
            case TpFree: db.TransponderAt(t)->SetInUse(0); break;
            case ChLoop: db.ChannelAt(ch.Kind1Last())->SetNext(ch.Kind1First()); break;
            case ChOut: db.ChannelAt(c)->SetPrev(NO_CHANNEL + 1 + int(rng() % 4000)); break;
            case ChNoSat: db.ChannelAt(c)->SetSatellite(64 + int(rng() % 192)); break;
            case GroupLoop: db.ChannelAt(ch.GroupLast(1))->SetGroupNext(1, ch.GroupFirst(1)); break;
            case FreeIntoLive: ch.SetFreeFirst(c); db.TpHeader().SetFreeFirst(t); break;
            case ZeroCounts:
                db.TpHeader().SetCount(0);
                db.SatelliteAt(s)->SetKind1Count(0);
                ch.SetOtherCount(0);
                break;
            default: // BitFlips
                for (int flip = 0; flip < 40; ++flip) {
                    const int at = SATELLITE_HEADER_OFFSET + int(rng() % unsigned(IMAGE_SIZE - SATELLITE_HEADER_OFFSET));
                    bytes[at] = char(bytes[at] ^ (1 << (rng() % 8)));
                }
                QVERIFY(db.FromBytes(bytes));
            }
            const QString found = DatabaseChecker::Check(db, 3).join('\n');
            QVERIFY2(QRegularExpression(report).match(found).hasMatch(), qPrintable(found));
            Runner runner(db, seed);
            for (int step = 0; step < 600; ++step) {
                // Cleared tables link everything to record 0.
                int ts = damage == Cleared ? 0 : s, tt = damage == Cleared ? 0 : t, tc = damage == Cleared ? 0 : c;
                if (damage == RandomBytes || runner.Pick(0, 1))
                    runner.Targets(ts, tt, tc);
                QString fault;
                runner.Step(ts, tt, tc, false, fault);
                if (!fault.isEmpty())
                    QFAIL(qPrintable(fault));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDbProperty)
#include "tst_dbproperty.moc"
