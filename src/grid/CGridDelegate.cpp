#include "CGridDelegate.h"

#include "CGridCtrl.h"

CGridDelegate::CGridDelegate(CGridCtrl *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void CGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    if (!m_grid->PaintCell(painter, option, index))
        QStyledItemDelegate::paint(painter, option, index);
}
