// Receiver lists in and out: both formats read and written back, imports with their preview and
// plan, refusals that change nothing, duplicates.
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "database/ParamDatabase.h"
#include "document/DatabaseDiff.h"
#include "document/DatabaseDocument.h"
#include "exchange/CsvReader.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/ImportPlan.h"
#include "exchange/SatellitesXmlReader.h"
#include "exchange/TransponderDuplicates.h"

#include <QTemporaryDir>
#include <QTest>

using Format = ExchangeFiles::Format;
using Note = ImportPreview::Note;

namespace {

// "name@tenths: kHz/S/s/polar ..." for every satellite, ';' between them; or the refusal.
QString Summary(const ExchangeData &data)
{
    QStringList sats;
    for (const ExchangeSatellite &s : data.satellites) {
        QString text = QStringLiteral("%1@%2:").arg(s.name).arg(s.position);
        for (const ExchangeTransponder &t : s.transponders)
            text += QStringLiteral(" %1/%2/%3").arg(t.frequency).arg(t.symbolRate).arg(int(t.polar));
        sats << text;
    }
    return data.Ok() ? sats.join(QLatin1Char(';')) : data.error;
}

// "MHz/kS/s/polar ..." of one satellite's rows.
QString Rows(const DatabaseDocument &doc, int slot)
{
    QStringList rows;
    for (const TransponderRow &r : doc.TransponderRows(slot))
        rows << QStringLiteral("%1/%2/%3").arg(r.frequency).arg(r.symbolRate).arg(int(r.polar));
    return rows.join(QLatin1Char(' '));
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    // A document opened from a sample image; emptied of satellites when asked.
    std::unique_ptr<DatabaseDocument> Open(bool empty, SampleDatabase::Options options = {})
    {
        const QString path = m_dir.filePath(QStringLiteral("%1.bin").arg(++m_files));
        auto doc = std::make_unique<DatabaseDocument>();
        if (!TestFile::Write(path, SampleDatabase::Make(options)) || !doc->Open(path))
            return nullptr;
        for (const SatelliteValue &s : empty ? doc->Satellites() : std::vector<SatelliteValue>{})
            doc->DeleteSatellite(s.slot);
        return doc;
    }

    static ImportPlan TakeAll(const DatabaseDocument &doc, const QByteArray &list, ImportPlan::Mode mode = ImportPlan::Mode::Merge)
    {
        ImportPlan plan(doc, (list.startsWith('<') ? SatellitesXmlReader::Read(list) : CsvReader::Read(list)).satellites);
        for (int i = 0; i < plan.Count(); ++i)
            plan.SetTaken(i, true), plan.SetMode(i, mode);
        return plan;
    }

    static int AddSat(DatabaseDocument &doc, const QString &name, int position, std::vector<TransponderRow> rows)
    {
        int slot = -1;
        doc.AddSatellite({-1, name, position}, &slot);
        doc.ReplaceTransponders(slot, rows);
        return slot;
    }

private slots:
    // Positions in list cells, and typed (refused when signed and lettered, or with a spreadsheet's apostrophe); -2: no number.
    void readsPositionsAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("typed");
        const struct { const char *text; int cell, typed; } rows[] = {
            {"19.2E", 192, 192}, {"19.2 \u00B0e", 192, 192}, {" +19.2", 192, 192}, {"177W", 1830, 1830}, {"177.0\u00B0W", 1830, 1830},
            {"-177", 1830, 1830}, {"183", 1830, 1830}, {"-5W", 50, -2}, {"+5E", 50, -2}, {"'5", 50, -2}, {"361", -1, -1}, {"E", -2, -2},
            {" ", -2, -2}, {"east", -2, -2}, {"1e13", -2, -2}, {"inf", -2, -2}, {"nan", -2, -2}, {"5WW", -2, -2}};
        for (const auto &r : rows)
            QTest::newRow(r.text) << QString::fromUtf8(r.text) << r.cell << r.typed;
    }

    void readsPositionsAsWritten()
    {
        QFETCH(QString, text);
        using Source = ExchangeConversions::PositionSource;
        QTEST(ExchangeConversions::PositionFromText(text, Source::ListCell).value_or(-2), "cell");
        QTEST(ExchangeConversions::PositionFromText(text, Source::Typed).value_or(-2), "typed");
    }

