// How the grid paints its cells, its glyphs and the area below its rows.
#include "CGridCtrl.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPaintEvent>

void CGridCtrl::CreateCellGlyphs()
{
    m_paint.BuildGlyphs(GlyphHeight());
    viewport()->update();
}

void CGridCtrl::OnSetImageList(const QVector<QPixmap> &images)
{
    m_images = images;
    if (m_destroying)
        return;
    // The glyphs are as high as an image row.
    CreateCellGlyphs();
    UpdateRowHeight();
}

void CGridCtrl::OnSysColorChange()
{
    m_paint.TakeColours(palette());
    CreateCellGlyphs();
}

void CGridCtrl::UpdateRowHeight()
{
    const int textHeight = fontMetrics().height() + 3;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(qMax(textHeight, GlyphHeight() + 2));
}

void CGridCtrl::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        OnSysColorChange();
    else if (event->type() == QEvent::FontChange) {
        m_paint.ForgetFont();
        UpdateRowHeight();
    }
}

const QFont &CGridCtrl::CreateCellFont(quint8 style)
{
    return m_paint.CellFont(font(), style);
}

void CGridCtrl::paintEvent(QPaintEvent *event)
{
    // Below the last row the grid shows the button face, not the window colour.
    const int rows = rowCount();
    const int bottom = rows > 0 ? rowViewportPosition(rows - 1) + rowHeight(rows - 1) : 0;
    if (bottom < viewport()->height()) {
        QPainter p(viewport());
        p.fillRect(QRect(0, bottom, viewport()->width(), viewport()->height() - bottom),
                   m_paint.faceColour);
    }
    QTableWidget::paintEvent(event);
}

bool CGridCtrl::PaintCell(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index)
{
    GridPaintState &ps = m_paint;
    ps.row = index.row();
    ps.column = index.column();
    ps.image = -1;
    ps.alignment = GetColumnFormat(ps.column);
    ps.gridLines = showGrid();
    ps.rect = option.rect;
    const QTableWidgetItem *it = item(ps.row, ps.column);
    ps.text = it ? it->text() : QString();
    const int image = GetItemImage(ps.row, ps.column);
    ps.kind = GetCellKind(ps.row, ps.column);

    painter->save();
    ps.painter = painter;
    if (ps.kind != CELL_LINE && image >= 0 && image < m_images.size()) {
        ps.image = image;
        const QRect strip(ps.rect.left(), ps.rect.top(), kImageStrip, ps.rect.height());
        painter->fillRect(strip.intersected(ps.rect), m_paint.windowColour);
        painter->drawPixmap(ps.rect.topLeft(), m_images[image]);
        ps.rect.setLeft(ps.rect.left() + kImageStrip);
    }
    if (ps.rect.width() < 2) {
        // Too narrow to paint anything of ours: the view's own drawing does.
        painter->restore();
        ps.painter = nullptr;
        return false;
    }
    ps.drawFocus = ps.row == m_focusRow && ps.column == m_focusColumn && hasFocus();
    ps.drawSelected = ps.column == m_focusColumn && (option.state & QStyle::State_Selected);

    switch (ps.kind) {
    case CELL_TEXT: DrawTextCell(); break;
    case CELL_BUTTON: DrawButtonCell(); break;
    case CELL_EDIT: DrawEditCell(); break;
    case CELL_DROPLIST:
    case CELL_DROPDOWN: DrawComboCell(); break;
    case CELL_CHECKED:
    case CELL_UNCHECKED: DrawCheckCell(); break;
    case CELL_LINE: DrawLineCell(); break;
    default: break; // unknown kinds paint nothing
    }
    painter->restore();
    ps.painter = nullptr;
    return true;
}

