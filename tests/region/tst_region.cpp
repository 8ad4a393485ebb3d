// Planning for a site: sites as typed, look angles against vector geometry worked out apart
// from the product's formulas, and the plan of what the meter keeps.
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "database/DatabaseChecker.h"
#include "document/DatabaseDocument.h"
#include "region/LookAngles.h"
#include "region/RegionPlan.h"
#include "region/Site.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// n satellites 1.8 degrees apart round the arc from 0.0 (West beyond 180), each with perSat
// transponders 40 MHz apart from 10714 MHz (both Ku bands), H and V by turns; every satellite
// twice when repeated.
std::vector<ExchangeSatellite> List(int n, int perSat, bool repeated = false)
{
    std::vector<ExchangeSatellite> list;
    for (int s = 0; s < n; ++s) {
        ExchangeSatellite sat{QStringLiteral("Sat %1").arg(s), s * 18, QString::number(s * 18), s + 1, {}};
        for (int t = 0; t < perSat; ++t)
            sat.transponders.push_back({10714000 + t * 40000LL, 27500000, ExchangePolar(t % 2), 0});
        list.push_back(sat);
        if (repeated)
            list.push_back(sat);
    }
    return list;
}

} // namespace

class TestRegion : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    // A document opened from the sample image (12 satellites of Europe's sky, 800 channels).
    std::unique_ptr<DatabaseDocument> Open(bool empty)
    {
        const QString path = m_dir.filePath(QStringLiteral("%1.bin").arg(++m_files));
        auto doc = std::make_unique<DatabaseDocument>();
        if (!TestFile::Write(path, SampleDatabase::Make({})) || !doc->Open(path))
            return nullptr;
        if (empty) {
            for (const SatelliteValue &s : doc->Satellites())
                doc->DeleteSatellite(s.slot);
        }
        return doc;
    }

