// The in-place line edit and drop-down: how they open, what ends them and what they store.
#include "TestGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// A window with the grid and one other focusable widget to move the focus to.
struct Window {
    QWidget top;
    TestGrid *grid;
    QLineEdit *other;
    Window(const QVector<CellKind> &kinds, int rows = 4)
    {
        top.resize(400, 300);
        grid = new TestGrid(&top);
        grid->setGeometry(0, 0, 400, 250);
        other = new QLineEdit(&top);
        other->setGeometry(0, 260, 100, 24);
        grid->columnKinds = kinds;
        Fill(*grid, rows, {50, 80, 60, 40});
    }
};

bool EditorClosed(TestGrid &grid)
{
    return WaitUntil([&] { return !grid.IsEditing() && !grid.GetEditor(); });
}

QAbstractItemView *OpenList(TestGrid &grid)
{
    QComboBox *combo = grid.GetEditorCombo();
    return combo ? combo->view() : nullptr;
}

} // namespace

class TstGridEditors : public QObject
{
    Q_OBJECT

private slots:
    void lineEditOpensOverCellWithAllTextSelected()
    {
        Window w({CELL_TEXT, CELL_EDIT});
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(1, 1, QStringLiteral("12188"));
        QVERIFY(w.grid->EditCell(1, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        QVERIFY(edit);
        QCOMPARE(w.grid->GetEditRow(), 1);
        QCOMPARE(w.grid->GetEditColumn(), 1);
        QRect cell;
        w.grid->GetCellRect(1, 1, cell);
        QCOMPARE(edit->geometry(), cell);
        QCOMPARE(edit->text(), QStringLiteral("12188"));
        QCOMPARE(edit->selectedText(), QStringLiteral("12188"));
        QVERIFY(WaitUntil([&] { return edit->hasFocus(); }));
        QVERIFY(!w.grid->EditCell(2, 1)); // one editor at a time
    }

    void lineEditTakesAtMostHundredCharactersButShowsLongerTextWhole()
    {
        Window w({CELL_TEXT, CELL_EDIT});
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
        Window w({CELL_TEXT, CELL_EDIT});
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(0, true);

        QVERIFY(w.grid->EditCell(0, 1));
        QTest::keyClicks(w.grid->GetEditorLine(), QStringLiteral("11111"));
        QTest::keyClick(w.grid->GetEditorLine(), Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("r0c1"));
        QCOMPARE(w.grid->ends.size(), 1);
        QVERIFY(w.grid->ends[0].cancelled);
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
        Window w({CELL_TEXT, CELL_EDIT});
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->SetFocusCell(1, 1, false));
        w.grid->SelectFocusRow();
        QVERIFY(w.grid->EditCell(1, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_F2);
        QTest::keyClick(edit, Qt::Key_PageDown);
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QCOMPARE(w.grid->GetFocusedItem(), 1);
        QCOMPARE(w.grid->GetEditor(), edit);
        QVERIFY(w.grid->IsEditing());
    }

    void rejectedEditStaysOpen()
    {
        Window w({CELL_TEXT, CELL_EDIT});
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(2, true);
        w.grid->rejects = 1;
        QVERIFY(w.grid->EditCell(2, 1));
        QLineEdit *edit = w.grid->GetEditorLine();
        QTest::keyClicks(edit, QStringLiteral("bad"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(WaitUntil([&] { return w.grid->ends.size() == 1; }));
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditorLine(), edit);
        QCOMPARE(edit->text(), QStringLiteral("bad"));
        QVERIFY(WaitUntil([&] { return edit->hasFocus(); }));
        QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("r2c1"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("bad"));
    }

    void editorStartsRightOfCellImage()
    {
        Window w({CELL_TEXT, CELL_EDIT});
        QVERIFY(ShowActive(w.top));
        QPixmap icon(16, 16);
        icon.fill(Qt::blue);
        w.grid->SetImageList({icon});
        w.grid->SetItemImage(1, 1, 0);
        QRect cell;
        w.grid->GetCellRect(1, 1, cell);
        QVERIFY(w.grid->EditCell(1, 1));
        QCOMPARE(w.grid->GetEditorLine()->geometry().left(), cell.left() + 16);
        QCOMPARE(w.grid->GetEditorLine()->geometry().right(), cell.right());
    }

    void dropListOpensAtOnceAndArrowsDoNotEndIt()
    {
        Window w({CELL_TEXT, CELL_EDIT, CELL_EDIT, CELL_DROPLIST});
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(1, 3, QStringLiteral("Vert"));
        w.grid->SetRowSelected(1, true);
        QVERIFY(w.grid->EditCell(1, 3));
        QComboBox *combo = w.grid->GetEditorCombo();
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Vert"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Hori"));
        QCOMPARE(combo->currentIndex(), 0);
        QAbstractItemView *list = OpenList(*w.grid);
        QVERIFY(WaitUntil([&] { return list->isVisible(); }));
        // The column is 40 pixels wide; the list is wider.
        QVERIFY(list->window()->width() >= 70);
        QVERIFY(list->window()->height() <= 204);

        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Down);
        QCoreApplication::processEvents(); // a posted end request would run here
        QVERIFY(w.grid->IsEditing());
        QVERIFY(w.grid->ends.isEmpty());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(1, 3), QStringLiteral("Hori"));
    }

    void dropListEscapeAndMousePick()
    {
        Window w({CELL_TEXT, CELL_EDIT, CELL_EDIT, CELL_DROPLIST});
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(0, 3, QStringLiteral("Auto"));
        w.grid->SetRowSelected(0, true);
        QVERIFY(w.grid->EditCell(0, 3));
        QCOMPARE(w.grid->GetEditorCombo()->currentIndex(), -1); // "Auto" is no choice
        QAbstractItemView *list = OpenList(*w.grid);
        QVERIFY(WaitUntil([&] { return list->isVisible(); }));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 3), QStringLiteral("Auto"));
        QVERIFY(w.grid->ends.last().cancelled);

        QVERIFY(w.grid->EditCell(0, 3));
        list = OpenList(*w.grid);
        QVERIFY(WaitUntil([&] { return list->isVisible(); }));
        const QRect second = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 3), QStringLiteral("Hori"));
        QVERIFY(!w.grid->ends.last().cancelled);
    }

    void dropListOpenedByClickStaysOpen()
    {
        Window w({CELL_TEXT, CELL_EDIT, CELL_EDIT, CELL_DROPLIST});
        QVERIFY(ShowActive(w.top));
        Click(*w.grid, 1, 3);
        Click(*w.grid, 1, 3);
        QVERIFY(w.grid->IsEditing());
        QAbstractItemView *list = OpenList(*w.grid);
        QVERIFY(WaitUntil([&] { return list->isVisible(); }));
        QCoreApplication::processEvents();
        QVERIFY(w.grid->IsEditing());
        QVERIFY(w.grid->ends.isEmpty());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(1, 3), QStringLiteral("r1c3"));
    }

    void longChoiceListIsAtMost204High()
    {
        Window w({CELL_TEXT, CELL_DROPLIST});
        QVERIFY(ShowActive(w.top));
        for (int i = 0; i < 40; ++i)
            w.grid->choices << QStringLiteral("choice %1").arg(i);
        QVERIFY(w.grid->EditCell(0, 1));
        QAbstractItemView *list = OpenList(*w.grid);
        QVERIFY(WaitUntil([&] { return list->isVisible(); }));
        QVERIFY(list->window()->height() <= 204);
        QVERIFY(list->window()->height() > 100);
    }

    void editableDropDownStoresChoiceSpelling()
    {
        Window w({CELL_TEXT, CELL_DROPDOWN});
        QVERIFY(ShowActive(w.top));
        w.grid->SetRowSelected(0, true);
        w.grid->SetItemText(0, 1, QStringLiteral("Vert"));
        QVERIFY(w.grid->EditCell(0, 1));
        QComboBox *combo = w.grid->GetEditorCombo();
        QVERIFY(combo->isEditable());
        QVERIFY(WaitUntil([&] { return combo->view()->isVisible(); }));
        combo->hidePopup();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("hori"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Hori"));
        QCOMPARE(w.grid->ends.last().text, QStringLiteral("Hori"));

        QVERIFY(w.grid->EditCell(0, 1));
        combo = w.grid->GetEditorCombo();
        QCOMPARE(combo->currentIndex(), 1);
        combo->hidePopup();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("Auto"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("Auto"));
        QCOMPARE(w.grid->ends.last().image, -1);

        // Not a choice: shown in the field, all of it selected.
        QVERIFY(w.grid->EditCell(0, 1));
        combo = w.grid->GetEditorCombo();
        QCOMPARE(combo->currentText(), QStringLiteral("Auto"));
        QCOMPARE(combo->lineEdit()->selectedText(), QStringLiteral("Auto"));
    }

    void dropDownChoiceCarriesItsImage()
    {
        Window w({CELL_TEXT, CELL_DROPDOWN});
        QVERIFY(ShowActive(w.top));
        QPixmap a(16, 16), b(16, 16);
        a.fill(Qt::red);
        b.fill(Qt::green);
        w.grid->SetImageList({a, b});
        w.grid->choices = {QStringLiteral("Vert"), QStringLiteral("Hori")};
        w.grid->choiceImages = {1, 0};
        w.grid->SetRowSelected(2, true);
        QVERIFY(w.grid->EditCell(2, 1));
        QComboBox *combo = w.grid->GetEditorCombo();
        combo->hidePopup();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("VERT"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(2, 1), QStringLiteral("Vert"));
        QCOMPARE(w.grid->GetItemImage(2, 1), 1);
    }

    void clickInGridWhileEditingOnlyClosesEditor()
    {
        Window w({CELL_TEXT, CELL_EDIT});
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->SetFocusCell(0, 1, false));
        w.grid->SelectFocusRow();
        QVERIFY(w.grid->EditCell(0, 1));
        QTest::keyClicks(w.grid->GetEditorLine(), QStringLiteral("5"));
        Click(*w.grid, 2, 1);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QStringLiteral("5"));
        QCOMPARE(w.grid->GetFocusRow(), 0);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{0});
        QCOMPARE(w.grid->ends.size(), 1);
        QVERIFY(!w.grid->IsEditing());
    }

    void subclassEditorTakesDigitsOnly()
    {
        // As the transponder list does: the grid's editor, made number-only.
        struct DigitsGrid : TestGrid {
            bool CreateCellEdit(int row, int column, const QRect &rect) override
            {
                if (!CGridCtrl::CreateCellEdit(row, column, rect))
                    return false;
                GetEditorLine()->setValidator(
                    new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")),
                                                    GetEditorLine()));
                return true;
            }
        };
        DigitsGrid grid;
        grid.resize(300, 200);
        grid.columnKinds = {CELL_TEXT, CELL_EDIT};
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
        Window w({CELL_TEXT, CELL_EDIT});
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
