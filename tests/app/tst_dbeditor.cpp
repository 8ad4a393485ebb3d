// The offline database editor through the main window: what its lists show, which control does
// what, the questions on closing, edits that must land on their own rows, undo and redo through
// the Edit menu. Apply's rules are the document's and tested there; random work at the grid, with
// the file checked after every Apply, is the editor soak's.
#include "DbTestUtil.h"
#include "EditorFixture.h"
#include "GridScript.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CEditSatDlg.h"
#include "app/CTransponderList.h"
#include "database/DatabaseChecker.h"
#include "document/SatelliteConversions.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

// Loads the file afresh into `var`; it must pass the checker.
#define LOAD_CHECKED(var, path)                                                                    \
    auto var = f.LoadFile(path); /* NOLINT(bugprone-macro-parentheses): a name being declared */  \
    QVERIFY(var);                                                                                  \
    QCOMPARE(DatabaseChecker::Check(*(var)), QStringList())

class TestDbEditor : public QObject
{
    Q_OBJECT
private slots:
    void openShowsTheFileARefusedOneChangesNothing()
    {
        EditorFixture f;
        const QString good = f.OpenSample("good.bin");
        const QByteArray shortImage = TestFile::Read(good).left(1000);
        const QString bad = f.WriteFile("bad.bin", shortImage);
        f.SelectSatellite(1);
        f.dlg->Editor().TpList()->SetItemText(0, 1, QStringLiteral("4444"));
        f.Open(bad);
        QCOMPARE(f.prompts.MessageTexts(), QStringList{"Database does not match!"});
        QCOMPARE(f.prompts.Messages()[0].icon, Prompts::Icon::Warning);
        QVERIFY(f.dlg->Document().Path() == good && f.dlg->Editor().SatList()->currentRow() == 1);
        f.Click("applyTpButton"); // the typed row, into the database still open and its own file
        QCOMPARE(TestFile::Read(bad), shortImage);
        {
            LOAD_CHECKED(file, good);
            QCOMPARE(file->TransponderAt(file->TransponderChain(f.Slot(1)).indices[0])->Frequency(), 4444000u);
        }

        // Another file replaces this one with its unapplied rows; a 16-character name shows whole,
        // the first satellite is selected, the groups expanded. Row texts are soak_editor's, checked
        // against the file after each Apply.
        ParamDatabase db;
        SampleDatabase::Fill(db, SampleDatabase::Options{});
        db.SatelliteAt(db.SatelliteChain().indices[0])->SetName(QByteArray("ABCDEFGHIJKLMNOP"));
        const QString path = f.WriteFile("b.bin", db.ToBytes());
        f.dlg->Editor().TpList()->SetItemText(0, 1, QStringLiteral("3333"));
        f.prompts.Clear();
        f.Open(path);
        QVERIFY(!f.dlg->Editor().HasPendingWork() && f.dlg->Document().Path() == path);
        QCOMPARE(f.prompts.MessageCount(), 0);
        const std::vector<int> chain = db.SatelliteChain().indices;
        QListWidget *sats = f.dlg->Editor().SatList();
        QVERIFY(sats->count() == int(chain.size()) && sats->currentRow() == 0);
        QCOMPARE(sats->item(0)->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
        CTransponderList *list = f.dlg->Editor().TpList();
        QCOMPARE(list->GetColumnCount(), 4);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(list->GetColumnHeading(c), (QStringList{"Index", "Frequency", "Sym.Rate", "Polar"}[c]));
        const int rows = int(db.TransponderChain(chain[0]).indices.size());
        QVERIFY(list->GetItemCount() == rows && list->GetItemText(rows - 1, 0) == QString::asprintf("%5d", rows));
        for (QGroupBox *group : f.dlg->findChildren<QGroupBox *>())
            QVERIFY(group->isVisible());
        f.Open(f.WriteFile("none.bin", SampleDatabase::Make({1, 0}))); // no satellites: no row of the last one stays
        QVERIFY(f.dlg->Document().Path().endsWith("none.bin") && sats->count() == 0);
        QCOMPARE(list->GetItemCount(), 0);
    }

    void commandsWithNothingOrNoRoomToActOn()
    {
        EditorFixture f;
        f.dlg->show();
        for (const char *b : {"addSatButton", "deleteSatButton", "applySatButton", "addTpButton", "deleteTpButton", "applyTpButton"})
            f.Click(b);
        QVERIFY(f.dlg->Editor().SatList()->count() == 0 && f.dlg->Editor().TpList()->GetItemCount() == 0);
        f.Click("editButton"); // a cancelled chooser opens nothing
        QVERIFY(!f.dlg->Document().IsOpen() && !f.dlg->Editor().HasPendingWork());

        // No satellites: the transponder commands have nothing to act on.
        ParamDatabase db;
        db.InitEmpty();
        const QString empty = f.WriteFile("empty.bin", db.ToBytes());
        f.Open(empty);
        for (const char *b : {"addTpButton", "deleteTpButton", "applyTpButton"})
            f.Click(b);
        QVERIFY(f.dlg->Editor().SatList()->currentRow() == -1 && f.dlg->Editor().TpList()->GetItemCount() == 0);
        QCOMPARE(TestFile::Read(empty), db.ToBytes());
        QCOMPARE(f.prompts.MessageCount(), 0);

        // A satellite without transponders gets its first one, with the new row's values.
        SampleDatabase::Fill(db, SampleDatabase::Options{});
        const int first = db.SatelliteChain().indices[0];
        QVERIFY(db.DeleteSatelliteTransponders(first));
        const QString notp = f.WriteFile("notp.bin", db.ToBytes());
        f.Open(notp);
        f.Click("addTpButton");
        QCOMPARE(f.Row(0), (QStringList{"    1", "2000", "27500", "Hori"}));
        f.Click("applyTpButton");
        LOAD_CHECKED(file, notp);
        QCOMPARE(file->TransponderChain(first).indices, std::vector<int>{f.dlg->Editor().TpList()->Row(0).record});

        // A table with one free record: the refused Apply says why and keeps the rows waiting;
        // the file stays as it was.
        while (db.TpHeader().Count() < DbLayout::NO_TRANSPONDER - 1)
            QVERIFY(DbTestUtil::AddTp(db, db.SatelliteChain().indices[1], 11000000) != DbLayout::NO_TRANSPONDER);
        const QString full = f.WriteFile("full.bin", db.ToBytes());
        f.Open(full);
        const int n = f.dlg->Editor().TpList()->GetItemCount();
        for (int i = 0; i < 3; ++i) // the button would refill the list first
            f.dlg->Editor().TpList()->OnCommand(CTransponderList::CMD_ADD_TP);
        f.Click("applyTpButton");
        QCOMPARE(f.prompts.MessageCount(), 1);
        QVERIFY(f.prompts.MessageTexts()[0].contains(QStringLiteral("2 of the 3 new rows could not be stored")));
        QCOMPARE(f.prompts.Messages()[0].icon, Prompts::Icon::Warning);
        QVERIFY(TestFile::Read(full) == db.ToBytes() && f.dlg->Editor().TpList()->GetItemCount() == n + 3);
        QVERIFY(f.dlg->Editor().TpList()->Row(n).IsNew() && f.dlg->Editor().HasPendingWork());
    }

    // A hand at the window, step by step: clicks on cells (with Shift), right clicks, header
    // sections, buttons, the context menu, keys and typing into the grid or its open editor, the
    // close box (answering Save), a Ctrl+click that leaves no satellite selected. Whatever the order,
    // an edit lands on the transponder it was opened on, the focus cell stays on the selected row,
    // and the file holds what the grid shows. Marks in a sort and Add TP after an edit are the
    // editor soak's.
    void editsLandOnTheirRows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("typed");    // loaded rows whose transponder gets 3456 MHz
        QTest::addColumn<QList<int>>("released"); // loaded rows whose transponder is freed
        QTest::addColumn<int>("added");           // new rows stored
        QTest::addColumn<int>("first");           // loaded row shown first at the end
        QTest::addColumn<QString>("state");
        const QStringList edit1{"click:1,1", "click:1,1", "type:3x4y5z6"}; // the editor takes digits only
        const QStringList edit12{"click:1,1", "shift:2,1", "F2", "type:3456"};
        const QStringList apply{"button:applyTpButton"};
        const QList<int> none, one{1}, both{1, 2};
        QTest::newRow("header click sorts with the editor open") << edit1 + QStringList{"header:1"} + apply << one << none << 0 << 1 << "focus 1,1 sel 1";
        QTest::newRow("right click with the editor open") << edit1 + QStringList{"right:3,2"} + apply << one << none << 0 << 0 << "focus 1,1 sel 1";
        QTest::newRow("Apply ends the edit in every selected row") << edit12 + apply << both << none << 0 << 0 << "focus 2,1 sel 1 2";
        QTest::newRow("closing ends the edit in every selected row") << edit12 + QStringList{"close"} << both << none << 0 << 0 << "focus 2,1 sel 1 2";
        QTest::newRow("Delete TP twice, Apply, Down, F2")
            << QStringList{"click:3,1", "button:deleteTpButton", "button:deleteTpButton", "button:applyTpButton", "Down", "F2", "type:3456", "Return"} + apply
            << QList<int>{4} << QList<int>{3} << 0 << 0 << "focus 3,1 sel 3";
        // The menu's "ADD TP" keeps unapplied edits; the button refills first.
        QTest::newRow("menu ADD TP, Apply, the other Apply")
            << edit1 + QStringList{"Return", "right:0,2", "menu:ADD TP", "button:applyTpButton", "button:applySatButton"} << one << none << 1 << 0 << "focus 0,2 sel 0";
        QTest::newRow("Ctrl+click leaves no satellite for Delete SAT, Add TP, Apply")
            << QStringList{"click:1,1", "unselect", "button:deleteSatButton", "button:addTpButton"} + apply << none << none << 0 << 0 << "focus 1,1 sel 1";
    }