private slots:
    void siteParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("latitude"); // NaN: refused
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("message"); // a part of the refusal

        const double no = std::nan("");
        QTest::newRow("decimal") << "52.52,13.40" << 52.52 << 13.4 << "";
        QTest::newRow("south, blanks") << " -33.9, 18.4 " << -33.9 << 18.4 << "";
        QTest::newRow("blank between") << "+52.52 -0.5" << 52.52 << -0.5 << "";
        QTest::newRow("letters south") << "33.9S 18.4E" << -33.9 << 18.4 << "";
        QTest::newRow("letters swapped, west") << "74w,40.7n" << 40.7 << -74.0 << "";
        QTest::newRow("degree signs") << "52.52°N 13.4°E" << 52.52 << 13.4 << "";
        QTest::newRow("pole, antimeridian") << "90,-180" << 90.0 << -180.0 << "";
        QTest::newRow("more digits than a double") << "33.92222222222222222222S 19.4E" << -33.922222222 << 19.4 << "";
        QTest::newRow("a tiny fraction") << "0,." + QString(59, QLatin1Char('0')) + "1" << 0.0 << 0.0 << "";
        QTest::newRow("empty") << "  " << no << no << "no site given";
        QTest::newRow("one number") << "52.52" << no << no << "is no latitude";
        QTest::newRow("decimal commas") << "52,52,13,40" << no << no << "is no latitude";
        QTest::newRow("latitude over") << "90.01,0" << no << no << "latitude 90.01";
        QTest::newRow("longitude over") << "0,180.5" << no << no << "longitude 180.5";
        QTest::newRow("letters over") << "91N 10E" << no << no << "latitude 91N";
        QTest::newRow("two latitudes") << "10N 20S" << no << no << "two latitudes";
        QTest::newRow("sign and letter") << "-33.9S 18.4E" << no << no << "a sign and a hemisphere";
        QTest::newRow("nan") << "nan,nan" << no << no << "is no latitude";
        QTest::newRow("inf") << "inf,0" << no << no << "is no latitude";
        QTest::newRow("exponent") << "1e1,2" << no << no << "is no latitude";
        QTest::newRow("huge digits") << QString(60, QLatin1Char('9')) + ",0" << no << no << "latitude 9999";
        QTest::newRow("too long") << QString(65, QLatin1Char('1')) << no << no << "at most 64";
        QTest::newRow("escape") << "52\x1b[2J,13" << no << no << "control character";
        QTest::newRow("line feed") << "52,13\n" << no << no << "control character";
    }
    void siteParse()
    {
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, message);
        const Site::Parsed parsed = Site::Parse(text);
        if (std::isnan(latitude)) {
            QVERIFY2(!parsed.Ok(), qPrintable(text));
            QVERIFY2(parsed.error.contains(message), qPrintable(parsed.error));
            return;
        }
        QVERIFY2(parsed.Ok(), qPrintable(parsed.error));
        QCOMPARE(parsed.site->Latitude(), latitude);
        QCOMPARE(parsed.site->Longitude(), longitude);
        // Both written forms read back as the same place.
        QCOMPARE(Site::Parse(parsed.site->Text()).site, parsed.site);
        QCOMPARE(Site::Parse(parsed.site->Display()).site, parsed.site);
    }

    void siteSetting()
    {
        TempSettings settings;
        QVERIFY(!Site::ReadSetting());
        const Site site = *Site::FromDegrees(-33.9, 18.4);
        QVERIFY(site.WriteSetting());
        QCOMPARE(Site::ReadSetting(), site);
    }

    // Expected values from vectors in an Earth-centred frame (site and satellite positions, the
    // local east-north-up axes, the horizontal polarisation as the equator's axis crossed with
    // the beam), not from the spherical formulas under test.
    // Where a stored position lies, as the tables, the sheet and the command line name it.
    void placeNames()
    {
        QStringList names;
        for (int position : {192, 3550, 0, 1800, 1801, 3792})
            names << LookAngles::PlaceName(position);
        QCOMPARE(names, QStringList({"19.2E", "5.0W", "0.0", "180.0", "179.9W", "19.2E"}));
    }

    void lookAngles_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("position"); // tenths East as stored
        QTest::addColumn<double>("elevation");
        QTest::addColumn<double>("azimuth");
        QTest::addColumn<double>("skew");

        QTest::newRow("Berlin, 19.2E") << 52.52 << 13.40 << 192 << 29.706 << 172.706 << 4.469;
        QTest::newRow("Berlin, 5.0W") << 52.52 << 13.40 << 3550 << 27.559 << 202.743 << -13.725;
        QTest::newRow("Berlin, 379.2 goes round") << 52.52 << 13.40 << 3792 << 29.706 << 172.706 << 4.469;
        QTest::newRow("Cape Town, 68.5E") << -33.9 << 18.4 << 685 << 24.240 << 64.998 << -49.057;
        QTest::newRow("Cape Town, 30.0W") << -33.9 << 18.4 << 3300 << 25.600 << 296.344 << 48.325;
        QTest::newRow("London, 28.2E") << 51.5 << -0.13 << 282 << 25.371 << 145.438 << 20.859;
        QTest::newRow("New York, 101W") << 40.7 << -74.0 << 2590 << 35.411 << 218.003 << -28.007;
        QTest::newRow("Wellington, 180") << -41.3 << 174.8 << 1800 << 41.975 << 7.851 << -5.927;
        QTest::newRow("Wellington, 166E") << -41.3 << 174.8 << 1660 << 41.425 << 346.799 << 9.941;
        QTest::newRow("west of the antimeridian, 180") << 10.0 << -170.0 << 1800 << 73.420 << 225.439 << -44.588;
        QTest::newRow("antimeridian crossed, 179.9W") << 20.0 << 179.9 << 1801 << 66.548 << 179.415 << 0.550;
        QTest::newRow("site at -180, 180") << 45.0 << -180.0 << 1800 << 38.170 << 180.0 << 0.0;
        QTest::newRow("0 meridian, north") << 60.0 << 0.0 << 0 << 21.934 << 180.0 << 0.0;
        QTest::newRow("0 meridian, south") << -10.0 << 0.0 << 0 << 78.232 << 0.0 << 0.0;
        QTest::newRow("equator, satellite west") << 0.0 << 30.0 << 100 << 66.549 << 270.0 << 90.0;
        QTest::newRow("equator, satellite east") << 0.0 << 30.0 << 500 << 66.549 << 90.0 << 90.0;
        QTest::newRow("just south of the equator") << -0.01 << 30.0 << 300 << 89.988 << 0.0 << 0.0;
        QTest::newRow("overhead") << 0.0 << 30.0 << 300 << 90.0 << 0.0 << 0.0;
        QTest::newRow("north pole") << 90.0 << 0.0 << 192 << -8.602 << 160.800 << 0.0;
        QTest::newRow("south pole") << -90.0 << 0.0 << 192 << -8.602 << 19.200 << 0.0;
        QTest::newRow("below the horizon") << 89.0 << 0.0 << 0 << -7.623 << 180.0 << 0.0;
    }
    void lookAngles()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, position);
        QFETCH(double, elevation);
        QFETCH(double, azimuth);
        QFETCH(double, skew);
        const LookAngles a = LookAngles::ForPosition(*Site::FromDegrees(latitude, longitude), position);
        const QString got = QStringLiteral("%1 %2 %3").arg(a.elevation).arg(a.azimuth).arg(a.skew);
        QVERIFY2(std::fabs(a.elevation - elevation) < 0.05, qPrintable(got));
        QVERIFY2(a.azimuth >= 0.0 && a.azimuth < 360.0, qPrintable(got));
        const double turn = std::fabs(a.azimuth - azimuth);
        QVERIFY2(std::min(turn, 360.0 - turn) < 0.05, qPrintable(got));
        QVERIFY2(a.skew > -90.0 && a.skew <= 90.0 && std::fabs(a.skew - skew) < 0.05, qPrintable(got));
    }

    // Whatever the site and list, the fitted database holds what the plan says, within the
    // tables, nothing below the minimum elevation, both polarisations on every satellite of the
    // list, and passes the structure check; one undo step takes it all back.
    void plan_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<bool>("empty");       // the database emptied first
        QTest::addColumn<int>("satellites");   // in the list
        QTest::addColumn<int>("perSatellite");
        QTest::addColumn<bool>("repeated");    // every satellite of the list twice
        QTest::addColumn<int>("kept");         // satellites afterwards, -1: not worked out here

        QTest::newRow("Berlin, a published list's size") << 52.52 << 13.4 << 10.0 << false << 200 << 50 << false << 64;
        QTest::newRow("the same list twice") << 52.52 << 13.4 << 10.0 << false << 200 << 50 << true << 64;
        QTest::newRow("Cape Town, empty database") << -33.9 << 18.4 << 10.0 << true << 200 << 50 << false << 64;
        QTest::newRow("small list fits whole") << 52.52 << 13.4 << 10.0 << false << 20 << 10 << false << -1;
        QTest::newRow("one transponder each") << 0.0 << 180.0 << 5.0 << true << 200 << 1 << false << 64;
        QTest::newRow("south pole: nothing visible") << -90.0 << 0.0 << 10.0 << false << 200 << 50 << false << 0;
        // Sat 9 (16.2E) lies exactly at the minimum, 16.0E and 10.8E just above it.
        QTest::newRow("exactly at the minimum") << 52.52 << 13.4 << 29.891781133423407 << false << 200 << 50 << false << 6;
    }
    void plan()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, minimum);
        QFETCH(bool, empty);
        QFETCH(int, satellites);
        QFETCH(int, perSatellite);
        QFETCH(bool, repeated);
        QFETCH(int, kept);
        auto doc = Open(empty);
        QVERIFY(doc);
        const QByteArray before = doc->Database().ToBytes();
        const QString undo = doc->UndoName();
        RegionPlan::Options options{*Site::FromDegrees(latitude, longitude), minimum};
        const RegionPlan plan(*doc, List(satellites, perSatellite, repeated), options);
        QVERIFY(plan.Satellites() <= 64 && plan.Transponders() <= 2500);
        if (kept >= 0)
            QCOMPARE(plan.Satellites(), kept);
        if (repeated) // the repeats fold into one row each, and the plan is the list's once
            QCOMPARE(plan.Count(), RegionPlan(*doc, List(satellites, perSatellite), options).Count());

        const RegionPreview preview = plan.Preview();
        QVERIFY(!preview.import.Full());
        QVERIFY(plan.Apply(*doc));
        QVERIFY(DatabaseChecker::Check(doc->Database()).isEmpty());
        const std::vector<SatelliteValue> stored = doc->Satellites();
        QCOMPARE(int(stored.size()), plan.Satellites());
        QCOMPARE(int(doc->Database().TpHeader().Count()), plan.Transponders());
        for (const SatelliteValue &s : stored) {
            QVERIFY2(LookAngles::ForPosition(options.site, s.position).Visible(minimum), qPrintable(s.name));
            const std::vector<TransponderRow> rows = doc->TransponderRows(s.slot);
            const bool listed = s.name.startsWith(QLatin1String("Sat "));
            const auto has = [&](Polar p) {
                return std::any_of(rows.begin(), rows.end(), [&](const TransponderRow &r) { return r.polar == p; });
            };
            if (listed && perSatellite > 1)
                QVERIFY2(has(Polar::Hori) && has(Polar::Vert), qPrintable(s.name));
        }
        QCOMPARE(doc->UndoName(), RegionPlan::StepName());
        QVERIFY(doc->Undo());
        QCOMPARE(doc->UndoName(), undo);
        QCOMPARE(doc->Database().ToBytes(), before);
    }

    // A removed satellite takes its channels, and the preview counts them; a share set by hand
    // stays, keeps both polarisations and both bands, and the others share the rest.
    void planChoices()
    {
        auto doc = Open(false);
        QVERIFY(doc);
        // Sat 7 (12.6E, among the highest) has no V in the low Ku band.
        std::vector<ExchangeSatellite> list = List(200, 50);
        for (ExchangeTransponder &t : list[7].transponders)
            t.polar = t.frequency < 11700000 ? ExchangePolar::Horizontal : t.polar;
        list[8].transponders[0].symbolRate = 2000000; // the meter's least symbol rate, and below it
        list[8].transponders[1].symbolRate = 1999000;
        RegionPlan plan(*doc, list, {*Site::FromDegrees(52.52, 13.4)});
        int listed = 0;
        while (plan.At(listed).name != QLatin1String("Sat 7"))
            ++listed;
        QVERIFY(plan.At(listed + 1).name == "Sat 8" && plan.At(listed + 1).listed == 49);
        int stored = 0;
        while (!plan.At(stored).InDatabase() || plan.At(stored).channels == 0)
            ++stored;
        const RegionPlan::Row removed = plan.At(stored);
        QVERIFY(plan.SetTicked(stored, false));
        QCOMPARE(plan.Preview().RemovedChannels(), removed.channels);

        const int others = plan.At(listed + 1).kept;
        QCOMPARE(plan.Transponders(), 2500);
        // band (high Ku), polarisation of each share's transponders: every kind before a second
        // of any, both polarisations first
        const QStringList kinds{QStringLiteral("0/0 1/1"), QStringLiteral("0/0 1/0 1/1"), QStringLiteral("0/0 0/0 1/0 1/1")};
        for (int share = 2; share <= 4; ++share) {
            QCOMPARE(plan.SetShare(listed, share), share);
            QStringList got;
            for (const ExchangeTransponder &t : plan.Kept(listed))
                got << QStringLiteral("%1/%2").arg(t.frequency >= 11700000 ? 1 : 0).arg(int(t.polar));
            got.sort();
            QCOMPARE(got.join(QLatin1Char(' ')), kinds[share - 2]);
        }
        QVERIFY(plan.At(listed + 1).kept > others);
        QCOMPARE(plan.Transponders(), 2500);
        QCOMPARE(plan.SetShare(listed, 100000), 50);   // cut to the list's
        QCOMPARE(plan.SetShare(listed, RegionPlan::AUTO), RegionPlan::AUTO);

        // Below the minimum elevation nothing is ticked; a full satellite table takes no more.
        int hidden = plan.Count() - 1;
        QVERIFY(!plan.At(hidden).visible && !plan.At(hidden).InDatabase());
        QVERIFY(!plan.SetTicked(hidden, true));
        int spare = 0;
        while (plan.At(spare).ticked || !plan.At(spare).visible || spare == stored)
            ++spare;
        QVERIFY(plan.SetTicked(spare, true));
        QCOMPARE(plan.Satellites(), 64);
        QVERIFY(!plan.SetTicked(stored, true));

        // Full of what stays, the database has 2 records for ARABSAT 5C (2 stored), whose list
        // has 3 polarisations: it keeps 2, and the table is not overrun.
        QVERIFY(plan.Apply(*doc) && doc->Database().TpHeader().Count() == 2500);
        ExchangeSatellite arabsat{QStringLiteral("ARABSAT 5C"), 200, QStringLiteral("200"), 1, {}};
        for (int p = 0; p < 3; ++p)
            arabsat.transponders.push_back({11000000 + p * 100000LL, 27500000, ExchangePolar(p), 0});
        const RegionPlan full(*doc, {arabsat}, {*Site::FromDegrees(52.52, 13.4)});
        QCOMPARE(full.Transponders(), 2500);
        QVERIFY(full.Apply(*doc) && DatabaseChecker::Check(doc->Database()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRegion)
#include "tst_region.moc"
