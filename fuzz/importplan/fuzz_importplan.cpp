// Fuzz target for the import plan: a receiver list from the input, planned into a sample
// database, previewed, applied and undone. The sanitizers guard memory and libFuzzer's time-out
// time; the image must stay consistent after Apply, a full preview must refuse, and Undo must
// give back the image as it was.
//
// Input: byte 0 picks the reader (even: satellites.xml, odd: CSV) and the tolerance (bits 1-4);
// bytes 1-8 set the file satellites up in turn (bit 0: taken, bit 1: merge, bits 2-4: which
// candidate is the target, 7 adds it); the rest is the file.
#include "ListChecks.h"
#include "SampleDatabase.h"

#include "database/DatabaseChecker.h"
#include "document/DatabaseDocument.h"
#include "exchange/CsvReader.h"
#include "exchange/ImportPlan.h"
#include "exchange/SatellitesXmlReader.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr size_t HEAD = 9;

void Check(bool ok, const char *what, const QStringList &problems = {})
{
    if (!ok) {
        std::fprintf(stderr, "import plan: %s\n%s\n", what, qPrintable(problems.join(QLatin1Char('\n'))));
        std::abort();
    }
}

DatabaseDocument &Document()
{
    static QTemporaryDir dir;
    static DatabaseDocument doc;
    if (!doc.IsOpen()) {
        const QString path = dir.filePath(QStringLiteral("db.bin"));
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly) && file.write(SampleDatabase::Make({3, 40, 40, 600})) > 0
                  && file.flush() && doc.Open(path),
              "the sample database did not open");
    }
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < HEAD)
        return 0;
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data + HEAD), qsizetype(size - HEAD));
    const ExchangeData list = data[0] & 1 ? CsvReader::Read(file) : SatellitesXmlReader::Read(file);
    CheckList(list, "import plan's reader");
    if (!list.Ok())
        return 0;

    DatabaseDocument &doc = Document();
    const QByteArray before = doc.Database().ToBytes();
    ImportPlan plan(doc, list.satellites);
    plan.SetTolerance(data[0] >> 1 & 15);
    for (int i = 0; i < plan.Count(); ++i) {
        const uint8_t setup = data[1 + i % 8];
        plan.SetTaken(i, setup & 1);
        plan.SetMode(i, setup & 2 ? ImportPlan::Mode::Merge : ImportPlan::Mode::Replace);
        const std::vector<SatelliteValue> candidates = plan.Candidates(i);
        const size_t pick = setup >> 2 & 7;
        if (pick == 7)
            plan.SetTarget(i, ImportPlan::ADD);
        else if (pick < candidates.size())
            Check(plan.SetTarget(i, candidates[pick].slot), "a candidate was refused as the target");
    }
    const ImportPreview preview = plan.Preview();
    preview.Lines();
    const DocumentResult applied = plan.Apply(doc);
    Check(!(applied && preview.Full()), "an import the preview called full was applied");
    const QStringList problems = DatabaseChecker::Check(doc.Database());
    Check(problems.isEmpty(), "the image is inconsistent after the import", problems);
    if (applied && doc.CanUndo())
        Check(doc.Undo(), "the import could not be undone");
    Check(doc.Database().ToBytes() == before, "undoing the import did not give the image back");
    return 0;
}
