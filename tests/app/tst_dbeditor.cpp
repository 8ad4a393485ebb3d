// The offline database editor end to end through the main window: files opened with "Edit
// parameters", lists, satellite and transponder commands, Apply, and closing with work pending.
#include "EditorFixture.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CEditSatDlg.h"
#include "app/CTransponderList.h"
#include "database/DatabaseChecker.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

using namespace DbLayout;

namespace {

// Slot of the first satellite in chain order with at least n transponders.
int SatelliteWith(const ParamDatabase &db, int n, int *row = nullptr)
{
    const std::vector<int> chain = db.SatelliteChain().indices;
    for (size_t i = 0; i < chain.size(); ++i) {
        if (int(db.TransponderChain(chain[i]).indices.size()) >= n) {
            if (row)
                *row = int(i);
            return chain[i];
        }
    }
    return -1;
}

QStringList ExpectedRow(const ParamDatabase &db, int tp, int number)
{
    const TransponderRecord &r = *db.TransponderAt(tp);
    static const char *const polar[] = {"Vert", "Hori", "Auto", "Auto"};
    return {QString::asprintf("%5d", number), QString::number(r.Frequency() / 1000),
            QString::number(r.SymbolRate() / 1000), QString::fromLatin1(polar[r.Polarisation()])};
}

} // namespace

class TestDbEditor : public QObject
{
    Q_OBJECT
private slots:
    void openShowsSatellitesAndFirstTransponders();
    void commandsDoNothingBeforeAFileIsOpen();
    void databaseWithoutSatellites();
    void satelliteWithoutTransponders();
    void cellTextsAreClampedAndMapped_data();
    void cellTextsAreClampedAndMapped();
    void typedDigitsAreStored();
    void deleteTpAndApplyFreesTheRecord();
    void addTpApplyApplyStoresOne();
    void contextMenuAddKeepsUnappliedEdits();
    void sortedOrderIsStoredWithMarks();
    void editSecondSatelliteKeepsFirstSelected();
    void addSatelliteAppendsWithoutChangingSelection();
    void deleteSatelliteReachesFileWithApply();
    void deletingTheLastSatelliteCanStillBeSaved();
    void sixteenCharacterNameShownWhole();
    void secondFileKeepsFourColumns();
    void failedLoadKeepsPreviousDatabase();
    void exhaustedTableChangesNothing();
    void closeAsksAboutPendingWork();
    void closeWithNothingPendingAsksNothing();
    void valueStillBeingTypedIsNotLost();
};

void TestDbEditor::openShowsSatellitesAndFirstTransponders()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    f.dlg->show();
    f.Open(path);
    QCOMPARE(f.prompts.MessageCount(), 0);

    auto file = f.LoadFile(path);
    const std::vector<int> chain = file->SatelliteChain().indices;
    QListWidget *sats = f.dlg->SatList();
    QCOMPARE(sats->count(), int(chain.size()));
    for (int i = 0; i < sats->count(); ++i) {
        QCOMPARE(sats->item(i)->data(DatabaseLists::SlotRole).toInt(), chain[size_t(i)]);
        QCOMPARE(sats->item(i)->text(), QString::fromLatin1(file->SatelliteAt(chain[size_t(i)])->Name()));
    }
    QCOMPARE(sats->currentRow(), 0);

    CTransponderList *list = f.dlg->TpList();
    const QStringList headings{"Index", "Frequency", "Sym.Rate", "Polar"};
    QCOMPARE(list->GetColumnCount(), 4);
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(list->GetColumnHeading(c), headings[c]);
        QCOMPARE(list->GetColumnFormat(c), int(LVCFMT_CENTER));
    }
    const std::vector<int> tps = file->TransponderChain(chain[0]).indices;
    QCOMPARE(list->GetItemCount(), int(tps.size()));
    for (int r = 0; r < list->GetItemCount(); ++r) {
        QCOMPARE(f.Row(r), ExpectedRow(*file, tps[size_t(r)], r + 1));
        QCOMPARE(list->GetItemData(r), quint32(tps[size_t(r)]));
    }
    // Expanded: both lists show.
    for (QGroupBox *group : f.dlg->findChildren<QGroupBox *>())
        QVERIFY(group->isVisible());

    // Another satellite shows its own transponders.
    int row = -1;
    const int other = SatelliteWith(*file, 1, &row);
    QVERIFY(other >= 0);
    f.SelectSatellite(row);
    QCOMPARE(list->GetItemCount(), int(file->TransponderChain(other).indices.size()));
    QCOMPARE(f.Row(0), ExpectedRow(*file, file->TransponderChain(other).indices[0], 1));
}