void CGridCtrl::DrawTextBody(QRect rect)
{
    GridPaintState &ps = m_paint;
    QPainter *p = ps.painter;
    QColor background = ps.drawSelected ? ps.highlightColour : ps.windowColour;
    QColor text = ps.drawSelected ? ps.highlightTextColour : ps.textColour;
    quint8 style = 0;
    if (GetCellStyle(ps.row, ps.column, text, background, style) && style != 0)
        p->setFont(CreateCellFont(style));

    p->fillRect(rect, background);
    if (ps.drawFocus) {
        // A dotted frame in the inverse of the background, one pixel wide, on the cell's edge.
        QPen pen(QColor(255 - background.red(), 255 - background.green(), 255 - background.blue()));
        pen.setStyle(Qt::DotLine);
        pen.setWidth(0);
        p->setPen(pen);
        p->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    rect.adjust(2, 0, -2, 0);
    if (rect.width() <= 0)
        return;
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= ps.alignment == LVCFMT_LEFT ? Qt::AlignLeft
             : ps.alignment == LVCFMT_CENTER ? Qt::AlignHCenter
                                              : Qt::AlignRight;
    p->setPen(text);
    const QString shown = p->fontMetrics().elidedText(ps.text, Qt::ElideRight, rect.width());
    p->drawText(rect, flags, shown);
}

void CGridCtrl::DrawTextCell()
{
    DrawTextBody(m_paint.rect);
}

namespace {

void FrameRect(QPainter *p, const QRect &r, const QColor &colour)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p->fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    p->fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    p->fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

// Without grid lines a framed cell gives up its right and bottom pixel, which the view would
// show in its own row colours; they get the window colour, as the gap between two cells.
QRect FramedArea(const GridPaintState &ps)
{
    QRect r = ps.rect;
    if (ps.gridLines)
        return r;
    ps.painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), ps.windowColour);
    ps.painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ps.windowColour);
    return r.adjusted(0, 0, -1, -1);
}

} // namespace

void CGridCtrl::DrawEditCell()
{
    GridPaintState &ps = m_paint;
    const QRect r = FramedArea(ps);
    FrameRect(ps.painter, r, ps.shadowColour);
    DrawTextBody(r.adjusted(1, 1, -1, -1));
}

// Copies a button glyph into the right-hand 14 pixels of the cell; a narrower cell shows the
// glyph's right-hand part. The rest of the cell is framed and gets the text.
void CGridCtrl::DrawButtonGlyph(const QPixmap &glyph)
{
    GridPaintState &ps = m_paint;
    QPainter *p = ps.painter;
    QRect r = FramedArea(ps);
    const int gw = GridPaintState::kGlyphWidth;
    const int w = qMin(gw, r.width());
    const int gh = qMin(glyph.height(), r.height());
    const int gy = r.top() + (r.height() - gh) / 2;
    // The strip around a glyph lower than the row keeps the window colour.
    p->fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), ps.windowColour);
    p->drawPixmap(QPoint(r.right() - w + 1, gy), glyph, QRect(gw - w, 0, w, gh));
    if (r.width() <= gw)
        return;
    r.setRight(r.right() - gw);
    FrameRect(p, r, ps.shadowColour);
    DrawTextBody(r.adjusted(1, 1, -1, -1));
}

void CGridCtrl::DrawComboCell()
{
    DrawButtonGlyph(m_paint.arrowGlyph);
}

void CGridCtrl::DrawButtonCell()
{
    DrawButtonGlyph(m_paint.dotsGlyph);
}

void CGridCtrl::DrawCheckCell()
{
    GridPaintState &ps = m_paint;
    const QPixmap &glyph = ps.kind == CELL_CHECKED ? ps.checkedGlyph : ps.uncheckedGlyph;
    QRect r = ps.rect;
    const int w = qMin(GridPaintState::kGlyphWidth, r.width());
    const int gh = qMin(glyph.height(), r.height());
    ps.painter->fillRect(QRect(r.left(), r.top(), w, r.height()), ps.windowColour);
    ps.painter->drawPixmap(QPoint(r.left(), r.top() + (r.height() - gh) / 2), glyph,
                           QRect(0, 0, w, gh));
    r.setLeft(r.left() + GridPaintState::kGlyphWidth);
    if (r.width() > 0)
        DrawTextBody(r);
}

void CGridCtrl::DrawLineCell()
{
    GridPaintState &ps = m_paint;
    QColor background = ps.windowColour;
    QColor text = ps.textColour;
    quint8 style = 0; // a line has no font
    GetCellStyle(ps.row, ps.column, text, background, style);
    const QRect &r = ps.rect;
    ps.painter->fillRect(r, background);
    ps.painter->fillRect(QRect(r.left(), r.top() + r.height() / 2, r.width(), 1), text);
}
