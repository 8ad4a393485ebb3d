// The offline database editor end to end through the main window: files opened with "Edit
// parameters", lists, satellite and transponder commands, Apply, undo and redo, and closing with
// work pending. Apply's own rules are the document's and are tested there.
#include "EditorFixture.h"
#include "GridState.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CEditSatDlg.h"
#include "app/CTransponderList.h"
#include "database/DatabaseChecker.h"
#include "document/SatelliteConversions.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace DbLayout;

// Loads the file afresh into `var`; it must pass the checker.
#define LOAD_CHECKED(var, path)                                                                    \
    auto var = f.LoadFile(path);                                                                   \
    QVERIFY(var);                                                                                  \
    QCOMPARE(DatabaseChecker::Check(*var), QStringList())

namespace {

// Slot of the first satellite in chain order with at least n transponders.
int SatelliteWith(const ParamDatabase &db, int n, int *row)
{
    const std::vector<int> chain = db.SatelliteChain().indices;
    for (size_t i = 0; i < chain.size(); ++i) {
        if (int(db.TransponderChain(chain[i]).indices.size()) >= n) {
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
    void openShowsSatellitesAndTransponders();
    void emptyListsAndNoFile();
    void editsLandOnTheirRows_data();
    void editsLandOnTheirRows();
    void satelliteDialogKeepsTheSelection();
    void deletingSatellitesUpToTheLast();
    void failedLoadKeepsPreviousDatabase();
    void exhaustedTableChangesNothing();
    void closeAsksAboutPendingWork();
    void undoAndRedoThroughTheEditMenu();
};

void TestDbEditor::openShowsSatellitesAndTransponders()
{
    // A second file replaces the first, with its unapplied rows; a 16-character name shows whole.
    EditorFixture f;
    ParamDatabase db(f.prompts);
    SampleDatabase::Fill(db, SampleDatabase::Options{});
    db.SatelliteAt(db.SatelliteChain().indices[0])->SetName(QByteArray("ABCDEFGHIJKLMNOP"));
    const QString path = f.WriteFile("b.bin", db.ToBytes());
    f.OpenSample();
    f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("3333"));
    f.Open(path);
    QVERIFY(!f.dlg->HasPendingWork());
    QCOMPARE(f.dlg->Document().Path(), path);
    QCOMPARE(f.dlg->SatList()->item(0)->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    QCOMPARE(f.prompts.MessageCount(), 0);
    auto file = f.LoadFile(path);
    const std::vector<int> chain = file->SatelliteChain().indices;
    QListWidget *sats = f.dlg->SatList();
    QCOMPARE(sats->count(), int(chain.size()));
    for (int i = 0; i < sats->count(); ++i) {
        QCOMPARE(f.Slot(i), chain[size_t(i)]);
        QCOMPARE(sats->item(i)->text(), QString::fromLatin1(file->SatelliteAt(chain[size_t(i)])->Name()));
    }
    QCOMPARE(sats->currentRow(), 0);

    CTransponderList *list = f.dlg->TpList();
    const QStringList headings{"Index", "Frequency", "Sym.Rate", "Polar"};
    QCOMPARE(list->GetColumnCount(), 4);
    for (int c = 0; c < 4; ++c)
        QCOMPARE(list->GetColumnHeading(c), headings[c]);
    const std::vector<int> tps = file->TransponderChain(chain[0]).indices;
    QCOMPARE(list->GetItemCount(), int(tps.size()));
    for (int r = 0; r < list->GetItemCount(); ++r) {
        QCOMPARE(f.Row(r), ExpectedRow(*file, tps[size_t(r)], r + 1));
        QCOMPARE(list->Row(r).record, tps[size_t(r)]);
    }
    for (QGroupBox *group : f.dlg->findChildren<QGroupBox *>())
        QVERIFY(group->isVisible()); // expanded
}

void TestDbEditor::emptyListsAndNoFile()
{
    EditorFixture f;
    f.dlg->show();
    const char *const commands[] = {"addSatButton", "deleteSatButton", "applySatButton",
                                    "addTpButton",  "deleteTpButton",  "applyTpButton"};
    for (const char *b : commands)
        f.Click(b);
    QCOMPARE(f.dlg->SatList()->count(), 0);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    QVERIFY(!f.dlg->HasPendingWork());
    f.Click("editButton"); // a cancelled chooser opens nothing
    QVERIFY(!f.dlg->Document().IsOpen());

    // No satellites: the transponder commands have nothing to act on.
    ParamDatabase empty(f.prompts);
    empty.InitEmpty();
    const QString path = f.WriteFile("empty.bin", empty.ToBytes());
    const QByteArray before = TestFile::Read(path);
    f.Open(path);
    QCOMPARE(f.dlg->SatList()->currentRow(), -1);
    for (const char *b : {"addTpButton", "deleteTpButton", "applyTpButton"})
        f.Click(b);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    QCOMPARE(TestFile::Read(path), before);
    QCOMPARE(f.prompts.MessageCount(), 0);

    // A satellite without transponders gets its first one.
    ParamDatabase db(f.prompts);
    SampleDatabase::Fill(db, SampleDatabase::Options{});
    const int first = db.SatelliteChain().indices[0];
    QVERIFY(db.DeleteSatelliteTransponders(first));
    const QString notp = f.WriteFile("notp.bin", db.ToBytes());
    f.Open(notp);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    f.Click("addTpButton");
    QCOMPARE(f.Row(0), (QStringList{"    1", "2000", "27500", "Hori"}));
    f.Click("applyTpButton");
    LOAD_CHECKED(file, notp);
    QCOMPARE(file->TransponderChain(first).indices.size(), size_t(1));
    QCOMPARE(f.dlg->TpList()->Row(0).record, file->TransponderChain(first).indices[0]);

    // Ctrl+click leaves the current satellite unselected: nothing is selected to act on.
    const QByteArray saved = TestFile::Read(notp);
    QListWidget *sats = f.dlg->SatList();
    const int count = sats->count();
    QTest::mouseClick(sats->viewport(), Qt::LeftButton, Qt::ControlModifier, sats->visualItemRect(sats->item(0)).center());
    QVERIFY(sats->selectedItems().isEmpty());
    for (const char *b : {"deleteSatButton", "addTpButton", "applyTpButton"})
        QTest::mouseClick(f.dlg->findChild<QPushButton *>(QString::fromLatin1(b)), Qt::LeftButton);
    QCOMPARE(sats->count(), count);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 1);
    QCOMPARE(TestFile::Read(notp), saved);
}

// A hand at the window, step by step: clicks on cells (with Shift), right clicks, header
// sections and buttons, the context menu, keys and typing into the grid or its open editor, the
// close box (answering Save). Whatever the order, an edit lands on the transponder it was opened
// on, the focus cell stays on the selected row, and the file holds what the grid shows.
void TestDbEditor::editsLandOnTheirRows_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("typed");    // loaded rows whose transponder gets 3456 MHz
    QTest::addColumn<QList<int>>("released"); // loaded rows whose transponder is freed
    QTest::addColumn<int>("first");           // loaded row shown first at the end, -1 any
    QTest::addColumn<QString>("state");
    const QStringList edit1{"cell 1 1", "cell 1 1", "type 3x4y5z6"}; // the editor takes digits only
    const QStringList edit12{"cell 1 1", "shift 2 1", "key F2", "type 3456"};
    const QStringList apply{"button applyTpButton"};
    QTest::newRow("header click sorts with the editor open")
        << edit1 + QStringList{"header 1"} + apply << QList<int>{1} << QList<int>{} << 1 << "focus 1,1 sel 1";
    QTest::newRow("right click with the editor open")
        << edit1 + QStringList{"rclick 3 2"} + apply << QList<int>{1} << QList<int>{} << 0 << "focus 1,1 sel 1";
    QTest::newRow("Apply ends the edit in every selected row")
        << edit12 + apply << QList<int>{1, 2} << QList<int>{} << 0 << "focus 2,1 sel 1 2";
    QTest::newRow("closing ends the edit in every selected row")
        << edit12 + QStringList{"close"} << QList<int>{1, 2} << QList<int>{} << 0 << "focus 2,1 sel 1 2";
    QTest::newRow("Delete TP twice, Apply, Down, F2")
        << QStringList{"cell 3 1", "button deleteTpButton", "button deleteTpButton", "button applyTpButton",
                       "key Down", "key F2", "type 3456", "key Return"} + apply
        << QList<int>{4} << QList<int>{3} << 0 << "focus 3,1 sel 3";
    QTest::newRow("a mark moves with its row in a sort")
        << QStringList{"cell 0 0", "button deleteTpButton", "header 1"} + apply << QList<int>{} << QList<int>{0}
        << -1 << "focus 0,0 sel 0";
    // The menu's "ADD TP" keeps unapplied edits; the button refills first.
    QTest::newRow("menu ADD TP, Apply, the other Apply")
        << edit1 + QStringList{"key Return", "rclick 0 2", "menu ADD TP", "button applyTpButton", "button applySatButton"}
        << QList<int>{1} << QList<int>{} << 0 << "focus 0,2 sel 0";
    QTest::newRow("Add TP drops an unapplied edit")
        << edit1 + QStringList{"key Return", "button addTpButton"} + apply << QList<int>{} << QList<int>{} << 0
        << "focus -1,1 sel";
}

void TestDbEditor::editsLandOnTheirRows()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, typed);
    QFETCH(QList<int>, released);
    QFETCH(int, first);
    EditorFixture f;
    const QString path = f.OpenSample();
    const QByteArray before = TestFile::Read(path);
    auto original = f.LoadFile(path);
    int satRow = -1;
    const int slot = SatelliteWith(*original, 5, &satRow);
    QVERIFY(slot >= 0);
    f.SelectSatellite(satRow);
    const std::vector<int> tps = original->TransponderChain(slot).indices;
    CTransponderList *list = f.dlg->TpList();
    for (const QString &step : steps) {
        const QString arg = step.section(QLatin1Char(' '), 1);
        const int row = arg.section(QLatin1Char(' '), 0, 0).toInt(), column = arg.section(QLatin1Char(' '), 1).toInt();
        QWidget *keys = list->GetEditor() ? list->GetEditor() : list;
        QHeaderView *header = list->horizontalHeader();
        QRect cell;
        if (step.startsWith(QLatin1String("cell")) || step.startsWith(QLatin1String("shift"))) {
            f.ClickCell(row, column, step.startsWith(QLatin1String("shift")) ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (step.startsWith(QLatin1String("rclick")) && list->GetCellRect(row, column, cell)) {
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, cell.center());
        } else if (step.startsWith(QLatin1String("menu"))) {
            QVERIFY(WaitUntil([&] { return list->ContextMenu()->isVisible(); }));
            list->ContextMenu()->hide();
            const QList<QAction *> actions = list->ContextMenu()->actions();
            QCOMPARE(actions.size(), 2);
            QCOMPARE(actions[0]->text(), QStringLiteral("Delete TP"));
            QCOMPARE(actions[1]->text(), arg);
            actions[1]->trigger();
        } else if (step.startsWith(QLatin1String("type"))) {
            QTest::keyClicks(keys, arg);
        } else if (step.startsWith(QLatin1String("key"))) {
            QTest::keyClick(keys, QKeySequence::fromString(arg)[0].key());
        } else if (step.startsWith(QLatin1String("header"))) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(row) + 10, header->height() / 2));
        } else if (step.startsWith(QLatin1String("button"))) {
            QTest::mouseClick(f.dlg->findChild<QPushButton *>(arg), Qt::LeftButton);
        } else {
            f.prompts.QueueAnswer(true);
            QVERIFY(f.dlg->close());
        }
        QCoreApplication::processEvents();
        QVERIFY(!list->ContextMenu()->isVisible() || step.startsWith(QLatin1String("rclick 0")));
        if (step.startsWith(QLatin1String("button deleteTp"))) // nothing reaches the file before Apply
            QCOMPARE(TestFile::Read(path), before);
    }
    QCOMPARE(f.prompts.MessageCount(), 0);
    QTEST(State(*list), "state");
    if (list->GetFocusRow() >= 0)
        QCOMPARE(list->GetFocusedItem(), list->GetFocusRow());

    LOAD_CHECKED(file, path);
    std::vector<int> shown;
    for (int r = 0; r < list->GetItemCount(); ++r)
        shown.push_back(list->Row(r).record);
    QCOMPARE(file->TransponderChain(slot).indices, shown); // a second Apply stores nothing new
    if (first >= 0)
        QCOMPARE(shown[0], tps[size_t(first)]);
    for (int i = 0; i < int(tps.size()); ++i) {
        const TransponderRecord &r = *file->TransponderAt(tps[size_t(i)]);
        QCOMPARE(bool(r.InUse()), !released.contains(i));
        if (r.InUse())
            QCOMPARE(r.Frequency(), typed.contains(i) ? 3456000u : original->TransponderAt(tps[size_t(i)])->Frequency());
    }
}

