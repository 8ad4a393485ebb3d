// bench_region: a generated receiver list of 200 satellites round the arc, 50 transponders each
// over both Ku bands and both polarisations (10000 in all), planned for a site in Europe into a
// sample database. Times reading the list and making the plan with its preview (what
// `orbivane-cli fit --dry-run` does; target under 200 ms), then a change of one tick and of one
// share with the totals and kept transponders the window's table shows (target under 50 ms).
#include "BenchTiming.h"
#include "SampleDatabase.h"

#include "document/DatabaseDocument.h"
#include "exchange/SatellitesXmlReader.h"
#include "region/RegionPlan.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int SATELLITES = 200;
constexpr int PER_SATELLITE = 50;

// Satellite s at s x 1.8 degrees East (West beyond 180); transponders 40 MHz apart from
// 10714 MHz, polarisation by turns.
QByteArray ReceiverList()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    for (int s = 0; s < SATELLITES; ++s) {
        const int tenths = s * 18;
        const int position = tenths <= 1800 ? tenths : tenths - 3600;
        xml += QStringLiteral("\t<sat name=\"Sat %1\" flags=\"1\" position=\"%2\">\n").arg(s).arg(position).toUtf8();
        for (int t = 0; t < PER_SATELLITE; ++t)
            xml += QStringLiteral("\t\t<transponder frequency=\"%1\" symbol_rate=\"27500000\" polarization=\"%2\" "
                                  "fec_inner=\"3\" system=\"1\" modulation=\"2\"/>\n")
                       .arg(10714000 + t * 40000).arg(t % 2).toUtf8();
        xml += "\t</sat>\n";
    }
    return xml + "</satellites>\n";
}

int Ticked(const RegionPlan &plan)
{
    int n = 0;
    for (int i = 0; i < plan.Count(); ++i)
        n += plan.At(i).ticked ? 1 : 0;
    return n;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.bin"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(SampleDatabase::Make({})) <= 0)
            return 1;
    }
    DatabaseDocument doc;
    if (!doc.Open(path))
        return 1;
    const QByteArray xml = ReceiverList();
    RegionPlan::Options options;
    options.site = *Site::FromDegrees(50.0, 8.0);

    ExchangeData list;
    std::unique_ptr<RegionPlan> plan;
    RegionPreview preview;
    const double whole = MedianMs(7, [] {}, [&] {
        list = SatellitesXmlReader::Read(xml);
        plan = std::make_unique<RegionPlan>(doc, list.satellites, options);
        preview = plan->Preview();
    });
    if (!list.Ok() || list.TransponderCount() != SATELLITES * PER_SATELLITE) {
        std::fprintf(stderr, "bench_region: the list did not read: %s\n", qPrintable(list.error));
        return 1;
    }
    const double planOnly = MedianMs(7, [] {}, [&] { plan = std::make_unique<RegionPlan>(doc, list.satellites, options); });
    const double previewOnly = MedianMs(7, [] {}, [&] { preview = plan->Preview(); });

    // The window's refresh after a change: the totals and every row's kept transponders.
    size_t shown = 0;
    const auto refresh = [&] {
        shown = 0;
        for (int i = 0; i < plan->Count(); ++i)
            shown += plan->Kept(i).size();
    };
    int row = 0;
    while (row < plan->Count() && (!plan->At(row).ticked || !plan->At(row).Listed()))
        ++row;
    bool on = false;
    const double tick = MedianMs(9, [] {}, [&] {
        plan->SetTicked(row, on);
        on = !on;
        refresh();
    });
    int share = 10;
    const double shareMs = MedianMs(9, [] {}, [&] {
        plan->SetShare(row, share);
        share = share == 10 ? 30 : 10;
        refresh();
    });

    std::printf("receiver list: %d satellites, %d transponders, %lld bytes of XML\n", SATELLITES,
                SATELLITES * PER_SATELLITE, static_cast<long long>(xml.size()));
    std::printf("plan: %d rows, %d ticked, %d satellites, %d transponders kept%s\n", plan->Count(), Ticked(*plan),
                plan->Satellites(), plan->Transponders(), plan->Shared() ? " (shares)" : "");
    std::printf("read + plan + preview (fit --dry-run): %8.2f ms, target 200 ms\n", whole);
    std::printf("  of which the plan:                   %8.2f ms\n", planOnly);
    std::printf("  of which the preview:                %8.2f ms\n", previewOnly);
    std::printf("one tick changed, table refreshed:     %8.2f ms, target 50 ms\n", tick);
    std::printf("one share changed, table refreshed:    %8.2f ms, target 50 ms (%zu transponders shown)\n", shareMs,
                shown);
    return 0;
}
