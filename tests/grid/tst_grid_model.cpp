// The grid's rows and item data, its hook defaults, and how an ended edit or a check-box
// activation reaches the selected rows.
#include "TestGrid.h"

class TstGridModel : public QObject
{
    Q_OBJECT

private slots:
    void startsWithoutFocusCellOrEditor()
    {
        TestGrid grid;
        QCOMPARE(grid.GetFocusRow(), -1);
        QCOMPARE(grid.GetFocusColumn(), 0);
        QVERIFY(!grid.IsEditing());
        QCOMPARE(grid.GetEditRow(), -1);
        QCOMPARE(grid.GetEditColumn(), -1);
        QCOMPARE(grid.GetSearchTimeout(), 2500);
        QVERIFY(grid.GetSearchText().isEmpty());
        QCOMPARE(grid.GetFocusedItem(), -1);
        QVERIFY(grid.PaintState().glyphsBuilt);
        QCOMPARE(grid.PaintState().arrowGlyph.height(), 13);
        QCOMPARE(grid.PaintState().checkedGlyph.height(), 14);
    }

    void keepsRowDataThroughInsertAndDelete()
    {
        TestGrid grid;
        Fill(grid, 3, {50, 80});
        grid.SetItemData(0, 0xFFFF0007u);
        grid.SetItemData(2, 2500u);
        grid.InsertItem(1, QStringLiteral("new"));
        QCOMPARE(grid.GetItemData(0), 0xFFFF0007u);
        QCOMPARE(grid.GetItemData(1), 0u);
        QCOMPARE(grid.GetItemData(3), 2500u);
        QCOMPARE(grid.GetItemText(3, 1), QStringLiteral("r2c1"));
        QVERIFY(grid.DeleteItem(0));
        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("new"));
        QVERIFY(!grid.DeleteItem(7));
        QVERIFY(!grid.SetItemText(9, 0, QStringLiteral("x")));
        QVERIFY(!grid.SetItemText(0, 2, QStringLiteral("x")));
        QCOMPARE(grid.GetItemText(9, 9), QString());
        QCOMPARE(grid.GetItemImage(0, 1), -1);
        QCOMPARE(grid.GetColumnFormat(1), int(LVCFMT_LEFT));
        grid.InsertColumn(2, QStringLiteral("Polar"), LVCFMT_CENTER, 60);
        QCOMPARE(grid.GetColumnFormat(2), int(LVCFMT_CENTER));
        QCOMPARE(grid.GetColumnHeading(2), QStringLiteral("Polar"));
        QCOMPARE(grid.columnWidth(2), 60);
    }

    void focusCellFollowsRowsInsertedAndDeletedAbove()
    {
        TestGrid grid;
        Fill(grid, 5, {50, 80});
        QVERIFY(grid.SetFocusCell(3, 1, false));
        grid.InsertItem(0, QStringLiteral("top"));
        QCOMPARE(grid.GetFocusRow(), 4);
        grid.DeleteItem(1);
        QCOMPARE(grid.GetFocusRow(), 3);
        grid.DeleteItem(3);
        QCOMPARE(grid.GetFocusRow(), -1);
        grid.DeleteAllItems();
        QCOMPARE(grid.GetItemCount(), 0);
    }

    void plainGridIsReadOnlyText()
    {
        TestGrid grid;
        grid.useHooks = false;
        grid.columnKinds = {CELL_EDIT, CELL_DROPLIST};
        Fill(grid, 2, {50, 80});
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) {
                QCOMPARE(grid.GetCellKind(r, c), CELL_TEXT);
                QVERIFY(!grid.EditCell(r, c));
            }
        QVERIFY(!grid.IsEditing());
        bool useImages = true;
        QStringList choices;
        QVector<int> images;
        grid.CGridCtrl::GetCellChoices(0, 1, useImages, choices, images);
        QCOMPARE(choices, QStringList({QStringLiteral("Vert"), QStringLiteral("Hori")}));
        QVERIFY(images.isEmpty());
    }

    void endedEditReachesSelectedRowsOfSameKind()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_EDIT};
        grid.cellKinds[qMakePair(4, 1)] = CELL_DROPLIST;
        Fill(grid, 7, {50, 80});
        for (int r : {2, 4, 5})
            grid.SetRowSelected(r, true);
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(5, 1, false, QStringLiteral("12000"), -1));
        QCOMPARE(grid.GetItemText(2, 1), QStringLiteral("12000"));
        QCOMPARE(grid.GetItemText(5, 1), QStringLiteral("12000"));
        QCOMPARE(grid.GetItemText(4, 1), QStringLiteral("r4c1")); // another kind
        QCOMPARE(grid.GetItemText(3, 1), QStringLiteral("r3c1")); // not selected
        QCOMPARE(grid.GetItemText(5, 0), QStringLiteral("r5c0")); // other column

        // The edited row itself is written only when it is selected.
        grid.clearSelection();
        grid.SetRowSelected(1, true);
        grid.SetRowSelected(2, true);
        grid.CGridCtrl::OnEndCellEdit(6, 1, false, QStringLiteral("9"), -1);
        QCOMPARE(grid.GetItemText(6, 1), QStringLiteral("r6c1"));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("9"));
    }

    void endedEditWithoutSelectionOrCancelledStoresNothing()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_EDIT};
        Fill(grid, 3, {50, 80});
        QCOMPARE(grid.GetSelectedCount(), 0);
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(1, 1, false, QStringLiteral("x"), -1));
        for (int r = 0; r < 3; ++r)
            QCOMPARE(grid.GetItemText(r, 1), QStringLiteral("r%1c1").arg(r));

        grid.SetRowSelected(1, true);
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(1, 1, true, QStringLiteral("x"), -1));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("r1c1"));
        QVERIFY(grid.CGridCtrl::OnEndCellEdit(1, 1, false, QStringLiteral("x"), -1));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("x"));
    }

    void imageIsStoredOnlyWithImageList()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_DROPDOWN};
        Fill(grid, 2, {50, 80});
        grid.SetRowSelected(0, true);
        grid.CGridCtrl::OnEndCellEdit(0, 1, false, QStringLiteral("Hori"), 1);
        QCOMPARE(grid.GetItemImage(0, 1), -1);
        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        grid.SetImageList({icon, icon});
        grid.CGridCtrl::OnEndCellEdit(0, 1, false, QStringLiteral("Hori"), 1);
        QCOMPARE(grid.GetItemImage(0, 1), 1);
        grid.CGridCtrl::OnEndCellEdit(0, 1, false, QStringLiteral("Auto"), -1);
        QCOMPARE(grid.GetItemImage(0, 1), 1); // -1 leaves the image alone
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
        QCOMPARE(grid.checks, (QVector<QPair<int, int>>{{1, 1}, {3, 1}}));

        // One selected row: the activated cell alone, whichever row is selected.
        grid.checks.clear();
        grid.clearSelection();
        grid.SetRowSelected(4, true);
        QVERIFY(grid.EditCell(2, 1));
        QCOMPARE(grid.checks, (QVector<QPair<int, int>>{{2, 1}}));

        grid.checks.clear();
        grid.clearSelection();
        QVERIFY(grid.EditCell(0, 1));
        QVERIFY(grid.checks.isEmpty());
    }

    void buttonTextAndLineActivation()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_BUTTON, CELL_LINE, CellKind(42)};
        Fill(grid, 2, {50, 80, 40, 40});
        QVERIFY(grid.EditCell(1, 1));
        QCOMPARE(grid.buttons, (QVector<QPair<int, int>>{{1, 1}}));
        QVERIFY(!grid.EditCell(1, 0));
        QVERIFY(!grid.EditCell(1, 2));
        QVERIFY(!grid.EditCell(1, 3));
        QVERIFY(!grid.EditCell(-1, 1));
        QVERIFY(!grid.EditCell(2, 1));
        QVERIFY(!grid.EditCell(0, 4));
        QVERIFY(!grid.IsEditing());
    }

    void cellFontIsCachedByStyle()
    {
        TestGrid grid;
        const QFont &deleted = grid.CreateCellFont(FONT_BOLD | FONT_STRIKEOUT);
        QVERIFY(deleted.bold());
        QVERIFY(deleted.strikeOut());
        QVERIFY(!deleted.italic());
        QVERIFY(!deleted.underline());
        QCOMPARE(&grid.CreateCellFont(9), &deleted);
        const QFont italic = grid.CreateCellFont(FONT_ITALIC | FONT_UNDERLINE);
        QVERIFY(italic.italic());
        QVERIFY(italic.underline());
        QVERIFY(!italic.bold());
        QCOMPARE(italic.pointSizeF(), grid.font().pointSizeF());
    }
};

QTEST_MAIN(TstGridModel)
#include "tst_grid_model.moc"
