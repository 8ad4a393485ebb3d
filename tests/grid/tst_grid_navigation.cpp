// The focus cell under keys and clicks, cell geometry, scrolling and the type-ahead search.
#include "TestGrid.h"

#include <QScrollBar>

namespace {

void Key(CGridCtrl &grid, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QTest::keyClick(&grid, key, mods);
}

void Type(CGridCtrl &grid, const QString &text)
{
    QTest::keyClicks(&grid, text);
}

const QVector<int> kWidths{50, 80, 60, 60};

} // namespace

class TstGridNavigation : public QObject
{
    Q_OBJECT

private slots:
    // Keys move the focus cell within the 5 x 4 grid and select its row, never past an edge;
    // Ctrl moves the focus alone.
    void keysMoveFocusCell_data()
    {
        QTest::addColumn<QPoint>("start"); // (column, row); row -1: no focus cell
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("state");
        QTest::newRow("no focus cell") << QPoint(0, -1) << QList<int>{Qt::Key_Right} << "focus -1,0 sel";
        QTest::newRow("no focus cell, down") << QPoint(0, -1) << QList<int>{Qt::Key_Down} << "focus 0,0 sel 0";
        QTest::newRow("no focus cell, up") << QPoint(0, -1) << QList<int>{Qt::Key_Up} << "focus 0,0 sel 0";
        QTest::newRow("left at first column") << QPoint(0, 2) << QList<int>{Qt::Key_Left} << "focus 2,0 sel 2";
        QTest::newRow("right, end, right") << QPoint(0, 2) << QList<int>{Qt::Key_Right, Qt::Key_End, Qt::Key_Right}
                                           << "focus 2,3 sel 2";
        QTest::newRow("home") << QPoint(3, 2) << QList<int>{Qt::Key_Home} << "focus 2,0 sel 2";
        QTest::newRow("up at top") << QPoint(2, 0) << QList<int>{Qt::Key_Up} << "focus 0,2 sel 0";
        QTest::newRow("down twice") << QPoint(2, 0) << QList<int>{Qt::Key_Down, Qt::Key_Down} << "focus 2,2 sel 2";
        QTest::newRow("ctrl+end, down at bottom")
            << QPoint(2, 0) << QList<int>{int(Qt::Key_End) | int(Qt::ControlModifier), Qt::Key_Down} << "focus 4,2 sel 0";
        QTest::newRow("space on a button, F2 on an edit cell")
            << QPoint(2, 1) << QList<int>{Qt::Key_Space, Qt::Key_Left, Qt::Key_F2} << "focus 1,1 sel 1 edit 1,1";
        QTest::newRow("space without focus cell") << QPoint(1, -1) << QList<int>{Qt::Key_Space} << "focus -1,0 sel";
    }