    void editsLandOnTheirRows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, typed);
        QFETCH(QList<int>, released);
        QFETCH(int, added);
        QFETCH(int, first);
        EditorFixture f;
        const QString path = f.OpenSample();
        const QByteArray before = TestFile::Read(path);
        auto original = f.LoadFile(path);
        int satRow = 0; // the first satellite with five transponders
        while (original->TransponderChain(f.Slot(satRow)).indices.size() < 5)
            ++satRow;
        const int slot = f.Slot(satRow);
        f.SelectSatellite(satRow);
        const std::vector<int> tps = original->TransponderChain(slot).indices;
        CTransponderList *list = f.dlg->Editor().TpList();
        // The test's own steps: an entry of the context menu, Ctrl+click on the satellite, closing.
        auto own = [&](const QString &step) {
            if (step.startsWith(QLatin1String("menu:"))) {
                QVERIFY(WaitUntil([&] { return list->ContextMenu()->isVisible(); }));
                list->ContextMenu()->hide();
                const QList<QAction *> actions = list->ContextMenu()->actions();
                QCOMPARE(actions.size(), 2);
                QVERIFY(actions[0]->text() == "Delete TP" && actions[1]->text() == step.mid(5));
                actions[1]->trigger();
            } else if (step == "unselect") {
                f.SelectSatellite(satRow, Qt::ControlModifier);
                QVERIFY(f.dlg->Editor().SatList()->selectedItems().isEmpty());
            } else {
                f.prompts.QueueAnswer(true);
                QVERIFY(f.dlg->close());
            }
        };
        for (const QString &step : steps) {
            const bool mine = QStringList{"menu", "unselect", "close"}.contains(step.section(':', 0, 0));
            f.Play({step}, [&](const QString &) { return mine && (own(step), true); });
            QVERIFY(!list->ContextMenu()->isVisible() || step.startsWith(QLatin1String("right:0")));
            if (step.startsWith(QLatin1String("button:deleteTp"))) // nothing reaches the file before Apply
                QCOMPARE(TestFile::Read(path), before);
        }
        QCOMPARE(f.prompts.MessageCount(), 0);
        QTEST(State(*list), "state");
        if (list->GetFocusRow() >= 0)
            QCOMPARE(list->GetFocusedItem(), list->GetFocusRow());

        LOAD_CHECKED(file, path);
        std::vector<int> shown(size_t(list->GetItemCount()));
        for (int r = 0; r < list->GetItemCount(); ++r)
            shown[size_t(r)] = list->Row(r).record;
        QCOMPARE(file->TransponderChain(slot).indices, shown); // a second Apply stores nothing new
        QCOMPARE(shown.size(), tps.size() - size_t(released.size()) + size_t(added));
        QCOMPARE(shown[0], tps[size_t(first)]);
        for (int i = 0; i < int(tps.size()); ++i) {
            const TransponderRecord &r = *file->TransponderAt(tps[size_t(i)]);
            QCOMPARE(bool(r.InUse()), !released.contains(i));
            if (r.InUse())
                QCOMPARE(r.Frequency(), typed.contains(i) ? 3456000u : original->TransponderAt(tps[size_t(i)])->Frequency());
        }
    }

    // Edit (double click), Add SAT, Delete SAT down to the last, each stored by either Apply; the
    // dialog opens on the satellite's values, or "New satillite" at 0.
    void satelliteCommands()
    {
        EditorFixture f;
        const QString path = f.WriteFile("three.bin", SampleDatabase::Make({5, 3, 30, 40})); // seed, satellites, transponders, channels
        f.dlg->show();
        f.Open(path);
        const QByteArray before = TestFile::Read(path);
        auto original = f.LoadFile(path);
        QListWidget *sats = f.dlg->Editor().SatList();
        const int second = f.Slot(1);
        QStringList shown; // name and degrees each dialog opened with
        // Fills in the satellite dialog once it is up: it runs modally, the test cannot wait in line.
        auto enter = [&](const QString &name, const QString &degrees, bool ok = true) {
            auto *timer = new QTimer(f.dlg.get());
            QObject::connect(timer, &QTimer::timeout, [&shown, timer, name, degrees, ok] {
                auto *d = qobject_cast<CEditSatDlg *>(QApplication::activeModalWidget());
                if (!d)
                    return;
                timer->stop();
                shown << d->NameEdit()->text() << d->DegreeEdit()->text();
                d->NameEdit()->setText(name);
                d->DegreeEdit()->setText(degrees);
                ok ? d->OkButton()->click() : d->reject();
            });
            timer->start(5);
        };
        enter(QStringLiteral("RENAMED 1"), QStringLiteral("12.7"));
        const QRect rect = sats->visualItemRect(sats->item(1));
        QTest::mouseClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(sats->item(1)->text() == "RENAMED 1" && sats->currentRow() == 0); // filled again
        QCOMPARE(TestFile::Read(path), before);
        f.SelectSatellite(2); // Add SAT appends; the selection and its rows stay
        const int rows = f.dlg->Editor().TpList()->GetItemCount();
        enter(QStringLiteral("Türksat 42E"), QStringLiteral("360.5"));
        f.Click("addSatButton");
        QCOMPARE(shown, (QStringList{QString::fromLatin1(original->SatelliteAt(second)->Name()),
                                     SatelliteConversions::FormatDegrees(original->SatelliteAt(second)->Position() * 0.1f),
                                     "New satillite", "0"}));
        QVERIFY(sats->item(3)->text() == QStringLiteral("Türksat 42E") && sats->currentRow() == 2);
        QCOMPARE(f.dlg->Editor().TpList()->GetItemCount(), rows);
        const int added = f.Slot(3);
        f.Click("applySatButton");
        QVERIFY(!f.dlg->Editor().HasPendingWork());
        {
            LOAD_CHECKED(file, path);
            QVERIFY(file->SatelliteAt(second)->Name() == "RENAMED 1" && file->SatelliteAt(second)->Position() == 127);
            QCOMPARE(file->SatelliteChain().indices.back(), added);
            QVERIFY(file->SatelliteAt(added)->Name() == "T\xfcrksat 42E" && file->SatelliteAt(added)->Position() == 3605);
        }
        enter(QStringLiteral("NOT STORED"), QStringLiteral("1"), false);
        f.dlg->Editor().OnEditSatellite();
        QVERIFY(shown.size() == 6 && !f.dlg->Editor().HasPendingWork());

        // Delete SAT takes the selected one and shows the first; with none left, Apply TP stores it.
        f.SelectSatellite(1);
        f.Click("deleteSatButton");
        QVERIFY(sats->count() == 3 && sats->currentRow() == 0);
        QCOMPARE(f.dlg->Editor().TpList()->GetItemCount(), int(original->TransponderChain(f.Slot(0)).indices.size()));
        for (int left = 3; left > 0; --left)
            f.Click("deleteSatButton");
        QVERIFY(sats->count() == 0 && f.dlg->Editor().TpList()->GetItemCount() == 0);
        f.Click("applyTpButton");
        QVERIFY(!f.dlg->Editor().HasPendingWork());
        LOAD_CHECKED(file, path);
        QVERIFY(file->SatelliteChain().indices.empty() && file->TpHeader().Count() == 0);
    }

    // Another program wrote the file after the window opened it: Apply asks; Cancel changes nothing.
    void applyAsksWhenTheFileChangedMeanwhile_data()
    {
        QTest::addColumn<QList<bool>>("answers"); // to "save over it?", then to "reload it?"
        QTest::addColumn<QString>("file");        // what the file holds afterwards
        QTest::newRow("cancel") << QList<bool>{false, false} << "other";
        QTest::newRow("save over it") << QList<bool>{true} << "window";
        QTest::newRow("reload") << QList<bool>{false, true} << "other";
    }

    void applyAsksWhenTheFileChangedMeanwhile()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(QString, file);
        EditorFixture f;
        const QString path = f.OpenSample();
        const QByteArray other = SampleDatabase::Make({3});
        QVERIFY(TestFile::Write(path, other));
        f.dlg->Editor().TpList()->SetItemText(0, 1, QStringLiteral("5555"));
        for (bool answer : answers)
            f.prompts.QueueAnswer(answer);
        f.Click("applyTpButton");
        QCOMPARE(int(f.prompts.Questions().size()), answers.size());
        QVERIFY(f.prompts.Questions().front().text.contains("changed by another program"));
        QCOMPARE(TestFile::Read(path), file == "other" ? other : f.dlg->Document().Database().ToBytes());
        QCOMPARE(f.dlg->Editor().HasPendingWork(), (answers == QList<bool>{false, false}));
        const bool reloaded = answers.size() == 2 && answers.back();
        QCOMPARE(f.dlg->Document().Database().ToBytes() == other, reloaded);
        QCOMPARE(f.dlg->Editor().TpList()->GetItemText(0, 1) != QStringLiteral("5555"), reloaded); // the list shows the file
    }

    void closeAsksAboutPendingWork_data()
    {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("key"); // at the grid, no editor open
        QTest::addColumn<QList<bool>>("answers"); // to "save?", then to "discard?"
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("closes");
        QTest::newRow("typed, No, No: stays") << "typed" << "Esc" << QList<bool>{false, false} << 2 << false;
        QTest::newRow("typed, No, Yes: discards") << "typed" << "Esc" << QList<bool>{false, true} << 2 << true;
        QTest::newRow("satellite deleted, Yes: saved") << "deleted" << "Esc" << QList<bool>{true} << 1 << true;
        QTest::newRow("the save fails: stays") << "unwritable" << "Esc" << QList<bool>{true} << 1 << false;
        QTest::newRow("applied, Return: nothing to ask") << "applied" << "Return" << QList<bool>{} << 0 << true;
        QTest::newRow("typed back, Enter of the keypad: nothing to ask") << "typed back" << "Enter" << QList<bool>{} << 0 << true;
        QTest::newRow("typed, Ctrl+Q, No, No: stays") << "typed" << "Ctrl+Q" << QList<bool>{false, false} << 2 << false;
    }

    void closeAsksAboutPendingWork()
    {
        QFETCH(QString, work);
        QFETCH(QString, key);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, closes);
        EditorFixture f;
        const QString path = f.OpenSample();
        const QByteArray before = TestFile::Read(path);
        const int gone = f.Slot(1);
        CTransponderList *list = f.dlg->Editor().TpList();
        const QString text = list->GetItemText(0, 1);
        if (work == "deleted") {
            f.SelectSatellite(1);
            f.Click("deleteSatButton");
            QVERIFY(!list->IsModified());
        } else {
            list->SetItemText(0, 1, QStringLiteral("5555"));
        }
        if (work == "applied")
            f.Click("applyTpButton");
        if (work == "typed back")
            list->SetItemText(0, 1, text);
        if (work == "unwritable") // a folder where the file was: it cannot be replaced
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        for (bool answer : answers)
            f.prompts.QueueAnswer(answer);
        f.dlg->Editor().TpList()->setFocus(); // Escape or Enter there is the close box's
        QVERIFY(QTest::qWaitForWindowActive(f.dlg.get())); // for Ctrl+Q
        f.Play({key});
        QCOMPARE(f.dlg->isVisible(), !closes);
        QTEST(int(f.prompts.Questions().size()), "questions");
        QCOMPARE(f.prompts.MessageCount(), work == "unwritable" ? 1 : 0);
        if (work == "unwritable") {
            QVERIFY(f.dlg->Editor().HasPendingWork() && QDir().rmdir(path));
            return;
        }
        QCOMPARE(TestFile::Read(path) != before, work == "deleted" || work == "applied");
        LOAD_CHECKED(file, path);
        QCOMPARE(bool(file->SatelliteAt(gone)->InUse()), work != "deleted");
    }

    // Ctrl+O is Edit parameters. A screen reader meets the lists and the filter box by names of
    // their own (the box keeps its caption), index cells by their number, one focus at a time;
    // Tab goes from the filter box to the list.
    void keysAndNamesOfTheEditor()
    {
        EditorFixture f;
        f.OpenSample();
        QVERIFY(QTest::qWaitForWindowActive(f.dlg.get()));
        f.prompts.QueueFileName(f.WriteFile(QStringLiteral("b.bin"), SampleDatabase::Make({8})));
        QTest::keyClick(f.dlg->Editor().TpList(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.dlg->Document().Path(), f.dir.filePath("b.bin"));
        auto *sats = f.dlg->findChild<SatelliteList *>();
        auto name = [](QObject *o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
        QCOMPARE(QStringList({sats->title(), name(sats->Filter()), name(sats->List()), name(f.dlg->Editor().TpList())}),
                 QStringList({"satillite list", "Satellite filter", "Satellites", "Transponders"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.dlg->Editor().TpList())->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), "1");
        QWidget *next = sats->Filter()->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, sats->List());
        // One object reports the focus: the focus cell, not also the grid or the satellite entry.
        f.Play({"click:0,1"});
        int focused = 0;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *i) {
            focused += i->state().focused;
            for (int c = 0; c < i->childCount(); ++c)
                walk(i->child(c));
        };
        walk(QAccessible::queryAccessibleInterface(f.dlg.get()));
        QCOMPARE(focused, 1);
    }

    void undoAndRedoThroughTheEditMenu()
    {
        EditorFixture f;
        const QString path = f.OpenSample();
        f.dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.dlg.get()));
        const QList<QAction *> menus = f.dlg->findChild<QMenuBar *>()->actions();
        QVERIFY(menus.size() == 3 && menus[0]->text() == "&File" && menus[1]->text() == "Ed&it" && menus[2]->text() == "&Help");
        // Undo and Redo as the menu shows them, "-" when disabled; after a key, if one is given.
        auto items = [&](QKeyCombination key = Qt::Key_unknown) {
            if (key.key() != Qt::Key_unknown)
                QTest::keyClick(f.dlg.get(), key.key(), key.keyboardModifiers());
            QStringList texts;
            for (QAction *a : {f.dlg->UndoAction(), f.dlg->RedoAction()})
                texts << (a->isEnabled() ? a->text() : QStringLiteral("-"));
            return texts.join(QLatin1Char('|'));
        };
        QCOMPARE(items(), QStringLiteral("-|-"));

        // A typed value is the list's own step until it is applied.
        const QString old = f.Row(0)[1];
        f.Play({"click:0,1", "F2", "type:3456", "Return"});
        QTRY_VERIFY(!f.dlg->Editor().TpList()->IsEditing());
        QCOMPARE(items(), QStringLiteral("&Undo Edit TP|-"));
        QCOMPARE(items(Qt::CTRL | Qt::Key_Z), QStringLiteral("-|&Redo Edit TP"));
        QVERIFY(f.Row(0)[1] == old && !f.dlg->Editor().HasPendingWork());
        items(Qt::CTRL | Qt::Key_Y);
        QCOMPARE(f.Row(0)[1], QStringLiteral("3456"));
        f.Click("applyTpButton");
        QCOMPARE(items(), QStringLiteral("&Undo Apply|-"));

        // Delete SAT, undone from the menu: the satellite is back and memory is the file again.
        QListWidget *sats = f.dlg->Editor().SatList();
        const int count = sats->count();
        const QString name = sats->item(1)->text();
        f.SelectSatellite(1);
        f.Click("deleteSatButton");
        QCOMPARE(items(), QStringLiteral("&Undo Delete SAT|-"));
        f.dlg->UndoAction()->trigger();
        QVERIFY(sats->count() == count && sats->item(1)->text() == name && !f.dlg->Editor().HasPendingWork());
        QCOMPARE(items(), QStringLiteral("&Undo Apply|&Redo Delete SAT"));
        QCOMPARE(items(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QStringLiteral("&Undo Delete SAT|-"));
        QCOMPARE(sats->count(), count - 1);
        items(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(items(Qt::CTRL | Qt::Key_Z), QStringLiteral("-|&Redo Apply")); // the rows show the document again
        QVERIFY(f.Row(0)[1] == old && f.dlg->Editor().HasPendingWork());
        // Rows not applied keep the document's steps waiting: redoing one would show rows afresh.
        f.Click("addTpButton");
        QCOMPARE(items(), QStringLiteral("&Undo Add TP|-"));
        f.SelectSatellite(1); // the rows shown afresh, the Apply can be redone
        items(Qt::CTRL | Qt::Key_Y);
        QVERIFY(f.dlg->close()); // back to what the file holds: nothing to ask
        QVERIFY(f.prompts.Questions().empty() && f.prompts.MessageCount() == 0);
        LOAD_CHECKED(file, path);
    }
};

QTEST_MAIN(TestDbEditor)
#include "tst_dbeditor.moc"
