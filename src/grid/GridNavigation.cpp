// The focus cell, its keys and clicks, cell geometry and the type-ahead search.
#include "CGridCtrl.h"

#include "CGridTypeAheadTip.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <utility>

int CGridCtrl::GetTopIndex() const
{
    if (rowCount() == 0)
        return 0;
    const int top = rowAt(0);
    if (top < 0)
        return 0;
    // Scrolled to the end, the view puts the last row on the bottom edge and cuts the row at the
    // top; the first whole row counts as the top, or the last row could never be hit or shown.
    return rowViewportPosition(top) < 0 && top + 1 < rowCount() ? top + 1 : top;
}

int CGridCtrl::GetCountPerPage() const
{
    // Only rows that are wholly visible count.
    const int h = rowCount() > 0 ? rowHeight(GetTopIndex()) : verticalHeader()->defaultSectionSize();
    return h > 0 ? viewport()->height() / h : 0;
}

bool CGridCtrl::SetFocusCell(int row, int column, bool redraw)
{
    if (row == m_focusRow && column == m_focusColumn && IsRowSelected(row))
        return false;
    if (row < 0 || row >= rowCount() || column < 0 || column >= horizontalHeader()->count())
        return false;
    const int oldRow = m_focusRow;
    const bool columnChanged = column != m_focusColumn;
    m_focusRow = row;
    m_focusColumn = column;
    // The view's current cell goes along within the focused row: it is the one assistive
    // technology reports.
    if (currentIndex().row() == row && currentIndex().column() != column)
        selectionModel()->setCurrentIndex(model()->index(row, column), QItemSelectionModel::NoUpdate);
    EnsureRowVisible(row);
    EnsureColumnVisible(column);
    if (columnChanged) {
        // The highlight of every selected row follows the focus column.
        viewport()->update();
    } else if (redraw) {
        RedrawRow(oldRow, true);
        if (row != oldRow)
            RedrawRow(row, false);
    }
    return true;
}

void CGridCtrl::SelectFocusRow()
{
    if (m_focusRow < 0 || m_focusRow >= rowCount() || columnCount() == 0)
        return;
    const QModelIndex focus = model()->index(m_focusRow, qBound(0, m_focusColumn, columnCount() - 1));
    // Through the view, so that the row also becomes the anchor a Shift key extends from.
    setCurrentIndex(focus);
    selectionModel()->select(focus, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CGridCtrl::RedrawRow(int row, bool onlyIfOnPage)
{
    if (row < 0 || row >= rowCount())
        return;
    if (onlyIfOnPage) {
        const int top = GetTopIndex();
        if (row < top || row > top + GetCountPerPage())
            return;
    }
    viewport()->update(QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row)));
}

bool CGridCtrl::HitTestCell(const QPoint &point, int &row, int &column, QRect &cellRect) const
{
    const int first = GetTopIndex();
    const int end = qMin(first + GetCountPerPage(), rowCount());
    row = -1;
    for (int r = first; r < end; ++r) {
        const int top = rowViewportPosition(r);
        if (point.y() >= top && point.y() < top + rowHeight(r)) {
            row = r;
            break;
        }
    }
    if (row < 0)
        return false;
    // The header knows where each column lies, left to right or (Arabic) right to left; none
    // beyond the last column.
    column = columnAt(point.x());
    if (column < 0)
        return false;
    cellRect = QRect(columnViewportPosition(column), rowViewportPosition(row), columnWidth(column), rowHeight(row));
    return true;
}

bool CGridCtrl::GetCellRect(int row, int column, QRect &rect) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    rect = visualRect(model()->index(row, column));
    return true;
}

int CGridCtrl::EnsureColumnVisible(int column)
{
    if (rowCount() == 0 || column < 0 || column >= columnCount())
        return 0;
    updateGeometries(); // the scroll range follows the columns only once laid out
    const int x = columnViewportPosition(column);
    const int w = columnWidth(column);
    const int clientWidth = viewport()->width();
    if (x >= 0 && x + w <= clientWidth)
        return 0;
    const int toLeft = x;
    const int toRight = x + w - clientWidth;
    int amount;
    if (w > clientWidth)
        amount = toLeft; // the column's left edge is what shows
    else
        amount = qAbs(toLeft) < qAbs(toRight) ? toLeft : toRight;
    QScrollBar *bar = horizontalScrollBar();
    const int before = bar->value();
    bar->setValue(before + amount);
    return bar->value() - before;
}

