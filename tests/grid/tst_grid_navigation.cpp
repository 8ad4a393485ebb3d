// The focus cell under keys and clicks, cell geometry, scrolling and the type-ahead search.
#include "TestGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>

namespace {

struct Window {
    QWidget top;
    TestGrid *grid;
    explicit Window(int rows = 5, const QVector<int> &widths = {50, 80, 60, 60}, QSize size = {400, 250})
    {
        top.resize(size);
        grid = new TestGrid(&top);
        grid->setGeometry(QRect(QPoint(0, 0), size));
        Fill(*grid, rows, widths);
    }
};

void Key(CGridCtrl &grid, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QTest::keyClick(&grid, key, mods);
}

void Type(CGridCtrl &grid, const QString &text)
{
    QTest::keyClicks(&grid, text);
}

} // namespace

class TstGridNavigation : public QObject
{
    Q_OBJECT

private slots:
    void leftRightHomeEndStayInRow()
    {
        Window w;
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        Key(*w.grid, Qt::Key_Right); // no focus cell yet: nothing
        QCOMPARE(w.grid->GetFocusRow(), -1);
        QVERIFY(w.grid->SetFocusCell(2, 0, true));
        w.grid->SelectFocusRow();
        Key(*w.grid, Qt::Key_Left);
        QCOMPARE(w.grid->GetFocusColumn(), 0);
        QCOMPARE(w.grid->GetFocusRow(), 2);
        Key(*w.grid, Qt::Key_Right);
        QCOMPARE(w.grid->GetFocusColumn(), 1);
        Key(*w.grid, Qt::Key_End);
        QCOMPARE(w.grid->GetFocusColumn(), 3);
        Key(*w.grid, Qt::Key_Right);
        QCOMPARE(w.grid->GetFocusColumn(), 3);
        QCOMPARE(w.grid->GetFocusRow(), 2);
        Key(*w.grid, Qt::Key_Home);
        QCOMPARE(w.grid->GetFocusColumn(), 0);
        QCOMPARE(w.grid->GetFocusRow(), 2);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{2});
        QCOMPARE(w.grid->GetFocusedItem(), 2);
    }

    void upDownMoveRowAndSelection()
    {
        Window w;
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        QVERIFY(w.grid->SetFocusCell(0, 2, false));
        w.grid->SelectFocusRow();
        Key(*w.grid, Qt::Key_Up);
        QCOMPARE(w.grid->GetFocusRow(), 0);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{0});
        Key(*w.grid, Qt::Key_Down);
        Key(*w.grid, Qt::Key_Down);
        QCOMPARE(w.grid->GetFocusRow(), 2);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{2});
        QCOMPARE(w.grid->GetFocusedItem(), 2);
        Key(*w.grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w.grid->GetFocusRow(), 4);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        Key(*w.grid, Qt::Key_Down);
        QCOMPARE(w.grid->GetFocusRow(), 4);
    }

    void pageDownKeepsFocusRowVisible()
    {
        Window w(60);
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        QVERIFY(w.grid->SetFocusCell(0, 1, false));
        w.grid->SelectFocusRow();
        Key(*w.grid, Qt::Key_PageDown);
        Key(*w.grid, Qt::Key_PageDown);
        const int row = w.grid->GetFocusRow();
        QVERIFY(row > 10);
        QCOMPARE(row, w.grid->GetFocusedItem());
        const int top = w.grid->GetTopIndex();
        QVERIFY(row >= top && row < top + w.grid->GetCountPerPage());
    }

    void spaceAndF2ActivateFocusCell()
    {
        Window w;
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT, CELL_BUTTON};
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        Key(*w.grid, Qt::Key_Space); // no focus cell: nothing
        QVERIFY(!w.grid->IsEditing());
        QVERIFY(w.grid->SetFocusCell(1, 2, false));
        w.grid->SelectFocusRow();
        Key(*w.grid, Qt::Key_Space);
        QCOMPARE(w.grid->buttons, (QVector<QPair<int, int>>{{1, 2}}));
        Key(*w.grid, Qt::Key_Left);
        Key(*w.grid, Qt::Key_F2);
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditColumn(), 1);
    }

    void typeAheadSearchesFocusColumnAndWraps()
    {
        Window w(3);
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        const char *names[] = {"Alpha", "beta", "Bravo"};
        for (int r = 0; r < 3; ++r)
            w.grid->SetItemText(r, 1, QString::fromLatin1(names[r]));
        QVERIFY(w.grid->SetFocusCell(0, 1, false));
        w.grid->SelectFocusRow();
        Type(*w.grid, QStringLiteral("b"));
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QCOMPARE(w.grid->GetTypeAheadTipText(), QStringLiteral("b_"));
        QVERIFY(w.grid->GetTypeAheadTip()->isVisible());
        Type(*w.grid, QStringLiteral("r"));
        QCOMPARE(w.grid->GetSearchText(), QStringLiteral("br"));
        QCOMPARE(w.grid->GetFocusRow(), 2);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{2});
        QVERIFY(w.grid->IsSearchTimerActive());

        // The timer ends the search; the next character starts a new one, from the focus
        // row on and round to the top.
        w.grid->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
        QVERIFY(w.grid->GetSearchText().isEmpty());
        QVERIFY(!w.grid->GetTypeAheadTip()->isVisible());
        QVERIFY(!w.grid->IsSearchTimerActive());
        Type(*w.grid, QStringLiteral("A"));
        QCOMPARE(w.grid->GetFocusRow(), 0);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{0});
        QCOMPARE(w.grid->GetFocusColumn(), 1);
    }

    void shiftExtendsFromRowFoundByTypeAhead()
    {
        Window w(6);
        QVERIFY(ShowActive(w.top));
        Click(*w.grid, 0, 1);
        Type(*w.grid, QStringLiteral("r3"));
        QCOMPARE(w.grid->GetFocusRow(), 3);
        Key(*w.grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.grid->GetSelectedRows(), (QVector<int>{3, 4}));
        QCOMPARE(w.grid->GetFocusRow(), 4);
    }

    void searchTextStopsAtItsLimit()
    {
        Window w(2);
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        for (int i = 0; i < 260; ++i)
            w.grid->OnTypeAheadChar(QLatin1Char('z'));
        QCOMPARE(w.grid->GetSearchText().size(), 255);
        QVERIFY(w.grid->IsSearchTimerActive());
    }

    void headerClickReachesHook()
    {
        struct HeaderGrid : TestGrid {
            QVector<int> clicked;
            void OnColumnClick(int column) override { clicked.append(column); }
        };
        HeaderGrid grid;
        grid.resize(300, 200);
        Fill(grid, 2, {50, 80});
        QVERIFY(ShowActive(grid));
        QHeaderView *header = grid.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
        QCOMPARE(grid.clicked, QVector<int>{1});
        QCOMPARE(grid.GetItemText(0, 1), QStringLiteral("r0c1")); // the grid never sorts itself
    }

    void editingRowOffPageScrollsAndOpensOverCell()
    {
        Window w(40);
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT};
        QVERIFY(ShowActive(w.top));
        QRect stale;
        w.grid->GetCellRect(30, 1, stale); // below the page before scrolling
        QVERIFY(w.grid->EditCell(30, 1, &stale));
        QRect cell;
        w.grid->GetCellRect(30, 1, cell);
        QVERIFY(cell.bottom() < w.grid->viewport()->height());
        QCOMPARE(w.grid->GetEditor()->geometry(), cell);
    }

    void typeAheadWithoutMatchMovesNothing()
    {
        Window w(3);
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        QVERIFY(w.grid->SetFocusCell(1, 0, false));
        w.grid->SelectFocusRow();
        Type(*w.grid, QStringLiteral("x"));
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QCOMPARE(w.grid->GetTypeAheadTipText(), QStringLiteral("x_"));
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{1});
    }

    void typeAheadResetsAfterTimeout()
    {
        Window w(3);
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        Type(*w.grid, QStringLiteral("r1"));
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QElapsedTimer t;
        t.start();
        QVERIFY(WaitUntil([&] { return w.grid->GetSearchText().isEmpty(); }, 6000));
        QVERIFY(t.elapsed() >= 2000);
        QVERIFY(!w.grid->GetTypeAheadTip()->isVisible());
    }

    void spaceDuringSearchIsPartOfIt()
    {
        Window w(3);
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT};
        QVERIFY(ShowActive(w.top));
        w.grid->setFocus();
        w.grid->SetItemText(2, 1, QStringLiteral("New York"));
        QVERIFY(w.grid->SetFocusCell(0, 1, false));
        w.grid->SelectFocusRow();
        Type(*w.grid, QStringLiteral("new"));
        Key(*w.grid, Qt::Key_Space);
        QCOMPARE(w.grid->GetSearchText(), QStringLiteral("new "));
        QVERIFY(!w.grid->IsEditing());
        Type(*w.grid, QStringLiteral("y"));
        QCOMPARE(w.grid->GetFocusRow(), 2);
        w.grid->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
        Key(*w.grid, Qt::Key_Space);
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditRow(), 2);
    }

    void firstClickMovesFocusSecondEdits()
    {
        Window w;
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT, CELL_EDIT};
        QVERIFY(ShowActive(w.top));
        Click(*w.grid, 1, 1);
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QCOMPARE(w.grid->GetFocusColumn(), 1);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{1});
        QVERIFY(!w.grid->IsEditing());
        Click(*w.grid, 1, 2);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        QVERIFY(!w.grid->IsEditing());
        Click(*w.grid, 1, 2);
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditRow(), 1);
        QCOMPARE(w.grid->GetEditColumn(), 2);
    }

    void modifiedClickOnFocusCellOnlySelects()
    {
        Window w;
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT};
        QVERIFY(ShowActive(w.top));
        Click(*w.grid, 1, 1);
        Click(*w.grid, 3, 1, Qt::ShiftModifier);
        QCOMPARE(w.grid->GetSelectedRows(), (QVector<int>{1, 2, 3}));
        QCOMPARE(w.grid->GetFocusRow(), 3);
        Click(*w.grid, 3, 1, Qt::ShiftModifier);
        QVERIFY(!w.grid->IsEditing());
        QCOMPARE(w.grid->GetSelectedRows(), (QVector<int>{1, 2, 3}));
        Click(*w.grid, 3, 1, Qt::ControlModifier);
        QVERIFY(!w.grid->IsEditing());
    }

    void doubleClickEdits()
    {
        Window w;
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT};
        QVERIFY(ShowActive(w.top));
        QTest::mouseDClick(w.grid->viewport(), Qt::LeftButton, {}, CellCentre(*w.grid, 2, 1));
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditRow(), 2);
    }

    void rightClickMovesFocusAndReportsCell()
    {
        Window w;
        QVERIFY(ShowActive(w.top));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, CellCentre(*w.grid, 3, 2));
        QCOMPARE(w.grid->GetFocusRow(), 3);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        QCOMPARE(w.grid->rclicks, (QVector<QPair<int, int>>{{3, 2}}));
        // Right of the last column and below the last row: no cell.
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, QPoint(380, 20));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, QPoint(20, 200));
        QCOMPARE(w.grid->rclicks.size(), 1);
    }

    void partlyVisibleBottomRowIsNeverHit()
    {
        Window w(20);
        QVERIFY(ShowActive(w.top));
        const int rowH = w.grid->rowHeight(0);
        const int full = w.grid->GetCountPerPage();
        // Make the view show full rows plus half of the next one.
        w.grid->resize(w.grid->width(), w.grid->height() - w.grid->viewport()->height()
                                            + full * rowH + rowH / 2);
        QCOMPARE(w.grid->GetCountPerPage(), full);
        int row, column;
        QRect cell;
        const QPoint inPartRow(60, full * rowH + 2);
        QVERIFY(!w.grid->HitTestCell(inPartRow, row, column, cell));
        QVERIFY(w.grid->HitTestCell(QPoint(60, (full - 1) * rowH + 2), row, column, cell));
        QCOMPARE(row, full - 1);
        QCOMPARE(column, 1);
        QCOMPARE(cell, QRect(50, (full - 1) * rowH, 80, rowH));
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, inPartRow);
        QCOMPARE(w.grid->GetFocusRow(), -1);
    }

    void wideColumnScrollsToItsLeftEdge()
    {
        Window w(3, {100, 600, 80, 50}, {300, 200});
        QVERIFY(ShowActive(w.top));
        QCOMPARE(w.grid->horizontalScrollBar()->value(), 0);
        QVERIFY(w.grid->SetFocusCell(0, 2, false)); // narrower than the view: right edge shows
        int x = w.grid->columnViewportPosition(2);
        QCOMPARE(x + 80, w.grid->viewport()->width());
        QVERIFY(w.grid->SetFocusCell(0, 1, false)); // wider: its left edge shows
        QCOMPARE(w.grid->columnViewportPosition(1), 0);
        QCOMPARE(w.grid->EnsureColumnVisible(1), 0);
        QVERIFY(w.grid->SetFocusCell(0, 0, false));
        QCOMPARE(w.grid->columnViewportPosition(0), 0);
        QRect cell;
        QVERIFY(w.grid->GetCellRect(0, 0, cell));
        QCOMPARE(cell.left(), 0);
        QVERIFY(!w.grid->GetCellRect(0, 4, cell));
        QVERIFY(!w.grid->GetCellRect(3, 0, cell));
    }

    void setFocusCellRejectsOutOfRange()
    {
        Window w(3);
        QVERIFY(!w.grid->SetFocusCell(-1, 0, true));
        QVERIFY(!w.grid->SetFocusCell(3, 0, true));
        QVERIFY(!w.grid->SetFocusCell(0, 4, true));
        QVERIFY(!w.grid->SetFocusCell(0, -1, true));
        QCOMPARE(w.grid->GetFocusRow(), -1);
        QVERIFY(w.grid->SetFocusCell(1, 1, true));
        QVERIFY(w.grid->SetFocusCell(1, 1, true)); // row not selected yet
        w.grid->SelectFocusRow();
        QVERIFY(!w.grid->SetFocusCell(1, 1, true));
    }
};

QTEST_MAIN(TstGridNavigation)
#include "tst_grid_navigation.moc"