void TestDbEditor::satelliteDialogKeepsTheSelection()
{
    EditorFixture f;
    const QString path = f.OpenSample();
    const QByteArray before = TestFile::Read(path);
    auto original = f.LoadFile(path);
    QListWidget *sats = f.dlg->SatList();
    const int count = sats->count(), second = f.Slot(1);
    QStringList shown; // name and degrees each dialog opened with
    auto enter = [&](const QString &name, const QString &degrees) {
        return std::make_unique<DialogDriver>([&shown, name, degrees](CEditSatDlg &d) {
            shown << d.NameEdit()->text() << d.DegreeEdit()->text();
            d.NameEdit()->setText(name);
            d.DegreeEdit()->setText(degrees);
            d.OkButton()->click();
        });
    };

    // A double-click on the second entry edits it; the list is filled again, the first selected.
    auto edit = enter(QStringLiteral("RENAMED 1"), QStringLiteral("12.7"));
    const QRect rect = sats->visualItemRect(sats->item(1));
    QTest::mouseClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(f.dlg->TpList()->GetItemCount(), int(original->TransponderChain(second).indices.size()));
    QTest::mouseDClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(edit->Acted());
    QCOMPARE(sats->item(1)->text(), QStringLiteral("RENAMED 1"));
    QCOMPARE(sats->currentRow(), 0);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), int(original->TransponderChain(f.Slot(0)).indices.size()));
    QCOMPARE(TestFile::Read(path), before);

    // Add SAT appends; the selection and the rows shown stay.
    f.SelectSatellite(2);
    const int rows = f.dlg->TpList()->GetItemCount();
    auto add = enter(QStringLiteral("Türksat 42E"), QStringLiteral("360.5"));
    f.Click("addSatButton");
    QVERIFY(add->Acted());
    QCOMPARE(shown, (QStringList{QString::fromLatin1(original->SatelliteAt(second)->Name()),
                                 SatelliteConversions::FormatDegrees(original->SatelliteAt(second)->Position() * 0.1f),
                                 "New satillite", "0"}));
    QCOMPARE(sats->item(count)->text(), QStringLiteral("Türksat 42E"));
    QCOMPARE(sats->currentRow(), 2);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), rows);
    const int added = f.Slot(count);

    f.Click("applySatButton");
    QVERIFY(!f.dlg->HasPendingWork());
    LOAD_CHECKED(file, path);
    QCOMPARE(file->SatelliteAt(second)->Name(), QByteArray("RENAMED 1"));
    QCOMPARE(file->SatelliteAt(second)->Position(), 127);
    QCOMPARE(file->SatelliteChain().indices.back(), added);
    QCOMPARE(file->SatelliteAt(added)->Name(), QByteArray("T\xfcrksat 42E"));
    QCOMPARE(file->SatelliteAt(added)->Position(), 3605);

    DialogDriver cancel([](CEditSatDlg &d) {
        d.NameEdit()->setText(QStringLiteral("NOT STORED"));
        d.reject();
    });
    f.dlg->OnEditSatellite();
    QVERIFY(cancel.Acted());
    QVERIFY(!f.dlg->HasPendingWork());
}

