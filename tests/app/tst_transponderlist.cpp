// The transponder grid on its own: deletion marks, the context menu, the sort, and the pending
// steps that Undo and Redo walk.
#include "GridScript.h"
#include "TestEnv.h"

#include "app/CTransponderList.h"

#include <QMenu>
#include <QtTest>

namespace {

// Rows of whole MHz and kS/s standing for records 1, 2, ...; a record below 0 is marked. The
// list is shown.
void Fill(CTransponderList &list, const std::vector<std::tuple<int, int, Polar, int>> &rows)
{
    list.resize(400, 300);
    list.show();
    std::vector<TransponderRow> values;
    for (const auto &[frequency, symbolRate, polar, record] : rows)
        values.push_back({std::abs(record), frequency, symbolRate, polar, record < 0});
    list.InsertTransponderColumns();
    list.ShowRows(values);
}

// Column texts 1..3 and the record of every row, "freq/sr/polar/record", x for a mark.
QStringList Rows(const CTransponderList &list)
{
    QStringList out;
    for (int r = 0; r < list.GetItemCount(); ++r)
        out << QStringLiteral("%1/%2/%3/%4%5")
                   .arg(list.GetItemText(r, 1), list.GetItemText(r, 2), list.GetItemText(r, 3))
                   .arg(list.Row(r).record)
                   .arg(list.Row(r).marked ? "x" : "");
    return out;
}

constexpr Polar V = Polar::Vert, H = Polar::Hori, A = Polar::Auto;

} // namespace

class TestTransponderList : public QObject
{
    Q_OBJECT
private slots:
    void sortTogglesPerColumnWithTieBreaks()
    {
        CTransponderList list;
        Fill(list, {{12000, 27500, V, 10}, {11000, 22000, H, -11}, {12000, 27500, A, 12},
                    {2000, 30000, H, 13}, {12000, 22000, H, 14}, {12000, 27500, H, 15}});
        list.SetItemText(3, 1, QStringLiteral("02000")); // read as a number, written back as one
        list.SetRowSelected(0, true);
        list.SetFocusedItem(0);
        list.OnColumnClick(1);
        const QStringList ascending{"2000/30000/Hori/13",  "11000/22000/Hori/11x", "12000/22000/Hori/14",
                                    "12000/27500/Auto/12", "12000/27500/Hori/15",  "12000/27500/Vert/10"};
        QCOMPARE(Rows(list), ascending);
        QCOMPARE(list.GetItemText(5, 0), CTransponderList::IndexText(6));
        // Selection and focus stay on their positions; the order is work to apply.
        QVERIFY(list.GetSelectedRows() == QVector<int>{0} && list.GetFocusedItem() == 0 && list.IsModified());

        list.OnColumnClick(1);
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(Rows(list), descending);
        QCOMPARE(list.GetItemText(0, 0), CTransponderList::IndexText(1));

        // Each column keeps its own flag, across refills; other columns do not sort.
        Fill(list, {{12000, 27500, V, 1}, {11000, 22000, H, 2}, {10000, 27500, V, 3}, {11000, 30000, V, 4}});
        list.OnColumnClick(1); // frequency ascending again
        list.OnColumnClick(2); // symbol rate ascending, then frequency
        const QStringList bySymbolRate{"11000/22000/Hori/2", "10000/27500/Vert/3", "12000/27500/Vert/1",
                                       "11000/30000/Vert/4"};
        QCOMPARE(Rows(list), bySymbolRate);
        list.OnColumnClick(0);
        list.OnColumnClick(3);
        QCOMPARE(Rows(list), bySymbolRate);
        QVERIFY(list.SortAscending(1) && list.SortAscending(2));
    }

    void deleteKeyAndMenuToggleMarks()
    {
        CTransponderList list;
        Fill(list, {{11000, 27500, V, -1}, {11000, 27500, V, 2}, {11000, 27500, V, -TransponderRow::NEW},
                    {11000, 27500, V, 4}});
        // A marked row is drawn bold and struck out in every cell.
        QColor text, background;
        quint8 style = 0;
        QVERIFY(!list.GetCellStyle(1, 1, text, background, style));
        list.SetTintedRows({0}); // a repeat's amber, mixed into white
        background = Qt::white;
        QVERIFY(list.GetCellStyle(0, 1, text, background, style) && background == QColor(255, 227, 167));
        for (int c = 0; c < 4; ++c) {
            QVERIFY(list.GetCellStyle(0, c, text, background, style));
            QCOMPARE(int(style), FONT_BOLD | FONT_STRIKEOUT);
        }
        for (int r = 0; r < 3; ++r)
            list.SetRowSelected(r, true);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(Rows(list), (QStringList{"11000/27500/Vert/1", "11000/27500/Vert/2x", "11000/27500/Vert/2500",
                                          "11000/27500/Vert/4"}));

        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, QPoint(20, 250)); // below the rows: no menu
        QCoreApplication::processEvents();
        QVERIFY(!list.ContextMenu()->isVisible());
        QRect cell;
        QVERIFY(list.GetCellRect(3, 1, cell));
        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, cell.center());
        QVERIFY(WaitUntil([&] { return list.ContextMenu()->isVisible(); }) && list.GetSelectedRows() == QVector<int>{3});
        list.ContextMenu()->hide();
        list.ContextMenu()->actions().at(0)->trigger(); // "Delete TP"
        QVERIFY(list.Row(3).marked && list.Row(1).marked);
    }

    void pendingStepsUndoAndRedo()
    {
        CTransponderList list;
        Fill(list, {{12000, 27500, V, 7}, {11000, 22000, H, 8}});
        const QStringList clean = Rows(list);
        list.SetRowSelected(0, true);
        list.ToggleSelectedMarks();
        list.OnCommand(CTransponderList::CMD_ADD_TP);
        list.OnColumnClick(1);
        const QStringList sorted = Rows(list);
        QCOMPARE(sorted, (QStringList{"2000/27500/Hori/2500", "11000/22000/Hori/8", "12000/27500/Vert/7x"}));
        QVERIFY(list.UndoName() == "Sort" && list.Undo() && list.UndoName() == "Add TP" && list.Undo());
        // Undoing the mark changes no text, and the row is drawn afresh all the same.
        PaintedRegion painted;
        list.viewport()->installEventFilter(&painted);
        list.viewport()->update();
        QVERIFY(WaitUntil([&] { return !painted.region.isEmpty(); }));
        painted.region = QRegion();
        QRect cell;
        QVERIFY(list.UndoName() == "Delete TP" && list.Undo() && list.GetCellRect(0, 1, cell));
        QVERIFY(WaitUntil([&] { return painted.region.contains(cell); }));
        QVERIFY(!list.Undo() && !list.IsModified());
        QCOMPARE(Rows(list), clean);
        QVERIFY(list.Redo() && list.Redo() && list.Redo() && !list.Redo());
        QCOMPARE(Rows(list), sorted);
        QCOMPARE(list.GetItemText(2, 0), CTransponderList::IndexText(3));
        // A new step ends what could be redone; showing rows afresh forgets every step.
        QVERIFY(list.Undo());
        list.MarkRow(0); // marked already: no step
        QVERIFY(list.CanRedo());
        list.MarkRow(1);
        QVERIFY(!list.CanRedo());
        Fill(list, {{12000, 27500, V, 7}});
        QVERIFY(!list.CanUndo() && !list.IsModified());
    }
};

QTEST_MAIN(TestTransponderList)
#include "tst_transponderlist.moc"