    void keysMoveFocusCell()
    {
        QFETCH(QPoint, start);
        QFETCH(QList<int>, keys);
        QFETCH(QString, state);
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_BUTTON}, 5, kWidths);
        QVERIFY(w.ShowWithFocusAt(start.y(), start.x()));
        for (int k : keys)
            Key(*w.grid, Qt::Key(k & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
        QCOMPARE(State(*w.grid), state);
        if (w.grid->GetFocusRow() >= 0)
            QCOMPARE(w.grid->GetFocusedItem(), w.grid->GetFocusRow());
        QCOMPARE(w.grid->buttons.size(), start == QPoint(2, 1) ? 1 : 0); // the button at (1, 2)
    }

    void pageDownKeepsFocusRowVisible()
    {
        GridWindow w({}, 60, kWidths);
        QVERIFY(w.ShowWithFocusAt(0, 1));
        Key(*w.grid, Qt::Key_PageDown);
        Key(*w.grid, Qt::Key_PageDown);
        const int row = w.grid->GetFocusRow();
        const int top = w.grid->GetTopIndex();
        QVERIFY(row > 10 && row == w.grid->GetFocusedItem());
        QVERIFY(row >= top && row < top + w.grid->GetCountPerPage());
    }

    void typeAheadSearchesFocusColumnAndWraps()
    {
        GridWindow w({}, 3, kWidths);
        const char *names[] = {"Alpha", "beta", "Bravo"};
        for (int r = 0; r < 3; ++r)
            w.grid->SetItemText(r, 1, QString::fromLatin1(names[r]));
        QVERIFY(w.ShowWithFocusAt(0, 1));
        Type(*w.grid, QStringLiteral("b"));
        QCOMPARE(w.grid->GetFocusRow(), 1);
        QCOMPARE(w.grid->GetTypeAheadTipText(), QStringLiteral("b_"));
        QVERIFY(w.grid->GetTypeAheadTip()->isVisible());
        Type(*w.grid, QStringLiteral("rx")); // no match for "brx" moves nothing
        QCOMPARE(w.grid->GetTypeAheadTipText(), QStringLiteral("brx_"));
        QCOMPARE(State(*w.grid), QStringLiteral("focus 2,1 sel 2"));
        QVERIFY(w.grid->IsSearchTimerActive());
        // The timer ends the search; the next character starts a new one, from the focus
        // row on and round to the top.
        w.grid->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
        QVERIFY(w.grid->GetSearchText().isEmpty() && !w.grid->IsSearchTimerActive());
        QVERIFY(!w.grid->GetTypeAheadTip()->isVisible());
        Type(*w.grid, QStringLiteral("A"));
        QCOMPARE(State(*w.grid), QStringLiteral("focus 0,1 sel 0"));
        // Left alone, the search ends by itself.
        QVERIFY(WaitUntil([&] { return w.grid->GetSearchText().isEmpty(); }, 6000));
        QVERIFY(!w.grid->GetTypeAheadTip()->isVisible());

        // The search text stops at its limit.
        for (int i = 0; i < 260; ++i)
            w.grid->OnTypeAheadChar(QLatin1Char('z'));
        QCOMPARE(w.grid->GetSearchText().size(), 255);

        // A space during a search is part of it; after, it edits the focus cell.
        w.grid->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
        w.grid->columnKinds = {CELL_TEXT, CELL_EDIT};
        w.grid->SetItemText(1, 1, QStringLiteral("New York"));
        Type(*w.grid, QStringLiteral("new y"));
        QCOMPARE(w.grid->GetSearchText(), QStringLiteral("new y"));
        QCOMPARE(State(*w.grid), QStringLiteral("focus 1,1 sel 1"));
        w.grid->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
        Key(*w.grid, Qt::Key_Space);
        QCOMPARE(State(*w.grid), QStringLiteral("focus 1,1 sel 1 edit 1,1"));
    }

    void mouseClicks()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_EDIT}, 6, kWidths);
        QVERIFY(ShowActive(w.top));
        // The first click moves the focus cell, a second on the focus cell edits.
        Click(*w.grid, 1, 1);
        Click(*w.grid, 1, 2);
        QCOMPARE(State(*w.grid), QStringLiteral("focus 1,2 sel 1"));
        Click(*w.grid, 1, 2);
        QCOMPARE(State(*w.grid), QStringLiteral("focus 1,2 sel 1 edit 1,2"));
        QTest::keyClick(w.grid->GetEditor(), Qt::Key_Escape);
        QVERIFY(WaitUntil([&] { return !w.grid->IsEditing(); }));
        // With Shift or Ctrl a click on the focus cell only selects.
        Click(*w.grid, 3, 1, Qt::ShiftModifier);
        Click(*w.grid, 3, 1, Qt::ShiftModifier);
        Click(*w.grid, 3, 1, Qt::ControlModifier);
        QCOMPARE(State(*w.grid), QStringLiteral("focus 3,1 sel 1 2"));
        // A double click opens the editor and leaves it open; on a button it presses once.
        w.grid->cellKinds[qMakePair(5, 2)] = CELL_BUTTON;
        DoubleClick(*w.grid, 5, 2);
        QCOMPARE(w.grid->buttons, (Cells{{5, 2}}));
        DoubleClick(*w.grid, 4, 1);
        QCoreApplication::processEvents();
        QVERIFY(State(*w.grid).endsWith(QStringLiteral(" edit 4,1")));
        QTest::keyClick(w.grid->GetEditor(), Qt::Key_Escape);
        QVERIFY(WaitUntil([&] { return !w.grid->IsEditing(); }));

        // Shift extends from the row the type-ahead search found.
        Type(*w.grid, QStringLiteral("r0"));
        Key(*w.grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(State(*w.grid), QStringLiteral("focus 1,1 sel 0 1"));

        // A right click moves the focus and reports its cell; right of the last column and
        // below the last row there is no cell.
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, CellCentre(*w.grid, 3, 2));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, QPoint(380, 20));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, QPoint(20, 200));
        QCOMPARE(w.grid->rclicks, (Cells{{3, 2}}));
        QCOMPARE(w.grid->GetFocusRow(), 3);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
    }

    void editingRowOffPageScrollsAndOpensOverCell()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT}, 40, kWidths);
        QVERIFY(ShowActive(w.top));
        QRect stale = CellRect(*w.grid, 30, 1); // below the page before scrolling
        QVERIFY(w.grid->EditCell(30, 1, &stale));
        const QRect cell = CellRect(*w.grid, 30, 1);
        QVERIFY(cell.bottom() < w.grid->viewport()->height());
        QCOMPARE(w.grid->GetEditor()->geometry(), cell);
    }

    void partlyVisibleBottomRowIsNeverHit()
    {
        GridWindow w({}, 20, kWidths);
        QVERIFY(ShowActive(w.top));
        const int rowH = w.grid->rowHeight(0);
        const int full = w.grid->GetCountPerPage();
        // Make the view show full rows plus half of the next one.
        w.grid->resize(w.grid->width(), w.grid->height() - w.grid->viewport()->height() + full * rowH + rowH / 2);
        QCOMPARE(w.grid->GetCountPerPage(), full);
        int row, column;
        QRect cell;
        const QPoint inPartRow(60, full * rowH + 2);
        QVERIFY(!w.grid->HitTestCell(inPartRow, row, column, cell));
        QVERIFY(w.grid->HitTestCell(QPoint(60, (full - 1) * rowH + 2), row, column, cell));
        QCOMPARE(QPoint(column, row), QPoint(1, full - 1));
        QCOMPARE(cell, QRect(50, (full - 1) * rowH, 80, rowH));
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, inPartRow);
        QCOMPARE(w.grid->GetFocusRow(), -1);
        // Scrolled to the end, the top row is the one cut; the last row is whole and is hit.
        QVERIFY(w.grid->EnsureRowVisible(19));
        QVERIFY(w.grid->HitTestCell(CellRect(*w.grid, 19, 1).center(), row, column, cell));
        QCOMPARE(row, 19);
    }

    void focusCellScrollsWideColumnToItsLeftEdge()
    {
        GridWindow w({}, 3, {100, 600, 80, 50}, {300, 200});
        QVERIFY(ShowActive(w.top));
        for (auto cell : Cells{{-1, 0}, {3, 0}, {0, 4}, {0, -1}})
            QVERIFY(!w.grid->SetFocusCell(cell.first, cell.second, true));
        QCOMPARE(w.grid->GetFocusRow(), -1);
        QVERIFY(w.grid->SetFocusCell(0, 2, false)); // narrower than the view: right edge shows
        QCOMPARE(w.grid->columnViewportPosition(2) + 80, w.grid->viewport()->width());
        QVERIFY(w.grid->SetFocusCell(0, 1, false)); // wider: its left edge shows
        QCOMPARE(w.grid->columnViewportPosition(1), 0);
        QCOMPARE(w.grid->EnsureColumnVisible(1), 0);
        QVERIFY(w.grid->SetFocusCell(0, 0, true));
        QCOMPARE(CellRect(*w.grid, 0, 0).left(), 0);
        w.grid->SelectFocusRow();
        QVERIFY(!w.grid->SetFocusCell(0, 0, true)); // already there, row selected
        QRect cell;
        QVERIFY(!w.grid->GetCellRect(0, 4, cell) && !w.grid->GetCellRect(3, 0, cell));
    }
};

QTEST_MAIN(TstGridNavigation)
#include "tst_grid_navigation.moc"