void TestDbEditor::commandsDoNothingBeforeAFileIsOpen()
{
    EditorFixture f;
    f.dlg->show();
    for (const char *b : {"addSatButton", "deleteSatButton", "applySatButton", "addTpButton",
                          "deleteTpButton", "applyTpButton"})
        f.Click(b);
    QCOMPARE(f.dlg->SatList()->count(), 0);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    QCOMPARE(f.prompts.MessageCount(), 0);
    QVERIFY(!f.dlg->HasPendingWork());
    // A cancelled chooser opens nothing.
    f.Click("editButton");
    QVERIFY(!f.dlg->Database().IsLoaded());
}

void TestDbEditor::databaseWithoutSatellites()
{
    EditorFixture f;
    ParamDatabase empty(f.prompts);
    empty.InitEmpty();
    const QString path = f.WriteFile("empty.bin", empty.ToBytes());
    const QByteArray before = EditorFixture::ReadBytes(path);
    f.dlg->show();
    f.Open(path);
    QCOMPARE(f.dlg->SatList()->count(), 0);
    QCOMPARE(f.dlg->SatList()->currentRow(), -1);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    QCOMPARE(f.dlg->TpList()->GetColumnCount(), 4);
    f.Click("addTpButton");
    f.Click("deleteTpButton");
    f.Click("applyTpButton");
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    QCOMPARE(EditorFixture::ReadBytes(path), before);
    QCOMPARE(f.prompts.MessageCount(), 0);
}

void TestDbEditor::satelliteWithoutTransponders()
{
    EditorFixture f;
    SampleDatabase::Options o;
    o.seed = 3;
    ParamDatabase db(f.prompts);
    SampleDatabase::Fill(db, o);
    const int first = db.SatelliteChain().indices[0];
    QVERIFY(db.DeleteSatelliteTransponders(first));
    QVERIFY(DatabaseChecker::Check(db).isEmpty());
    const QString path = f.WriteFile("notp.bin", db.ToBytes());

    f.dlg->show();
    f.Open(path);
    CTransponderList *list = f.dlg->TpList();
    QCOMPARE(list->GetItemCount(), 0);
    f.Click("addTpButton");
    QCOMPARE(list->GetItemCount(), 1);
    QCOMPARE(f.Row(0), (QStringList{"    1", "2000", "27500", "Hori"}));
    QCOMPARE(list->GetItemData(0), CTransponderList::NEW_ROW);

    f.Click("applyTpButton");
    auto file = f.LoadFile(path);
    QVERIFY(DatabaseChecker::Check(*file).isEmpty());
    const std::vector<int> tps = file->TransponderChain(first).indices;
    QCOMPARE(int(tps.size()), 1);
    QCOMPARE(file->TransponderAt(tps[0])->Frequency(), 2000000u);
    QCOMPARE(file->TransponderAt(tps[0])->SymbolRate(), 27500000u);
    QCOMPARE(file->TransponderAt(tps[0])->Polarisation(), 1);
    QCOMPARE(list->GetItemData(0), quint32(tps[0]));
}

void TestDbEditor::cellTextsAreClampedAndMapped_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("symbolRate");
    QTest::addColumn<QString>("polar");
    QTest::addColumn<quint32>("storedFrequency");
    QTest::addColumn<quint32>("storedSymbolRate");
    QTest::addColumn<int>("storedPolar");
    // Only the first six characters count: 1234567 is 123456.
    QTest::newRow("seven digits") << "1234567" << "27500" << "Vert" << 15000000u << 27500000u << 0;
    QTest::newRow("negative") << "-5" << "-5" << "Hori" << 15000000u << 45000000u << 1;
    QTest::newRow("letters") << "abc" << "x1" << "Vert" << 2000000u << 2000000u << 0;
    QTest::newRow("empty") << "" << "" << "" << 2000000u << 2000000u << 2;
    QTest::newRow("symbol rate too high") << "11000" << "50000" << "Vert" << 11000000u << 45000000u << 0;
    QTest::newRow("bounds") << "15000" << "2000" << "Vert" << 15000000u << 2000000u << 0;
    QTest::newRow("blanks and digits") << "  12a" << "+3000" << "Vert" << 2000000u << 3000000u << 0;
    QTest::newRow("Horizontal") << "12000" << "27500" << "Horizontal" << 12000000u << 27500000u << 1;
    QTest::newRow("hori") << "12000" << "27500" << "hori" << 12000000u << 27500000u << 2;
    QTest::newRow("Auto") << "12000" << "27500" << "Auto" << 12000000u << 27500000u << 2;
}