void TestDbEditor::deletingSatellitesUpToTheLast()
{
    EditorFixture f;
    const QString path = f.SampleFile("two.bin", 5, 2, 40);
    f.dlg->show();
    f.Open(path);
    QListWidget *sats = f.dlg->SatList();
    const int first = f.Slot(0), gone = f.Slot(1);
    f.SelectSatellite(1);
    f.Click("deleteSatButton");
    QCOMPARE(sats->count(), 1);
    QCOMPARE(sats->currentRow(), 0);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), int(f.LoadFile(path)->TransponderChain(first).indices.size()));
    f.Click("applySatButton");
    {
        LOAD_CHECKED(file, path);
        QVERIFY(!file->SatelliteAt(gone)->InUse());
    }
    f.Click("deleteSatButton");
    QCOMPARE(sats->count(), 0);
    QCOMPARE(f.dlg->TpList()->GetItemCount(), 0);
    // No satellite is selected, but the deletion must still be able to reach the file.
    f.Click("applyTpButton");
    QVERIFY(!f.dlg->HasPendingWork());
    LOAD_CHECKED(file, path);
    QVERIFY(file->SatelliteChain().indices.empty());
    QCOMPARE(file->TpHeader().Count(), 0);
}

void TestDbEditor::failedLoadKeepsPreviousDatabase()
{
    EditorFixture f;
    const QString good = f.OpenSample("good.bin");
    const QByteArray shortImage = TestFile::Read(good).left(1000);
    const QString bad = f.WriteFile("bad.bin", shortImage);
    const int sats = f.dlg->SatList()->count();
    f.SelectSatellite(1);
    f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("4444"));

    f.Open(bad);
    QCOMPARE(f.prompts.MessageTexts(), QStringList{"Database does not match!"});
    QCOMPARE(f.prompts.Messages()[0].icon, Prompts::Icon::Warning);
    QCOMPARE(f.dlg->Document().Path(), good);
    QCOMPARE(f.dlg->SatList()->count(), sats);
    QCOMPARE(f.dlg->SatList()->currentRow(), 1);
    QCOMPARE(f.dlg->TpList()->GetItemText(0, 1), QStringLiteral("4444"));

    // Apply stores into the database still open and its own file; the refused file stays.
    f.Click("applyTpButton");
    QCOMPARE(TestFile::Read(bad), shortImage);
    LOAD_CHECKED(file, good);
    QCOMPARE(file->TransponderAt(file->TransponderChain(f.Slot(1)).indices[0])->Frequency(), 4444000u);
}

