#include "GridAccessible.h"

#include "CGridCtrl.h"

#include <QHeaderView>
#include <QPointer>

namespace {

bool EditableKind(CellKind kind)
{
    return kind == CELL_EDIT || kind == CELL_DROPLIST || kind == CELL_DROPDOWN || kind == CELL_BUTTON
        || kind == CELL_CHECKED || kind == CELL_UNCHECKED;
}

// One cell.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    GridCellAccessible(CGridCtrl *grid, const QModelIndex &index) : m_grid(grid), m_index(index) {}

    bool isValid() const override { return m_grid && m_index.isValid(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString &) override {}
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        const QString spoken = m_index.data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? m_index.data(Qt::DisplayRole).toString() : spoken;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_grid->visualRect(m_index);
        return r.translated(m_grid->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State st;
        if (!isValid())
            return st;
        st.selectable = st.focusable = st.extSelectable = true;
        st.selected = isSelected();
        st.invisible = !m_grid->viewport()->rect().intersects(m_grid->visualRect(m_index));
        const CellKind kind = m_grid->GetCellKind(rowIndex(), columnIndex());
        st.editable = EditableKind(kind);
        st.checkable = kind == CELL_CHECKED || kind == CELL_UNCHECKED;
        st.checked = kind == CELL_CHECKED;
        // While an editor is open, it has the focus, not its cell.
        st.focused = m_grid->hasFocus() && !m_grid->IsEditing() && rowIndex() == m_grid->GetFocusRow()
                     && columnIndex() == m_grid->GetFocusColumn();
        return st;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && m_grid->IsRowSelected(m_index.row()); }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QAccessibleInterface *t = table();
        QAccessibleInterface *head = t ? t->child(static_cast<GridAccessible *>(t)->ChildIndex(-1, columnIndex())) : nullptr;
        return head ? QList<QAccessibleInterface *>{head} : QList<QAccessibleInterface *>{};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index.column(); }
    int rowIndex() const override { return m_index.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<CGridCtrl> m_grid;
    QPersistentModelIndex m_index;
};

// A column heading; the hidden row headers and the corner are empty and invisible.
class GridHeaderAccessible : public QAccessibleInterface
{
public:
    GridHeaderAccessible(CGridCtrl *grid, int column) : m_grid(grid), m_column(column) {}

    bool isValid() const override { return m_grid && m_column < m_grid->GetColumnCount(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return m_column >= 0 ? QAccessible::ColumnHeader : QAccessible::RowHeader; }
    void setText(QAccessible::Text, const QString &) override {}
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name && m_column >= 0 ? m_grid->GetColumnHeading(m_column) : QString();
    }
    QRect rect() const override
    {
        if (!isValid() || m_column < 0)
            return {};
        const QHeaderView *h = m_grid->horizontalHeader();
        return QRect(h->mapToGlobal(QPoint(h->sectionViewportPosition(m_column), 0)),
                     QSize(h->sectionSize(m_column), h->height()));
    }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.invisible = !isValid() || m_column < 0 || !m_grid->horizontalHeader()->isVisible();
        return st;
    }

private:
    QPointer<CGridCtrl> m_grid;
    int m_column; // -1: a row header or the corner
};

} // namespace

GridAccessible::GridAccessible(CGridCtrl *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible()
{
    Forget(true);
}

QAccessibleInterface *GridAccessible::Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("CGridCtrl") && object && object->isWidgetType())
        return new GridAccessible(static_cast<CGridCtrl *>(object));
    return nullptr;
}

CGridCtrl *GridAccessible::Grid() const
{
    return static_cast<CGridCtrl *>(widget());
}

int GridAccessible::ChildIndex(int row, int column) const
{
    return (row + 1) * (columnCount() + 1) + column + 1;
}

QAccessible::State GridAccessible::state() const
{
    QAccessible::State st = QAccessibleWidget::state();
    // The focus cell reports the focus while there is one.
    if (st.focused && Grid()->GetFocusRow() >= 0 && Grid()->GetFocusRow() < rowCount() && !Grid()->IsEditing())
        st.focused = false;
    return st;
}