void TestDbEditor::cellTextsAreClampedAndMapped()
{
    QFETCH(QString, frequency);
    QFETCH(QString, symbolRate);
    QFETCH(QString, polar);
    QFETCH(quint32, storedFrequency);
    QFETCH(quint32, storedSymbolRate);
    QFETCH(int, storedPolar);

    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    f.dlg->show();
    f.Open(path);
    const int slot = f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt();
    CTransponderList *list = f.dlg->TpList();
    f.Click("addTpButton");
    const int row = list->GetItemCount() - 1;
    // Texts the digit-only editor would not let through still come from files and sorts.
    list->SetItemText(row, 1, frequency);
    list->SetItemText(row, 2, symbolRate);
    list->SetItemText(row, 3, polar);
    f.Click("applyTpButton");
    QCOMPARE(f.prompts.MessageCount(), 0);

    auto file = f.LoadFile(path);
    QVERIFY(DatabaseChecker::Check(*file).isEmpty());
    const TransponderRecord &r = *file->TransponderAt(file->TransponderChain(slot).indices.back());
    QCOMPARE(r.Frequency(), storedFrequency);
    QCOMPARE(r.SymbolRate(), storedSymbolRate);
    QCOMPARE(r.Polarisation(), storedPolar);
    QCOMPARE(r.SpareBits(), 0);
    QCOMPARE(r.InUse(), 1);
}

void TestDbEditor::typedDigitsAreStored()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    f.dlg->show();
    f.Open(path);
    const int slot = f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt();
    CTransponderList *list = f.dlg->TpList();
    QVERIFY(list->GetItemCount() > 0);
    f.ClickCell(0, 1);
    f.ClickCell(0, 1); // a click on the focus cell opens its editor
    QVERIFY(WaitUntil([&] { return list->GetEditorLine() != nullptr; }));
    QLineEdit *line = list->GetEditorLine();
    line->selectAll();
    QTest::keyClicks(line, "1x2y3z45");
    QCOMPARE(line->text(), QStringLiteral("12345"));
    QTest::keyClick(line, Qt::Key_Return);
    QVERIFY(WaitUntil([&] { return !list->IsEditing(); }));
    QCOMPARE(list->GetItemText(0, 1), QStringLiteral("12345"));
    QVERIFY(f.dlg->HasPendingWork());
    f.Click("applyTpButton");
    QVERIFY(!f.dlg->HasPendingWork());
    auto file = f.LoadFile(path);
    QCOMPARE(file->TransponderAt(file->TransponderChain(slot).indices[0])->Frequency(), 12345000u);
}

void TestDbEditor::deleteTpAndApplyFreesTheRecord()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    const QByteArray before = EditorFixture::ReadBytes(path);
    auto original = f.LoadFile(path);
    int satRow = -1;
    const int slot = SatelliteWith(*original, 3, &satRow);
    QVERIFY(slot >= 0);
    const std::vector<int> tps = original->TransponderChain(slot).indices;
    const int victim = tps[1];

    f.dlg->show();
    f.Open(path);
    f.SelectSatellite(satRow);
    CTransponderList *list = f.dlg->TpList();
    f.ClickCell(1, 0);
    QCOMPARE(list->GetFocusedItem(), 1);
    f.Click("deleteTpButton");
    QCOMPARE(list->GetItemData(1), quint32(victim) | CTransponderList::DELETED_ROW_MASK);
    QColor text, background;
    quint8 style = 0;
    QVERIFY(list->GetCellStyle(1, 2, text, background, style));
    QCOMPARE(int(style), FONT_BOLD | FONT_STRIKEOUT);
    f.Click("deleteTpButton"); // marking again changes nothing
    QVERIFY(CTransponderList::IsMarked(list->GetItemData(1)));
    QCOMPARE(EditorFixture::ReadBytes(path), before); // nothing reaches the file before Apply

    f.Click("applyTpButton");
    QCOMPARE(f.prompts.MessageCount(), 0);
    QCOMPARE(list->GetItemCount(), int(tps.size()) - 1);
    for (int r = 0; r < list->GetItemCount(); ++r)
        QVERIFY(list->GetItemData(r) != quint32(victim));

    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(file->SatelliteAt(slot)->TpCount(), original->SatelliteAt(slot)->TpCount() - 1);
    QCOMPARE(file->TpHeader().Count(), original->TpHeader().Count() - 1);
    QCOMPARE(file->TpHeader().FreeFirst(), victim);
    std::vector<int> expected = tps;
    expected.erase(expected.begin() + 1);
    QCOMPARE(file->TransponderChain(slot).indices, expected);

    // Only the satellite, its transponders, the header, the old first free record and the
    // channels that hung on the deleted transponder may differ.
    std::vector<ByteRange> allowed{SatelliteBytes(slot), TransponderHeaderBytes(), ChannelBytes()};
    for (int tp : tps)
        allowed.push_back(TransponderBytes(tp));
    allowed.push_back(TransponderBytes(original->TpHeader().FreeFirst()));
    QCOMPARE(ChangesOutside(before, EditorFixture::ReadBytes(path), allowed), std::vector<int>());
    // Every other satellite is byte for byte as it was.
    for (int s = 0; s < NO_SATELLITE; ++s) {
        if (s != slot)
            QVERIFY(file->SatelliteAt(s)->raw == original->SatelliteAt(s)->raw);
    }
}

