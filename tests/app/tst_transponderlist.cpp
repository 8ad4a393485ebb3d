// The transponder grid on its own: deletion marks, the context menu, the sort and cell numbers.
#include "TestEnv.h"

#include "app/CTransponderList.h"

#include <QMenu>
#include <QtTest>

namespace {

struct Row {
    QString frequency, symbolRate, polar;
    quint32 data;
};

void Fill(CTransponderList &list, const QVector<Row> &rows)
{
    list.InsertTransponderColumns();
    list.DeleteAllItems();
    for (int i = 0; i < rows.size(); ++i) {
        list.InsertItem(i, CTransponderList::IndexText(i + 1));
        list.SetItemText(i, 1, rows[i].frequency);
        list.SetItemText(i, 2, rows[i].symbolRate);
        list.SetItemText(i, 3, rows[i].polar);
        list.SetItemData(i, rows[i].data);
    }
    list.MarkClean();
}

// Column texts 1..3 and the item data of every row, "freq/sr/polar/data".
QStringList Rows(const CTransponderList &list)
{
    QStringList out;
    for (int r = 0; r < list.GetItemCount(); ++r)
        out << QStringLiteral("%1/%2/%3/%4")
                   .arg(list.GetItemText(r, 1), list.GetItemText(r, 2), list.GetItemText(r, 3))
                   .arg(list.GetItemData(r), 0, 16);
    return out;
}

constexpr quint32 M = CTransponderList::DELETED_ROW_MASK;

} // namespace

class TestTransponderList : public QObject
{
    Q_OBJECT
private slots:
    void sortTogglesPerColumnWithTieBreaks();
    void deleteKeyAndMenuToggleMarks();
    void cellNumberReadsLikeAtoi_data();
    void cellNumberReadsLikeAtoi();
};

void TestTransponderList::sortTogglesPerColumnWithTieBreaks()
{
    CTransponderList list;
    list.resize(400, 300);
    list.show();
    Fill(list, {{"12000", "27500", "Vert", 10},
                {"11000", "22000", "Hori", 11 | M},
                {"12000", "27500", "Auto", 12},
                {"02000", "30000", "Hori", 13},
                {"12000", "22000", "Hori", 14},
                {"12000", "27500", "Hori", 15}});
    list.SetRowSelected(0, true);
    list.SetFocusedItem(0);
    list.OnColumnClick(1);
    const QStringList ascending{"2000/30000/Hori/d",       "11000/22000/Hori/ffff000b",
                                "12000/22000/Hori/e",      "12000/27500/Auto/c",
                                "12000/27500/Hori/f",      "12000/27500/Vert/a"};
    QCOMPARE(Rows(list), ascending);
    QCOMPARE(list.GetItemText(5, 0), CTransponderList::IndexText(6));
    // Selection and focus stay on their positions; the order is work to apply.
    QCOMPARE(list.GetSelectedRows(), QVector<int>{0});
    QCOMPARE(list.GetFocusedItem(), 0);
    QVERIFY(list.IsModified());

    list.OnColumnClick(1);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QCOMPARE(Rows(list), descending);
    QCOMPARE(list.GetItemText(0, 0), CTransponderList::IndexText(1));

    // Each column keeps its own flag, across refills; other columns do not sort.
    Fill(list, {{"12000", "27500", "Vert", 1}, {"11000", "22000", "Hori", 2},
                {"10000", "27500", "Vert", 3}, {"11000", "30000", "Vert", 4}});
    list.OnColumnClick(1); // frequency ascending again
    list.OnColumnClick(2); // symbol rate ascending, then frequency
    const QStringList bySymbolRate{"11000/22000/Hori/2", "10000/27500/Vert/3",
                                   "12000/27500/Vert/1", "11000/30000/Vert/4"};
    QCOMPARE(Rows(list), bySymbolRate);
    list.OnColumnClick(0);
    list.OnColumnClick(3);
    QCOMPARE(Rows(list), bySymbolRate);
    QVERIFY(list.SortAscending(1));
    QVERIFY(list.SortAscending(2));
}

void TestTransponderList::deleteKeyAndMenuToggleMarks()
{
    CTransponderList list;
    list.resize(400, 300);
    list.show();
    Fill(list, {{"11000", "27500", "Vert", 1 | M}, {"11000", "27500", "Vert", 2},
                {"11000", "27500", "Vert", CTransponderList::NEW_ROW | M},
                {"11000", "27500", "Vert", 4}});
    // A marked row is drawn bold and struck out in every cell.
    QColor text, background;
    quint8 style = 0;
    QVERIFY(!list.GetCellStyle(1, 1, text, background, style));
    for (int c = 0; c < 4; ++c) {
        QVERIFY(list.GetCellStyle(0, c, text, background, style));
        QCOMPARE(int(style), FONT_BOLD | FONT_STRIKEOUT);
    }
    for (int r = 0; r < 3; ++r)
        list.SetRowSelected(r, true);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(Rows(list), (QStringList{"11000/27500/Vert/1", "11000/27500/Vert/ffff0002",
                                      "11000/27500/Vert/9c4", "11000/27500/Vert/4"}));

    // Below the last row: no cell, no menu.
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, QPoint(20, 250));
    QCoreApplication::processEvents();
    QVERIFY(!list.ContextMenu()->isVisible());
    QRect cell;
    QVERIFY(list.GetCellRect(3, 1, cell));
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, cell.center());
    QVERIFY(WaitUntil([&] { return list.ContextMenu()->isVisible(); }));
    QCOMPARE(list.GetSelectedRows(), QVector<int>{3});
    list.ContextMenu()->hide();
    list.ContextMenu()->actions().at(0)->trigger(); // "Delete TP"
    QCOMPARE(list.GetItemData(3), 4u | M);
    QCOMPARE(list.GetItemData(1), 2u | M);
}

void TestTransponderList::cellNumberReadsLikeAtoi_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<int>("value");
    QTest::newRow("cut at six") << "1234567" << 6 << 123456;
    QTest::newRow("leading zeros") << "02000" << 6 << 2000;
    QTest::newRow("negative") << "-5" << 6 << -5;
    QTest::newRow("plus and blanks") << " \t+42" << 6 << 42;
    QTest::newRow("stops at a letter") << "12a3" << 6 << 12;
    QTest::newRow("letters") << "abc" << 6 << 0;
    QTest::newRow("sign only") << "-" << 6 << 0;
    QTest::newRow("blanks eat the room") << "     7" << 5 << 0;
    QTest::newRow("long, bounded") << "99999999999999999999" << 20 << 2147483647;
}

void TestTransponderList::cellNumberReadsLikeAtoi()
{
    QFETCH(QString, text);
    QFETCH(int, maxChars);
    QFETCH(int, value);
    QCOMPARE(CTransponderList::CellNumber(text, maxChars), value);
}

QTEST_MAIN(TestTransponderList)
#include "tst_transponderlist.moc"
