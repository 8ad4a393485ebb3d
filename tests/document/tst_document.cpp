// The database document without any window: Apply's rules, the satellite commands, undo and redo,
// the modified state and the conversions the window's cells and dialog rely on.
#include "DbTestUtil.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "document/DatabaseDocument.h"
#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace DbLayout;
using DbTestUtil::FreeTransponders;
using Code = DocumentResult::Code;
using TC = TransponderConversions;
using SC = SatelliteConversions;

class TestDocument : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<DatabaseDocument> m_doc;
    int m_slot = 0;   // the first satellite with at least three transponders

    const ParamDatabase &Db() const { return m_doc->Database(); }
    std::vector<int> Chain() const { return Db().TransponderChain(m_slot).indices; }

    enum Fault { LeftOut, NamedTwice, Loop, FreeInUse, Exhausted };
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(QStringLiteral("a.bin"));
        QVERIFY(TestFile::Write(m_path, SampleDatabase::Make({7, 12, 30, 800})));
        m_doc = std::make_unique<DatabaseDocument>();
        QCOMPARE(m_doc->AddSatellite({}).code, Code::NotOpen);
        QVERIFY(m_doc->Open(m_path));
        const std::vector<SatelliteValue> sats = m_doc->Satellites();
        m_slot = std::find_if(sats.begin(), sats.end(), [&](const SatelliteValue &s) { return m_doc->TransponderRows(s.slot).size() >= 3; })->slot;
    }

    void rowValuesAreClampedAndMapped_data()
    {
        QTest::addColumn<QString>("typed"); // frequency|symbol rate|polarisation
        QTest::addColumn<QList<uint>>("stored");
        // Only the first six characters count: 1234567 is 123456.
        QTest::newRow("seven digits, Horizontal") << "1234567|2000|Horizontal" << QList<uint>{15000000, 2000000, 1};
        QTest::newRow("negative, hori") << "-5|50000|hori" << QList<uint>{15000000, 45000000, 2};
        QTest::newRow("letters, empty") << "abc||" << QList<uint>{2000000, 2000000, 2};
        QTest::newRow("blanks and signs") << "  12a|+3000|Vert" << QList<uint>{2000000, 3000000, 0};
    }

    void rowValuesAreClampedAndMapped()
    {
        QFETCH(QString, typed);
        const QStringList cells = typed.split(QLatin1Char('|'));
        std::vector<TransponderRow> rows = m_doc->TransponderRows(m_slot);
        rows.push_back({TransponderRow::NEW, TC::CellNumber(cells[0]), TC::CellNumber(cells[1]), TC::PolarFromText(cells[2]), false});
        QVERIFY(m_doc->ReplaceTransponders(m_slot, rows));
        const TransponderRecord &r = *Db().TransponderAt(rows.back().record);
        QTEST((QList<uint>{r.Frequency(), r.SymbolRate(), uint(r.Polarisation())}), "stored");
        QCOMPARE(r.SpareBits(), 0);
        // The row reads back as the list shows it.
        QCOMPARE(TC::PolarText(m_doc->TransponderRows(m_slot).back().polar), QStringLiteral("Vert Hori Auto").mid(r.Polarisation() * 5, 4));
    }

    void applyTakesRecordsInOrder()
    {
        // Rows reversed, the second marked, two new rows below it: in display order the marked
        // record goes to the front of the free chain, so the first new row takes it, the second
        // the old head of the free chain.
        const QByteArray untouched = Db().ToBytes();
        const std::vector<int> free = FreeTransponders(Db());
        const int count = Db().TpHeader().Count();
        std::vector<TransponderRow> rows = m_doc->TransponderRows(m_slot);
        std::reverse(rows.begin(), rows.end());
        rows[1].marked = true;
        rows.insert(rows.end(), 2, TransponderRow{});
        QVERIFY(m_doc->ReplaceTransponders(m_slot, rows));
        QCOMPARE(rows[rows.size() - 2].record, rows[1].record);
        QCOMPARE(rows.back().record, free[0]);
        std::vector<int> expected;
        for (const TransponderRow &row : rows)
            expected.insert(expected.end(), size_t(!row.marked), row.record);
        QCOMPARE(Chain(), expected);
        QCOMPARE(Db().TpHeader().Count(), count + 1);
        QCOMPARE(Db().TpHeader().FreeFirst(), free[1]);
        // Applied again with the records it gave out, nothing more is taken.
        rows.erase(rows.begin() + 1);
        QVERIFY(m_doc->ReplaceTransponders(m_slot, rows));
        QCOMPARE(Chain(), expected);
        QVERIFY(m_doc->Undo() && Db().ToBytes() == untouched); // the second Apply recorded no step
        // A new row above a marked row takes the front, which is then the marked row's record.
        const int front = Db().TpHeader().FreeFirst();
        rows = m_doc->TransponderRows(m_slot);
        rows[0].marked = true;
        rows.insert(rows.begin(), TransponderRow{});
        QVERIFY(m_doc->ReplaceTransponders(m_slot, rows));
        QVERIFY(rows[0].record == front && Db().TpHeader().FreeFirst() == rows[1].record);
    }

    void refusedApplyChangesNothing_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("report");
        QTest::newRow("a record left out") << int(LeftOut) << int(Code::RowsMismatch) << "The transponder list no longer matches the database; select the satellite again.\n";
        QTest::newRow("a record named twice") << int(NamedTwice) << int(Code::RowsMismatch) << "The transponder list no longer matches the database; select the satellite again.\n";
        QTest::newRow("damaged chain") << int(Loop) << int(Code::DamagedChain) << "The transponder chain of this satellite is damaged in the database.\n";
        QTest::newRow("free record in use midway") << int(FreeInUse) << int(Code::Inconsistent) << "The transponders could not be stored: the database is inconsistent around them.\n";
        QTest::newRow("table exhausted") << int(Exhausted) << int(Code::TransponderTableFull) << "The transponder table is full: it holds 2500 "
            "transponders for all satellites together.\n1 of the 3 new rows could not be stored. Delete transponders you no longer need and apply again.\n";
    }

    void refusedApplyChangesNothing()
    {
        QFETCH(int, fault);
        ParamDatabase db;
        QVERIFY(db.FromBytes(TestFile::Read(m_path)));
        std::vector<TransponderRow> rows = m_doc->TransponderRows(m_slot);
        rows.insert(rows.end(), fault == Exhausted ? 3 : 1, TransponderRow{});
        if (fault == LeftOut)
            rows.erase(rows.begin());
        if (fault == NamedTwice)
            rows.back() = rows.front(); // the new row names the first record again
        if (fault == Loop)
            db.TransponderAt(Chain().back())->SetNext(Chain().front());
        if (fault == FreeInUse)
            db.TransponderAt(db.TpHeader().FreeFirst())->SetNext(Chain().front());
        for (size_t n = fault == Exhausted ? FreeTransponders(db).size() - 2 : 0; n > 0; --n) // two left for three rows
            QVERIFY(DbTestUtil::AddTp(db, m_doc->Satellites().back().slot, 11000000) != NO_TRANSPONDER);
        QVERIFY(TestFile::Write(m_path, db.ToBytes()) && m_doc->Open(m_path));
        const std::vector<TransponderRow> before = rows;
        const DocumentResult r = m_doc->ReplaceTransponders(m_slot, rows);
        QTEST(int(r.code), "code");
        QFETCH(QString, report);
        QCOMPARE(r.text, report + "Nothing was stored: the database and its file are as they were.");
        QCOMPARE(m_doc->Database().ToBytes(), db.ToBytes());
        QVERIFY(rows == before);
        QVERIFY(!m_doc->IsModified() && !m_doc->CanUndo());
        if (fault == Exhausted) {
            QCOMPARE(r.missing, 1);
            // A marked row frees its record for a new row: then all three fit.
            rows.front().marked = true;
            QVERIFY(m_doc->ReplaceTransponders(m_slot, rows));
            QCOMPARE(m_doc->Database().TpHeader().FreeFirst(), NO_TRANSPONDER);
        }
    }

    void undoRedoAndModified()
    {
        QSignalSpy modified(m_doc.get(), &DatabaseDocument::modifiedChanged);
        std::vector<QByteArray> images{Db().ToBytes()};
        int slot = -1;
        QVERIFY(m_doc->AddSatellite({-1, QStringLiteral("T\u00fcrksat 42E"), 3605}, &slot));
        QCOMPARE(Db().SatelliteAt(slot)->Name(), QByteArray("T\xfcrksat 42E"));
        QCOMPARE(Db().SatelliteAt(slot)->SetupByte(), 0x41);
        images.push_back(Db().ToBytes());
        // Editing changes the name and position, no other bit; a full name has no terminator.
        ParamDatabase edited;
        QVERIFY(edited.FromBytes(Db().ToBytes()));
        edited.SatelliteAt(m_slot)->SetName(QByteArray("ABCDEFGHIJKLMNOP"));
        edited.SatelliteAt(m_slot)->SetPosition(127);
        QVERIFY(m_doc->EditSatellite({m_slot, QStringLiteral("ABCDEFGHIJKLMNOP"), 127}));
        images.push_back(Db().ToBytes());
        QCOMPARE(images.back(), edited.ToBytes());
        std::vector<TransponderRow> rows = m_doc->TransponderRows(m_slot);
        rows[0].marked = true;
        QVERIFY(m_doc->ReplaceTransponders(m_slot, rows));
        images.push_back(Db().ToBytes());
        QVERIFY(m_doc->DeleteSatellite(m_slot));
        images.push_back(Db().ToBytes());
        QCOMPARE(modified.size(), 1);
        QVERIFY(m_doc->Save());
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(TestFile::Read(m_path), images.back());

        const QStringList names{"Delete SAT", "Apply", "Edit SAT", "Add SAT"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(m_doc->UndoName(), names[i]);
            QVERIFY(m_doc->Undo());
            QCOMPARE(Db().ToBytes(), images[size_t(3 - i)]);
            QVERIFY(m_doc->IsModified());
        }
        QVERIFY(!m_doc->Undo());
        QCOMPARE(m_doc->RedoName(), QStringLiteral("Add SAT"));
        QVERIFY(m_doc->Redo());
        QCOMPARE(Db().ToBytes(), images[1]);
        QVERIFY(m_doc->Redo() && m_doc->Redo() && m_doc->Redo());
        QVERIFY(!m_doc->IsModified()); // back to what the file holds
        QCOMPARE(modified.size(), 4);
        QVERIFY(m_doc->Undo());
        QVERIFY(m_doc->EditSatellite({slot, QStringLiteral("X"), 1})); // a new step ends redo
        QVERIFY(!m_doc->CanRedo());
    }

    // A step costs the bytes it changed plus 8 per run (unchanged stretches of fewer than 16 bytes
    // join two runs), at most one image and one run; the newest 100 steps are kept.
    void undoHistoryIsBounded()
    {
        const QByteArray zero(IMAGE_SIZE, '\0');
        QByteArray sparse = zero, dense = zero;
        sparse[100] = sparse[116] = sparse[133] = 1;
        for (int i = 1; i < IMAGE_SIZE; i += 2)
            dense[i] = 1;
        UndoHistory h;
        h.Record("sparse", zero, sparse);
        QCOMPARE(h.Size(), 17 + 1 + 2 * 8);
        h.Record("none", sparse, sparse); // nothing changed: no step
        QCOMPARE(h.UndoName(), QStringLiteral("sparse"));
        for (int i = 0; i < UndoHistory::MAX_STEPS; ++i)
            h.Record("dense", i % 2 ? dense : sparse, i % 2 ? sparse : dense);
        QCOMPARE(h.Size(), UndoHistory::MAX_STEPS * (IMAGE_SIZE + 8));
        QByteArray image = sparse;
        int undone = 0;
        while (h.Undo(image))
            ++undone;
        QVERIFY(undone == UndoHistory::MAX_STEPS && image == sparse); // the oldest step went
    }

    void refusedCommandsKeepTheDocument()
    {
        QVERIFY(m_doc->DeleteSatellite(m_slot));
        const QByteArray image = Db().ToBytes();
        QCOMPARE(m_doc->EditSatellite({m_slot, QStringLiteral("X"), 0}).code, Code::NoSatellite);
        // The name rules themselves are the satellite dialog's test.
        const std::pair<QString, QString> names[] = {{"SEVENTEEN LETTERS", "Please enter no more than 16 characters."},
            {"Sat \U0001F6F0", "The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages)."}};
        for (const auto &[name, text] : names) {
            const DocumentResult r = m_doc->AddSatellite({-1, name, 0});
            QCOMPARE(r.code, Code::BadName);
            QCOMPARE(r.text, text);
        }
        // A refused file (its message: tst_dbfile) keeps the document and its steps.
        QVERIFY(TestFile::Write(m_dir->filePath("bad.bin"), image.left(1000)));
        QCOMPARE(m_doc->Open(m_dir->filePath("bad.bin")).code, Code::OpenFailed);
        QVERIFY(m_doc->Path() == m_path && m_doc->IsModified() && m_doc->CanUndo());
        QVERIFY(QFile::remove(m_path) && QDir().mkdir(m_path)); // a folder cannot be replaced
        const DocumentResult saved = m_doc->Save();
        QCOMPARE(saved.code, Code::SaveFailed);
        QCOMPARE(saved.text, m_path + "\nFilename refers to a directory");
        QVERIFY(m_doc->IsModified());
        QCOMPARE(Db().ToBytes(), image);
        QVERIFY(QDir().rmdir(m_path));
    }

    // What another program did to the file between this document's open and its save. Until the
    // save has ended, no other writer gets the file's lock.
    void saveNeverLosesAnotherWritersChange_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("code");
        QTest::newRow("nothing") << "" << int(Code::Ok);
        QTest::newRow("wrote other bytes") << "other" << int(Code::ChangedOnDisk);
        QTest::newRow("wrote the same bytes") << "same" << int(Code::Ok);
        QTest::newRow("removed it") << "removed" << int(Code::Ok);
    }

    void saveNeverLosesAnotherWritersChange()
    {
        QFETCH(QString, meanwhile);
        const QByteArray other = SampleDatabase::Make({8});
        QVERIFY(m_doc->OpenForUpdate(m_path));
        QVERIFY(m_doc->DeleteSatellite(m_slot));
        if (meanwhile == "other" || meanwhile == "same")
            QVERIFY(TestFile::Write(m_path, meanwhile == "other" ? other : TestFile::Read(m_path)));
        if (meanwhile == "removed")
            QVERIFY(QFile::remove(m_path));
        DatabaseDocument second; // another writer, as another process would be
        const DocumentResult waited = second.OpenForUpdate(m_path, 0);
        QVERIFY2(!waited && (meanwhile == "removed" || waited.text.contains("another program is writing")), qPrintable(waited.text));
        const DocumentResult saved = m_doc->Save();
        QTEST(int(saved.code), "code");
        QCOMPARE(TestFile::Read(m_path), saved ? Db().ToBytes() : other);
        QVERIFY(second.OpenForUpdate(m_path, 0)); // the save let the lock go
        QVERIFY(second.Save());
        QVERIFY(m_doc->Save(true)); // told to, it saves over the change
        QCOMPARE(TestFile::Read(m_path), Db().ToBytes());
    }

    // Cells read like atoi: cut at six, leading zeros, plus and blanks, sign only, blanks eat the
    // room, long but bounded.
    void cellNumberReadsLikeAtoi()
    {
        const struct { const char *text; int maxChars, value; } rows[] = {
            {"1234567", 6, 123456}, {"02000", 6, 2000}, {" \t+42", 6, 42}, {"-", 6, 0}, {"     7", 5, 0}, {"99999999999999999999", 20, 2147483647}};
        for (const auto &r : rows)
            QVERIFY2(TC::CellNumber(r.text, r.maxChars) == r.value, r.text);
    }

    // The name field; every position the field holds, from the degrees shown for it (above 360.9 refused).
    void fieldsFromWhatTheDialogShows()
    {
        for (int p = 0; p <= SC::POSITION_MASK; ++p) {
            float degrees = -1.0f;
            const QString shown = SC::FormatDegrees(SC::DegreesFromPosition(p));
            const SC::Check check = SC::CheckDegrees(shown, degrees);
            QVERIFY2(p < 3610 ? check == SC::Check::Ok && SC::PositionFromDegrees(degrees) == p : check == SC::Check::OutOfRange, qPrintable(shown));
        }
        QCOMPARE(SC::NameFromField(QByteArray("ABCDEFGHIJKLMNOPxyz")), QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(SC::FieldFromName(QString(40, QChar('x'))), QByteArray(16, 'x'));
        QCOMPARE(SC::FieldFromName(QString(20, QChar(0x2605))).size(), 16);
        QCOMPARE(SC::FieldFromName(QString()), QByteArray(16, '\0'));
    }

    void degreesAndPositions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("check");
        QTest::addColumn<int>("position");
        using C = SC::Check;
        const struct { const char *typed; C check; int position; } rows[] = {
            {" 360.5 ", C::Ok, 3605}, {"12.7", C::Ok, 127}, {"1.3e2", C::Ok, 1300}, {"12.79", C::Ok, 127},
            {"361", C::OutOfRange, 0}, {"-0.5", C::OutOfRange, 0}, {"-1", C::OutOfRange, 0}, {"1e40", C::OutOfRange, 0},
            {"1,5", C::NotANumber, 0}, {"19.2E", C::NotANumber, 0}, {"nan", C::NotANumber, 0}};
        for (const auto &r : rows)
            QTest::newRow(r.typed) << QString(r.typed) << int(r.check) << r.position;
    }

    void degreesAndPositions()
    {
        QFETCH(QString, typed);
        float degrees = 0.0f;
        QTEST(int(SC::CheckDegrees(typed, degrees)), "check");
        QTEST(SC::PositionFromDegrees(degrees), "position");
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
