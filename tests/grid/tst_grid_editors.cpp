// The in-place line edit and drop-down: how they open, what ends them and what they store.
#include "TestGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>

namespace {

bool EditorClosed(TestGrid &grid)
{
    return WaitUntil([&] { return !grid.IsEditing() && !grid.GetEditor(); });
}

// The open drop-down's list once it shows.
QAbstractItemView *ShownList(TestGrid &grid)
{
    QAbstractItemView *list = grid.GetEditorCombo() ? grid.GetEditorCombo()->view() : nullptr;
    return list && WaitUntil([&] { return list->isVisible(); }) ? list : nullptr;
}

// The text field of the open line edit or editable drop-down.
QLineEdit *Field(TestGrid &grid)
{
    QComboBox *combo = grid.GetEditorCombo();
    return combo ? combo->lineEdit() : grid.GetEditorLine();
}

// Types into the open line edit or editable drop-down (replacing its text) and presses `key`.
void TypeInto(TestGrid &grid, const QString &text, Qt::Key key = Qt::Key_Return)
{
    QLineEdit *edit = Field(grid);
    if (QComboBox *combo = grid.GetEditorCombo()) {
        combo->hidePopup();
        edit->selectAll();
    }
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, key);
}

const QVector<CellKind> kEdit{CELL_TEXT, CELL_EDIT};

} // namespace

class TstGridEditors : public QObject
{
    Q_OBJECT

private slots:
    // Over the cell, right of its image, all its text selected; one editor at a time.
    void lineEditOpensOverCell()
    {
        GridWindow w(kEdit);
        QPixmap icon(16, 16);
        icon.fill(Qt::blue);
        w.grid->SetImageList({icon});
        w.grid->SetItemImage(2, 1, 0);
        QVERIFY(w.ShowWithFocusAt(1, 1));
        for (int row : {1, 2}) {
            QVERIFY(w.grid->EditCell(row, 1));
            QLineEdit *edit = w.grid->GetEditorLine();
            QCOMPARE(edit->geometry(), CellRect(*w.grid, row, 1).adjusted(row == 2 ? 16 : 0, 0, 0, 0));
            QCOMPARE(edit->selectedText(), QStringLiteral("r%1c1").arg(row));
            QVERIFY(!w.grid->EditCell(0, 1));
            QTest::keyClick(edit, Qt::Key_Escape);
            QVERIFY(EditorClosed(*w.grid));
        }
    }