void TestDbEditor::addTpApplyApplyStoresOne()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    const QByteArray before = EditorFixture::ReadBytes(path);
    auto original = f.LoadFile(path);
    f.dlg->show();
    f.Open(path);
    const int slot = f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt();
    const std::vector<int> tps = original->TransponderChain(slot).indices;
    const std::vector<int> freeBefore = FreeTransponders(*original, 2);

    f.Click("addTpButton");
    CTransponderList *list = f.dlg->TpList();
    QCOMPARE(list->GetItemCount(), int(tps.size()) + 1);
    f.Click("applyTpButton");
    QCOMPARE(list->GetItemData(int(tps.size())), quint32(freeBefore[0]));
    f.Click("applySatButton"); // the other Apply button does the same
    QCOMPARE(f.prompts.MessageCount(), 0);

    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(file->TpHeader().Count(), original->TpHeader().Count() + 1);
    QCOMPARE(int(file->TransponderChain(slot).indices.size()), int(tps.size()) + 1);
    QCOMPARE(file->TransponderChain(slot).indices.back(), freeBefore[0]);
    QCOMPARE(file->TpHeader().FreeFirst(), freeBefore[1]);

    std::vector<ByteRange> allowed{SatelliteBytes(slot), TransponderHeaderBytes()};
    for (int tp : tps)
        allowed.push_back(TransponderBytes(tp));
    for (int tp : freeBefore)
        allowed.push_back(TransponderBytes(tp));
    QCOMPARE(ChangesOutside(before, EditorFixture::ReadBytes(path), allowed), std::vector<int>());
}

void TestDbEditor::contextMenuAddKeepsUnappliedEdits()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    f.dlg->show();
    f.Open(path);
    const int slot = f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt();
    CTransponderList *list = f.dlg->TpList();
    const int n = list->GetItemCount();
    QVERIFY(n > 0);
    list->SetItemText(0, 1, QStringLiteral("9999"));

    // "ADD TP" of the context menu keeps the edit; the button refills first.
    QRect cell;
    QVERIFY(list->GetCellRect(0, 2, cell));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, cell.center());
    QVERIFY(WaitUntil([&] { return list->ContextMenu()->isVisible(); }));
    const QList<QAction *> actions = list->ContextMenu()->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("Delete TP"));
    QCOMPARE(actions[1]->text(), QStringLiteral("ADD TP"));
    list->ContextMenu()->hide();
    actions[1]->trigger();
    QCOMPARE(list->GetItemCount(), n + 1);
    QCOMPARE(list->GetItemText(0, 1), QStringLiteral("9999"));
    QCOMPARE(f.Row(n), (QStringList{CTransponderList::IndexText(n + 1), "2000", "27500", "Hori"}));

    f.Click("applyTpButton");
    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    const std::vector<int> tps = file->TransponderChain(slot).indices;
    QCOMPARE(int(tps.size()), n + 1);
    QCOMPARE(file->TransponderAt(tps[0])->Frequency(), 9999000u);

    // The button drops what was not applied.
    list->SetItemText(0, 1, QStringLiteral("8888"));
    f.Click("addTpButton");
    QCOMPARE(list->GetItemText(0, 1), QStringLiteral("9999"));
    QCOMPARE(list->GetItemCount(), n + 2);
}

