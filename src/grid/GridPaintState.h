#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <optional>

class QPainter;
class QPalette;

// Everything one cell's painting needs, filled by the grid before it calls a Draw...Cell painter,
// plus the resources that outlive a paint cycle: the four button glyphs, the colours and the
// cached cell font.
struct GridPaintState {
    static constexpr int kGlyphWidth = 14;

    // The cell being painted.
    QPainter *painter = nullptr;
    bool drawFocus = false;     // focus cell of a grid that has the keyboard focus
    bool drawSelected = false;  // focus column of a selected row
    int alignment = 0;          // the column's format: 0 left, 1 right, 2 centre
    QRect rect;
    QString text;
    int kind = 0;
    int image = -1;
    bool gridLines = false;
    int row = -1;
    int column = -1;

    // Glyphs, rendered once and copied into the cells.
    QPixmap arrowGlyph;
    QPixmap dotsGlyph;
    QPixmap checkedGlyph;
    QPixmap uncheckedGlyph;
    bool glyphsBuilt = false;

    // Colours taken from the palette.
    QColor shadowColour;
    QColor windowColour;
    QColor highlightColour;
    QColor faceColour;
    QColor textColour;
    QColor highlightTextColour;

    // One font cached by style byte.
    std::optional<QFont> cellFont;
    quint8 cellFontStyle = 0;

    void TakeColours(const QPalette &palette);
    // Renders the glyphs for a row of glyph height h (16 with a small image list, 13 without).
    void BuildGlyphs(int h);
    // The font for a style byte (bit 0 bold, 1 italic, 2 underline, 3 strike-out) on top of base.
    const QFont &CellFont(const QFont &base, quint8 style);
    void ForgetFont() { cellFont.reset(); }
};
