#include "GridPaintState.h"

#include <QImage>
#include <QPainter>
#include <QPalette>

void GridPaintState::TakeColours(const QPalette &palette)
{
    shadowColour = palette.color(QPalette::Active, QPalette::Dark);
    windowColour = palette.color(QPalette::Active, QPalette::Base);
    highlightColour = palette.color(QPalette::Active, QPalette::Highlight);
    faceColour = palette.color(QPalette::Active, QPalette::Button);
    textColour = palette.color(QPalette::Active, QPalette::Text);
    highlightTextColour = palette.color(QPalette::Active, QPalette::HighlightedText);
}

namespace {

// The button's face with its top, right and bottom edge; the left edge joins the cell's frame.
QImage ButtonFace(int h, const QColor &face, const QColor &shadow)
{
    QImage img(GridPaintState::kGlyphWidth, h, QImage::Format_RGB32);
    img.fill(face);
    const QRgb s = shadow.rgb();
    for (int x = 0; x < GridPaintState::kGlyphWidth; ++x) {
        img.setPixel(x, 0, s);
        img.setPixel(x, h - 1, s);
    }
    for (int y = 0; y < h; ++y)
        img.setPixel(GridPaintState::kGlyphWidth - 1, y, s);
    return img;
}

} // namespace

void GridPaintState::BuildGlyphs(int h)
{
    glyphsBuilt = false;
    const QRgb s = shadowColour.rgb();

    QImage arrow = ButtonFace(h, faceColour, shadowColour);
    const int mid = h / 2;
    for (int x = 4; x <= 8; ++x)
        arrow.setPixel(x, mid - 1, s);
    for (int x = 5; x <= 7; ++x)
        arrow.setPixel(x, mid, s);
    arrow.setPixel(6, mid + 1, s);
    arrowGlyph = QPixmap::fromImage(arrow);

    QImage dots = ButtonFace(h, faceColour, shadowColour);
    for (int x0 : {2, 5, 8})
        for (int x = x0; x < x0 + 2; ++x)
            for (int y = h - 5; y <= h - 4; ++y)
                dots.setPixel(x, y, s);
    dotsGlyph = QPixmap::fromImage(dots);

    const int boxH = h + 1;
    const int t = (boxH - 11) / 2;
    QImage unchecked(kGlyphWidth, boxH, QImage::Format_RGB32);
    unchecked.fill(windowColour);
    for (int i = 0; i < 11; ++i) {
        unchecked.setPixel(1 + i, t, s);
        unchecked.setPixel(1 + i, t + 10, s);
        unchecked.setPixel(1, t + i, s);
        unchecked.setPixel(11, t + i, s);
    }
    uncheckedGlyph = QPixmap::fromImage(unchecked);

    QImage checked = unchecked;
    {
        QPainter p(&checked);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(shadowColour, 0));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPoint(3, t + 4 + i), QPoint(5, t + 6 + i));
            p.drawLine(QPoint(5, t + 6 + i), QPoint(10, t + 1 + i));
        }
    }
    checkedGlyph = QPixmap::fromImage(checked);
    glyphsBuilt = true;
}

const QFont &GridPaintState::CellFont(const QFont &base, quint8 style)
{
    if (cellFont && cellFontStyle == style)
        return *cellFont;
    QFont f = base;
    f.setBold(style & 1);
    f.setItalic(style & 2);
    f.setUnderline(style & 4);
    f.setStrikeOut(style & 8);
    cellFont = f;
    cellFontStyle = style;
    return *cellFont;
}