void TestDbEditor::sortedOrderIsStoredWithMarks()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    auto original = f.LoadFile(path);
    int satRow = -1;
    const int slot = SatelliteWith(*original, 4, &satRow);
    QVERIFY(slot >= 0);
    f.dlg->show();
    f.Open(path);
    f.SelectSatellite(satRow);
    CTransponderList *list = f.dlg->TpList();
    const int n = list->GetItemCount();
    f.ClickCell(0, 0);
    const quint32 marked = list->GetItemData(0);
    f.Click("deleteTpButton");

    list->OnColumnClick(1); // ascending by frequency
    QVERIFY(f.dlg->HasPendingWork());
    int markedRow = -1;
    for (int r = 0; r < n; ++r) {
        if (list->GetItemData(r) == (marked | CTransponderList::DELETED_ROW_MASK))
            markedRow = r;
    }
    QVERIFY(markedRow >= 0); // the mark moved with its row
    std::vector<int> expected;
    for (int r = 0; r < n; ++r) {
        if (!CTransponderList::IsMarked(list->GetItemData(r)))
            expected.push_back(int(list->GetItemData(r)));
    }
    f.Click("applyTpButton");
    QCOMPARE(list->GetItemCount(), n - 1);
    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(file->TransponderChain(slot).indices, expected);
    QVERIFY(!file->TransponderAt(int(marked))->InUse());
    quint32 last = 0;
    for (int tp : expected) {
        QVERIFY(file->TransponderAt(tp)->Frequency() >= last);
        last = file->TransponderAt(tp)->Frequency();
    }
}

void TestDbEditor::editSecondSatelliteKeepsFirstSelected()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    const QByteArray before = EditorFixture::ReadBytes(path);
    auto original = f.LoadFile(path);
    f.dlg->show();
    f.Open(path);
    QListWidget *sats = f.dlg->SatList();
    const int first = sats->item(0)->data(DatabaseLists::SlotRole).toInt();
    const int second = sats->item(1)->data(DatabaseLists::SlotRole).toInt();

    QString shownName;
    QString shownDegrees;
    DialogDriver driver([&](CEditSatDlg &d) {
        shownName = d.NameEdit()->text();
        shownDegrees = d.DegreeEdit()->text();
        d.NameEdit()->setText(QStringLiteral("RENAMED 1"));
        d.DegreeEdit()->setText(QStringLiteral("12.7"));
        d.OkButton()->click();
    });
    const QRect rect = sats->visualItemRect(sats->item(1));
    // The first click selects the entry (and shows its transponders), the second edits it.
    QTest::mouseClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(f.dlg->TpList()->GetItemCount(), int(original->TransponderChain(second).indices.size()));
    QTest::mouseDClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(driver.Acted());
    QCOMPARE(shownName, QString::fromLatin1(original->SatelliteAt(second)->Name()));
    QCOMPARE(shownDegrees, CEditSatDlg::FormatDegrees(original->SatelliteAt(second)->Position() * 0.1f));

    QCOMPARE(sats->item(1)->text(), QStringLiteral("RENAMED 1"));
    QCOMPARE(sats->currentRow(), 0);
    const std::vector<int> firstTps = original->TransponderChain(first).indices;
    QCOMPARE(f.dlg->TpList()->GetItemCount(), int(firstTps.size()));
    if (!firstTps.empty())
        QCOMPARE(f.dlg->TpList()->GetItemData(0), quint32(firstTps[0]));
    QCOMPARE(EditorFixture::ReadBytes(path), before);
    QVERIFY(f.dlg->HasUnsavedChanges());

    f.Click("applySatButton");
    QVERIFY(!f.dlg->HasUnsavedChanges());
    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(file->SatelliteAt(second)->Name(), QByteArray("RENAMED 1"));
    QCOMPARE(file->SatelliteAt(second)->Position(), 127);
    QCOMPARE(file->SatelliteAt(second)->SetupByte(), original->SatelliteAt(second)->SetupByte());
    // The name's terminator and the position are all that changed in the record; the first
    // satellite's rows were applied unchanged.
    std::vector<ByteRange> allowed{{SatelliteBytes(second).offset + 8, 4},
                                   {SatelliteBytes(second).offset + 24, 16},
                                   SatelliteBytes(first), TransponderHeaderBytes()};
    for (int tp : firstTps)
        allowed.push_back(TransponderBytes(tp));
    QCOMPARE(ChangesOutside(before, EditorFixture::ReadBytes(path), allowed), std::vector<int>());

    // Cancel changes nothing.
    DialogDriver cancel([](CEditSatDlg &d) {
        d.NameEdit()->setText(QStringLiteral("NOT STORED"));
        d.reject();
    });
    f.dlg->OnEditSatellite();
    QVERIFY(cancel.Acted());
    QVERIFY(!f.dlg->HasUnsavedChanges());
    QVERIFY(f.dlg->Database().SatelliteAt(first)->Name() != QByteArray("NOT STORED"));
}

