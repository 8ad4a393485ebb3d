// The focus cell under keys, clicks and the type-ahead search; cell geometry and scrolling.
#include "TestGrid.h"

#include <QScrollBar>

class TstGridNavigation : public QObject
{
    Q_OBJECT

private slots:
    // Keys and clicks move the focus cell within the 5 x 4 grid and select its row, never past
    // an edge; Ctrl moves the focus alone. Column 1 edits, column 2 is a button.
    void inputsMoveFocusCell_data()
    {
        QTest::addColumn<QPoint>("start"); // (column, row); row -1: no focus cell
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("state");
        QTest::newRow("no focus cell") << QPoint(0, -1) << "Right" << "focus -1,0 sel";
        QTest::newRow("no focus cell, down") << QPoint(0, -1) << "Down" << "focus 0,0 sel 0";
        QTest::newRow("no focus cell, up") << QPoint(0, -1) << "Up" << "focus 0,0 sel 0";
        QTest::newRow("left at first column") << QPoint(0, 2) << "Left" << "focus 2,0 sel 2";
        QTest::newRow("right, end, right") << QPoint(0, 2) << "Right End Right" << "focus 2,3 sel 2";
        QTest::newRow("home") << QPoint(3, 2) << "Home" << "focus 2,0 sel 2";
        QTest::newRow("up at top") << QPoint(2, 0) << "Up" << "focus 0,2 sel 0";
        QTest::newRow("down twice") << QPoint(2, 0) << "Down Down" << "focus 2,2 sel 2";
        QTest::newRow("ctrl+end, down at bottom") << QPoint(2, 0) << "Ctrl+End Down" << "focus 4,2 sel 0";
        QTest::newRow("space on a button, F2 on an edit cell")
            << QPoint(2, 1) << "Space Left F2" << "focus 1,1 sel 1 edit 1,1 pressed 1,2";
        QTest::newRow("space without focus cell") << QPoint(1, -1) << "Space" << "focus -1,0 sel";
        QTest::newRow("keys the editor ignores") << QPoint(1, 1) << "F2 Down F2 PgDown" << "focus 1,1 sel 1 edit 1,1";
        QTest::newRow("first click moves") << QPoint(0, -1) << "click:1,0 click:1,1" << "focus 1,1 sel 1";
        QTest::newRow("shift or ctrl on the focus cell only selects")
            << QPoint(1, 1) << "shift:3,1 shift:3,1 ctrl:3,1" << "focus 3,1 sel 1 2";
        QTest::newRow("double click keeps its editor") << QPoint(0, -1) << "dbl:3,1" << "focus 3,1 sel 3 edit 3,1";
        QTest::newRow("double click presses a button once") << QPoint(0, -1) << "dbl:4,2" << "focus 4,2 sel 4 pressed 4,2";
        QTest::newRow("shift extends from the row type-ahead found")
            << QPoint(1, 3) << "type:r0 Shift+Down" << "focus 1,1 sel 0 1 tip r0_";
        // The search runs in the focus column from the focus row on, round to the top, in any
        // case; a text no row starts with moves nothing; a space in a search is part of it.
        QTest::newRow("type-ahead") << QPoint(1, 2) << "type:R1" << "focus 1,1 sel 1 tip R1_";
        QTest::newRow("type-ahead, no match") << QPoint(1, 0) << "type:r2x" << "focus 2,1 sel 2 tip r2x_";
        QTest::newRow("type-ahead, space") << QPoint(1, 0) << "type:r3 Space" << "focus 3,1 sel 3 tip r3 _";
        QTest::newRow("right click, none right of or below the cells")
            << QPoint(0, -1) << "right@380,20 right@20,200 right:3,2" << "focus 3,2 sel 3 rclick 3,2";
        QTest::newRow("double click on a text cell") << QPoint(0, -1) << "dbl:3,0" << "focus 3,0 sel 3 dblclick 3,0";
    }