    // Whatever ends an edit, it ends once, on the row it was opened on, before any row moves;
    // a click that ends it does nothing else. Only Escape drops the text. An edit OnEndCellEdit
    // refuses stays open. The grid takes the focus back, unless the user put it elsewhere.
    void editEndsOnItsOwnRow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<QString>("state");
        QTest::newRow("Escape") << "Esc" << 0 << "focus 2,1 sel 2";
        QTest::newRow("Enter of the keypad") << "Enter" << 0 << "focus 2,1 sel 2";
        QTest::newRow("another widget clicked") << "other" << 0 << "focus 2,1 sel 2";
        QTest::newRow("left click") << "click:0,1" << 0 << "focus 2,1 sel 2";
        QTest::newRow("refused, then a left click") << "click:0,1" << 1 << "focus 2,1 sel 2";
        QTest::newRow("right click, no menu") << "right:0,1" << 0 << "focus 2,1 sel 2";
        QTest::newRow("header click sorting") << "header" << 0 << "focus 2,1 sel 2";
        QTest::newRow("row inserted above") << "insert" << 0 << "focus 3,1 sel 3";
        QTest::newRow("row deleted above") << "delete 0" << 0 << "focus 1,1 sel 1";
        QTest::newRow("edited row deleted") << "delete 2" << 0 << "focus 1,1 sel 1";
    }

    void editEndsOnItsOwnRow()
    {
        QFETCH(QString, action);
        QFETCH(int, refusals);
        GridWindow w(kEdit);
        QVERIFY(w.ShowWithFocusAt(2, 1));
        w.grid->rejects = refusals;
        w.Drive(QStringLiteral("click:2,1 type:typed"));
        QLineEdit *edit = w.grid->GetEditorLine();
        QVERIFY(edit);
        for (int i = 1; i <= refusals; ++i) {
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(WaitUntil([&] { return w.grid->ends.size() == i && edit->hasFocus(); }));
            QCOMPARE(w.grid->GetEditorLine(), edit);
            QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("r2c1"));
        }
        if (action == QLatin1String("insert"))
            w.grid->InsertItem(0, QStringLiteral("new"));
        else if (action.startsWith(QLatin1String("delete")))
            w.grid->DeleteItem(action.mid(7).toInt());
        else
            w.Drive(action);
        QVERIFY(EditorClosed(*w.grid));
        QCoreApplication::processEvents(); // an end request still queued comes to nothing
        QCOMPARE(w.grid->ends.size(), refusals + 1);
        QCOMPARE(w.grid->ends.last().row, 2);
        QCOMPARE(w.grid->ends.last().image, -1);
        const bool kept = action != QLatin1String("Esc");
        QCOMPARE(w.grid->ends.last().cancelled, !kept);
        for (int r = 0; r < w.grid->GetItemCount(); ++r)
            QCOMPARE(w.grid->GetItemText(r, 1) == QLatin1String("typed"),
                     kept && w.grid->GetItemText(r, 0) == QLatin1String("r2c0"));
        QCOMPARE(w.grid->hasFocus(), action != QLatin1String("other"));
        QTEST(w.Seen(), "state"); // no right click reported
    }

    // At most 100 characters can be typed; a longer text (not a choice) is shown whole and
    // selected, survives an edit that leaves it alone, and once shortened grows only to the limit.
    void editorsTakeHundredCharactersAndKeepLongerTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("line edit") << int(CELL_EDIT);
        QTest::newRow("editable drop-down") << int(CELL_DROPDOWN);
    }

    void editorsTakeHundredCharactersAndKeepLongerTexts()
    {
        QFETCH(int, kind);
        GridWindow w({CELL_TEXT, CellKind(kind)});
        QVERIFY(w.ShowWithFocusAt(0, 1));
        QVERIFY(w.grid->EditCell(0, 1));
        TypeInto(*w.grid, QString(120, QLatin1Char('7')));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QString(100, QLatin1Char('7')));

        const QString longText(150, QLatin1Char('a'));
        w.grid->SetItemText(0, 1, longText);
        QVERIFY(w.grid->EditCell(0, 1));
        QLineEdit *edit = Field(*w.grid);
        QCOMPARE(edit->selectedText(), longText); // all of it, selected
        edit->setCursorPosition(150);
        QTest::keyClick(edit, Qt::Key_B);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), longText);
        QVERIFY(w.grid->EditCell(0, 1));
        edit = Field(*w.grid);
        edit->setSelection(0, 60);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString(20, QLatin1Char('b')));
        QCOMPARE(edit->text().size(), 100);
    }

    void dropListOpensAtOnceAndEndsOnlyOnPick()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_EDIT, CELL_DROPLIST});
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(1, 3, QStringLiteral("Vert"));
        w.grid->SetItemText(0, 3, QStringLiteral("Auto"));
        w.grid->SetRowSelected(1, true);
        QVERIFY(w.grid->EditCell(1, 3));
        QAbstractItemView *list = ShownList(*w.grid);
        QVERIFY(list);
        QComboBox *combo = w.grid->GetEditorCombo();
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(list->window()->width() >= 70); // the column is 40 pixels wide; the list is wider
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(list, key);
        QCoreApplication::processEvents(); // a posted end request would run here
        QVERIFY(w.grid->IsEditing() && w.grid->ends.isEmpty());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(1, 3), QStringLiteral("Hori"));

        // "Auto" is no choice; Escape keeps it, a mouse pick replaces it.
        w.grid->clearSelection();
        w.grid->SetRowSelected(0, true);
        QVERIFY(w.grid->EditCell(0, 3));
        QVERIFY((list = ShownList(*w.grid)));
        QCOMPARE(w.grid->GetEditorCombo()->currentIndex(), -1);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 3), QStringLiteral("Auto"));
        QVERIFY(w.grid->ends.last().cancelled);
        QVERIFY(w.grid->EditCell(0, 3));
        QVERIFY((list = ShownList(*w.grid)));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 3), QStringLiteral("Hori"));
        QVERIFY(!w.grid->ends.last().cancelled);

        // Opened by a click, the list stays open.
        w.Drive(QStringLiteral("click:2,3 click:2,3"));
        QVERIFY((list = ShownList(*w.grid)));
        QCoreApplication::processEvents();
        QCOMPARE(w.grid->ends.size(), 3);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(2, 3), QStringLiteral("r2c3"));

        // A long list is at most 204 pixels high.
        for (int i = 0; i < 40; ++i)
            w.grid->choices << QStringLiteral("choice %1").arg(i);
        QVERIFY(w.grid->EditCell(0, 3));
        QVERIFY((list = ShownList(*w.grid)));
        QVERIFY(list->window()->height() <= 204 && list->window()->height() > 100);
    }

    void editableDropDownStoresChoiceSpellingAndImage()
    {
        GridWindow w({CELL_TEXT, CELL_DROPDOWN});
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(0, true);
        w.grid->SetItemText(0, 1, QStringLiteral("Vert"));
        QVERIFY(w.grid->EditCell(0, 1));
        QVERIFY(ShownList(*w.grid));
        QVERIFY(w.grid->GetEditorCombo()->isEditable());
        TypeInto(*w.grid, QStringLiteral("hori"));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Hori"));
        QCOMPARE(w.grid->ends.last().text, QStringLiteral("Hori"));

        QVERIFY(w.grid->EditCell(0, 1));
        QCOMPARE(w.grid->GetEditorCombo()->currentIndex(), 1);
        TypeInto(*w.grid, QStringLiteral("Auto"));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Auto"));
        QCOMPARE(w.grid->ends.last().image, -1);

        // A choice carries its image.
        QPixmap a(16, 16), b(16, 16);
        a.fill(Qt::red);
        b.fill(Qt::green);
        w.grid->SetImageList({a, b});
        w.grid->choices = {QStringLiteral("Vert"), QStringLiteral("Hori")};
        w.grid->choiceImages = {1, 0};
        QVERIFY(w.grid->EditCell(0, 1));
        TypeInto(*w.grid, QStringLiteral("VERT"));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Vert"));
        QCOMPARE(w.grid->GetItemImage(0, 1), 1);
    }
};

QTEST_MAIN(TstGridEditors)
#include "tst_grid_editors.moc"
