// The in-place editors (how they open, what ends them, what they store) and how an ended edit
// or a check box reaches the selected rows.
#include "TestGrid.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QPointer>

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

// The focus as assistive technology sees it: "role(hex) name row,column=value", the name being
// that of a label for the object when it has one.
QString AccessibleFocus()
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(QApplication::focusObject());
    if (iface && iface->role() == QAccessible::Table)
        iface = iface->focusChild();
    if (!iface)
        return QStringLiteral("none");
    const auto labels = iface->relations(QAccessible::Label);
    QString s = QString::number(iface->role(), 16) + QLatin1Char(' ')
        + (labels.isEmpty() ? iface->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name));
    if (QAccessibleTableCellInterface *cell = iface->tableCellInterface())
        s += QStringLiteral(" %1,%2").arg(cell->rowIndex()).arg(cell->columnIndex());
    if (iface->state().editable && iface->role() == QAccessible::Cell)
        s += QStringLiteral(" editable");
    return s + QLatin1Char('=') + iface->text(QAccessible::Value);
}

// How many of the grid, its cells and the focus widget elsewhere (an editor, an open list)
// report the focus.
int FocusedCount(CGridCtrl &grid)
{
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    int n = table->state().focused;
    for (int i = 0; i < table->childCount(); ++i)
        n += table->child(i)->state().focused;
    QWidget *focus = QApplication::focusWidget();
    return n + (focus != &grid && QAccessible::queryAccessibleInterface(focus)->state().focused);
}

} // namespace