    void inputsMoveFocusCell()
    {
        QFETCH(QPoint, start);
        QFETCH(QString, inputs);
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_BUTTON}, 5);
        QVERIFY(w.ShowWithFocusAt(start.y(), start.x()));
        w.Drive(inputs);
        QTEST(w.Seen(), "state");
        if (w.grid->GetFocusRow() >= 0)
            QCOMPARE(w.grid->GetFocusedItem(), w.grid->GetFocusRow());
    }

    // The search text stops at its limit, shows at the grid's corner, and the search ends by
    // itself when left alone.
    void typeAheadStopsAtItsLimitAndTimesOut()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT}, 3);
        QVERIFY(w.ShowWithFocusAt(0, 1));
        QWidget *tip = w.grid->GetTypeAheadTip();
        w.grid->OnTypeAheadChar(QLatin1Char('z'));
        const int narrow = tip->width();
        for (int i = 1; i < 260; ++i)
            w.grid->OnTypeAheadChar(QLatin1Char('z'));
        QCOMPARE(w.grid->GetSearchText().size(), 255);
        QVERIFY(w.grid->IsSearchTimerActive() && tip->isVisible());
        QCOMPARE(tip->pos(), w.grid->mapToGlobal(QPoint(5, 5))); // over the grid's corner
        QVERIFY(tip->width() > narrow); // grown with the text
        QCOMPARE(tip->grab().toImage().pixelColor(2, 2), tip->palette().color(QPalette::ToolTipBase)); // a tooltip's colours
        QVERIFY(WaitUntil([&] { return w.grid->GetSearchText().isEmpty(); }, 6000));
        QVERIFY(!w.grid->IsSearchTimerActive() && !tip->isVisible());
    }

    // A row cut by the bottom edge is never hit; scrolled to the end, the last row is. Page
    // Down and an edit of a row off the page scroll it into view.
    void rowsAtThePageEdge()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT}, 60);
        QVERIFY(w.ShowWithFocusAt(0, 1));
        const int rowH = w.grid->rowHeight(0), full = w.grid->GetCountPerPage();
        w.grid->resize(w.grid->width(), w.grid->height() - w.grid->viewport()->height() + full * rowH + rowH / 2);
        QCOMPARE(w.grid->GetCountPerPage(), full);
        int row, column;
        QRect cell;
        QVERIFY(!w.grid->HitTestCell(QPoint(60, full * rowH + 2), row, column, cell));
        QVERIFY(w.grid->HitTestCell(QPoint(60, (full - 1) * rowH + 2), row, column, cell));
        QCOMPARE(cell, QRect(50, (full - 1) * rowH, 80, rowH));
        w.Drive(QStringLiteral("click@60,%1").arg(full * rowH + 2));
        QCOMPARE(w.grid->GetFocusRow(), 0);
        w.Drive(QStringLiteral("PgDown PgDown"));
        const int focus = w.grid->GetFocusRow(), top = w.grid->GetTopIndex();
        QVERIFY(focus > full && focus >= top && focus < top + full);
        QRect stale = CellRect(*w.grid, 50, 1); // below the page before scrolling
        QVERIFY(w.grid->EditCell(50, 1, &stale));
        QCOMPARE(w.grid->GetEditor()->geometry(), CellRect(*w.grid, 50, 1));
        QVERIFY(CellRect(*w.grid, 50, 1).bottom() < w.grid->viewport()->height());
        QVERIFY(w.grid->EnsureRowVisible(59));
        QVERIFY(w.grid->HitTestCell(CellRect(*w.grid, 59, 1).center(), row, column, cell) && row == 59);
        // Right to left the first column is at the right edge: a click hits the cell drawn under it.
        w.grid->setLayoutDirection(Qt::RightToLeft);
        QVERIFY(w.grid->HitTestCell(CellRect(*w.grid, 59, 1).center(), row, column, cell) && column == 1);
        QCOMPARE(cell, CellRect(*w.grid, 59, 1));
    }

    // The focus cell's column scrolls into view: a narrow one to its right edge, a wide one
    // to its left.
    void focusCellScrollsWideColumnToItsLeftEdge()
    {
        GridWindow w({}, 3, {100, 600, 80, 50}, {300, 200});
        QVERIFY(ShowActive(w.top));
        QVERIFY(!w.grid->SetFocusCell(3, 0, true) && !w.grid->SetFocusCell(0, 4, true));
        QVERIFY(w.grid->SetFocusCell(0, 2, false));
        QCOMPARE(w.grid->columnViewportPosition(2) + 80, w.grid->viewport()->width());
        QVERIFY(w.grid->SetFocusCell(0, 1, false));
        QCOMPARE(w.grid->columnViewportPosition(1), 0);
        QVERIFY(w.grid->SetFocusCell(0, 0, true));
        QCOMPARE(CellRect(*w.grid, 0, 0).left(), 0);
        w.grid->SelectFocusRow();
        w.grid->horizontalScrollBar()->setValue(w.grid->horizontalScrollBar()->maximum());
        w.Drive("Down"); // the focus column comes back into view with the row
        QCOMPARE(CellRect(*w.grid, 1, 0).left(), 0);
        QVERIFY(!w.grid->SetFocusCell(1, 0, true)); // already there, row selected
    }
};

QTEST_MAIN(TstGridNavigation)
#include "tst_grid_navigation.moc"