void TestDbEditor::addSatelliteAppendsWithoutChangingSelection()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    auto original = f.LoadFile(path);
    f.dlg->show();
    f.Open(path);
    QListWidget *sats = f.dlg->SatList();
    const int count = sats->count();
    f.SelectSatellite(2);
    const int rows = f.dlg->TpList()->GetItemCount();

    QString shownName, shownDegrees;
    DialogDriver driver([&](CEditSatDlg &d) {
        shownName = d.NameEdit()->text();
        shownDegrees = d.DegreeEdit()->text();
        d.NameEdit()->setText(QStringLiteral("Türksat 42E"));
        d.DegreeEdit()->setText(QStringLiteral("360.5"));
        d.OkButton()->click();
    });
    f.Click("addSatButton");
    QVERIFY(driver.Acted());
    QCOMPARE(shownName, QStringLiteral("New satillite"));
    QCOMPARE(shownDegrees, QStringLiteral("0"));
    QCOMPARE(sats->count(), count + 1);
    QCOMPARE(sats->item(count)->text(), QStringLiteral("Türksat 42E"));
    QCOMPARE(sats->currentRow(), 2);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), rows);
    const int slot = sats->item(count)->data(DatabaseLists::SlotRole).toInt();

    f.Click("applyTpButton");
    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(file->SatelliteChain().indices.back(), slot);
    const SatelliteRecord &r = *file->SatelliteAt(slot);
    QCOMPARE(r.Name(), QByteArray("T\xfcrksat 42E"));
    QCOMPARE(r.Position(), 3605);
    QCOMPARE(r.SetupByte(), 0x41);
    QCOMPARE(r.TpCount(), 0);
}

void TestDbEditor::deleteSatelliteReachesFileWithApply()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    const QByteArray before = EditorFixture::ReadBytes(path);
    auto original = f.LoadFile(path);
    f.dlg->show();
    f.Open(path);
    QListWidget *sats = f.dlg->SatList();
    const int count = sats->count();
    f.SelectSatellite(1);
    const int gone = sats->item(1)->data(DatabaseLists::SlotRole).toInt();
    f.Click("deleteSatButton");
    QCOMPARE(sats->count(), count - 1);
    QCOMPARE(sats->currentRow(), 0);
    const int first = sats->item(0)->data(DatabaseLists::SlotRole).toInt();
    QCOMPARE(f.dlg->TpList()->GetItemCount(), int(original->TransponderChain(first).indices.size()));
    QCOMPARE(EditorFixture::ReadBytes(path), before);

    f.Click("applySatButton");
    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(int(file->SatelliteChain().indices.size()), count - 1);
    QVERIFY(!file->SatelliteAt(gone)->InUse());
}

void TestDbEditor::deletingTheLastSatelliteCanStillBeSaved()
{
    EditorFixture f;
    const QString path = f.SampleFile("one.bin", 5, 1, 40);
    f.dlg->show();
    f.Open(path);
    QCOMPARE(f.dlg->SatList()->count(), 1);
    f.Click("deleteSatButton");
    QCOMPARE(f.dlg->SatList()->count(), 0);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    QVERIFY(f.dlg->HasPendingWork());
    // No satellite is selected, but the deletion must still be able to reach the file.
    f.Click("applyTpButton");
    QVERIFY(!f.dlg->HasPendingWork());
    auto file = f.LoadFile(path);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QVERIFY(file->SatelliteChain().indices.empty());
    QCOMPARE(file->TpHeader().Count(), 0);
}

void TestDbEditor::sixteenCharacterNameShownWhole()
{
    EditorFixture f;
    SampleDatabase::Options o;
    ParamDatabase db(f.prompts);
    SampleDatabase::Fill(db, o);
    const int first = db.SatelliteChain().indices[0];
    db.SatelliteAt(first)->SetName(QByteArray("ABCDEFGHIJKLMNOP"));
    QCOMPARE(db.SatelliteAt(first)->raw[SatelliteRecord::NAME_OFFSET + 15], quint8('P'));
    const QString path = f.WriteFile("names.bin", db.ToBytes());
    f.dlg->show();
    f.Open(path);
    QCOMPARE(f.dlg->SatList()->item(0)->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
}

void TestDbEditor::secondFileKeepsFourColumns()
{
    EditorFixture f;
    const QString a = f.SampleFile("a.bin", 7);
    const QString b = f.SampleFile("b.bin", 8);
    f.dlg->show();
    f.Open(a);
    f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("3333"));
    f.Open(b);
    QCOMPARE(f.dlg->TpList()->GetColumnCount(), 4);
    QCOMPARE(f.dlg->Database().Path(), b);
    auto file = f.LoadFile(b);
    QCOMPARE(f.dlg->SatList()->count(), int(file->SatelliteChain().indices.size()));
    QCOMPARE(f.dlg->SatList()->item(0)->text(),
             QString::fromLatin1(file->SatelliteAt(file->SatelliteChain().indices[0])->Name()));
    QVERIFY(!f.dlg->HasPendingWork()); // opening a file drops unapplied rows, as before
}

