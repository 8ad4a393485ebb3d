// The in-place line edit and drop-down: how they open, what ends them and what they store.
#include "TestGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRegularExpressionValidator>

namespace {

bool EditorClosed(TestGrid &grid)
{
    return WaitUntil([&] { return !grid.IsEditing() && !grid.GetEditor(); });
}

// Opens the drop-down of a cell and waits for its list to show.
QAbstractItemView *OpenList(TestGrid &grid, int row, int column)
{
    if (!grid.EditCell(row, column) || !grid.GetEditorCombo())
        return nullptr;
    QAbstractItemView *list = grid.GetEditorCombo()->view();
    return WaitUntil([&] { return list->isVisible(); }) ? list : nullptr;
}

// Types into an editable drop-down (replacing its text, list closed) and presses Return.
void TypeIntoCombo(TestGrid &grid, const QString &text)
{
    QComboBox *combo = grid.GetEditorCombo();
    combo->hidePopup();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
}

const QVector<CellKind> kEdit{CELL_TEXT, CELL_EDIT};
const QVector<CellKind> kDropList{CELL_TEXT, CELL_EDIT, CELL_EDIT, CELL_DROPLIST};

} // namespace

class TstGridEditors : public QObject
{
    Q_OBJECT

private slots:
    void lineEditOpensOverCellWithAllTextSelected()
    {
        GridWindow w(kEdit);
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(1, 1, QStringLiteral("12188"));
        QVERIFY(w.grid->EditCell(1, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        QVERIFY(edit);
        QCOMPARE(w.grid->GetEditRow(), 1);
        QCOMPARE(w.grid->GetEditColumn(), 1);
        QCOMPARE(edit->geometry(), CellRect(*w.grid, 1, 1));
        QCOMPARE(edit->selectedText(), QStringLiteral("12188"));
        QVERIFY(WaitUntil([&] { return edit->hasFocus(); }));
        QVERIFY(!w.grid->EditCell(2, 1)); // one editor at a time

        // A cell image: the editor starts right of it.
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QPixmap icon(16, 16);
        icon.fill(Qt::blue);
        w.grid->SetImageList({icon});
        w.grid->SetItemImage(1, 1, 0);
        QVERIFY(w.grid->EditCell(1, 1));
        QCOMPARE(w.grid->GetEditorLine()->geometry(), CellRect(*w.grid, 1, 1).adjusted(16, 0, 0, 0));
    }

    void lineEditTakesAtMostHundredCharactersButShowsLongerTextWhole()
    {
        GridWindow w(kEdit);
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->EditCell(0, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        QTest::keyClicks(edit, QString(120, QLatin1Char('7')));
        QCOMPARE(edit->text().size(), 100);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));

        const QString longText(150, QLatin1Char('a'));
        w.grid->SetItemText(1, 1, longText);
        QVERIFY(w.grid->EditCell(1, 1));
        edit = w.grid->GetEditorLine();
        QCOMPARE(edit->text(), longText);
        edit->setCursorPosition(150);
        QTest::keyClick(edit, Qt::Key_B);
        QCOMPARE(edit->text(), longText); // no room to grow
        // Shortening does not make room either while the text is over the limit.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_B);
        QCOMPARE(edit->text(), longText.left(149));
        edit->setSelection(0, 60);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString(20, QLatin1Char('b')));
        QCOMPARE(edit->text().size(), 100);
    }

    void enterStoresEscapeCancelsFocusLossKeeps()
    {
        GridWindow w(kEdit);
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(0, true);
        QVERIFY(w.grid->EditCell(0, 1));
        QTest::keyClicks(w.grid->GetEditorLine(), QStringLiteral("11111"));
        QTest::keyClick(w.grid->GetEditorLine(), Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("r0c1"));
        QVERIFY(w.grid->ends.size() == 1 && w.grid->ends[0].cancelled);
        QVERIFY(WaitUntil([&] { return w.grid->hasFocus(); }));

        QVERIFY(w.grid->EditCell(0, 1));
        QTest::keyClicks(w.grid->GetEditorLine(), QStringLiteral("22222"));
        QTest::keyClick(w.grid->GetEditorLine(), Qt::Key_Enter);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("22222"));
        QCOMPARE(w.grid->ends.last().image, -1);

