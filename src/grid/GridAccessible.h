#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>

class CGridCtrl;

// The grid as assistive technology sees it: Qt's table, numbered as Qt numbers a table view's
// children (so that the view's own focus and selection events name the right cell), except
// that a cell says whether it can be edited (its kind) and only one object, the editor, the
// focus cell or the grid, reports the focus at a time.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(CGridCtrl *grid);
    ~GridAccessible() override;
    // The factory QAccessible::installFactory takes.
    static QAccessibleInterface *Factory(const QString &className, QObject *object);

    CGridCtrl *Grid() const;
    // Child numbering: the corner and the row headers are column 0, the column headers row 0.
    int ChildIndex(int row, int column) const;

    // QAccessibleInterface
    QAccessible::State state() const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *child(int index) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    void Forget(bool all);

    // Cells by their index, so that a cached cell stays the same cell when rows move; the headers
    // and the corner by their child index.
    mutable QHash<QPersistentModelIndex, QAccessible::Id> m_cells;
    mutable QHash<int, QAccessible::Id> m_headers; // by child index; cleared when columns change
};
