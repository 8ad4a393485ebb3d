// The focus cell under keys and clicks, cell geometry, scrolling and the type-ahead search.
#include "TestGrid.h"

#include <QHeaderView>
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
    // Keys move the focus cell within the 5 x 4 grid and select its row, never past an edge.
    void keysMoveFocusCell_data()
    {
        QTest::addColumn<QPoint>("start"); // (column, row); row -1: no focus cell
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("no focus cell") << QPoint(0, -1) << QList<int>{Qt::Key_Right} << QPoint(0, -1);
        QTest::newRow("left at first column") << QPoint(0, 2) << QList<int>{Qt::Key_Left} << QPoint(0, 2);
        QTest::newRow("right, end, right") << QPoint(0, 2) << QList<int>{Qt::Key_Right, Qt::Key_End, Qt::Key_Right}
                                           << QPoint(3, 2);
        QTest::newRow("home") << QPoint(3, 2) << QList<int>{Qt::Key_Home} << QPoint(0, 2);
        QTest::newRow("up at top") << QPoint(2, 0) << QList<int>{Qt::Key_Up} << QPoint(2, 0);
        QTest::newRow("down twice") << QPoint(2, 0) << QList<int>{Qt::Key_Down, Qt::Key_Down} << QPoint(2, 2);
        QTest::newRow("ctrl+end, down at bottom")
            << QPoint(2, 0) << QList<int>{int(Qt::Key_End) | int(Qt::ControlModifier), Qt::Key_Down} << QPoint(2, 4);
    }

    void keysMoveFocusCell()
    {
        QFETCH(QPoint, start);
        QFETCH(QList<int>, keys);
        QFETCH(QPoint, end);
        GridWindow w({}, 5, kWidths);
        QVERIFY(w.ShowWithFocusAt(start.y(), start.x()));
        for (int k : keys)
            Key(*w.grid, Qt::Key(k & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
        QCOMPARE(w.grid->GetFocusRow(), end.y());
        QCOMPARE(w.grid->GetFocusColumn(), end.x());
        if (end.y() >= 0 && !(keys.front() & Qt::ControlModifier)) { // Ctrl moves the focus alone
            QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{end.y()});
            QCOMPARE(w.grid->GetFocusedItem(), end.y());
        }
    }

    void pageDownKeepsFocusRowVisible()
    {
        GridWindow w({}, 60, kWidths);
        QVERIFY(w.ShowWithFocusAt(0, 1));
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
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_BUTTON}, 5, kWidths);
        QVERIFY(w.ShowWithFocusAt(-1, 0));
        Key(*w.grid, Qt::Key_Space); // no focus cell: nothing
        QVERIFY(!w.grid->IsEditing());
        QVERIFY(w.grid->SetFocusCell(1, 2, false));
        w.grid->SelectFocusRow();
        Key(*w.grid, Qt::Key_Space);
        QCOMPARE(w.grid->buttons, (Cells{{1, 2}}));
        Key(*w.grid, Qt::Key_Left);
        Key(*w.grid, Qt::Key_F2);
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditColumn(), 1);
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
        Type(*w.grid, QStringLiteral("r"));
        QCOMPARE(w.grid->GetSearchText(), QStringLiteral("br"));
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{2});
        QVERIFY(w.grid->IsSearchTimerActive());
        // No match moves nothing.
        Type(*w.grid, QStringLiteral("x"));
        QCOMPARE(w.grid->GetFocusRow(), 2);
        QCOMPARE(w.grid->GetTypeAheadTipText(), QStringLiteral("brx_"));

        // The timer ends the search; the next character starts a new one, from the focus
        // row on and round to the top.
        w.grid->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
        QVERIFY(w.grid->GetSearchText().isEmpty());
        QVERIFY(!w.grid->GetTypeAheadTip()->isVisible());
        QVERIFY(!w.grid->IsSearchTimerActive());
        Type(*w.grid, QStringLiteral("A"));
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{0});
        QCOMPARE(w.grid->GetFocusColumn(), 1);

        // Left alone, the search ends by itself.
        QVERIFY(WaitUntil([&] { return w.grid->GetSearchText().isEmpty(); }, 6000));
        QVERIFY(!w.grid->GetTypeAheadTip()->isVisible());
    }

    void shiftExtendsFromRowFoundByTypeAhead()
    {
        GridWindow w({}, 6, kWidths);
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
        GridWindow w({}, 2, kWidths);
        QVERIFY(w.ShowWithFocusAt(-1, 0));
        for (int i = 0; i < 260; ++i)
            w.grid->OnTypeAheadChar(QLatin1Char('z'));
        QCOMPARE(w.grid->GetSearchText().size(), 255);
    }

    void spaceDuringSearchIsPartOfIt()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT}, 3, kWidths);
        w.grid->SetItemText(2, 1, QStringLiteral("New York"));
        QVERIFY(w.ShowWithFocusAt(0, 1));
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
        GridWindow w({CELL_TEXT, CELL_EDIT}, 40, kWidths);
        QVERIFY(ShowActive(w.top));
        QRect stale = CellRect(*w.grid, 30, 1); // below the page before scrolling
        QVERIFY(w.grid->EditCell(30, 1, &stale));
        const QRect cell = CellRect(*w.grid, 30, 1);
        QVERIFY(cell.bottom() < w.grid->viewport()->height());
        QCOMPARE(w.grid->GetEditor()->geometry(), cell);
    }

    void mouseClicks()
    {
        GridWindow w({CELL_TEXT, CELL_EDIT, CELL_EDIT}, 5, kWidths);
        QVERIFY(ShowActive(w.top));
        // The first click moves the focus cell, a second on the focus cell edits.
        Click(*w.grid, 1, 1);
        QCOMPARE(w.grid->GetSelectedRows(), QVector<int>{1});
        Click(*w.grid, 1, 2);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        QVERIFY(!w.grid->IsEditing());
        Click(*w.grid, 1, 2);
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditRow(), 1);
        QCOMPARE(w.grid->GetEditColumn(), 2);
        QTest::keyClick(w.grid->GetEditor(), Qt::Key_Escape);
        QVERIFY(WaitUntil([&] { return !w.grid->IsEditing(); }));

        // With Shift or Ctrl a click on the focus cell only selects.
        Click(*w.grid, 3, 1, Qt::ShiftModifier);
        QCOMPARE(w.grid->GetSelectedRows(), (QVector<int>{1, 2, 3}));
        QCOMPARE(w.grid->GetFocusRow(), 3);
        Click(*w.grid, 3, 1, Qt::ShiftModifier);
        Click(*w.grid, 3, 1, Qt::ControlModifier);
        QVERIFY(!w.grid->IsEditing());

        QTest::mouseDClick(w.grid->viewport(), Qt::LeftButton, {}, CellCentre(*w.grid, 2, 1));
        QVERIFY(w.grid->IsEditing());
        QCOMPARE(w.grid->GetEditRow(), 2);
    }

    void rightClickMovesFocusAndReportsCell()
    {
        GridWindow w({}, 5, kWidths);
        QVERIFY(ShowActive(w.top));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, CellCentre(*w.grid, 3, 2));
        QCOMPARE(w.grid->GetFocusRow(), 3);
        QCOMPARE(w.grid->GetFocusColumn(), 2);
        QCOMPARE(w.grid->rclicks, (Cells{{3, 2}}));
        // Right of the last column and below the last row: no cell.
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, QPoint(380, 20));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, QPoint(20, 200));
        QCOMPARE(w.grid->rclicks.size(), 1);
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
        QCOMPARE(QRect(column, row, 0, 0), QRect(1, full - 1, 0, 0));
        QCOMPARE(cell, QRect(50, (full - 1) * rowH, 80, rowH));
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, inPartRow);
        QCOMPARE(w.grid->GetFocusRow(), -1);
    }

    void wideColumnScrollsToItsLeftEdge()
    {
        GridWindow w({}, 3, {100, 600, 80, 50}, {300, 200});
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->SetFocusCell(0, 2, false)); // narrower than the view: right edge shows
        QCOMPARE(w.grid->columnViewportPosition(2) + 80, w.grid->viewport()->width());
        QVERIFY(w.grid->SetFocusCell(0, 1, false)); // wider: its left edge shows
        QCOMPARE(w.grid->columnViewportPosition(1), 0);
        QCOMPARE(w.grid->EnsureColumnVisible(1), 0);
        QVERIFY(w.grid->SetFocusCell(0, 0, false));
        QCOMPARE(CellRect(*w.grid, 0, 0).left(), 0);
        QRect cell;
        QVERIFY(!w.grid->GetCellRect(0, 4, cell));
        QVERIFY(!w.grid->GetCellRect(3, 0, cell));
    }

    void setFocusCellRejectsOutOfRange()
    {
        GridWindow w({}, 3, kWidths);
        for (auto cell : Cells{{-1, 0}, {3, 0}, {0, 4}, {0, -1}})
            QVERIFY(!w.grid->SetFocusCell(cell.first, cell.second, true));
        QCOMPARE(w.grid->GetFocusRow(), -1);
        QVERIFY(w.grid->SetFocusCell(1, 1, true));
        QVERIFY(w.grid->SetFocusCell(1, 1, true)); // row not selected yet
        w.grid->SelectFocusRow();
        QVERIFY(!w.grid->SetFocusCell(1, 1, true));
    }
};

QTEST_MAIN(TstGridNavigation)
#include "tst_grid_navigation.moc"