void TestDbEditor::exhaustedTableChangesNothing()
{
    // A refused Apply says why and keeps the rows waiting; the file stays as it was.
    EditorFixture f;
    ParamDatabase db(f.prompts);
    SampleDatabase::Options o;
    o.channels = 100;
    SampleDatabase::Fill(db, o);
    while (db.TpHeader().Count() < NO_TRANSPONDER - 1) { // one free record left
        const int tp = db.AllocateTransponder();
        db.TransponderAt(tp)->SetInUse(1);
        QVERIFY(db.AppendTransponder(db.SatelliteChain().indices[1], tp));
    }
    const QString path = f.WriteFile("full.bin", db.ToBytes());
    const QByteArray before = TestFile::Read(path);
    f.dlg->show();
    f.Open(path);
    CTransponderList *list = f.dlg->TpList();
    const int n = list->GetItemCount();
    for (int i = 0; i < 3; ++i)
        list->OnCommand(CTransponderList::CMD_ADD_TP);
    f.Click("applyTpButton");
    QCOMPARE(f.prompts.MessageCount(), 1);
    QVERIFY2(f.prompts.MessageTexts()[0].contains(QStringLiteral("2 of the 3 new rows could not be stored")),
             qPrintable(f.prompts.MessageTexts()[0]));
    QCOMPARE(f.prompts.Messages()[0].icon, Prompts::Icon::Warning);
    QCOMPARE(TestFile::Read(path), before);
    QCOMPARE(list->GetItemCount(), n + 3);
    QVERIFY(list->Row(n).IsNew() && f.dlg->HasPendingWork());
}

