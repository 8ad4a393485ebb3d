// The database document without a window: Apply's rules, satellite commands, undo and redo, the
// conversions the cells and dialog rely on, and the backup archive (restoring: tst_restore).
#include "DbTestUtil.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "document/BackupArchive.h"
#include "document/DatabaseDocument.h"
#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"

#include <QDir>
#include <QLocale>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

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
    QString Path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    static QByteArray Image(int seed) { return SampleDatabase::Make({uint32_t(seed), 5, 20, 100}); }

    enum Fault { LeftOut, NamedTwice, Loop, FreeInUse, Exhausted };
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(QStringLiteral("a.bin"));
        QVERIFY(TestFile::Write(m_path, SampleDatabase::Make({7, 12, 30, 800})));
        m_doc = std::make_unique<DatabaseDocument>();
        std::vector<TransponderRow> none;
        for (const DocumentResult &r : {m_doc->AddSatellite({}), m_doc->EditSatellite({}), m_doc->DeleteSatellite(0), m_doc->ReplaceTransponders(0, none),
                                        m_doc->ReplaceImage("x", {}), m_doc->Batch("x", {}), m_doc->Save()})
            QCOMPARE(r.code, Code::NotOpen);
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
        // Rows reversed, the second marked, two new rows below: in display order the marked record
        // goes to the free chain's front, the first new row takes it, the second the old front.
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
        QVERIFY(!m_doc->CanRedo() && !m_doc->Redo());
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
        QCOMPARE(m_doc->ReplaceImage("x", image.left(1)).code, Code::Refused);
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
    }

    // What another program did to the file between this document's open and its save. Until the
    // save has ended, no other writer gets the file's lock.
    void saveNeverLosesAnotherWritersChange_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("code");
        QTest::newRow("wrote other bytes") << "other" << int(Code::ChangedOnDisk);
        QTest::newRow("wrote the same bytes") << "same" << int(Code::Ok);
        QTest::newRow("removed it") << "removed" << int(Code::Ok);
        QTest::newRow("removed it, nothing held") << "removed unheld" << int(Code::Ok);
    }

    void saveNeverLosesAnotherWritersChange()
    {
        QFETCH(QString, meanwhile);
        const QByteArray other = SampleDatabase::Make({8});
        QVERIFY(meanwhile == "removed unheld" ? m_doc->Open(m_path) : m_doc->OpenForUpdate(m_path));
        QVERIFY(m_doc->DeleteSatellite(m_slot));
        if (meanwhile == "other" || meanwhile == "same")
            QVERIFY(TestFile::Write(m_path, meanwhile == "other" ? other : TestFile::Read(m_path)));
        if (meanwhile.startsWith("removed"))
            QVERIFY(QFile::remove(m_path));
        DatabaseDocument second; // another writer, as another process would be
        const DocumentResult waited = second.OpenForUpdate(m_path, 0);
        QVERIFY2(!waited && (meanwhile.startsWith("removed") || waited.text.contains("another program is writing")), qPrintable(waited.text));
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

    // Every position the field holds, from the degrees shown for it (above 360.9 refused); a name field read back.
    void fieldsFromWhatTheDialogShows()
    {
        for (int p = 0; p <= SC::POSITION_MASK; ++p) {
            float degrees = -1.0f;
            const QString shown = SC::FormatDegrees(SC::DegreesFromPosition(p));
            const SC::Check check = SC::CheckDegrees(shown, degrees);
            QVERIFY2(p < 3610 ? check == SC::Check::Ok && SC::PositionFromDegrees(degrees) == p : check == SC::Check::OutOfRange, qPrintable(shown));
        }
        QCOMPARE(SC::NameFromField(QByteArray("ABCDEFGHIJKLMNOPxyz")), QStringLiteral("ABCDEFGHIJKLMNOP"));
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
        // Read as the meter takes them whatever the user's language: a decimal comma is none in German too.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        float degrees = 0.0f;
        QTEST(int(SC::CheckDegrees(typed, degrees)), "check");
        QTEST(SC::PositionFromDegrees(degrees), "position");
    }

    // A save keeps what the file held, once: not for the same bytes, nor when the newest version has them.
    void saveKeepsThePreviousFile()
    {
        const QString path = Path("my~db.bin"); // a '~' of the name's own
        QVERIFY(TestFile::Write(path, Image(1)));
        BackupArchive archive(Path("a"));
        DatabaseDocument doc;
        doc.SetArchive(&archive);
        QVERIFY(doc.Open(path) && doc.Save()); // unchanged
        QCOMPARE(archive.Entries().size(), 0);
        SatelliteValue sat = doc.Satellites().front();
        sat.name = QStringLiteral("Edited");
        QVERIFY(doc.EditSatellite(sat) && doc.Save());
        const QByteArray edited = TestFile::Read(path);
        QVERIFY(TestFile::Write(path, Image(1)) && doc.Save(true)); // put back behind our back: the newest version
        QVERIFY(doc.DeleteSatellite(sat.slot) && doc.Save());
        const auto kept = archive.Entries(path);
        QVERIFY(kept.size() == 2 && kept.at(0).source == BackupArchive::Source::SavedOver);
        QCOMPARE(TestFile::Read(kept.at(0).filePath), edited);
        QCOMPARE(TestFile::Read(kept.at(1).filePath), Image(1));
        QVERIFY(archive.Entries(Path("other/my~db.bin")).isEmpty());
    }

    // Versions stored at the given ages (days before the last one, oldest first; two at one age
    // share a millisecond) under the settings file's limits: the newest `versions` stay, and every
    // one no older than `days`. Other series lose only to the size cap, oldest first, never their newest.
    void pruningKeepsWhicheverIsMore_data()
    {
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<int>>("ages");
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("megabytes"); // the cap on the whole archive (0: none, 200); a version is 236 KiB
        QTest::newRow("count wins") << 3 << 10 << QList<int>{60, 50, 40, 30, 20, 0} << QList<int>{30, 20, 0} << 0;
        QTest::newRow("age wins, to the day") << 2 << 10 << QList<int>{40, 11, 10, 5, 1, 0} << QList<int>{10, 5, 1, 0} << 200;
        QTest::newRow("size cap wins") << 9 << 99 << QList<int>{6, 5, 4, 3, 2, 1, 0} << QList<int>{3, 2, 1, 0} << 1;
        QTest::newRow("same millisecond") << 2 << 1 << QList<int>{9, 0, 0} << QList<int>{0, 0} << 200;
    }

    void pruningKeepsWhicheverIsMore()
    {
        QFETCH(int, versions);
        QFETCH(int, days);
        QFETCH(QList<int>, ages);
        QFETCH(int, megabytes);
        TempSettings settings;
        QSettings file(QSettings::UserScope, "Tarnwell", "vanetool");
        file.setValue("Backups/KeepVersions", versions);
        file.setValue("Backups/KeepDays", days);
        file.setValue("Backups/MaxMegabytes", megabytes);
        file.sync();
        QTemporaryDir dir;
        // Old versions of other series (same series, other tag, twice; other series, same tag), names
        // without a tag, a series or a whole time, and a 17 MB stray file, which is no version: it
        // neither counts nor goes.
        const QStringList others{"meter-42010203~other~20250101-000000-000-1.bin", "meter-42010203~other~20240101-000000-000.bin",
                                 "meter-0BAD0000~read~20250101-000000-000.bin",
                                 "no~version.bin", "~read~20250101-000000-000.bin", "meter-1~read~20250101-1200.bin",
                                 "x.bin~0~20250101-000000-000-1.bin"};
        for (const QString &name : others)
            QVERIFY(TestFile::Write(dir.filePath(name), "x"));
        QVERIFY(QFile(dir.filePath(others.back())).resize(BackupArchive::MAX_KEPT_BYTES + 1));
        BackupArchive archive(dir.path());
        const QDateTime last = QDateTime::currentDateTimeUtc();
        QDateTime now;
        archive.SetClock([&] { return now; });
        for (int i = 0; i < ages.size(); ++i) {
            now = last.addDays(-ages[i]);
            QVERIFY(archive.KeepRead(Image(i + 10), 0x42010203));
        }
        QVERIFY(archive.KeepRead(Image(int(ages.size()) + 9), 0x42010203)); // the same bytes again: not stored
        QList<int> left;
        QByteArray newest;
        for (const auto &entry : archive.Entries()) {
            if (entry.series != "meter-42010203" || entry.tag != "read")
                continue;
            left.prepend(int(entry.time.daysTo(last)));
            QVERIFY(left.size() > 1 || BackupArchive::Read(entry, &newest));
        }
        QTEST(left, "left");
        const bool capped = megabytes == 1;
        QCOMPARE(archive.Entries().size(), left.size() + others.size() - 3 - capped); // names without a tag, series or time are none of ours
        QVERIFY(newest == Image(int(ages.size()) + 9)); // the later of one millisecond listed first
        for (const QString &name : others)
            QVERIFY2(QFileInfo::exists(dir.filePath(name)) != (capped && name == others[1]), qPrintable(name));
    }

    // Things others left under version names (%1: the clock's stamp now). The next version lands
    // in the folder, named by the clock; a stray file is listed as what it is, never followed nor read.
    void strayFilesInTheFolder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("listed"); // how the stray file is described
        const QString next = "meter-42010203~read~%1";
        const QString future = "meter-42010203~read~20991231-235959-999.bin";
        QTest::newRow("links under the next names") << QStringList{next + ".bin", next + "-1.bin"} << "link" << "not a version (a symbolic link)";
        QTest::newRow("entry from the future") << QStringList{future} << "byte" << "not a database (1 bytes)";
        QTest::newRow("an earlier release's name") << QStringList{next + ".bin"} << "same" << "5 satellites, 69 transponders";
    }

    void strayFilesInTheFolder()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString outside = Path(QTest::currentDataTag());
        QDateTime now = QDateTime::currentDateTimeUtc();
        for (const QString &name : names) {
            const QString path = dir.filePath(QString(name).replace("%1", now.toString("yyyyMMdd-HHmmss-zzz")));
            QVERIFY(kind == "link" ? QFile::link(outside, path) : TestFile::Write(path, kind == "byte" ? "x" : Image(1)));
        }
        BackupArchive archive(dir.path());
        archive.SetClock([&] { return now; });
        QVERIFY(archive.KeepRead(Image(1), 0x42010203));
        QVERIFY(!QFileInfo::exists(outside));
        QStringList described;
        QList<QDateTime> copies;
        for (const auto &entry : archive.Entries()) {
            QByteArray bytes;
            if (BackupArchive::Read(entry, &bytes) && bytes == Image(1))
                copies << entry.time;
            described << BackupArchive::Describe(entry);
        }
        QCOMPARE(copies, QList<QDateTime>{now});
        QFETCH(QString, listed);
        QVERIFY2(described.filter(listed).size() == names.size(), qPrintable(described.join('|')));
    }

    // The largest file kept before a save, and one byte more: told, never copied.
    void keptUpToTheLimit()
    {
        QTemporaryDir dir;
        BackupArchive archive(dir.filePath("a"));
        const QString path = dir.filePath("big.bin");
        QVERIFY(TestFile::Write(path, "x") && QFile(path).resize(16 << 20));
        QVERIFY(archive.KeepBeforeSave(path, Image(1)));
        QVERIFY(QFile(path).resize((16 << 20) + 1));
        const FileResult refused = archive.KeepBeforeSave(path, Image(1));
        QVERIFY2(!refused && refused.error.endsWith("far more than a database; its content was not kept"), qPrintable(refused.error));
        const auto kept = archive.Entries(path);
        QCOMPARE(kept.size(), 1);
        QVERIFY(kept.front().IsVersion() && kept.front().size == 16 << 20);
    }

    // A write refused part way (past the file size limit, as on a full disk) is told by its cause, leaving nothing.
    void refusedWriteIsNamed()
    {
        QTemporaryDir dir;
        BackupArchive archive(dir.path());
        const FileResult kept = [&] { FileSizeLimit limit(4096); return archive.KeepRead(Image(1), 1); }();
        QVERIFY2(!kept && kept.error.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(kept.error));
        QVERIFY(archive.Entries().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
