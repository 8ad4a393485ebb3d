// bench_exchange: a generated receiver list of 200 satellites and 10000 transponders (some out
// of the meter's ranges, many circular, as real lists are). Times parsing it, importing a
// 60-satellite, 2400-transponder selection of it into an emptied database (the meter holds 64
// and 2500; target: parse and import together under 200 ms), and exporting a full database.
// Then reading lists, and elements of the most attributes the reader takes, of 1 MB and 4 MB:
// the ratio of their times per byte is near 1 as reading is linear; and refusing one element
// of 200,000 attributes. With a file name: reads that file as the import does (for a look at
// its time and, through /usr/bin/time -v, its peak memory).
#include "BenchTiming.h"
#include "SampleDatabase.h"

#include "document/DatabaseDocument.h"
#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/ImportPlan.h"
#include "exchange/SatellitesXmlReader.h"
#include "exchange/SatellitesXmlWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int SATELLITES = 200;
constexpr int PER_SATELLITE = 50; // 40 the meter can hold, 10 it cannot
constexpr int TAKEN = 60;

// Satellite s at position s x 1.7 degrees, West for the upper half; transponders 40 MHz apart.
QByteArray ReceiverList()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    for (int s = 0; s < SATELLITES; ++s) {
        const int position = s < SATELLITES / 2 ? s * 17 : -(s - SATELLITES / 2) * 17 - 5;
        xml += QStringLiteral("\t<sat name=\"%1 Sat %2\" flags=\"1\" position=\"%3\">\n")
                   .arg(double(position) / 10.0, 0, 'f', 1).arg(s).arg(position).toUtf8();
        for (int t = 0; t < PER_SATELLITE; ++t) {
            const bool ka = t >= 45;        // beyond 15000 MHz
            const bool narrow = t >= 40 && !ka; // below 2000 kS/s
            const qint64 khz = ka ? 19700000 + t * 10000 : 10700000LL + t * 40000;
            const int rate = narrow ? 1200000 : 22000000 + (t % 4) * 2500000;
            xml += QStringLiteral("\t\t<transponder frequency=\"%1\" symbol_rate=\"%2\" polarization=\"%3\" "
                                  "fec_inner=\"3\" system=\"1\" modulation=\"2\" rolloff=\"0\" pilot=\"2\"/>\n")
                       .arg(khz).arg(rate).arg(t % 4).toUtf8();
        }
        xml += "\t</sat>\n";
    }
    return xml + "</satellites>\n";
}

// Elements of 64 attributes (the most the reader takes), n bytes or a little more, in one <sat>.
QByteArray Attributes(qsizetype n)
{
    QByteArray element = "<x";
    for (int i = 0; i < 64; ++i)
        element += " a" + QByteArray::number(i) + "=\"1\"";
    element += "/>\n";
    QByteArray xml = "<satellites><sat name=\"A\" position=\"1\">\n";
    while (xml.size() < n)
        xml += element;
    return xml + "</sat></satellites>\n";
}

// Reading time per byte at size n and at 4n, as a ratio: about 1 when reading is linear.
void Linearity(const char *what, const std::function<QByteArray(qsizetype)> &make,
               const std::function<ExchangeData(const QByteArray &)> &read, qsizetype n)
{
    const QByteArray small = make(n);
    const QByteArray large = make(4 * n);
    QString error;
    const double a = MedianMs(3, [] {}, [&] { error = read(small).error; });
    const double b = MedianMs(3, [] {}, [&] { error += read(large).error; });
    std::printf("%-40s %6lld KB %8.2f ms, %6lld KB %8.2f ms: time per byte ratio %.2f%s%s\n", what,
                static_cast<long long>(small.size() >> 10), a, static_cast<long long>(large.size() >> 10), b,
                (b / double(large.size())) / (a / double(small.size())), error.isEmpty() ? "" : "; refused: ",
                qPrintable(error.left(80)));
}

// A list of n bytes or a little more: satellites of 25 transponders.
QByteArray XmlList(qsizetype n)
{
    QByteArray xml = "<satellites>\n";
    for (int s = 0; xml.size() < n; ++s) {
        xml += "<sat name=\"S" + QByteArray::number(s) + "\" position=\"" + QByteArray::number(s % 1800) + "\">\n";
        for (int t = 0; t < 25; ++t)
            xml += "<transponder frequency=\"" + QByteArray::number(10700000 + t * 20000)
                   + "\" symbol_rate=\"27500000\" polarization=\"" + QByteArray::number(t % 4) + "\"/>\n";
        xml += "</sat>\n";
    }
    return xml + "</satellites>\n";
}