void TestDbEditor::closeAsksAboutPendingWork()
{
    // Stay (No, No), then discard (No, Yes): the file never changes.
    {
        EditorFixture f;
        const QString path = f.OpenSample();
        const QByteArray before = TestFile::Read(path);
        f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        for (bool answer : {false, false, false, true})
            f.prompts.QueueAnswer(answer);
        QVERIFY(!f.dlg->close());
        QVERIFY(f.dlg->isVisible());
        QCOMPARE(f.prompts.Questions().size(), size_t(2));
        QTest::keyClick(f.dlg.get(), Qt::Key_Escape);
        QVERIFY(!f.dlg->isVisible());
        QCOMPARE(f.prompts.Questions().size(), size_t(4));
        QCOMPARE(TestFile::Read(path), before);
    }
    // Satellite changes alone are asked about too.
    {
        EditorFixture f;
        const QString path = f.OpenSample();
        const int gone = f.Slot(1);
        f.SelectSatellite(1);
        f.Click("deleteSatButton");
        QVERIFY(!f.dlg->TpList()->IsModified());
        f.prompts.QueueAnswer(true);
        QVERIFY(f.dlg->close());
        QCOMPARE(f.prompts.Questions().size(), size_t(1));
        LOAD_CHECKED(file, path);
        QVERIFY(!file->SatelliteAt(gone)->InUse());
    }
    // A save that fails keeps the window open with the work.
    {
        EditorFixture f;
        const QString path = f.OpenSample();
        f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path)); // a folder where the file was: it cannot be replaced
        f.prompts.QueueAnswer(true);
        QVERIFY(!f.dlg->close());
        QCOMPARE(f.prompts.MessageCount(), 1);
        QVERIFY(f.dlg->HasPendingWork());
        QVERIFY(QDir().rmdir(path));
    }
    // Applied, or edited back to what it was: nothing to ask.
    {
        EditorFixture f;
        f.OpenSample();
        f.dlg->TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        f.Click("applyTpButton");
        const QString text = f.dlg->TpList()->GetItemText(0, 2);
        f.dlg->TpList()->SetItemText(0, 2, QStringLiteral("1"));
        f.dlg->TpList()->SetItemText(0, 2, text);
        QVERIFY(f.dlg->close());
        QCOMPARE(f.prompts.Questions().size(), size_t(0));
    }
}