class TstGridEditors : public QObject
{
    Q_OBJECT

private slots:
    // An ended edit reaches the selected rows (not the edited row unless selected), only in
    // cells of the edited cell's kind. Check boxes and buttons activate without an editor;
    // boxes toggle in the selected rows of their kind (one selected row: the cell alone).
    void selectedRowsOfSameKindTakeEditsAndChecks()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_EDIT, CELL_UNCHECKED, CELL_BUTTON, CELL_LINE, CellKind(42)};
        grid.cellKinds[qMakePair(4, 1)] = CELL_DROPLIST;
        grid.cellKinds[qMakePair(4, 2)] = CELL_CHECKED;
        Fill(grid, 7, {50, 80, 40, 40, 40, 40});
        for (int r : {2, 4, 5})
            grid.SetRowSelected(r, true);
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(5, 1, true, QStringLiteral("x"), -1)); // cancelled
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(6, 1, false, QStringLiteral("9"), -1));
        QStringList texts;
        for (int r = 0; r < 7; ++r)
            texts << grid.GetItemText(r, 1);
        QCOMPARE(texts.join(' '), QStringLiteral("r0c1 r1c1 9 r3c1 r4c1 9 r6c1"));
        QCOMPARE(grid.GetItemText(5, 0), QStringLiteral("r5c0"));
        QVERIFY(grid.EditCell(2, 2) && grid.EditCell(1, 3));
        grid.clearSelection();
        grid.SetRowSelected(6, true);
        QVERIFY(grid.EditCell(4, 2));
        QCOMPARE(grid.checks, (Cells{{2, 2}, {5, 2}, {4, 2}}));
        QCOMPARE(grid.buttons, (Cells{{1, 3}}));
        for (auto cell : Cells{{1, 0}, {1, 4}, {1, 5}, {-1, 3}, {7, 3}, {0, 6}})
            QVERIFY(!grid.EditCell(cell.first, cell.second));
        QVERIFY(!grid.IsEditing());
    }

    // Whatever ends an edit, it ends once, on the row it was opened on, before any row moves;
    // a click that ends it does nothing else. Only Escape drops the text. An edit OnEndCellEdit
    // refuses stays open. The grid takes the focus back, unless the user put it elsewhere. The
    // line edit opens over the cell right of its image, its text selected, one at a time.
    void editEndsOnItsOwnRow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<QString>("state");
        QTest::newRow("Escape") << "Esc" << 0 << "focus 2,1 sel 2";
        QTest::newRow("Enter of the keypad") << "Enter" << 0 << "focus 2,1 sel 2";
        QTest::newRow("another widget clicked") << "other" << 0 << "focus 2,1 sel 2";
        QTest::newRow("refused, then a left click") << "click:0,1" << 1 << "focus 2,1 sel 2";
        QTest::newRow("right click, no menu") << "right:0,1" << 0 << "focus 2,1 sel 2";
        QTest::newRow("header click sorting") << "header:1" << 0 << "focus 2,1 sel 2";
        QTest::newRow("row inserted above") << "insert" << 0 << "focus 3,1 sel 3";
        QTest::newRow("row deleted above") << "delete 0" << 0 << "focus 1,1 sel 1";
        QTest::newRow("edited row deleted") << "delete 2" << 0 << "focus 1,1 sel 1";
    }

    void editEndsOnItsOwnRow()
    {
        QFETCH(QString, action);
        QFETCH(int, refusals);
        GridWindow w({CELL_TEXT, CELL_EDIT});
        QVERIFY(w.ShowWithFocusAt(2, 1));
        w.grid->rejects = refusals;
        w.grid->SetImageList({QPixmap(16, 16)});
        w.grid->SetItemImage(2, 1, 0);
        w.Drive(QStringLiteral("click:2,1"));
        QLineEdit *edit = w.grid->GetEditorLine();
        QVERIFY(edit && !w.grid->EditCell(0, 1));
        QCOMPARE(edit->geometry(), CellRect(*w.grid, 2, 1).adjusted(16, 0, 0, 0));
        QCOMPARE(edit->selectedText(), QStringLiteral("r2c1"));
        w.Drive(QStringLiteral("type:typed"));
        if (refusals) {
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(WaitUntil([&] { return w.grid->ends.size() == 1 && edit->hasFocus() && w.grid->GetEditorLine() == edit; }));
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
        const EndedEdit end = w.grid->ends.last();
        const bool kept = action != QLatin1String("Esc");
        QVERIFY(end.row == 2 && end.image == -1 && end.cancelled != kept);
        for (int r = 0; r < w.grid->GetItemCount(); ++r)
            QCOMPARE(w.grid->GetItemText(r, 1) == QLatin1String("typed"),
                     kept && w.grid->GetItemText(r, 0) == QLatin1String("r2c0"));
        QCOMPARE(w.grid->hasFocus(), action != QLatin1String("other"));
        QTEST(w.Seen(), "state"); // no right click reported
    }

    // At most 100 characters can be typed; a longer text (not a choice) is shown whole and
    // selected, survives an edit that leaves it alone, and once shortened grows only to 100.
    void editorsKeepLongerTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("line edit") << int(CELL_EDIT);
        QTest::newRow("editable drop-down") << int(CELL_DROPDOWN);
    }

    void editorsKeepLongerTexts()
    {
        QFETCH(int, kind);
        GridWindow w({CELL_TEXT, CellKind(kind)});
        QVERIFY(w.ShowWithFocusAt(0, 1));
        QComboBox *combo = nullptr;
        auto field = [&] { return (combo = w.grid->GetEditorCombo()) ? combo->lineEdit() : w.grid->GetEditorLine(); };
        QVERIFY(w.grid->EditCell(0, 1));
        QLineEdit *edit = field();
        if (combo)
            combo->hidePopup(); // the list holds the keys while it shows
        edit->selectAll();
        QTest::keyClicks(edit, QString(120, QLatin1Char('7')));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), QString(100, QLatin1Char('7')));
        const QString longText(150, QLatin1Char('a'));
        w.grid->SetItemText(0, 1, longText);
        QVERIFY(w.grid->EditCell(0, 1));
        edit = field();
        QCOMPARE(edit->selectedText(), longText); // all of it, selected
        edit->setCursorPosition(150);
        QTest::keyClick(edit, Qt::Key_B);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->GetItemText(0, 1), longText);
        QVERIFY(w.grid->EditCell(0, 1));
        edit = field();
        edit->setSelection(0, 60);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString(20, QLatin1Char('b')));
        QCOMPARE(edit->text().size(), 100);
    }

    // A drop-down opens its list at once, wider than its column and at most 204 pixels high.
    // A list alone ends only on a pick: Enter or a click stores the entry, Escape keeps even a
    // text that is no choice. An editable one shows the choice the cell holds, in the choice's
    // spelling; text typed into it takes a choice's spelling and image.
    void dropDownsEndOnlyOnPick_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys"); // typed text, for an editable one
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("image");
        QTest::newRow("moved and back") << false << "Vert" << "Down Up Return" << "Vert" << 1;
        QTest::newRow("moved") << false << "Vert" << "Down Return" << "Hori" << 0;
        QTest::newRow("no choice, Escape") << false << "Auto" << "Down Escape" << "Auto" << -1;
        QTest::newRow("no choice, a click") << false << "Auto" << "pick" << "Hori" << 0;
        QTest::newRow("typed choice, upper case") << true << "Hori" << "VERT" << "Vert" << 1;
        QTest::newRow("typed other text") << true << "Vert" << "Auto" << "Auto" << -1;
        QTest::newRow("a choice in another case, typed on") << true << "vert" << "+2" << "Vert2" << -1;
        QTest::newRow("moved, no image list") << false << "Vert" << "Down Return" << "Hori" << -1;
    }

    void dropDownsEndOnlyOnPick()
    {
        QFETCH(bool, editable);
        QFETCH(QString, text);
        QFETCH(QString, keys);
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_EDIT, editable ? CELL_DROPDOWN : CELL_DROPLIST});
        if (!QByteArray(QTest::currentDataTag()).endsWith("no image list"))
            w.grid->SetImageList({QPixmap(16, 16), QPixmap(16, 16)});
        w.grid->choices = {QStringLiteral("Vert"), QStringLiteral("Hori")};
        w.grid->choiceImages = QVector<int>(40, 0);
        w.grid->choiceImages[0] = 1;
        for (int i = 2; i < 40; ++i)
            w.grid->choices << QStringLiteral("choice %1").arg(i);
        w.grid->SetItemText(1, 3, text);
        QVERIFY(w.ShowWithFocusAt(1, 3));
        w.Drive(QStringLiteral("click:1,3"));
        QAbstractItemView *list = ShownList(*w.grid);
        QComboBox *combo = w.grid->GetEditorCombo();
        QVERIFY(list && combo->isEditable() == editable);
        QCOMPARE(combo->currentIndex(), int(w.grid->choices.indexOf(QRegularExpression(text, QRegularExpression::CaseInsensitiveOption))));
        QVERIFY(list->window()->width() >= 70); // the column is 40 pixels wide
        QVERIFY(list->window()->height() <= 204 && list->window()->height() > 100);
        if (editable) {
            combo->hidePopup();
            const bool append = keys.startsWith('+'); // typed on behind the text shown
            append ? combo->lineEdit()->end(false) : combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), keys.mid(append ? 1 : 0));
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        } else if (keys == QLatin1String("pick")) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        } else {
            for (const QString &key : keys.split(' '))
                QTest::keySequence(list, QKeySequence::fromString(key));
        }
        QVERIFY(EditorClosed(*w.grid));
        QCOMPARE(w.grid->ends.size(), 1);
        QCOMPARE(w.grid->ends.last().cancelled, keys.endsWith(QLatin1String("Escape")));
        QTEST(w.grid->GetItemText(1, 3), "stored");
        if (!w.grid->ends.last().cancelled)
            QTEST(w.grid->ends.last().image, "image");
    }

    // Assistive technology follows an edit: the focus goes to the editor, named after its column
    // and holding the cell's value, and back to the edited cell when the edit ends. Cells that
    // can be edited say so, and one object at a time reports the focus.
    void editorsAreAnnounced_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("editor");
        QTest::newRow("line edit") << int(CELL_EDIT) << "2a Col2=Vert";
        QTest::newRow("editable drop-down") << int(CELL_DROPDOWN) << "2e Col2=Vert";
        QTest::newRow("drop-down list") << int(CELL_DROPLIST) << "2e Col2=Vert";
    }

    void editorsAreAnnounced()
    {
        QFETCH(int, kind);
        GridWindow w({CELL_TEXT, CELL_EDIT, CellKind(kind)});
        w.grid->SetItemText(1, 2, QStringLiteral("Vert"));
        QVERIFY(w.ShowWithFocusAt(1, 0));
        QCOMPARE(AccessibleFocus(), "1d r1c0 1,0=");
        w.Drive(QStringLiteral("Right Right"));
        QCOMPARE(AccessibleFocus(), "1d Vert 1,2 editable=");
        QCOMPARE(FocusedCount(*w.grid), 1);
        QVERIFY(w.grid->EditCell(1, 2));
        QTEST(AccessibleFocus(), "editor");
        QCOMPARE(FocusedCount(*w.grid), 1);
        QWidget::setTabOrder(w.other, w.grid); // what follows the editor is not the grid
        QSignalSpy moves(qApp, &QApplication::focusChanged); // back by no other control
        const QPointer<QWidget> editor = w.grid->GetEditor();
        QVERIFY(w.grid->EndEdit());
        QVERIFY(!editor || !editor->isVisible()); // gone from the screen at once
        for (const QList<QVariant> &move : moves)
            QVERIFY(move.at(1).value<QWidget *>() == w.grid || move.at(1).value<QWidget *>() == editor);
        QCOMPARE(AccessibleFocus(), "1d Vert 1,2 editable=");
    }

    // A screen reader sees the cells and headers, the grid focused until a cell is, selects rows
    // through the table's interface, only rows that exist, and hears which cells take a change
    // (a check box does; plain text does not).
    void accessibleRowsAndEditableCells()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_CHECKED}, 3);
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(w.grid);
        QAccessibleTableInterface *table = grid->tableInterface();
        QCOMPARE(grid->childCount(), 4 * 5); // 3 rows, 4 columns, a header row and a header column
        QVERIFY(w.ShowWithFocusAt(-1, 0)); // the grid has the focus, no cell of it yet
        QVERIFY(grid->state().focused);
        QVERIFY(!table->cellAt(0, 0)->state().editable);
        const QAccessible::State box = table->cellAt(0, 2)->state();
        QVERIFY(box.editable && box.checkable && box.checked);
        QVERIFY(!table->cellAt(0, 1)->state().checkable);
        QVERIFY(!table->cellAt(0, 4) && !table->cellAt(3, 0) && !table->cellAt(-1, 0) && !table->cellAt(0, -1));
        for (int i = 0; i < grid->childCount(); ++i)
            QCOMPARE(grid->indexOfChild(grid->child(i)), i);
        const auto heading = table->cellAt(1, 2)->tableCellInterface()->columnHeaderCells();
        QVERIFY(heading.size() == 1 && heading.front()->text(QAccessible::Name) == "Col2");
        QCOMPARE(table->rowCount(), 3);
        QVERIFY(table->selectRow(2));
        QVERIFY(!table->selectRow(3));
        QVERIFY(!table->selectRow(-1));
        QCOMPARE(table->selectedRows(), QList<int>{2});
        QCOMPARE(table->selectedCellCount(), 4);
        for (QAccessibleInterface *selected : table->selectedCells())
            QVERIFY(selected->tableCellInterface()->rowIndex() == 2 && selected->tableCellInterface()->isSelected());
        QVERIFY(table->isRowSelected(2) && !table->isRowSelected(1) && !table->cellAt(1, 0)->tableCellInterface()->isSelected());
        QVERIFY(!table->unselectRow(3));
        QVERIFY(table->unselectRow(2));
        QCOMPARE(table->selectedRowCount(), 0);
        const QAccessible::Id cell = QAccessible::uniqueId(table->cellAt(0, 0));
        QAccessibleTableModelChangeEvent rows(w.grid, QAccessibleTableModelChangeEvent::RowsInserted);
        table->modelChange(&rows);
        QVERIFY(QAccessible::accessibleInterface(cell)); // cells follow their rows
        QAccessibleTableModelChangeEvent columns(w.grid, QAccessibleTableModelChangeEvent::ColumnsInserted);
        table->modelChange(&columns);
        QVERIFY(!QAccessible::accessibleInterface(cell)); // other columns: every cell anew
    }

    // A screen reader's hit test finds the cell under a point, and over the column headings the
    // heading, also where scrolled rows pass beneath it.
    void hitTestsFindCellsAndHeadings()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT}, 60);
        QVERIFY(w.ShowWithFocusAt(59, 1));
        QVERIFY(w.grid->verticalScrollBar()->value() > 0);
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(w.grid);
        QVERIFY(grid->tableInterface()->cellAt(0, 1)->state().invisible && !grid->tableInterface()->cellAt(59, 1)->state().invisible);
        const QHeaderView *h = w.grid->horizontalHeader();
        const QPoint heading = h->mapToGlobal(QPoint(h->sectionViewportPosition(1) + 5, h->height() / 2));
        QAccessibleInterface *hit = grid->childAt(heading.x(), heading.y());
        QVERIFY(hit && hit->role() == QAccessible::ColumnHeader && hit->text(QAccessible::Name) == "Col1");
        const QPoint inCell = w.grid->viewport()->mapToGlobal(w.grid->visualRect(w.grid->model()->index(59, 1)).center());
        QAccessibleTableCellInterface *cell = (hit = grid->childAt(inCell.x(), inCell.y())) ? hit->tableCellInterface() : nullptr;
        QVERIFY(cell && cell->rowIndex() == 59 && cell->columnIndex() == 1);
    }
};

QTEST_MAIN(TstGridEditors)
#include "tst_grid_editors.moc"