        QVERIFY(w.grid->EditCell(0, 1));
        QTest::keyClicks(w.grid->GetEditorLine(), QStringLiteral("33333"));
        w.other->setFocus();
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("33333"));
        QCOMPARE(w.grid->ends.size(), 3); // each edit ended once
    }

    void keysTheEditorIgnoresDoNotMoveFocusCell()
    {
        GridWindow w(kEdit);
        QVERIFY(w.ShowWithFocusAt(1, 1));
        QVERIFY(w.grid->EditCell(1, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_F2, Qt::Key_PageDown})
            QTest::keyClick(edit, key);
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QCOMPARE(w.grid->GetFocusedItem(), 1);
        QCOMPARE(w.grid->GetEditor(), edit);
    }

    void rejectedEditStaysOpen()
    {
        GridWindow w(kEdit);
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(2, true);
        w.grid->rejects = 1;
        QVERIFY(w.grid->EditCell(2, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        QTest::keyClicks(edit, QStringLiteral("bad"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(WaitUntil([&] { return w.grid->ends.size() == 1; }));
        QCOMPARE(w.grid->GetEditorLine(), edit);
        QCOMPARE(edit->text(), QStringLiteral("bad"));
        QVERIFY(WaitUntil([&] { return edit->hasFocus(); }));
        QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("r2c1"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("bad"));
    }

    void dropListOpensAtOnceAndArrowsDoNotEndIt()
    {
        GridWindow w(kDropList);
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(1, 3, QStringLiteral("Vert"));
        w.grid->SetRowSelected(1, true);
        QAbstractItemView *list = OpenList(*w.grid, 1, 3);
        QVERIFY(list);
        QComboBox *combo = w.grid->GetEditorCombo();
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(list->window()->width() >= 70); // the column is 40 pixels wide; the list is wider
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(list, key);
        QCoreApplication::processEvents(); // a posted end request would run here
        QVERIFY(w.grid->IsEditing());
        QVERIFY(w.grid->ends.isEmpty());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(1, 3), QStringLiteral("Hori"));
    }

    void dropListEscapeAndMousePick()
    {
        GridWindow w(kDropList);
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(0, 3, QStringLiteral("Auto"));
        w.grid->SetRowSelected(0, true);
        QAbstractItemView *list = OpenList(*w.grid, 0, 3);
        QVERIFY(list);
        QCOMPARE(w.grid->GetEditorCombo()->currentIndex(), -1); // "Auto" is no choice
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 3), QStringLiteral("Auto"));
        QVERIFY(w.grid->ends.last().cancelled);

        list = OpenList(*w.grid, 0, 3);
        QVERIFY(list);
        const QRect second = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 3), QStringLiteral("Hori"));
        QVERIFY(!w.grid->ends.last().cancelled);
    }

    void dropListOpenedByClickStaysOpen()
    {
        GridWindow w(kDropList);
        QVERIFY(ShowActive(w.top));
        Click(*w.grid, 1, 3);
        Click(*w.grid, 1, 3);
        QAbstractItemView *list = w.grid->GetEditorCombo() ? w.grid->GetEditorCombo()->view() : nullptr;
        QVERIFY(list && WaitUntil([&] { return list->isVisible(); }));
        QCoreApplication::processEvents();
        QVERIFY(w.grid->IsEditing());
        QVERIFY(w.grid->ends.isEmpty());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(1, 3), QStringLiteral("r1c3"));
    }

    void longChoiceListIsAtMost204High()
    {
        GridWindow w({CELL_TEXT, CELL_DROPLIST});
        QVERIFY(ShowActive(w.top));
        for (int i = 0; i < 40; ++i)
            w.grid->choices << QStringLiteral("choice %1").arg(i);
        QAbstractItemView *list = OpenList(*w.grid, 0, 1);
        QVERIFY(list);
        QVERIFY(list->window()->height() <= 204);
        QVERIFY(list->window()->height() > 100);
    }

    void editableDropDownStoresChoiceSpelling()
    {
        GridWindow w({CELL_TEXT, CELL_DROPDOWN});
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(0, true);
        w.grid->SetItemText(0, 1, QStringLiteral("Vert"));
        QVERIFY(OpenList(*w.grid, 0, 1));
        QVERIFY(w.grid->GetEditorCombo()->isEditable());
        TypeIntoCombo(*w.grid, QStringLiteral("hori"));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Hori"));
        QCOMPARE(w.grid->ends.last().text, QStringLiteral("Hori"));

        QVERIFY(w.grid->EditCell(0, 1));
        QCOMPARE(w.grid->GetEditorCombo()->currentIndex(), 1);
        TypeIntoCombo(*w.grid, QStringLiteral("Auto"));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Auto"));
        QCOMPARE(w.grid->ends.last().image, -1);

        // Not a choice: shown in the field, all of it selected.
        QVERIFY(w.grid->EditCell(0, 1));
        QCOMPARE(w.grid->GetEditorCombo()->lineEdit()->selectedText(), QStringLiteral("Auto"));
    }

    void dropDownChoiceCarriesItsImage()
    {
        GridWindow w({CELL_TEXT, CELL_DROPDOWN});
        QVERIFY(ShowActive(w.top));
        QPixmap a(16, 16), b(16, 16);
        a.fill(Qt::red);
        b.fill(Qt::green);
        w.grid->SetImageList({a, b});
        w.grid->choices = {QStringLiteral("Vert"), QStringLiteral("Hori")};
        w.grid->choiceImages = {1, 0};
        w.grid->SetRowSelected(2, true);
        QVERIFY(w.grid->EditCell(2, 1));
        TypeIntoCombo(*w.grid, QStringLiteral("VERT"));
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("Vert"));
        QCOMPARE(w.grid->GetItemImage(2, 1), 1);
    }

    void clickInGridWhileEditingOnlyClosesEditor()
    {
        GridWindow w(kEdit);
        QVERIFY(w.ShowWithFocusAt(0, 1));
        QVERIFY(w.grid->EditCell(0, 1));
        QTest::keyClicks(w.grid->GetEditorLine(), QStringLiteral("5"));
        Click(*w.grid, 2, 1);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("5"));
        QCOMPARE(w.grid->GetFocusRow(), 0);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{0});
        QCOMPARE(w.grid->ends.size(), 1);
    }

    void subclassEditorTakesDigitsOnly()
    {
        // As the transponder list does: the grid's editor, made number-only.
        struct DigitsGrid : TestGrid {
            bool CreateCellEdit(int row, int column, const QRect &rect) override
            {
                if (!CGridCtrl::CreateCellEdit(row, column, rect))
                    return false;
                GetEditorLine()->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), GetEditorLine()));
                return true;
            }
        };
        DigitsGrid grid;
        grid.resize(300, 200);
        grid.columnKinds = kEdit;
        Fill(grid, 2, {50, 80});
        QVERIFY(ShowActive(grid));
        grid.SetRowSelected(1, true);
        QVERIFY(grid.EditCell(1, 1));
        QTest::keyClicks(grid.GetEditorLine(), QStringLiteral("12a3b"));
        QTest::keyClick(grid.GetEditorLine(), Qt::Key_Return);
        QVERIFY(EditorClosed(grid));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("123"));
    }

    void deletingEditedRowDropsEditor()
    {
        GridWindow w(kEdit);
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->EditCell(2, 1));
        w.grid->DeleteItem(2);
        QVERIFY(EditorClosed(*w.grid));
        QCoreApplication::processEvents();
        QVERIFY(w.grid->ends.isEmpty());
        QVERIFY(w.grid->EditCell(1, 1)); // a fresh editor can open
    }
};

QTEST_MAIN(TstGridEditors)
#include "tst_grid_editors.moc"