void TestDbEditor::undoAndRedoThroughTheEditMenu()
{
    EditorFixture f;
    const QString path = f.OpenSample();
    f.dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.dlg.get()));
    const QList<QAction *> menus = f.dlg->findChild<QMenuBar *>()->actions();
    QCOMPARE(menus[0]->text(), QStringLiteral("&Edit"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
    QAction *undo = f.dlg->UndoAction();
    QAction *redo = f.dlg->RedoAction();
    QCOMPARE(undo->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
    QCOMPARE(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                     QKeySequence(QStringLiteral("Ctrl+Y"))}));
    // The items as the menu shows them; "-" for a disabled one.
    auto items = [&] {
        return QStringList{undo->isEnabled() ? undo->text() : QStringLiteral("-"),
                           redo->isEnabled() ? redo->text() : QStringLiteral("-")};
    };
    auto keys = [&](QKeyCombination key) { QTest::keyClick(f.dlg.get(), key.key(), key.keyboardModifiers()); };
    QCOMPARE(items(), (QStringList{"-", "-"}));

    // A typed value is the list's own step until it is applied.
    const QString old = f.Row(0)[1];
    f.ClickCell(0, 1);
    QTest::keyClick(f.dlg->TpList(), Qt::Key_F2);
    QTRY_VERIFY(f.dlg->TpList()->GetEditor());
    QTest::keyClicks(f.dlg->TpList()->GetEditor(), QStringLiteral("3456"));
    QTest::keyClick(f.dlg->TpList()->GetEditor(), Qt::Key_Return);
    QTRY_VERIFY(!f.dlg->TpList()->IsEditing());
    QCOMPARE(items(), (QStringList{"&Undo Edit TP", "-"}));
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f.Row(0)[1], old);
    QCOMPARE(items(), (QStringList{"-", "&Redo Edit TP"}));
    QVERIFY(!f.dlg->HasPendingWork());
    keys(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(f.Row(0)[1], QStringLiteral("3456"));
    f.Click("applyTpButton");
    QCOMPARE(items(), (QStringList{"&Undo Apply", "-"}));

    // Delete SAT, undone: the satellite is back in the list and memory is the file again.
    QListWidget *sats = f.dlg->SatList();
    const int count = sats->count();
    const QString name = sats->item(1)->text();
    f.SelectSatellite(1);
    f.Click("deleteSatButton");
    QCOMPARE(items(), (QStringList{"&Undo Delete SAT", "-"}));
    undo->trigger();
    QCOMPARE(sats->count(), count);
    QCOMPARE(sats->item(1)->text(), name);
    QCOMPARE(items(), (QStringList{"&Undo Apply", "&Redo Delete SAT"}));
    QVERIFY(!f.dlg->HasPendingWork());
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(sats->count(), count - 1);
    keys(Qt::CTRL | Qt::Key_Z);
    // Apply undone: the rows show the document again.
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f.Row(0)[1], old);
    QCOMPARE(items(), (QStringList{"-", "&Redo Apply"}));
    QVERIFY(f.dlg->HasPendingWork());
    // Rows not applied keep the document's steps waiting: redoing one would show rows afresh.
    f.dlg->TpList()->OnCommand(CTransponderList::CMD_ADD_TP);
    QCOMPARE(items(), (QStringList{"&Undo Add TP", "-"}));
    f.SelectSatellite(1);
    f.SelectSatellite(0);
    keys(Qt::CTRL | Qt::Key_Y);
    QVERIFY(f.dlg->close()); // back to what the file holds: nothing to ask
    QCOMPARE(f.prompts.Questions().size(), size_t(0));
    QCOMPARE(f.prompts.MessageCount(), 0);
    LOAD_CHECKED(file, path);
}

QTEST_MAIN(TestDbEditor)
#include "tst_dbeditor.moc"