int GridAccessible::columnCount() const
{
    return Grid()->GetColumnCount();
}

int GridAccessible::rowCount() const
{
    return Grid()->GetItemCount();
}

int GridAccessible::childCount() const
{
    return (rowCount() + 1) * (columnCount() + 1);
}

QAccessibleInterface *GridAccessible::child(int index) const
{
    const int columns = columnCount() + 1;
    if (index < 0 || index >= childCount())
        return nullptr;
    const int row = index / columns - 1, column = index % columns - 1;
    if (row >= 0 && column >= 0)
        return cellAt(row, column);
    if (const auto found = m_headers.constFind(index); found != m_headers.cend())
        return QAccessible::accessibleInterface(found.value());
    QAccessibleInterface *head = new GridHeaderAccessible(Grid(), row < 0 ? column : -1);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(head);
    m_headers.insert(index, id);
    return head;
}

QAccessibleInterface *GridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const QPersistentModelIndex index(Grid()->model()->index(row, column));
    if (const auto found = m_cells.constFind(index); found != m_cells.cend())
        return QAccessible::accessibleInterface(found.value());
    QAccessibleInterface *cell = new GridCellAccessible(Grid(), index);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int GridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->role() == QAccessible::Cell) {
        const auto *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface();
        return cell && child->parent() == this ? ChildIndex(cell->rowIndex(), cell->columnIndex()) : -1;
    }
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    return m_headers.key(id, -1);
}

QAccessibleInterface *GridAccessible::childAt(int x, int y) const
{
    const QPoint at = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = Grid()->indexAt(at);
    if (Grid()->viewport()->rect().contains(at) && index.isValid())
        return cellAt(index.row(), index.column());
    const QHeaderView *h = Grid()->horizontalHeader();
    const QPoint inHeader = h->mapFromGlobal(QPoint(x, y));
    const int column = h->logicalIndexAt(inHeader);
    return h->rect().contains(inHeader) && column >= 0 ? child(ChildIndex(-1, column)) : nullptr;
}

QAccessibleInterface *GridAccessible::focusChild() const
{
    if (Grid()->IsEditing() && Grid()->GetEditor())
        return QAccessible::queryAccessibleInterface(Grid()->GetEditor());
    return cellAt(Grid()->GetFocusRow(), Grid()->GetFocusColumn());
}

void *GridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int GridAccessible::selectedCellCount() const
{
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface *> GridAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (int row : selectedRows())
        for (int column = 0; column < columnCount(); ++column)
            cells << cellAt(row, column);
    return cells;
}

QString GridAccessible::columnDescription(int column) const
{
    return Grid()->GetColumnHeading(column);
}

int GridAccessible::selectedRowCount() const
{
    return Grid()->GetSelectedCount();
}

QList<int> GridAccessible::selectedRows() const
{
    const QVector<int> rows = Grid()->GetSelectedRows();
    return QList<int>(rows.cbegin(), rows.cend());
}

bool GridAccessible::isRowSelected(int row) const
{
    return Grid()->IsRowSelected(row);
}

bool GridAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    Grid()->SetRowSelected(row, true);
    return true;
}

bool GridAccessible::unselectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    Grid()->SetRowSelected(row, false);
    return true;
}

void GridAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    // Cells follow their rows by themselves; removed ones go, and headers when columns change.
    const auto type = event->modelChangeType();
    Forget(type == QAccessibleTableModelChangeEvent::ModelReset
           || type == QAccessibleTableModelChangeEvent::ColumnsInserted
           || type == QAccessibleTableModelChangeEvent::ColumnsRemoved);
}

void GridAccessible::Forget(bool all)
{
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if (all || !it.key().isValid()) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_cells.erase(it);
        } else {
            ++it;
        }
    }
    if (all) {
        for (QAccessible::Id id : std::as_const(m_headers))
            QAccessible::deleteAccessibleInterface(id);
        m_headers.clear();
    }
}