void TestDbEditor::failedLoadKeepsPreviousDatabase()
{
    EditorFixture f;
    const QString good = f.SampleFile("good.bin");
    const QByteArray shortImage = EditorFixture::ReadBytes(good).left(1000);
    const QString bad = f.WriteFile("bad.bin", shortImage);
    f.dlg->show();
    f.Open(good);
    const int sats = f.dlg->SatList()->count();
    f.SelectSatellite(1);
    const QStringList row0 = f.Row(0);
    f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("4444"));

    f.Open(bad);
    QCOMPARE(f.prompts.MessageTexts(), QStringList{"Database does not match!"});
    QCOMPARE(f.dlg->Database().Path(), good);
    QCOMPARE(f.dlg->SatList()->count(), sats);
    QCOMPARE(f.dlg->SatList()->currentRow(), 1);
    QCOMPARE(f.dlg->TpList()->GetItemText(0, 1), QStringLiteral("4444"));

    // Apply stores into the database still open and its own file; the refused file stays.
    const int slot = f.dlg->SatList()->item(1)->data(DatabaseLists::SlotRole).toInt();
    f.Click("applyTpButton");
    QCOMPARE(EditorFixture::ReadBytes(bad), shortImage);
    auto file = f.LoadFile(good);
    QCOMPARE(DatabaseChecker::Check(*file), QStringList());
    QCOMPARE(file->TransponderAt(file->TransponderChain(slot).indices[0])->Frequency(), 4444000u);
    Q_UNUSED(row0);
}

void TestDbEditor::exhaustedTableChangesNothing()
{
    EditorFixture f;
    ParamDatabase db(f.prompts);
    SampleDatabase::Options o;
    o.channels = 100;
    SampleDatabase::Fill(db, o);
    // Fill the transponder table up, leaving one free record.
    const std::vector<int> chain = db.SatelliteChain().indices;
    const int slot = chain[0];
    while (FreeTransponders(db, 2).size() > 1) {
        const int tp = db.AllocateTransponder();
        db.TransponderAt(tp)->SetInUse(1);
        db.TransponderAt(tp)->SetFrequency(11000000);
        db.TransponderAt(tp)->SetSymbolRate(27500000);
        QVERIFY(db.AppendTransponder(chain[1], tp));
    }
    QCOMPARE(DatabaseChecker::Check(db), QStringList());
    const QString path = f.WriteFile("full.bin", db.ToBytes());
    const QByteArray before = EditorFixture::ReadBytes(path);

    f.dlg->show();
    f.Open(path);
    QCOMPARE(f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt(), slot);
    CTransponderList *list = f.dlg->TpList();
    const int n = list->GetItemCount();
    for (int i = 0; i < 3; ++i)
        list->OnCommand(CTransponderList::CMD_ADD_TP);
    const QByteArray image = f.dlg->Database().ToBytes();
    f.Click("applyTpButton");

    QCOMPARE(f.prompts.MessageCount(), 1);
    QVERIFY2(f.prompts.MessageTexts()[0].contains(QStringLiteral("2 of the 3 new rows could not be stored")),
             qPrintable(f.prompts.MessageTexts()[0]));
    QCOMPARE(f.dlg->Database().ToBytes(), image);
    QCOMPARE(EditorFixture::ReadBytes(path), before);
    QCOMPARE(list->GetItemCount(), n + 3);
    for (int r = n; r < n + 3; ++r)
        QCOMPARE(list->GetItemData(r), CTransponderList::NEW_ROW);
    QVERIFY(f.dlg->HasPendingWork());

    // A row marked for deletion frees its record for a new row: then two fit.
    if (n > 0) {
        f.prompts.Clear();
        list->SetItemData(0, list->GetItemData(0) | CTransponderList::DELETED_ROW_MASK);
        list->DeleteItem(n + 2);
        f.Click("applyTpButton");
        QCOMPARE(f.prompts.MessageCount(), 0);
        auto file = f.LoadFile(path);
        QCOMPARE(DatabaseChecker::Check(*file), QStringList());
        QCOMPARE(file->TpHeader().Count(), NO_TRANSPONDER);
        QCOMPARE(int(file->TransponderChain(slot).indices.size()), n + 1);
    }
}

