// The grid's rows and item data, and how an ended edit or a check-box
// activation reaches the selected rows.
#include "TestGrid.h"

class TstGridModel : public QObject
{
    Q_OBJECT

private slots:
    void endedEditReachesSelectedRowsOfSameKind()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_EDIT};
        grid.cellKinds[qMakePair(4, 1)] = CELL_DROPLIST;
        Fill(grid, 7, {50, 80});
        // No selection: nothing is stored.
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(1, 1, false, QStringLiteral("x"), -1));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("r1c1"));

        for (int r : {2, 4, 5})
            grid.SetRowSelected(r, true);
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(5, 1, true, QStringLiteral("x"), -1)); // cancelled
        QCOMPARE(grid.GetItemText(5, 1), QStringLiteral("r5c1"));
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(5, 1, false, QStringLiteral("12000"), -1));
        const QStringList expected{"r0c1", "r1c1", "12000", "r3c1", "r4c1" /* another kind */, "12000", "r6c1"};
        for (int r = 0; r < 7; ++r)
            QCOMPARE(grid.GetItemText(r, 1), expected[r]);
        QCOMPARE(grid.GetItemText(5, 0), QStringLiteral("r5c0")); // other column

        // The edited row itself is written only when it is selected.
        grid.clearSelection();
        grid.SetRowSelected(1, true);
        grid.SetRowSelected(2, true);
        grid.CGridCtrl::OnEndCellEdit(6, 1, false, QStringLiteral("9"), -1);
        QCOMPARE(grid.GetItemText(6, 1), QStringLiteral("r6c1"));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("9"));
    }

    void checkCellsToggleInSelectedRowsOfSameKind()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_UNCHECKED};
        grid.cellKinds[qMakePair(2, 1)] = CELL_CHECKED;
        Fill(grid, 5, {50, 80});
        for (int r : {1, 2, 3})
            grid.SetRowSelected(r, true);
        QVERIFY(grid.EditCell(1, 1));
        QCOMPARE(grid.checks, (Cells{{1, 1}, {3, 1}}));
        // One selected row: the activated cell alone, whichever row is selected.
        grid.checks.clear();
        grid.clearSelection();
        grid.SetRowSelected(4, true);
        QVERIFY(grid.EditCell(2, 1));
        QCOMPARE(grid.checks, (Cells{{2, 1}}));
        grid.checks.clear();
        grid.clearSelection();
        QVERIFY(grid.EditCell(0, 1));
        QVERIFY(grid.checks.isEmpty());
    }

    void onlyButtonsActivateOutsideAnEditor()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_BUTTON, CELL_LINE, CellKind(42)};
        Fill(grid, 2, {50, 80, 40, 40});
        QVERIFY(grid.EditCell(1, 1));
        QCOMPARE(grid.buttons, (Cells{{1, 1}}));
        for (auto cell : Cells{{1, 0}, {1, 2}, {1, 3}, {-1, 1}, {2, 1}, {0, 4}})
            QVERIFY(!grid.EditCell(cell.first, cell.second));
        QVERIFY(!grid.IsEditing());
    }
};

QTEST_MAIN(TstGridModel)
#include "tst_grid_model.moc"
