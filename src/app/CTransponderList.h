#pragma once

#include "grid/CGridCtrl.h"

#include <QVector>

class QMenu;

// The transponder grid of the main window: frequency and symbol rate edited as digits, the
// polarisation chosen from a drop-down, rows marked for deletion drawn bold and struck out, a
// sort on the Frequency and Sym.Rate headings, and a context menu to mark rows and add one.
//
// Each row's item data is the index of the transponder record it shows, NEW_ROW for a row not
// stored yet, with DELETED_ROW_MASK ORed in while it is marked for deletion. The list never
// touches the database; Apply in the main window stores the rows.
class CTransponderList : public CGridCtrl
{
    Q_OBJECT
public:
    static constexpr quint32 NEW_ROW = 2500;
    static constexpr quint32 DELETED_ROW_MASK = 0xFFFF0000u;
    static constexpr int COL_INDEX = 0;
    static constexpr int COL_FREQUENCY = 1;
    static constexpr int COL_SYMBOL_RATE = 2;
    static constexpr int COL_POLAR = 3;
    // Context-menu commands.
    static constexpr int CMD_DELETE_TP = 4;
    static constexpr int CMD_ADD_TP = 5;

    explicit CTransponderList(QWidget *parent = nullptr);
    ~CTransponderList() override;

    static bool IsMarked(quint32 data) { return (data & DELETED_ROW_MASK) != 0; }
    static QString IndexText(int number) { return QString::asprintf("%5d", number); }
    // A cell's number as the C library's atoi reads the first maxChars characters: blanks,
    // a sign, then digits up to the first other character; 0 without digits.
    static int CellNumber(const QString &text, int maxChars);

    // The four centred columns; does nothing when they are there already.
    void InsertTransponderColumns();

    // Command 4 and the Delete key: toggles the deletion mark of every selected row.
    void ToggleSelectedMarks();
    // Command 5: a new row after the last, 2000 MHz, 27500 kS/s, "Hori".
    void AppendNewRow();
    // The header click on column 1 or 2; other columns do nothing.
    void SortByColumn(int column);
    bool SortAscending(int column) const;

    // Whether the rows differ from what they were at the last MarkClean (a fill or an Apply):
    // edited cells, new rows, marks, or another order.
    bool IsModified() const;
    void MarkClean();

    QMenu *ContextMenu() const { return m_menu; }
    void OnCommand(int id);

    CellKind GetCellKind(int row, int column) override;
    bool GetCellStyle(int row, int column, QColor &text, QColor &background,
                      quint8 &style) override;
    bool CreateCellEdit(int row, int column, const QRect &rect) override;
    void OnCellRClick(int row, int column, const QRect &rect, const QPoint &point) override;
    void OnColumnClick(int column) override;
    void OnKeyDown(QKeyEvent *event) override;

private:
    QStringList RowsState() const;

    QMenu *m_menu = nullptr;
    // Sort directions of the Frequency and Sym.Rate columns; they last as long as the list,
    // across satellites and files.
    bool m_sortFrequency = false;
    bool m_sortSymbolRate = false;
    QStringList m_cleanRows;
};