    void exportImportGivesTheSameRows_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<quint32>("seed"); // with every name of the catalogue, one cut to "EUTELSAT 5 WEST "
        QTest::addColumn<QStringList>("written");
        for (quint32 s = 1; s <= 10; ++s) {
            // Auto has no polarization at all: receivers skip it rather than tune it as circular.
            QTest::addRow("xml %u", s) << int(Format::Xml) << s << QStringList{"position=\"-50\"", "45000000\" fec_inner", "name=\"=cmd|'/C calc'!A\""};
            QTest::addRow("csv %u", s) << int(Format::Csv) << s << QStringList{"'=cmd|'/C calc'!A,355.0", "\"'-\"\"x,\"\"\",0.7,,,", ",Auto\r\n"};
        }
    }

    void exportImportGivesTheSameRows()
    {
        QFETCH(int, format);
        QFETCH(quint32, seed);
        auto source = Open(false, {seed, 22, 30, 100});
        // A West position, every polarisation, names a spreadsheet would run, no transponders.
        QVERIFY(AddSat(*source, QStringLiteral("=cmd|'/C calc'!A"), 3550, {{TransponderRow::NEW, 11720, 27500, Polar::Hori},
                {TransponderRow::NEW, 11740, 2000, Polar::Vert}, {TransponderRow::NEW, 12000, 45000, Polar::Auto}}) >= 0);
        QVERIFY(AddSat(*source, QStringLiteral("-\"x,\""), 7, {}) >= 0);
        const QByteArray bytes = ExchangeFiles::Export(*source, m_dir.filePath("out"), Format(format)) ? TestFile::Read(m_dir.filePath("out")) : "";
        QFETCH(QStringList, written);
        for (const QString &text : written)
            QVERIFY2(bytes.contains(text.toUtf8()), qPrintable(text));

        auto copy = Open(true);
        QVERIFY(TakeAll(*copy, bytes).Apply(*copy));
        QCOMPARE(DatabaseDiff::Compare(*source, *copy).size(), size_t(0));
        QCOMPARE(ExchangeFiles::Encode(*copy, Format(format)), bytes); // exported again: the same bytes
        const QByteArray imported = copy->Database().ToBytes();
        QVERIFY(TakeAll(*copy, bytes, ImportPlan::Mode::Replace).Apply(*copy));
        QCOMPARE(copy->Database().ToBytes(), imported); // imported again: no change
    }

    // A list into a database holding Astra at 19.2E (10000 H 22000, 11720 V 27500). Seen: per
    // satellite taken, its transponders added, removed and changed, and its notes (0 frequency, 1
    // symbol rate, 2 circular, 3 repeat, 4 name shortened, 5 not Latin-1, 6 position); then
    // name@position: rows of every satellite after Apply.
    void importStoresWhatTheDialogTakes_data()
    {
        QTest::addColumn<QString>("mode"); // replace or merge, and the tolerance
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("seen");
        const QByteArray astra =
            "<satellites><sat name=\"19.2E Astra\" position=\"192\">\n<transponder frequency=\"10000000\" symbol_rate=\"27500000\" "
            "polarization=\"1\"/>\n<transponder frequency=\"19000000\" symbol_rate=\"27500000\" polarization=\"0\"/>\n<transponder "
            "frequency=\"12000000\" symbol_rate=\"1000000\" polarization=\"0\"/>\n<transponder frequency=\"12000000\" symbol_rate="
            "\"2000000\" polarization=\"2\"/>\n<transponder frequency=\"11722000\" symbol_rate=\"30000000\" polarization=\"1\"/>\n"
            "<transponder frequency=\"11724000\" symbol_rate=\"30000000\" polarization=\"1\"/>\n</sat><sat name=\"not taken\" position=\"1\"/></satellites>";
        const QString kept = "Astra@192: 10000/22000/1 11720/27500/0";
        QTest::newRow("replace") << "replace 2" << astra << "+3-1~1:0123;Astra@192: 10000/27500/0 12000/2000/2 11722/30000/0 11724/30000/0";
        QTest::newRow("merge, 2 MHz") << "merge 2" << astra << "+3-0~0:0123;Astra@192: 10000/22000/1 11720/27500/0 10000/27500/0 12000/2000/2 11724/30000/0";
        QTest::newRow("merge, exact") << "merge 0" << astra
                                      << "+4-0~0:012;Astra@192: 10000/22000/1 11720/27500/0 10000/27500/0 12000/2000/2 11722/30000/0 11724/30000/0";
        QTest::newRow("xml: positions the dialog refuses left out; a frequency of any size too; no polarization is Auto, untold") << "merge 2" << QByteArray(
            "<satellites><sat name=\"a\" position=\"4095\"/><sat name=\"b\" position=\"4096\"/><sat name=\"c\" position=\"99999999999\"/>"
            "<sat name=\"d\" position=\"-3601\"/><sat name=\"e\" position=\"3609\"/><sat name=\"f\" position=\"-3600\"/><sat name=\"g\" "
            "position=\"-50\"><transponder frequency=\"9223372036854775807\" symbol_rate=\"1\"/><transponder frequency=\"11494499\" symbol_rate=\"27500500\"/><transponder frequency=\"11600000\" "
            "symbol_rate=\"27500000\" polarization=\"3\"/><transponder frequency=\"15000000\" symbol_rate=\"27500000\"/></sat>"
            "<sat name=\"\u0416 \u00ffBCDEFGHIJKLM  Q\" position=\"10\"/></satellites>")
            << "+0-0~0:6;+0-0~0:6;+0-0~0:6;+0-0~0:6;+0-0~0:;+0-0~0:;+3-0~0:02;+0-0~0:54;" + kept
                   + ";e@3609: ;f@0: ;g@3550: 11494/27501/2 11600/27500/2 15000/27500/2;? \u00ffBCDEFGHIJKLM@10: "; // the top frequency and the last of Latin-1 stay
        QTest::newRow("csv: rounded once, to the nearest; blanks kept, none left by shortening but one") << "merge 2" << QByteArray(
            "Sat,Pos,Freq,Symbol,Pol\na,720.1,,,\n\" b\",360.9,11494.4999,27500.4999,H\n\" b\",360.9,11496.5,27499.5,V\n\"c \",-0.1,"
            "11498.49951,2000.0004,Auto\nEUTELSAT 5 WEST B,5W,,,\nd,-360.1,,,\n\"                    \",7,,,\n")
            << "+0-0~0:6;+2-0~0:;+1-0~0:;+0-0~0:4;+0-0~0:6;+0-0~0:4;" + kept
                   + "; b@3609: 11494/27500/1 11497/27500/0;c @3599: 11498/2000/2;EUTELSAT 5 WEST@3550: ; @70: "; // blanks only: one stays
    }

    void importStoresWhatTheDialogTakes()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, file);
        auto doc = Open(true);
        AddSat(*doc, QStringLiteral("Astra"), 192, {{TransponderRow::NEW, 10000, 22000, Polar::Hori}, {TransponderRow::NEW, 11720, 27500, Polar::Vert}});
        ImportPlan plan = TakeAll(*doc, file, mode.startsWith("replace") ? ImportPlan::Mode::Replace : ImportPlan::Mode::Merge);
        for (int i = 0; i < plan.Count(); ++i)
            plan.SetTaken(i, plan.FileSatellite(i).name != QLatin1String("not taken"));
        plan.SetTolerance(mode.back().digitValue());
        using K = DatabaseDiff::TransponderChange::Kind;
        QStringList seen;
        for (const ImportPreview::Satellite &s : plan.Preview().satellites) {
            seen << QStringLiteral("+%1-%2~%3:").arg(s.Count(K::Added)).arg(s.Count(K::Removed)).arg(s.Count(K::Changed));
            for (const Note &n : s.notes)
                seen.back() += QString::number(int(n.kind));
        }
        QVERIFY(plan.Apply(*doc));
        for (const SatelliteValue &s : doc->Satellites())
            seen << QStringLiteral("%1@%2: %3").arg(s.name).arg(s.position).arg(Rows(*doc, s.slot));
        QTEST(seen.join(';'), "seen");
    }

    // How the rows of a satellite pair: a row whose frequency was edited in place is one change,
    // paired by its record; rows that hold the same pair before that.
    void diffPairsARowEditedInPlace()
    {
        auto a = Open(true);
        auto b = Open(true);
        const std::vector<TransponderRow> rows{{TransponderRow::NEW, 10000, 22000, Polar::Hori},
                                               {TransponderRow::NEW, 11720, 27500, Polar::Vert}};
        const int slot = AddSat(*a, QStringLiteral("Astra"), 192, rows);
        QCOMPARE(AddSat(*b, QStringLiteral("Astra"), 192, rows), slot);
        std::vector<TransponderRow> edited = b->TransponderRows(slot);
        edited[1].frequency = 11900;
        QVERIFY(b->ReplaceTransponders(slot, edited));
        const auto changes = DatabaseDiff::Compare(*a, *b);
        QCOMPARE(changes.size(), size_t(1));
        QCOMPARE(changes[0].transponders.size(), size_t(1));
        QCOMPARE(int(changes[0].transponders[0].kind), int(DatabaseDiff::TransponderChange::Kind::Changed));
        QCOMPARE(changes[0].transponders[0].before.frequency, 11720);
        QCOMPARE(changes[0].transponders[0].after.frequency, 11900);
        // Frequency and polarisation pair before the frequency alone, and that before the record.
        edited[0].frequency = 11900; // Hori, as the first row was
        edited[1].frequency = 10000; // the first row's frequency, Vert
        QVERIFY(b->ReplaceTransponders(slot, edited));
        QStringList seen;
        const auto paired = DatabaseDiff::Compare(*a, *b);
        for (const auto &c : paired.at(0).transponders)
            seen << QStringLiteral("%1 %2>%3").arg(QChar("+-~"[int(c.kind)])).arg(c.before.frequency).arg(c.after.frequency);
        QCOMPARE(seen, (QStringList{"- 11720>2000", "+ 2000>11900", "~ 10000>10000"})); // 2000: no row
    }

    void readsWhatListsHold_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read");
        QTest::newRow("xml: West, every polarisation, unused attributes and elements")
            << QByteArray("<?xml version=\"1.0\"?>\n<satellites><sat name=\"5.0W\" flags=\"1\" position=\"-50\">"
                          "<transponder frequency=\"11720000\" symbol_rate=\"27500000\" polarization=\"0\" fec_inner=\"3\"/>"
                          "<transponder frequency=\"3\" symbol_rate=\"4\" polarization=\"1\"><x/></transponder><note/>"
                          "<transponder frequency=\"5\" symbol_rate=\"6\" polarization=\"2\"/>"
                          "<transponder frequency=\"7\" symbol_rate=\"8\" polarization=\"3\"/></sat><sat name=\"B\" position=\"3605\"/></satellites>")
            << "5.0W@3550: 11720000/27500000/0 3/4/1 5/6/2 7/8/3;B@3605:";
        QTest::newRow("xml: malformed")
            << QByteArray("<satellites>\n<sat name=\"A\" position=\"1\">\n<transponder frequency=\"1\" symbol_rate=\"1\" polarization=\"0\"></sat>")
            << "line 3, column 66: Opening and ending tag mismatch.";
        QTest::newRow("xml: no number") << QByteArray("<satellites>\n\n<sat name=\"A\" position=\"east\"/></satellites>")
            << "line 3, column 31: <sat> needs a whole number in position=\"\"";
        QTest::newRow("xml: polarization 4")
            << QByteArray("<satellites><sat name=\"A\" position=\"1\">\n<transponder frequency=\"1\" symbol_rate=\"1\" "
                          "polarization=\"4\"/></sat></satellites>") << "line 2, column 61: polarization=\"4\" is none of 0 (H), 1 (V), 2 (L), 3 (R)";
        QTest::newRow("xml: not a list") << QByteArray("<html/>") << "no <satellites> list in this file";
        QTest::newRow("csv: columns by name, quotes, W, apostrophes, rows apart")
            << QByteArray("\xEF\xBB\xBFpol,Frequency,Satellite,symbol rate,POSITION\r\n"
                          "H,11720.5,\"A, \"\"b\"\"\",27500,5W\r\nright,3000,'@x,'-0.6,'-0.5\nv,4,\"A, \"\"b\"\"\",5,355\n")
            << "A, \"b\"@3550: 11720500/27500000/0 4000/5000/1;@x@3595: 3000000/-600/3";
        QTest::newRow("csv: a name's first column") << QByteArray("Sat,Pos,Freq,Symbol,Pol,Satnote\nA,1,11720,27500,H,x\n") << "A@10: 11720000/27500000/0";
        QTest::newRow("csv: open quote") << QByteArray("Sat,Pos,Freq,Symbol,Pol\nA,1,2,3,H\n\"B,1,2,3,H\n") << "row 3: a quote is not closed";
        QTest::newRow("csv: beyond Latin-1") << QByteArray("Sat,Pos,Freq,Symbol,Pol\n\"A\nB\",1,2,3,H\n\xD0\x96,1,2,3,H\n")
            << QString::fromUtf8("row 3: the satellite name \"Ж\" holds characters beyond Latin-1, which the meter cannot store");
        QTest::newRow("csv: CRLF rows count once") << QByteArray("Sat,Pos,Freq,Symbol,Pol\r\nA,1,2,3,H\r\nA,1,=2,3,H\r\n")
                                                   << "row 3: the frequency \"=2\" is no number of MHz";
        QTest::newRow("csv: no header") << QByteArray("A,1,2,3,H\n") << "row 1: the header must name the columns Satellite, Position, "
                                           "Frequency, Symbol rate and Polarisation";
        const QByteArray header = "Satellite,Position,Frequency,Symbol rate,Polarisation";
        QTest::newRow("csv: CR only, no final one") << header + "\rA,1,2,3,H\r\rB,\"2\r\",4,5,V" << "A@10: 2000/3000/0;B@20: 4000/5000/1";
        QTest::newRow("csv: header only") << header + "\r\n" << "the file holds no satellites; nothing to import";
        for (const auto &[row, read] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"\"A\"x,1,2,3,H", "row 2: text after a closing quote"}, {"A,1,2,3", "row 2: 4 cells, 5 wanted"},
                 {",1,2,3,H", "row 2: no satellite name"}, {"A,x,2,3,H", "row 2: the position \"x\" is no number of degrees"},
                 {"A,1,2,x,H", "row 2: the symbol rate \"x\" is no number of kS/s"}, {"A,1,2,3,Q", "row 2: the polarisation \"Q\" is none of H, V, L, R, Auto"}})
            QTest::newRow(read) << header + '\n' + row << QString(read);
        QTest::newRow("xml: a transponder outside") << QByteArray("<satellites><transponder/></satellites>") << "line 1, column 26: a <transponder> outside any <sat>";
        QTest::newRow("xml: empty list") << QByteArray("<satellites/>") << "the file holds no satellites; nothing to import";
        QByteArray attributes = "<satellites>\n<sat name=\"A\" position=\"1\"";
        for (int i = 0; i < 63; ++i)
            attributes += " a" + QByteArray::number(i) + "='>'";
        QTest::newRow("xml: 65 attributes") << attributes + "/></satellites>" << "line 2: an element with more than 64 attributes; a receiver list has a dozen";
        const QString deep = "<satellites>" + QString("<a>").repeated(300) + "<sat name=\"A\" position=\"1\"/>"
                             + QString("</a>").repeated(300) + "</satellites>";
        QTest::newRow("xml: UTF-16, nested 301 deep") << "\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(deep.utf16()), deep.size() * 2)
            << "line 1: elements nested more than 256 deep; a receiver list has three levels";
        QTest::newRow("xml: attribute defaults") << QByteArray("<!DOCTYPE satellites [<!ATTLIST sat a CDATA 'x'>]><satellites/>")
            << "attribute defaults (<!ATTLIST>) are not taken; a receiver list has none";
        QByteArray rows = header;
        for (int i = 0; i <= 100000; ++i)
            rows += "\nS" + QByteArray::number(i / 5000) + ",1,1,1,H";
        QTest::newRow("csv: 1001 cells") << header + "\nA,1,2,3,H" + QByteArray(996, ',') << "row 2: more than 1000 cells";
        QTest::newRow("csv: a last cell of 4096 bytes") << "Position,Frequency,Symbol rate,Polarisation,Satellite\n1,2,3,H," + QByteArray(4096, 'N') << QString(4096, 'N') + "@10: 2000/3000/0";
        QTest::newRow("csv: a cell of 4097 bytes") << header + "\nA,1,2,3,\"" + QByteArray(4097, 'H') + "\"" << "row 2: a cell longer than 4096 bytes";
        QTest::newRow("xml: a value of 4097 bytes") << "<satellites><sat position=\"1\" name='" + QByteArray(4097, 'A') + "'/></satellites>"
            << "line 1: an attribute value longer than 4096 bytes; a receiver list has names";
        QTest::newRow("csv: too many transponders") << rows << "row 100002: the list holds more than 100000 transponders; that is not a receiver list";
        QTest::newRow("xml: nested 257 deep, names from Z") << "<satellites>" + QByteArray("<Z>").repeated(256)
            << "line 1: elements nested more than 256 deep; a receiver list has three levels";
    }

    void readsWhatListsHold()
    {
        QFETCH(QByteArray, file);
        // Every row under a .csv name: the content, not the name, tells XML.
        const QString path = m_dir.filePath(QStringLiteral("list.csv"));
        QVERIFY(TestFile::Write(path, file));
        QTEST(Summary(ExchangeFiles::Read(path)), "read");
    }

    void refusedImportChangesNothing_data()
    {
        QTest::addColumn<int>("satellites");
        QTest::addColumn<int>("transponders");
        QTest::addColumn<int>("code");
        QTest::newRow("satellite table full") << 60 << 1 << int(DocumentResult::Code::SatelliteTableFull);
        QTest::newRow("transponder table full") << 2 << 1300 << int(DocumentResult::Code::TransponderTableFull);
        // The first satellite is replaced, then the last one's damaged chain refuses the rest.
        QTest::newRow("damaged chain halfway") << 0 << 1 << int(DocumentResult::Code::DamagedChain);
    }

    void refusedImportChangesNothing()
    {
        QFETCH(int, satellites);
        QFETCH(int, transponders);
        ParamDatabase db;
        QVERIFY(db.FromBytes(SampleDatabase::Make({1, 12, 30, 0})));
        const std::vector<int> chain = db.SatelliteChain().indices;
        const int first = *std::min_element(chain.begin(), chain.end()), last = *std::max_element(chain.begin(), chain.end());
        if (!satellites)
            db.SatelliteAt(last)->SetTpCount(db.SatelliteAt(last)->TpCount() + 1);
        const QString path = m_dir.filePath(QStringLiteral("%1.bin").arg(++m_files));
        DatabaseDocument doc;
        QVERIFY(TestFile::Write(path, db.ToBytes()) && doc.Open(path));
        std::vector<ExchangeSatellite> file;
        for (int i = 0; i < std::max(satellites, 2); ++i) {
            file.push_back({QStringLiteral("S%1").arg(i), satellites ? 1000 + i : db.SatelliteAt(i ? last : first)->Position(), {}, 0, {}});
            for (int t = 0; t < transponders; ++t)
                file.back().transponders.push_back({3000000 + 5000 * t, 27500000, ExchangePolar::Vertical, t});
        }
        ImportPlan plan(doc, file);
        for (int i = 0; i < plan.Count(); ++i)
            plan.SetTaken(i, true);
        QCOMPARE(plan.Preview().Full(), satellites > 0);
        QCOMPARE(plan.Preview().Lines().join('\n').contains(" are free."), satellites > 0);
        QTEST(int(plan.Apply(doc).code), "code");
        QCOMPARE(doc.Database().ToBytes(), db.ToBytes());
        QVERIFY(!doc.CanUndo() && !doc.IsModified());
    }

    // Records a replace gives back are free before any list is stored, whatever the file's order;
    // two file satellites into one are stored together; a target deleted after planning is added
    // again; a satellite whose rows stay is not stored again (which would round its kHz and clear
    // its spare bits); a plan applies to its own document only.
    void importPlanEdges()
    {
        auto doc = Open(true);
        const int a = AddSat(*doc, "A", 100, {{TransponderRow::NEW, 11000, 27500, Polar::Hori}, {TransponderRow::NEW, 11100, 27500, Polar::Hori}});
        const int b = AddSat(*doc, "B", 200, {});
        const int d = AddSat(*doc, "D", 300, {});
        const int e = AddSat(*doc, "E", 400, {{TransponderRow::NEW, 12000, 27500, Polar::Vert}});
        ParamDatabase edited;
        QVERIFY(edited.FromBytes(doc->Database().ToBytes()));
        const int eRecord = doc->TransponderRows(e).at(0).record;
        edited.TransponderAt(eRecord)->SetFrequency(12000123);
        edited.TransponderAt(eRecord)->SetSpareBits(5);
        QVERIFY(doc->ReplaceImage("edited elsewhere", edited.ToBytes()));
        AddSat(*doc, "full", 500, std::vector<TransponderRow>(size_t(doc->FreeTransponderRecords()), {TransponderRow::NEW, 11000, 27500, Polar::Hori}));
        QCOMPARE(doc->FreeTransponderRecords(), 0);
        auto tp = [](qint64 kHz) { return std::vector<ExchangeTransponder>{{kHz, 27500000, ExchangePolar::Vertical, 0}}; };
        ImportPlan plan(*doc, {{"B", 200, {}, 0, tp(3000000)}, {"A", 100, {}, 0, {}}, {"B", 200, {}, 0, tp(3100000)},
                               {"D", 300, {}, 0, {}}, {"E", 400, {}, 0, tp(12000123)}});
        for (int i = 0; i < plan.Count(); ++i)
            plan.SetTaken(i, true), plan.SetMode(i, i % 2 || i == 4 ? ImportPlan::Mode::Replace : ImportPlan::Mode::Merge);
        QVERIFY(doc->DeleteSatellite(d));
        QCOMPARE(plan.Apply(*Open(true)).code, DocumentResult::Code::Refused);
        const DocumentResult applied = plan.Apply(*doc);
        QVERIFY2(applied, qPrintable(applied.text));
        QCOMPARE(Rows(*doc, a), QString());
        QCOMPARE(Rows(*doc, b), QStringLiteral("3000/27500/0 3100/27500/0"));
        QCOMPARE(doc->Satellites().back().name + QString::number(doc->Satellites().back().position), QStringLiteral("D300"));
        QCOMPARE(doc->Database().TransponderAt(eRecord)->Frequency(), 12000123u);
        QCOMPARE(doc->Database().TransponderAt(eRecord)->SpareBits(), 5);
    }

    void matchesByPositionAndName()
    {
        auto doc = Open(true);
        const int ku = AddSat(*doc, QStringLiteral("125.0W Ku-band"), 2350, {});
        const int c = AddSat(*doc, QStringLiteral("125.0W C-band"), 2350, {});
        AddSat(*doc, QStringLiteral("beyond 360"), 3605, {}); // 0.5 degrees East, stored past the circle
        const ExchangeData data = SatellitesXmlReader::Read(
            "<satellites><sat name=\"125.0W C-band\" position=\"-1251\"/><sat name=\"125.0W Ku-band\" "
            "position=\"-1250\"/><sat name=\"other\" position=\"-1250\"/><sat name=\"0.3E\" position=\"3\"/></satellites>");
        ImportPlan plan(*doc, data.satellites);
        QCOMPARE((std::vector<int>{plan.Target(0), plan.Target(1), plan.Target(2), plan.Target(3)}), (std::vector<int>{c, ku, ku, ImportPlan::ADD}));
        QVERIFY(plan.Ambiguous(0) && plan.Ambiguous(2) && !plan.Ambiguous(3));
        QCOMPARE(plan.Candidates(0).size(), size_t(2));
        QVERIFY(plan.SetTarget(2, ImportPlan::ADD) && !plan.SetTarget(2, 64));
    }

    void removesDuplicates()
    {
        auto doc = Open(true);
        const int slot = AddSat(*doc, QStringLiteral("A"), 1, {{TransponderRow::NEW, 11720, 27500, Polar::Hori}, {TransponderRow::NEW, 11722, 2000, Polar::Hori},
                                {TransponderRow::NEW, 11721, 2000, Polar::Vert}, {TransponderRow::NEW, 11723, 2000, Polar::Hori}});
        int removed = 0;
        QVERIFY(TransponderDuplicates::Remove(*doc, slot, 2, &removed));
        // 11723 is 1 MHz from 11722, but that one goes: it is 3 MHz from the one kept, and stays.
        QCOMPARE(removed, 1);
        QCOMPARE(Rows(*doc, slot), QStringLiteral("11720/27500/1 11721/2000/0 11723/2000/1"));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