bool CGridCtrl::EnsureRowVisible(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    updateGeometries();
    const int top = GetTopIndex();
    const int page = qMax(1, GetCountPerPage());
    QScrollBar *bar = verticalScrollBar();
    const int before = bar->value();
    if (row < top)
        bar->setValue(before - (top - row));
    else if (row >= top + page)
        bar->setValue(before + (row - (top + page) + 1));
    return bar->value() != before;
}

// ---------------------------------------------------------------------------------------------
// Keyboard

void CGridCtrl::keyboardSearch(const QString &)
{
    // The view's own incremental search never runs: typing searches the focus column.
}

void CGridCtrl::keyPressEvent(QKeyEvent *event)
{
    m_modifiers = event->modifiers();
    if (m_editRow != -1) {
        // A key the open editor did not want (Up in a line edit, say) stops here: the focus
        // cell does not move under an editor.
        event->accept();
        return;
    }
    OnKeyDown(event);
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return;
    for (QChar ch : text)
        OnChar(ch);
}

void CGridCtrl::OnKeyDown(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    auto moveInRow = [this](int column) {
        if (SetFocusCell(m_focusRow, column, true))
            SelectFocusRow();
    };
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_typeAhead && !m_search.isEmpty()) {
            OnTypeAheadChar(QLatin1Char(' '));
            QTableWidget::keyPressEvent(event);
        } else {
            EditCell(m_focusRow, m_focusColumn, nullptr);
        }
        event->accept();
        return;
    case Qt::Key_F2:
        EditCell(m_focusRow, m_focusColumn, nullptr);
        event->accept();
        return;
    case Qt::Key_Left:
        moveInRow(m_focusColumn - 1);
        event->accept();
        return;
    case Qt::Key_Right:
        moveInRow(m_focusColumn + 1);
        event->accept();
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!ctrl) {
            moveInRow(event->key() == Qt::Key_Home ? 0 : horizontalHeader()->count() - 1);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        SetFocusCell(m_focusRow + (event->key() == Qt::Key_Up ? -1 : 1), m_focusColumn, false);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        break;
    default:
        QTableWidget::keyPressEvent(event);
        return;
    }
    // The view moves its focused row; the focus cell follows it, also where it could not move
    // on its own (Up with no focus cell yet puts the view on row 0).
    QTableWidget::keyPressEvent(event);
    const int oldRow = m_focusRow;
    m_focusRow = GetFocusedItem();
    EnsureRowVisible(m_focusRow);
    if (m_focusRow != oldRow)
        RedrawRow(oldRow, true);
    RedrawRow(m_focusRow, false);
}

void CGridCtrl::OnChar(QChar ch)
{
    if (m_typeAhead && ch != QLatin1Char(' ') && ch.isPrint())
        OnTypeAheadChar(ch);
}

void CGridCtrl::OnTypeAheadChar(QChar ch)
{
    if (m_search.size() >= m_textBufferSize) {
        QApplication::beep();
    } else {
        m_search.append(ch);
        m_toolTip->ShowAt(m_search + QLatin1Char('_'), mapToGlobal(QPoint(5, 5)));
        const int rows = rowCount();
        const int start = m_focusRow < 0 ? 0 : m_focusRow;
        for (int i = 0; i < rows; ++i) {
            const int row = (start + i) % rows;
            const QTableWidgetItem *it = item(row, m_focusColumn);
            if (it && it->text().startsWith(m_search, Qt::CaseInsensitive)) {
                if (SetFocusCell(row, m_focusColumn, false))
                    SelectFocusRow();
                break;
            }
        }
    }
    m_searchTimer.start(m_searchTimeout);
}

void CGridCtrl::OnTimer(int id)
{
    if (id != TYPEAHEAD_TIMER)
        return;
    m_search.clear();
    m_toolTip->hide();
    m_searchTimer.stop();
}

QWidget *CGridCtrl::GetTypeAheadTip() const
{
    return m_toolTip;
}

QString CGridCtrl::GetTypeAheadTipText() const
{
    return m_toolTip->text();
}