int ReadOne(const QString &path)
{
    ExchangeData data;
    const double ms = MedianMs(1, [] {}, [&] { data = ExchangeFiles::Read(path); });
    std::printf("%s: %zu satellites, %d transponders in %.0f ms%s%s\n", qPrintable(path), data.satellites.size(),
                data.TransponderCount(), ms, data.Ok() ? "" : "; refused: ", qPrintable(data.error));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1) // one file read as the import reads it, for a look at its peak memory
        return ReadOne(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir dir;
    const QString emptied = dir.filePath(QStringLiteral("empty.bin"));
    {
        QFile file(emptied);
        if (!file.open(QIODevice::WriteOnly) || file.write(SampleDatabase::Make({})) <= 0)
            return 1;
    }
    {
        DatabaseDocument doc;
        doc.Open(emptied);
        for (const SatelliteValue &s : doc.Satellites())
            doc.DeleteSatellite(s.slot);
        if (!doc.Save())
            return 1;
    }

    const QByteArray xml = ReceiverList();
    ExchangeData list;
    const double parse = MedianMs(7, [] {}, [&] { list = SatellitesXmlReader::Read(xml); });
    if (!list.Ok() || list.TransponderCount() != SATELLITES * PER_SATELLITE) {
        std::fprintf(stderr, "bench_exchange: the list did not read: %s\n", qPrintable(list.error));
        return 1;
    }
    const QByteArray csv = CsvWriter::Write(list.satellites);
    const double parseCsv = MedianMs(7, [] {}, [&] { CsvReader::Read(csv); });

    std::unique_ptr<DatabaseDocument> doc;
    DocumentResult result;
    int stored = 0;
    const double import = MedianMs(
        7,
        [&] {
            doc = std::make_unique<DatabaseDocument>();
            doc->Open(emptied);
        },
        [&] {
            ImportPlan plan(*doc, list.satellites);
            for (int i = 0; i < TAKEN; ++i)
                plan.SetTaken(i * SATELLITES / TAKEN, true);
            result = plan.Apply(*doc);
        });
    stored = doc->Database().TpHeader().Count();
    if (!result || stored != TAKEN * 40) {
        std::fprintf(stderr, "bench_exchange: the import stored %d transponders: %s\n", stored,
                     qPrintable(result.text));
        return 1;
    }
    // Four more satellites (none of those taken) of 25 transponders fill both tables.
    std::vector<ExchangeSatellite> rest;
    for (int i : {1, 2, 4, 5}) {
        rest.push_back(list.satellites[size_t(i)]);
        rest.back().transponders.resize(25);
    }
    ImportPlan fill(*doc, rest);
    for (int i = 0; i < fill.Count(); ++i)
        fill.SetTaken(i, true);
    if (!fill.Apply(*doc) || doc->Satellites().size() != 64 || doc->Database().TpHeader().Count() != 2500) {
        std::fprintf(stderr, "bench_exchange: the database is not full\n");
        return 1;
    }
    QByteArray out;
    const double exportXml = MedianMs(7, [] {}, [&] { out = ExchangeFiles::Encode(*doc, ExchangeFiles::Format::Xml); });
    const double exportCsv = MedianMs(7, [] {}, [&] { out = ExchangeFiles::Encode(*doc, ExchangeFiles::Format::Csv); });

    std::printf("receiver list: %d satellites, %d transponders, %lld bytes of XML\n", SATELLITES,
                SATELLITES * PER_SATELLITE, static_cast<long long>(xml.size()));
    std::printf("parse satellites.xml:                        %8.2f ms\n", parse);
    std::printf("parse the same as CSV:                       %8.2f ms\n", parseCsv);
    std::printf("import %d satellites, %d transponders:      %8.2f ms\n", TAKEN, stored, import);
    std::printf("parse + import: %.2f ms, target 200 ms, ratio %.2f\n", parse + import, (parse + import) / 200.0);
    std::printf("export a full database (64, 2500) as XML:    %8.2f ms\n", exportXml);
    std::printf("export a full database (64, 2500) as CSV:    %8.2f ms\n", exportCsv);

    auto xmlRead = [](const QByteArray &bytes) { return SatellitesXmlReader::Read(bytes); };
    auto csvRead = [](const QByteArray &bytes) { return CsvReader::Read(bytes); };
    Linearity("satellites.xml, 25 transponders a sat", XmlList, xmlRead, 1 << 20);
    Linearity("the same as CSV", [](qsizetype n) { return CsvWriter::Write(SatellitesXmlReader::Read(XmlList(n)).satellites); },
              csvRead, 1 << 20);
    Linearity("elements of 64 attributes", Attributes, xmlRead, 1 << 20);
    QByteArray absurd = "<satellites><sat name=\"A\" position=\"1\"";
    for (int i = 0; i < 200000; ++i)
        absurd += " a" + QByteArray::number(i) + "=\"1\"";
    absurd += "/></satellites>";
    QString refused;
    const double ms = MedianMs(3, [] {}, [&] { refused = SatellitesXmlReader::Read(absurd).error; });
    std::printf("one element of 200000 attributes, %lld KB: %.2f ms, %s\n",
                static_cast<long long>(absurd.size() >> 10), ms, qPrintable(refused));
    return 0;
}
