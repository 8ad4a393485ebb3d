#pragma once

#include "app/PendingSteps.h"
#include "document/TransponderRow.h"
#include "grid/CGridCtrl.h"

#include <vector>

class QMenu;

// The transponder grid of the main window, a view of one satellite's rows: frequency and symbol
// rate edited as digits, the polarisation chosen from a drop-down, rows marked for deletion drawn
// bold and struck out, a sort on the Frequency and Sym.Rate headings, and a context menu to mark
// rows and add one.
//
// The cells hold the texts as shown and typed; which record a row stands for, and its mark, the
// list keeps beside the cells. Rows() reads the cells back as row values through the document's
// conversions. The list never touches the database; Apply in the main window stores the rows.
//
// Changes not applied yet (typed values, marks, new rows, sorts) are kept as steps that Undo and
// Redo walk back and forth, until the rows are shown afresh or applied.
class CTransponderList : public CGridCtrl
{
    Q_OBJECT
public:
    static constexpr int COL_INDEX = 0;
    static constexpr int COL_FREQUENCY = 1;
    static constexpr int COL_SYMBOL_RATE = 2;
    static constexpr int COL_POLAR = 3;
    // Context-menu commands.
    static constexpr int CMD_DELETE_TP = 4;
    static constexpr int CMD_ADD_TP = 5;

    explicit CTransponderList(QWidget *parent = nullptr);
    ~CTransponderList() override;

    static QString IndexText(int number) { return QString::asprintf("%5d", number); }

    // The four centred columns; does nothing when they are there already.
    void InsertTransponderColumns();

    // Shows the rows, numbered from 1, as the clean state; pending steps are forgotten.
    void ShowRows(const std::vector<TransponderRow> &rows);
    // The rows as shown, cells read as Apply reads them.
    std::vector<TransponderRow> Rows() const;
    TransponderRow Row(int row) const;
    bool IsMarked(int row) const;
    // After Apply stored rows (the list's rows, in order, with the records they got): marked rows
    // go, new rows stand for their records, and the rows are the clean state. The cells keep
    // their texts.
    void Applied(const std::vector<TransponderRow> &rows);

    // Delete TP: marks the row for deletion.
    void MarkRow(int row);
    // Marks the rows for deletion as one pending step named name.
    void MarkRows(const std::vector<int> &rows, const QString &name);
    // Rows drawn on a tint (duplicates of an earlier row), until the next call.
    void SetTintedRows(const std::vector<int> &rows);
    bool IsTinted(int row) const;
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

    // The pending steps, newest last; names as "Edit TP", "Delete TP", "Add TP", "Sort".
    bool CanUndo() const { return m_steps.CanUndo(); }
    bool CanRedo() const { return m_steps.CanRedo(); }
    QString UndoName() const { return m_steps.UndoName(); }
    QString RedoName() const { return m_steps.RedoName(); }
    // An open edit ends first (kept, as Enter keeps it), so that it is the step undone.
    bool Undo();
    bool Redo();

    QMenu *ContextMenu() const { return m_menu; }
    void OnCommand(int id);

    CellKind GetCellKind(int row, int column) override;
    bool GetCellStyle(int row, int column, QColor &text, QColor &background,
                      quint8 &style) override;
    bool CreateCellEdit(int row, int column, const QRect &rect) override;
    bool OnEndCellEdit(int row, int column, bool cancelled, const QString &text, int image) override;
    void OnCellRClick(int row, int column, const QRect &rect, const QPoint &point) override;
    void OnColumnClick(int column) override;
    void OnKeyDown(QKeyEvent *event) override;

signals:
    // The rows changed, or were shown or applied: what Undo and Redo would do may have changed.
    void pendingChanged();

private:
    // What a row stands for, besides its cells.
    struct Key {
        int record = TransponderRow::NEW;
        bool marked = false;
        friend bool operator==(const Key &a, const Key &b)
        {
            return a.record == b.record && a.marked == b.marked;
        }
    };
    // Every row's cells 1..3 and key.
    struct Snapshot {
        QStringList cells;
        std::vector<Key> keys;
        bool SameRows(const Snapshot &o) const { return cells == o.cells && keys == o.keys; }
    };

    // Rows are added and removed only with their keys: through this class's own operations.
    using CGridCtrl::DeleteAllItems;
    using CGridCtrl::DeleteItem;
    using CGridCtrl::GetItemData;
    using CGridCtrl::InsertItem;
    using CGridCtrl::SetItemData;

    int AddRow(const QString &frequency, const QString &symbolRate, const QString &polar, Key key);
    void RemoveRow(int row);
    Snapshot Take() const;
    void Restore(const Snapshot &snapshot);
    // Undo (back) and Redo: an open edit ends first, then the rows go to the step's.
    bool Step(bool back);
    // Runs a change of the rows as one pending step named name, when it changed anything.
    template <typename F> void Change(const QString &name, F change);

    QMenu *m_menu = nullptr;
    // Sort directions of the Frequency and Sym.Rate columns; they last as long as the list,
    // across satellites and files.
    bool m_sortFrequency = false;
    bool m_sortSymbolRate = false;
    std::vector<Key> m_keys; // one per row
    std::vector<bool> m_tinted;
    Snapshot m_clean;
    PendingSteps<Snapshot> m_steps{100}; // the oldest go first
    int m_changing = 0; // depth of Change: an edit ended inside a step belongs to it
};