void TestDbEditor::closeAsksAboutPendingWork()
{
    // Stay (No, No), then discard (No, Yes): the file never changes.
    {
        EditorFixture f;
        const QString path = f.SampleFile("a.bin");
        const QByteArray before = EditorFixture::ReadBytes(path);
        f.dlg->show();
        f.Open(path);
        f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        f.prompts.QueueAnswer(false);
        f.prompts.QueueAnswer(false);
        QVERIFY(!f.dlg->close());
        QVERIFY(f.dlg->isVisible());
        QCOMPARE(f.prompts.Questions().size(), size_t(2));
        QCOMPARE(f.dlg->TpList()->GetItemText(0, 1), QStringLiteral("5555"));

        f.prompts.QueueAnswer(false);
        f.prompts.QueueAnswer(true);
        QTest::keyClick(f.dlg.get(), Qt::Key_Escape);
        QVERIFY(!f.dlg->isVisible());
        QCOMPARE(f.prompts.Questions().size(), size_t(4));
        QCOMPARE(EditorFixture::ReadBytes(path), before);
    }
    // Apply and save: the rows reach the file, then the window closes.
    {
        EditorFixture f;
        const QString path = f.SampleFile("a.bin");
        f.dlg->show();
        f.Open(path);
        const int slot = f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt();
        f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        f.prompts.QueueAnswer(true);
        QVERIFY(f.dlg->close());
        auto file = f.LoadFile(path);
        QCOMPARE(DatabaseChecker::Check(*file), QStringList());
        QCOMPARE(file->TransponderAt(file->TransponderChain(slot).indices[0])->Frequency(), 5555000u);
    }
    // Satellite changes alone are asked about too, and saved without touching the rows.
    {
        EditorFixture f;
        const QString path = f.SampleFile("a.bin");
        const QByteArray before = EditorFixture::ReadBytes(path);
        f.dlg->show();
        f.Open(path);
        f.SelectSatellite(1);
        const int gone = f.dlg->SatList()->item(1)->data(DatabaseLists::SlotRole).toInt();
        f.Click("deleteSatButton");
        QVERIFY(!f.dlg->TpList()->IsModified());
        f.prompts.QueueAnswer(true);
        QVERIFY(f.dlg->close());
        QCOMPARE(f.prompts.Questions().size(), size_t(1));
        auto file = f.LoadFile(path);
        QCOMPARE(DatabaseChecker::Check(*file), QStringList());
        QVERIFY(!file->SatelliteAt(gone)->InUse());
        QVERIFY(EditorFixture::ReadBytes(path) != before);
    }
    // A save that fails keeps the window open with the work.
    {
        EditorFixture f;
        const QString path = f.SampleFile("a.bin");
        f.dlg->show();
        f.Open(path);
        f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path)); // a folder where the file was: it cannot be replaced
        f.prompts.QueueAnswer(true);
        QVERIFY(!f.dlg->close());
        QVERIFY(f.dlg->isVisible());
        QCOMPARE(f.prompts.MessageCount(), 1);
        QVERIFY(f.dlg->HasPendingWork());
        QVERIFY(QDir().rmdir(path));
    }
}

void TestDbEditor::closeWithNothingPendingAsksNothing()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    f.dlg->show();
    f.Open(path);
    f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
    f.Click("applyTpButton");
    // A row edited back to what it was is no pending work either.
    const QString text = f.dlg->TpList()->GetItemText(0, 2);
    f.dlg->TpList()->SetItemText(0, 2, QStringLiteral("1"));
    f.dlg->TpList()->SetItemText(0, 2, text);
    QVERIFY(f.dlg->close());
    QCOMPARE(f.prompts.Questions().size(), size_t(0));
}

void TestDbEditor::valueStillBeingTypedIsNotLost()
{
    EditorFixture f;
    const QString path = f.SampleFile("a.bin");
    f.dlg->show();
    f.Open(path);
    const int slot = f.dlg->SatList()->item(0)->data(DatabaseLists::SlotRole).toInt();
    CTransponderList *list = f.dlg->TpList();
    QVERIFY(list->EditCell(0, 2));
    QLineEdit *line = list->GetEditorLine();
    QVERIFY(line);
    line->setText(QStringLiteral("31000"));
    // The close box takes no focus from the editor: the typed value still counts as work.
    f.prompts.QueueAnswer(true);
    QVERIFY(f.dlg->close());
    QCOMPARE(f.prompts.Questions().size(), size_t(1));
    auto file = f.LoadFile(path);
    QCOMPARE(file->TransponderAt(file->TransponderChain(slot).indices[0])->SymbolRate(), 31000000u);
}

QTEST_MAIN(TestDbEditor)
#include "tst_dbeditor.moc"
