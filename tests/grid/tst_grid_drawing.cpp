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

// Where a button glyph lands in a framed cell of a grid without grid lines.
QRect GlyphRect(const QRect &cell, int glyphHeight)
{
    const QRect r = cell.adjusted(0, 0, -1, -1);
    const int w = qMin(14, r.width());
    const int h = qMin(glyphHeight, r.height());
    return QRect(r.right() - w + 1, r.top() + (r.height() - h) / 2, w, h);
}

QImage Rgb(const QPixmap &p)
{
    return p.toImage().convertToFormat(QImage::Format_RGB32);
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
    void dropDownCellShowsArrowAtRight()
    {
        GridWindow w({CELL_TEXT, CELL_DROPLIST, CELL_BUTTON, CELL_DROPDOWN}, 3, kWidths);
        QVERIFY(ShowActive(w.top));
        const QImage img = Shot(w);
        const GridPaintState &ps = w.grid->PaintState();

        const QRect arrowAt = GlyphRect(CellRect(*w.grid, 0, 1), 13);
        QCOMPARE(img.copy(arrowAt), Rgb(ps.arrowGlyph).copy(0, 0, 14, arrowAt.height()));
        // The glyph's own drawing: a right edge and a downward triangle in the shadow colour.
        QCOMPARE(img.pixel(arrowAt.right(), arrowAt.top() + 3), ps.shadowColour.rgb());
        QCOMPARE(img.pixel(arrowAt.left() + 6, arrowAt.top() + 13 / 2 + 1), ps.shadowColour.rgb());
        QCOMPARE(img.pixel(arrowAt.left() + 3, arrowAt.top() + 13 / 2), ps.faceColour.rgb());
        // Left of the glyph: the cell's frame.
        QCOMPARE(img.pixel(CellRect(*w.grid, 0, 1).left(), arrowAt.top() + 3), ps.shadowColour.rgb());

        const QRect dotsAt = GlyphRect(CellRect(*w.grid, 1, 2), 13);
        QCOMPARE(img.copy(dotsAt), Rgb(ps.dotsGlyph).copy(0, 0, 14, dotsAt.height()));
        QCOMPARE(img.pixel(dotsAt.left() + 5, dotsAt.top() + 13 - 5), ps.shadowColour.rgb());

        // A cell 10 pixels wide shows the right-hand 10 pixels of the arrow, nothing else.
        const QRect narrow = GlyphRect(CellRect(*w.grid, 2, 3), 13);
        QCOMPARE(narrow.width(), 9); // one column of the 10 is the strip left for the view
        QCOMPARE(img.copy(narrow), Rgb(ps.arrowGlyph).copy(14 - 9, 0, 9, narrow.height()));
    }

    void checkBoxesAndLine()
    {
        GridWindow w({CELL_TEXT, CELL_CHECKED, CELL_UNCHECKED, CELL_LINE}, 3, kWidths);
        w.grid->SetItemText(0, 3, QStringLiteral("hidden"));
        QVERIFY(ShowActive(w.top));
        const QImage img = Shot(w);
        const GridPaintState &ps = w.grid->PaintState();
        for (int column : {1, 2}) {
            const QPixmap &glyph = column == 1 ? ps.checkedGlyph : ps.uncheckedGlyph;
            const QRect cell = CellRect(*w.grid, 0, column);
            const int h = qMin(glyph.height(), cell.height());
            const QRect at(cell.left(), cell.top() + (cell.height() - h) / 2, 14, h);
            QCOMPARE(img.copy(at), Rgb(glyph).copy(0, 0, 14, h));
        }
        QVERIFY(Rgb(ps.checkedGlyph) != Rgb(ps.uncheckedGlyph));
        const QRect line = CellRect(*w.grid, 0, 3).adjusted(0, 0, 0, 0);
        const int mid = line.top() + line.height() / 2;
        QCOMPARE(PixelsNotOf(img, QRect(line.left(), mid, line.width(), 1), ps.textColour), 0);
        // Nothing else in the line cell: no text.
        QCOMPARE(PixelsNotOf(img, QRect(line.left(), line.top(), line.width(), mid - line.top()),
                             ps.windowColour), 0);
    }

    void highlightInFocusColumnFrameWithKeyboardFocus()
    {
        GridWindow w({CELL_TEXT, CELL_TEXT, CELL_EDIT}, 3, kWidths);
        QVERIFY(ShowActive(w.top));
        w.grid->SetItemText(1, 1, QString());
        QVERIFY(w.grid->SetFocusCell(1, 1, true));
        w.grid->SelectFocusRow();
        w.grid->SetRowSelected(0, true);
        w.other->setFocus();
        QVERIFY(WaitUntil([&] { return w.other->hasFocus(); }));
        QImage img = Shot(w);
        const GridPaintState &ps = w.grid->PaintState();
        QVERIFY(ps.highlightColour != ps.windowColour);
        auto spot = [&](int row, int column) {
            const QRect c = CellRect(*w.grid, row, column);
            return img.pixel(c.right() - 3, c.center().y());
        };
        QCOMPARE(spot(0, 1), ps.highlightColour.rgb());
        QCOMPARE(spot(2, 1), ps.windowColour.rgb());
        QCOMPARE(spot(0, 0), ps.windowColour.rgb());
        QCOMPARE(spot(1, 2), ps.windowColour.rgb());
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
    }

    void buttonFaceBelowLastRow()
    {
        GridWindow w({CELL_TEXT}, 3, kWidths);
        QVERIFY(ShowActive(w.top));
        QVERIFY(w.grid->GetCountPerPage() >= 10);
        const QImage img = Shot(w);
        const int below = CellRect(*w.grid, 2, 0).bottom() + 1;
        const QRect area(0, below, img.width(), img.height() - below);
        QCOMPARE(PixelsNotOf(img, area, w.grid->PaintState().faceColour), 0);

        w.grid->DeleteAllItems();
        QCOMPARE(PixelsNotOf(Shot(w), QRect(0, 0, 100, 50), w.grid->PaintState().faceColour), 0);
    }

    void styleAndColoursFromHook()
    {
        GridWindow w({CELL_TEXT, CELL_TEXT}, 3, kWidths);
        for (int r = 0; r < 3; ++r)
            w.grid->SetItemText(r, 1, QStringLiteral("11766"));
        w.grid->rowStyles[0] = FONT_BOLD | FONT_STRIKEOUT;
        w.grid->rowStyles[2] = FONT_BOLD;
        QVERIFY(ShowActive(w.top));
        const QImage img = Shot(w);
        const QImage struck = img.copy(CellRect(*w.grid, 0, 1));
        const QImage plain = img.copy(CellRect(*w.grid, 1, 1));
        const QImage bold = img.copy(CellRect(*w.grid, 2, 1));
        QVERIFY(struck != plain);
        QVERIFY(struck != bold);
        QVERIFY(bold != plain);
    }

    void imageListRebuildsGlyphsAndNarrowCellIsLeftToView()
    {
        TestGrid grid;
        grid.columnKinds = {CELL_TEXT, CELL_EDIT};
        Fill(grid, 1, {50, 80});
        QCOMPARE(grid.PaintState().arrowGlyph.size(), QSize(14, 13));
        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        grid.SetImageList({icon});
        QCOMPARE(grid.PaintState().arrowGlyph.size(), QSize(14, 16));
        QCOMPARE(grid.PaintState().dotsGlyph.size(), QSize(14, 16));
        QCOMPARE(grid.PaintState().uncheckedGlyph.size(), QSize(14, 17));
        QVERIFY(grid.verticalHeader()->defaultSectionSize() >= 17);

        // A cell too narrow for more than its image is left to the view to paint.
        grid.SetItemImage(0, 1, 0);
        QImage target(100, 30, QImage::Format_RGB32);
        QPainter p(&target);
        QStyleOptionViewItem opt;
        const QModelIndex index = grid.model()->index(0, 1);
        opt.rect = QRect(0, 0, 18, 20);
        QVERIFY(!grid.PaintCell(&p, opt, index));
        opt.rect = QRect(0, 0, 19, 20);
        QVERIFY(grid.PaintCell(&p, opt, index));
        QCOMPARE(grid.PaintState().image, 0);
        QCOMPARE(target.pixel(3, 3), QColor(Qt::red).rgb()); // the image at the cell's corner
    }
};

QTEST_MAIN(TstGridDrawing)
#include "tst_grid_drawing.moc"
