// Random record operations. On consistent samples each succeeds exactly when it has to, the
// checker finds nothing and no uninterpreted bit changes; damaged images (random bytes are the
// fuzz target's) are named by the checker, and every operation returns. A failure changes nothing.
#include "DbTestUtil.h"
#include "SampleDatabase.h"

#include "database/LeBits.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

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

    // A live satellite and one of its transponders half of the time, else any index; any channel.
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
                                                        "DeleteChannelsOfTransponder DeleteSatelliteTransponders").split(QLatin1Char(' '));
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
public: // Q_ENUM needs it
    enum Damage { TablesCleared, SatelliteLoop, TpChainLoop, TpLinkOutOfRange, TpInChainMarkedFree, ChannelLoop, ChannelLinkOutOfRange, ChannelOnMissingSatellite, GroupChainLoop, FreeChainIntoLiveRecords, CountsAtZero };
    Q_ENUM(Damage)

private slots:
    // Consistent samples take strict steps, each judged by the checker and the uninterpreted bits;
    // damaged ones (three seeds each) are named by the checker, then half the steps aim at the damage.
    void randomOperations_data()
    {
        QTest::addColumn<SampleDatabase::Options>("sample"); // seed, satellites, transponders, channels
        QTest::addColumn<int>("damage");
        QTest::newRow("small") << SampleDatabase::Options{11, 3, 80, 60} << -1;
        QTest::newRow("busy") << SampleDatabase::Options{12, 20, 80, 3000} << -1;
        QTest::newRow("full channel table") << SampleDatabase::Options{13, 12, 80, 4000} << -1;
        QTest::newRow("empty") << SampleDatabase::Options{14, 0, 80, 0} << -1;
        const QMetaEnum damages = QMetaEnum::fromType<Damage>();
        for (int i = 0; i < damages.keyCount(); ++i)
            QTest::newRow(damages.key(i)) << SampleDatabase::Options{1, 10, 40, 1500} << damages.value(i);
    }

    void randomOperations()
    {
        QFETCH(SampleDatabase::Options, sample);
        QFETCH(int, damage);
        std::mt19937 rng(unsigned(100 + damage));
        for (unsigned seed = sample.seed; seed < sample.seed + (damage < 0 ? 1 : 3); ++seed) {
            ParamDatabase db;
            SampleDatabase::Fill(db, {seed, sample.satellites, sample.maxTranspondersPerSatellite, sample.channels});
            VERIFY_CONSISTENT(db);
            const QByteArray uninterpreted = UninterpretedBits(db);
            Runner runner(db, seed);
            int s = 0, t = 0, c = 0; // the damaged records (0 for cleared tables, which link everything there)
            if (damage >= 0 && damage != TablesCleared) {
                const std::vector<int> sats = db.SatelliteChain().indices;
                s = sats.at(size_t(rng() % sats.size()));
                const std::vector<int> tps = db.TransponderChain(s).indices;
                if (tps.empty())
                    continue;
                t = tps.at(size_t(rng() % tps.size()));
                const std::vector<int> kind1 = Walk(db.ChHeader().Kind1First(), NO_CHANNEL, [&](int i) { return db.ChannelAt(i)->Next(); });
                c = kind1.at(size_t(rng() % kind1.size()));
            }
            const std::vector<int> tps = db.TransponderChain(s).indices;
            ChannelHeader &ch = db.ChHeader();
            QString report; // the checker's first three findings, # a number
            switch (damage) {
            case TablesCleared: { // what a refused load used to leave behind
                DbImage &image = db.Image();
                image.satellites.fill(SatelliteRecord{});
                image.transponders.fill(TransponderRecord{});
                image.channels.fill(ChannelRecord{});
                report = "^satellite chain: record # links back to 0 instead of 64\n";
                break;
            }
            case SatelliteLoop: db.SatelliteAt(db.SatHeader().Last())->SetNext(db.SatHeader().First()); report = "^satellite chain: loops back to record #$"; break;
            case TpChainLoop: db.TransponderAt(tps.back())->SetNext(tps.front()); report = "^transponders of satellite #: loops back to record #$"; break;
            case TpLinkOutOfRange: db.TransponderAt(t)->SetNext(4000 + int(rng() % 4000)); report = "^transponders of satellite #: link [4-7]\\d{3} after"; break;
            case TpInChainMarkedFree: db.TransponderAt(t)->SetInUse(0); report = "^transponder # of satellite # is not in use$"; break;
            case ChannelLoop: db.ChannelAt(ch.Kind1Last())->SetNext(ch.Kind1First()); report = "^kind-1 channel chain: loops back to record #$"; break;
            case ChannelLinkOutOfRange: db.ChannelAt(c)->SetPrev(NO_CHANNEL + 1 + int(rng() % 4000)); report = "^kind-1 channel chain: record # links back to [4-8]\\d{3} instead of #$"; break;
            case ChannelOnMissingSatellite: db.ChannelAt(c)->SetSatellite(64 + int(rng() % 192)); // named: 64..255
                report = "^kind-1 channels of satellite #: channel # does not belong there\nchannel # is on transponder #, which is not a transponder of its satellite (6[4-9]|[7-9]\\d|1\\d\\d|2[0-5]\\d)$";
                break;
            case GroupChainLoop: db.ChannelAt(ch.GroupLast(1))->SetGroupNext(1, ch.GroupFirst(1)); report = "^group 1 channel chain: loops back to record #$"; break;
            case FreeChainIntoLiveRecords: ch.SetFreeFirst(c); db.TpHeader().SetFreeFirst(t); report = "free transponder chain: record # is in use\n"; break;
            case CountsAtZero:
                db.TpHeader().SetCount(0), db.SatelliteAt(s)->SetKind1Count(0), ch.SetOtherCount(0);
                report = "^transponder count is 0 but the satellites hold #\nother-kind channel chain: holds # records but its count is 0\nkind-1 channels of satellite #: holds # records but its count is 0$";
            }
            const QString found = DatabaseChecker::Check(db, 3).join('\n');
            QVERIFY2(QRegularExpression(report.replace('#', "\\d+")).match(found).hasMatch(), qPrintable(found));
            QStringList log;
            for (int step = 0; step < 500; ++step) {
                int ts = s, tt = t, tc = c;
                if (damage < 0 || runner.Pick(0, 1))
                    runner.Targets(ts, tt, tc);
                QString fault;
                log << runner.Step(ts, tt, tc, damage < 0, fault);
                if (damage < 0 && fault.isEmpty() && !DatabaseChecker::Check(db, 5).isEmpty())
                    fault = DatabaseChecker::Check(db, 5).join(QLatin1String("; "));
                if (damage < 0 && fault.isEmpty() && UninterpretedBits(db) != uninterpreted)
                    fault = QStringLiteral("an uninterpreted bit changed");
                if (!fault.isEmpty())
                    QFAIL(qPrintable(log.join(QLatin1String("; ")) + QLatin1String(": ") + fault));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDbProperty)
#include "tst_dbproperty.moc"
