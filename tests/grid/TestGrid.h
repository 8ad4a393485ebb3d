#pragma once

// A grid whose cell kinds the test sets, and which records what its hooks were asked.
#include "GridScript.h"
#include "TestEnv.h"

#include "grid/CGridCtrl.h"

#include <QLineEdit>
#include <QtTest>

struct EndedEdit { int row, column; bool cancelled; QString text; int image; };

class TestGrid : public CGridCtrl
{
public:
    using CGridCtrl::CGridCtrl;

    QVector<CellKind> columnKinds;           // per column; missing columns are CELL_TEXT
    QHash<QPair<int, int>, CellKind> cellKinds; // exceptions per cell
    QVector<QPair<int, int>> checks, buttons, rclicks; // (row, column) of each call
    QVector<QPair<int, int>> dblclicks;
    QVector<EndedEdit> ends;
    int rejects = 0;                         // how many edits to refuse before accepting
    QHash<int, quint8> rowStyles;
    QStringList choices;                     // empty: the grid's own choices
    QVector<int> choiceImages;

    CellKind GetCellKind(int row, int column) override
    {
        return cellKinds.value({row, column}, column < columnKinds.size() ? columnKinds[column] : CELL_TEXT);
    }
    bool GetCellStyle(int row, int column, QColor &text, QColor &bg, quint8 &style) override
    {
        if (!rowStyles.contains(row))
            return CGridCtrl::GetCellStyle(row, column, text, bg, style);
        style = rowStyles.value(row);
        return true;
    }
    void OnCellCheck(int row, int column) override { checks.append({row, column}); }
    void GetCellChoices(int row, int column, bool &useImages, QStringList &list,
                        QVector<int> &images) override
    {
        if (choices.isEmpty())
            return CGridCtrl::GetCellChoices(row, column, useImages, list, images);
        list = choices;
        images = choiceImages;
        useImages = !choiceImages.isEmpty();
    }
    void OnCellRClick(int row, int column, const QRect &, const QPoint &) override { rclicks.append({row, column}); }
    void OnCellButton(int row, int column) override { buttons.append({row, column}); }
    void OnCellDblClk(int row, int column, const QRect &cell) override
    {
        dblclicks.append({row, column});
        CGridCtrl::OnCellDblClk(row, column, cell);
    }
    // A header click rewrites the rows in place, reversed, as a sort does.
    void OnColumnClick(int) override
    {
        for (int r = 0, n = GetItemCount(); r < n / 2; ++r)
            for (int c = 0; c < GetColumnCount(); ++c) {
                const QString top = GetItemText(r, c);
                SetItemText(r, c, GetItemText(n - 1 - r, c));
                SetItemText(n - 1 - r, c, top);
            }
    }
    bool OnEndCellEdit(int row, int column, bool cancelled, const QString &text, int image) override
    {
        ends.append({row, column, cancelled, text, image});
        if (rejects > 0) {
            --rejects;
            return false;
        }
        return CGridCtrl::OnEndCellEdit(row, column, cancelled, text, image);
    }
};

// A grid of `rows` rows and the given columns, each cell reading "r<row>c<column>".
inline void Fill(CGridCtrl &grid, int rows, const QVector<int> &widths)
{
    for (int c = 0; c < widths.size(); ++c)
        grid.InsertColumn(c, QStringLiteral("Col%1").arg(c), LVCFMT_LEFT, widths[c]);
    for (int r = 0; r < rows; ++r) {
        grid.InsertItem(r, QStringLiteral("r%1c0").arg(r));
        for (int c = 1; c < widths.size(); ++c)
            grid.SetItemText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    }
}

// Shows the grid in an active window so that keyboard focus behaves as for a user.
inline bool ShowActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

inline QRect CellRect(CGridCtrl &grid, int row, int column)
{
    QRect r;
    grid.GetCellRect(row, column, r);
    return r;
}

// A window with the grid and one other focusable widget to move the focus to.
struct GridWindow {
    QWidget top;
    TestGrid *grid;
    QLineEdit *other;
    explicit GridWindow(const QVector<CellKind> &kinds = {}, int rows = 4,
                        const QVector<int> &widths = {50, 80, 60, 40}, QSize size = {400, 250})
    {
        top.resize(size.width(), size.height() + 50);
        (grid = new TestGrid(&top))->setGeometry(QRect(QPoint(0, 0), size));
        (other = new QLineEdit(&top))->setGeometry(0, size.height() + 10, 100, 24);
        grid->columnKinds = kinds;
        Fill(*grid, rows, widths);
    }
    // Shows the window active with the focus cell at (row, column), its row selected.
    bool ShowWithFocusAt(int row, int column)
    {
        if (!ShowActive(top))
            return false;
        grid->setFocus();
        const bool ok = row < 0 || grid->SetFocusCell(row, column, false);
        grid->SelectFocusRow();
        return ok;
    }
    // Plays inputs as Play() does; "other" clicks the other widget.
    void Drive(const QString &script)
    {
        Play(*grid, script.split(QLatin1Char(' '), Qt::SkipEmptyParts), [this](const QString &token) {
            return token == QLatin1String("other") && (QTest::mouseClick(other, Qt::LeftButton), true);
        });
    }
    // State() plus the buttons pressed, cells right-clicked and the type-ahead tip, e.g.
    // "focus 1,1 sel 1 pressed 1,2 tip r1_".
    QString Seen() const
    {
        QString s = State(*grid);
        for (auto cell : grid->buttons)
            s += QStringLiteral(" pressed %1,%2").arg(cell.first).arg(cell.second);
        for (auto cell : grid->rclicks)
            s += QStringLiteral(" rclick %1,%2").arg(cell.first).arg(cell.second);
        for (auto cell : grid->dblclicks)
            s += QStringLiteral(" dblclick %1,%2").arg(cell.first).arg(cell.second);
        if (grid->GetTypeAheadTip()->isVisible())
            s += QStringLiteral(" tip ") + grid->GetTypeAheadTipText();
        return s;
    }
};

using Cells = QVector<QPair<int, int>>;
