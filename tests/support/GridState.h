#pragma once

#include "grid/CGridCtrl.h"

#include <QString>

// The grid's focus cell, selected rows and open editor in one line, e.g. "focus 1,2 sel 1 3 edit 1,2".
inline QString State(CGridCtrl &grid)
{
    QString s = QStringLiteral("focus %1,%2 sel").arg(grid.GetFocusRow()).arg(grid.GetFocusColumn());
    for (int row : grid.GetSelectedRows())
        s += QStringLiteral(" %1").arg(row);
    if (grid.IsEditing())
        s += QStringLiteral(" edit %1,%2").arg(grid.GetEditRow()).arg(grid.GetEditColumn());
    return s;
}
