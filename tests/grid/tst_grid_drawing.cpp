// What the painted grid looks like: glyphs, highlight, focus frame, colours below the rows.
#include "TestGrid.h"

#include <QHeaderView>
#include <QPainter>

namespace {

const QVector<int> kWidths{50, 80, 60, 10};

QImage Shot(GridWindow &w)
{
    return w.grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int PixelsNotOf(const QImage &img, const QRect &area, const QColor &colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) != colour.rgb())
                ++n;
    return n;
}

} // namespace

class TstGridDrawing : public QObject
{
    Q_OBJECT

private slots:
    // Buttons and drop-downs show their glyph in the cell's right-hand 14 pixels (a narrower
    // cell its right-hand part) beside the cell's frame; check boxes theirs at the left. Pixels
    // are in glyph coordinates: one of the shadow colour, one of the face (window for boxes).
    void glyphs_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<QPoint>("shadow");
        QTest::addColumn<QPoint>("face");
        QTest::newRow("drop-down list arrow") << int(CELL_DROPLIST) << 1 << QPoint(6, 7) << QPoint(3, 6);
        QTest::newRow("button dots") << int(CELL_BUTTON) << 1 << QPoint(5, 8) << QPoint(4, 8);
        QTest::newRow("arrow in a cell 10 wide") << int(CELL_DROPDOWN) << 3 << QPoint(13, 3) << QPoint(10, 6);
        QTest::newRow("checked") << int(CELL_CHECKED) << 1 << QPoint(5, 7) << QPoint(8, 9);
        QTest::newRow("unchecked") << int(CELL_UNCHECKED) << 2 << QPoint(1, 6) << QPoint(5, 7);
        QTest::newRow("drop-down arrow, middle row") << int(CELL_DROPLIST) << 1 << QPoint(7, 6) << QPoint(4, 6);
    }

    void glyphs()
    {
        QFETCH(int, kind);
        QFETCH(int, column);
        QFETCH(QPoint, shadow);
        QFETCH(QPoint, face);
        QVector<CellKind> kinds(4, CELL_TEXT);
        kinds[column] = CellKind(kind);
        GridWindow w(kinds, 1, kWidths);
        QVERIFY(ShowActive(w.top));
        const QImage img = Shot(w);
        const GridPaintState &ps = w.grid->PaintState();
        const bool box = kind == CELL_CHECKED || kind == CELL_UNCHECKED;
        const QPixmap &glyph = kind == CELL_CHECKED ? ps.checkedGlyph : box ? ps.uncheckedGlyph
                               : kind == CELL_BUTTON ? ps.dotsGlyph : ps.arrowGlyph;
        const QRect cell = CellRect(*w.grid, 0, column);
        const QRect r = box ? cell : cell.adjusted(0, 0, -1, -1); // a framed cell leaves a strip
        const int width = qMin(14, r.width()), h = qMin(glyph.height(), r.height());
        const QRect at(box ? r.left() : r.right() - width + 1, r.top() + (r.height() - h) / 2, width, h);
        QCOMPARE(img.copy(at), glyph.toImage().convertToFormat(QImage::Format_RGB32).copy(14 - width, 0, width, h));
        const QPoint origin = at.topLeft() - QPoint(14 - width, 0);
        QCOMPARE(img.pixel(origin + shadow), ps.shadowColour.rgb());
        QCOMPARE(img.pixel(origin + face), (box ? ps.windowColour : ps.faceColour).rgb());
        if (!box && width == 14)
            QCOMPARE(img.pixel(cell.left(), at.top() + 3), ps.shadowColour.rgb()); // the frame
        if (kind == CELL_UNCHECKED) // an empty box: its 11 by 11 frame, closed, and nothing inside
            QCOMPARE(PixelsNotOf(glyph.toImage().convertToFormat(QImage::Format_RGB32), glyph.rect(), ps.windowColour), 40);
    }

    // Row styles from the hook, a line cell (a line, no text), the button face below the last
    // row (everywhere once there are no rows); the highlight in the focus column of selected
    // rows, the focus frame only while the grid has the keyboard focus.
    void stylesHighlightAndFocusFrame()
    {
        GridWindow w({CELL_TEXT, CELL_TEXT, CELL_EDIT, CELL_LINE}, 3, kWidths);
        for (int r = 0; r < 3; ++r)
            w.grid->SetItemText(r, 2, QStringLiteral("11766"));
        w.grid->SetItemText(1, 1, QString());
        w.grid->rowStyles[0] = FONT_BOLD | FONT_STRIKEOUT;
        w.grid->rowStyles[2] = FONT_BOLD;
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->GetCountPerPage() >= 10);
        QImage img = Shot(w);
        const GridPaintState &ps = w.grid->PaintState();
        const QImage struck = img.copy(CellRect(*w.grid, 0, 2)), plain = img.copy(CellRect(*w.grid, 1, 2)),
                     bold = img.copy(CellRect(*w.grid, 2, 2));
        QVERIFY(struck != plain && struck != bold && bold != plain);
        GridPaintState faces; // and the faces no row above has
        const QFont &slanted = faces.CellFont(QFont(), FONT_ITALIC | FONT_UNDERLINE);
        QVERIFY(slanted.italic() && slanted.underline() && !slanted.bold() && !slanted.strikeOut());
        const QRect line = CellRect(*w.grid, 0, 3);
        const int mid = line.top() + line.height() / 2;
        QCOMPARE(PixelsNotOf(img, QRect(line.left(), mid, line.width(), 1), ps.textColour), 0);
        QCOMPARE(PixelsNotOf(img, QRect(line.left(), line.top(), line.width(), mid - line.top()), ps.windowColour), 0);
        const int below = CellRect(*w.grid, 2, 0).bottom() + 1;
        QCOMPARE(PixelsNotOf(img, QRect(0, below, img.width(), img.height() - below), ps.faceColour), 0);

        QVERIFY(w.grid->SetFocusCell(1, 1, true));
        w.grid->SelectFocusRow();
        w.grid->SetRowSelected(0, true);
        w.other->setFocus();
        QVERIFY(WaitUntil([&] { return w.other->hasFocus(); }));
        img = Shot(w);
        QVERIFY(ps.highlightColour != ps.windowColour);
        auto spot = [&](int row, int column) {
            const QRect c = CellRect(*w.grid, row, column);
            return img.pixel(c.right() - 3, c.center().y());
        };
        QCOMPARE(spot(0, 1), ps.highlightColour.rgb());
        for (auto cell : Cells{{2, 1}, {0, 0}, {1, 2}})
            QCOMPARE(spot(cell.first, cell.second), ps.windowColour.rgb());
        // The pixel a framed cell gives up at its right stays window-coloured in a selected row.
        const QRect framed = CellRect(*w.grid, 1, 2);
        QCOMPARE(PixelsNotOf(img, QRect(framed.right(), framed.top(), 1, framed.height()), ps.windowColour), 0);
        const QRect cell = CellRect(*w.grid, 1, 1);
        QCOMPARE(PixelsNotOf(img, cell, ps.highlightColour), 0); // highlight, no focus frame
        w.grid->setFocus();
        QVERIFY(WaitUntil([&] { return w.grid->hasFocus(); }));
        img = Shot(w);
        QVERIFY(PixelsNotOf(img, QRect(cell.left(), cell.top(), cell.width(), 1), ps.highlightColour) >= cell.width() / 3);
        QCOMPARE(PixelsNotOf(img, cell.adjusted(2, 2, -2, -2), ps.highlightColour), 0); // text-less inside
        w.grid->DeleteAllItems();
        QCOMPARE(PixelsNotOf(Shot(w), QRect(0, 0, 100, 50), ps.faceColour), 0);
    }

    // The highlight of every selected row follows the focus column on the screen, not only in
    // the focus row.
    void focusColumnMoveRepaintsSelectedRows()
    {
        GridWindow w({CELL_TEXT, CELL_TEXT, CELL_TEXT}, 3, kWidths);
        QVERIFY(w.ShowWithFocusAt(1, 1));
        w.grid->SetRowSelected(0, true);
        PaintedRegion painted;
        w.grid->viewport()->installEventFilter(&painted);
        w.grid->viewport()->update(); // whatever is pending is painted first
        QVERIFY(WaitUntil([&] { return !painted.region.isEmpty(); }));
        painted.region = QRegion();
        QVERIFY(w.grid->SetFocusCell(1, 2, true) && w.grid->IsRowSelected(0));
        QVERIFY(WaitUntil([&] { return painted.region.contains(CellRect(*w.grid, 0, 2)); }));
    }

    // An image list makes the glyphs and rows as high as its images; a cell too narrow for
    // more than its image is left to the view to paint.
    void imageListRebuildsGlyphsAndNarrowCellIsLeftToView()
    {
        TestGrid grid;
        Fill(grid, 1, {50, 80});
        const GridPaintState &ps = grid.PaintState();
        QCOMPARE(ps.arrowGlyph.size(), QSize(14, 13));
        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        grid.SetImageList({icon});
        QCOMPARE(QVector<QSize>({ps.arrowGlyph.size(), ps.dotsGlyph.size(), ps.uncheckedGlyph.size()}),
                 QVector<QSize>({QSize(14, 16), QSize(14, 16), QSize(14, 17)}));
        QVERIFY(grid.verticalHeader()->defaultSectionSize() >= 17);
        QVERIFY(grid.SetItemImage(0, 1, 0) && !grid.SetItemImage(1, 1, 0)); // one row only
        QImage target(100, 30, QImage::Format_RGB32);
        QPainter p(&target);
        QStyleOptionViewItem opt;
        opt.rect = QRect(0, 0, 18, 20);
        QVERIFY(!grid.PaintCell(&p, opt, grid.model()->index(0, 1)));
        opt.rect = QRect(0, 0, 19, 20);
        QVERIFY(grid.PaintCell(&p, opt, grid.model()->index(0, 1)));
        QCOMPARE(target.pixel(3, 3), QColor(Qt::red).rgb()); // the image at the cell's corner
    }

    // Rows are as high as their text and its margins, lower than the header's own minimum.
    void rowsAsHighAsTheirText()
    {
        TestGrid grid;
        Fill(grid, 1, {50});
        QCOMPARE(grid.rowHeight(0), grid.fontMetrics().height() + 3);
    }
};

QTEST_MAIN(TstGridDrawing)
#include "tst_grid_drawing.moc"
