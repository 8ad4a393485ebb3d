#pragma once

// A grid that shows one row per cell kind, for the screenshot.
#include "grid/CGridCtrl.h"

class DemoGrid : public CGridCtrl
{
public:
    using CGridCtrl::CGridCtrl;
    CellKind GetCellKind(int row, int column) override
    {
        if (column == 0)
            return CELL_TEXT;
        static const CellKind kinds[] = {CELL_TEXT,     CELL_BUTTON,  CELL_EDIT,
                                         CELL_DROPLIST, CELL_DROPDOWN, CELL_CHECKED,
                                         CELL_UNCHECKED, CELL_LINE,   CELL_EDIT};
        return kinds[row % 9];
    }
    bool GetCellStyle(int row, int, QColor &text, QColor &background, quint8 &style) override
    {
        if (row != 8)
            return false;
        // The look of a row marked for deletion, and a coloured cell.
        style = FONT_BOLD | FONT_STRIKEOUT;
        text = QColor(0x80, 0, 0);
        background = QColor(0xff, 0xf0, 0xd0);
        return true;
    }
};
