#pragma once

#include <QStyledItemDelegate>

class CGridCtrl;

// Hands every cell's painting to its grid; a cell the grid declines is painted as usual.
class CGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CGridDelegate(CGridCtrl *grid);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    CGridCtrl *m_grid;
};