// ---------------------------------------------------------------------------------------------
// Mouse and focus

void CGridCtrl::mousePressEvent(QMouseEvent *event)
{
    m_modifiers = event->modifiers();
    m_pressActivated = false;
    m_pressEndedEdit = m_editRow != -1
        && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton);
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(event);
    else
        QTableWidget::mousePressEvent(event);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    m_modifiers = event->modifiers();
    if (std::exchange(m_pressEndedEdit, false)) {
        // The press only ended an edit: no click, and above all no context menu.
        event->accept();
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        OnClick(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        OnRClick(event->position().toPoint());
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_modifiers = event->modifiers();
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(event);
    else
        QTableWidget::mouseDoubleClickEvent(event);
}

void CGridCtrl::OnLButtonDown(QMouseEvent *event)
{
    if (m_editRow != -1) {
        // The click only takes the focus from the editor, which ends the edit.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    int row, column;
    QRect cell;
    const QPoint pos = event->position().toPoint();
    if (HitTestCell(pos, row, column, cell) && OnCellLButtonDown(row, column, cell, pos)) {
        m_pressActivated = true;
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

bool CGridCtrl::OnCellLButtonDown(int row, int column, const QRect &rect, const QPoint &)
{
    if (column != m_focusColumn)
        SelectFocusRow();
    const bool moved = SetFocusCell(row, column, row == m_focusRow);
    if (moved || (m_modifiers & (Qt::ControlModifier | Qt::ShiftModifier)))
        return false; // the view selects rows as usual
    // A click on the focus cell of a selected row activates it.
    return EditCell(row, column, &rect);
}

void CGridCtrl::OnClick(const QPoint &point)
{
    int row, column;
    QRect cell;
    if (HitTestCell(point, row, column, cell))
        OnCellClick(row, column, cell, point);
}

void CGridCtrl::OnLButtonDblClk(QMouseEvent *event)
{
    // The view's own double-click would open its editor or press again; neither applies here.
    event->accept();
    if (std::exchange(m_pressActivated, false)) {
        // The second press of this double click has activated the cell already. Activating it
        // again would press a button twice; and the focus Qt has just given the grid belongs
        // to the editor that press opened.
        if (m_editor)
            m_editor->setFocus(Qt::MouseFocusReason);
        return;
    }
    int row, column;
    QRect cell;
    if (m_editRow == -1 && HitTestCell(event->position().toPoint(), row, column, cell))
        OnCellDblClk(row, column, cell);
}

void CGridCtrl::OnRButtonDown(QMouseEvent *event)
{
    if (m_editRow != -1) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    int row, column;
    QRect cell;
    const QPoint pos = event->position().toPoint();
    if (HitTestCell(pos, row, column, cell))
        OnCellRButtonDown(row, column, cell, pos);
    QTableWidget::mousePressEvent(event);
}

void CGridCtrl::OnCellRButtonDown(int row, int column, const QRect &, const QPoint &)
{
    if (m_modifiers & (Qt::ControlModifier | Qt::ShiftModifier))
        return;
    if (column != m_focusColumn) {
        SelectFocusRow();
        SetFocusCell(row, column, true);
    } else {
        SetFocusCell(row, column, false);
    }
}

void CGridCtrl::OnRClick(const QPoint &point)
{
    int row, column;
    QRect cell;
    if (HitTestCell(point, row, column, cell))
        OnCellRClick(row, column, cell, point);
}

void CGridCtrl::focusInEvent(QFocusEvent *event)
{
    const bool hadFocusedRow = currentIndex().isValid();
    QTableWidget::focusInEvent(event);
    // The view makes its first row the focused one when it gets the focus without one; with
    // no focus cell yet that row would part from it, and Down would then select row 1 while
    // the focus cell went to row 0.
    if (!hadFocusedRow && m_focusRow == -1 && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    RedrawRow(m_focusRow, true);
    // After the grid itself, which Qt announces once this returns: a screen reader goes on to
    // the cell.
    QMetaObject::invokeMethod(this, &CGridCtrl::TellFocusCell, Qt::QueuedConnection);
}

void CGridCtrl::focusOutEvent(QFocusEvent *event)
{
    QTableWidget::focusOutEvent(event);
    RedrawRow(m_focusRow, true);
}
