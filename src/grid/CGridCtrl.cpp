#include "CGridCtrl.h"

#include "CGridCellCombo.h"
#include "CGridCellEdit.h"
#include "CGridDelegate.h"
#include "GridAccessible.h"
#include "CGridTypeAheadTip.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

CGridCtrl::CGridCtrl(QWidget *parent) : QTableWidget(parent)
{
    // A report list: whole rows are selected, nothing is edited by the view itself, and the
    // keys that move between cells are the grid's.
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(false);
    setSortingEnabled(false);
    setCornerButtonEnabled(false);
    setAutoScroll(false); // the grid scrolls rows and columns into view itself
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setContextMenuPolicy(Qt::PreventContextMenu);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(0); // a list column may be any width
    // A header click may reorder the rows (a sort): the edit ends first, on its own row. An
    // edit that may not end keeps its editor, and the click does nothing.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (EndEdit())
            OnColumnClick(column);
    });
    setItemDelegate(new CGridDelegate(this));

    m_paint.TakeColours(palette());
    UpdateRowHeight();
    CreateCellGlyphs();

    // Assistive technology sees the grid through GridAccessible: which cells can be edited, and
    // one focus at a time.
    static const bool accessibleFactory = (QAccessible::installFactory(&GridAccessible::Factory), true);
    Q_UNUSED(accessibleFactory);

    m_toolTip = new CGridTypeAheadTip(this);
    m_searchTimer.setSingleShot(true);
    connect(&m_searchTimer, &QTimer::timeout, this, [this] { OnTimer(TYPEAHEAD_TIMER); });
    connect(qApp, &QApplication::focusChanged, this, &CGridCtrl::OnAppFocusChanged);
}

CGridCtrl::~CGridCtrl()
{
    // Late image-list changes during tear-down must not rebuild anything.
    m_destroying = true;
    disconnect(qApp, &QApplication::focusChanged, this, &CGridCtrl::OnAppFocusChanged);
}

// ---------------------------------------------------------------------------------------------
// List operations

namespace {

void PutText(QTableWidgetItem *item, const QString &text)
{
    item->setText(text);
    // A number padded to line up with the others is read out without its blanks.
    const QString spoken = text.trimmed();
    if (spoken != text || item->data(Qt::AccessibleTextRole).isValid())
        item->setData(Qt::AccessibleTextRole, spoken != text ? QVariant(spoken) : QVariant());
}

} // namespace

QTableWidgetItem *CGridCtrl::ItemFor(int row, int column)
{
    QTableWidgetItem *it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, column, it);
    }
    return it;
}

int CGridCtrl::InsertColumn(int column, const QString &heading, int format, int width)
{
    column = qBound(0, column, columnCount());
    insertColumn(column);
    auto *head = new QTableWidgetItem(heading);
    head->setData(Qt::UserRole, format & 3);
    const Qt::Alignment align = (format & 3) == LVCFMT_CENTER ? Qt::AlignHCenter
                                : (format & 3) == LVCFMT_LEFT ? Qt::AlignLeft
                                                              : Qt::AlignRight;
    head->setTextAlignment(align | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, head);
    if (width >= 0)
        setColumnWidth(column, width);
    return column;
}

int CGridCtrl::GetColumnFormat(int column) const
{
    const QTableWidgetItem *head = horizontalHeaderItem(column);
    return head ? head->data(Qt::UserRole).toInt() : LVCFMT_LEFT;
}

QString CGridCtrl::GetColumnHeading(int column) const
{
    const QTableWidgetItem *head = horizontalHeaderItem(column);
    return head ? head->text() : QString();
}

int CGridCtrl::InsertItem(int row, const QString &text, int image)
{
    row = qBound(0, row, rowCount());
    EndEditBeforeRowChange();
    insertRow(row);
    auto *it = new QTableWidgetItem;
    PutText(it, text);
    it->setData(ItemDataRole, 0u);
    if (image >= 0)
        it->setData(ImageRole, image);
    setItem(row, 0, it);
    // The focus row shifts down with the rows below the new one, as the view's own does.
    if (m_focusRow >= row)
        ++m_focusRow;
    return row;
}

bool CGridCtrl::DeleteItem(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    EndEditBeforeRowChange();
    const bool selected = IsRowSelected(row);
    removeRow(row);
    if (m_focusRow > row) {
        --m_focusRow;
    } else if (m_focusRow == row) {
        // The view has moved its focused row to a neighbour: the focus cell goes with it, and
        // so does the selection when the deleted row was the only selected one.
        m_focusRow = GetFocusedItem();
        if (selected && GetSelectedCount() == 0)
            SelectFocusRow();
    }
    return true;
}

void CGridCtrl::DeleteAllItems()
{
    EndEditBeforeRowChange();
    setRowCount(0);
    m_focusRow = -1;
}

bool CGridCtrl::SetItemText(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    PutText(ItemFor(row, column), text);
    return true;
}

QString CGridCtrl::GetItemText(int row, int column) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

bool CGridCtrl::SetItemData(int row, quint32 data)
{
    if (row < 0 || row >= rowCount() || columnCount() == 0)
        return false;
    ItemFor(row, 0)->setData(ItemDataRole, data);
    return true;
}

quint32 CGridCtrl::GetItemData(int row) const
{
    const QTableWidgetItem *it = item(row, 0);
    return it ? it->data(ItemDataRole).toUInt() : 0u;
}

bool CGridCtrl::SetItemImage(int row, int column, int image)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    ItemFor(row, column)->setData(ImageRole, image);
    return true;
}

int CGridCtrl::GetItemImage(int row, int column) const
{
    const QTableWidgetItem *it = item(row, column);
    if (!it)
        return -1;
    const QVariant v = it->data(ImageRole);
    return v.isValid() ? v.toInt() : -1;
}

bool CGridCtrl::IsRowSelected(int row) const
{
    return row >= 0 && row < rowCount() && selectionModel()->isRowSelected(row, QModelIndex());
}

void CGridCtrl::SetRowSelected(int row, bool selected)
{
    if (row < 0 || row >= rowCount() || columnCount() == 0)
        return;
    selectionModel()->select(model()->index(row, 0),
                             (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
                                 | QItemSelectionModel::Rows);
}

QVector<int> CGridCtrl::GetSelectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CGridCtrl::GetSelectedCount() const
{
    return int(selectionModel()->selectedRows().size());
}

int CGridCtrl::GetFocusedItem() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CGridCtrl::SetFocusedItem(int row)
{
    if (row < 0 || row >= rowCount() || columnCount() == 0)
        return;
    const int column = qBound(0, m_focusColumn, columnCount() - 1);
    selectionModel()->setCurrentIndex(model()->index(row, column), QItemSelectionModel::NoUpdate);
}

// ---------------------------------------------------------------------------------------------
// Hooks and their defaults

CellKind CGridCtrl::GetCellKind(int, int)
{
    return CELL_TEXT;
}

bool CGridCtrl::GetCellStyle(int, int, QColor &, QColor &, quint8 &)
{
    return false;
}

void CGridCtrl::GetCellChoices(int, int, bool &, QStringList &choices, QVector<int> &)
{
    choices << QStringLiteral("Vert") << QStringLiteral("Hori");
}

bool CGridCtrl::OnEndCellEdit(int row, int column, bool cancelled, const QString &text, int image)
{
    if (cancelled)
        return true;
    auto store = [&](int r) {
        SetItemText(r, column, text);
        if (image != -1 && HasImageList())
            SetItemImage(r, column, image);
    };
    const QVector<int> selected = GetSelectedRows();
    if (selected.size() == 1) {
        store(row);
        return true;
    }
    // No row or several rows: every selected row whose cell here is of the same kind.
    const CellKind kind = GetCellKind(row, column);
    for (int r : selected)
        if (GetCellKind(r, column) == kind)
            store(r);
    return true;
}

void CGridCtrl::OnCellCheck(int row, int)
{
    RedrawRow(row, true);
}

void CGridCtrl::OnCellButton(int, int) {}
void CGridCtrl::OnCellClick(int, int, const QRect &, const QPoint &) {}
void CGridCtrl::OnCellRClick(int, int, const QRect &, const QPoint &) {}
void CGridCtrl::OnColumnClick(int) {}

void CGridCtrl::OnCellDblClk(int row, int column, const QRect &)
{
    EditCell(row, column, nullptr);
}

// ---------------------------------------------------------------------------------------------
// In-place editors

bool CGridCtrl::EditCell(int row, int column, const QRect *rect)
{
    if (m_editRow != -1 || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    const bool rowScrolled = EnsureRowVisible(row);
    const bool columnScrolled = EnsureColumnVisible(column) != 0;
    QRect cell;
    if (rowScrolled || columnScrolled || !rect)
        GetCellRect(row, column, cell);
    else
        cell = *rect;
    cell = cell.intersected(viewport()->rect());

    const CellKind kind = GetCellKind(row, column);
    switch (kind) {
    case CELL_BUTTON:
        OnCellButton(row, column);
        return true;
    case CELL_EDIT:
        if (GetItemImage(row, column) >= 0 && HasImageList())
            cell.setLeft(cell.left() + kImageIndent);
        return CreateCellEdit(row, column, cell);
    case CELL_DROPLIST:
        return CreateCellCombo(row, column, cell, false);
    case CELL_DROPDOWN:
        return CreateCellCombo(row, column, cell, true);
    case CELL_CHECKED:
    case CELL_UNCHECKED: {
        const QVector<int> selected = GetSelectedRows();
        if (selected.size() == 1) {
            OnCellCheck(row, column);
        } else {
            for (int r : selected)
                if (GetCellKind(r, column) == kind)
                    OnCellCheck(r, column);
        }
        return true;
    }
    default:
        return false;
    }
}

void CGridCtrl::OpenedEditor(QWidget *editor, int row, int column)
{
    m_editor = editor;
    m_editRow = row;
    m_editColumn = column;
    // A screen reader announces the editor by its column, with the cell's value as its own.
    const QString heading = GetColumnHeading(column);
    editor->setAccessibleName(heading);
    if (m_comboEditor) {
        if (m_comboEditor->lineEdit())
            m_comboEditor->lineEdit()->setAccessibleName(heading);
        m_comboEditor->view()->setAccessibleName(heading);
        // On Linux a combo box is named by what it shows; what it is for comes from its label.
        auto *label = new QLabel(heading, editor->parentWidget());
        label->hide();
        label->setBuddy(editor);
        connect(editor, &QObject::destroyed, label, &QObject::deleteLater);
    }
    const quint32 serial = ++m_editSerial;
    // Posted, so the edit ends after the key that asked for it has been handled.
    auto request = [this, serial](bool cancelled) {
        QMetaObject::invokeMethod(
            this, [this, serial, cancelled] { EndCellEdit(serial, cancelled); },
            Qt::QueuedConnection);
    };
    if (m_lineEditor)
        connect(m_lineEditor, &CGridCellEdit::endRequested, this, request);
    if (m_comboEditor)
        connect(m_comboEditor, &CGridCellCombo::endRequested, this, request);
}

bool CGridCtrl::CreateCellEdit(int row, int column, const QRect &rect)
{
    auto *edit = new CGridCellEdit(viewport(), m_editLimit);
    edit->setGeometry(rect);
    edit->SetCellText(GetItemText(row, column));
    m_lineEditor = edit;
    m_comboEditor = nullptr;
    OpenedEditor(edit, row, column);
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
    return true;
}

bool CGridCtrl::CreateCellCombo(int row, int column, const QRect &rect, bool editable)
{
    bool useImages = false;
    QStringList choices;
    QVector<int> images;
    GetCellChoices(row, column, useImages, choices, images);

    auto *combo = new CGridCellCombo(viewport(), editable, m_editLimit);
    const bool withImages = useImages && HasImageList();
    if (withImages)
        combo->setIconSize(QSize(16, 16));
    for (int i = 0; i < choices.size(); ++i) {
        const int image = i < images.size() ? images[i] : -1;
        if (withImages && image >= 0 && image < m_images.size())
            combo->addItem(QIcon(m_images[image]), choices[i]);
        else
            combo->addItem(choices[i]);
        combo->setItemData(i, withImages ? image : -1, ImageRole);
    }
    // The selection field lies over the cell; the list opens below it.
    combo->setGeometry(rect.left(), rect.top() - 1, rect.width(), rect.height() + 2);
    combo->SetPopupBounds(kComboMinWidth, kComboMaxHeight);

    const QString text = GetItemText(row, column);
    const int found = combo->findText(text, Qt::MatchFixedString);
    combo->setCurrentIndex(found);
    if (found < 0 && editable)
        combo->SetCellText(text);
    m_comboEditor = combo;
    m_lineEditor = nullptr;
    OpenedEditor(combo, row, column);
    combo->show();
    combo->setFocus(Qt::OtherFocusReason);
    combo->showPopup();
    return true;
}

QWidget *CGridCtrl::GetEditor() const
{
    return m_editor;
}

QLineEdit *CGridCtrl::GetEditorLine() const
{
    return m_editor ? m_lineEditor : nullptr;
}

QComboBox *CGridCtrl::GetEditorCombo() const
{
    return m_editor ? m_comboEditor : nullptr;
}

void CGridCtrl::OnAppFocusChanged(QWidget *, QWidget *now)
{
    if (!m_editor || m_ending || InEditor(now))
        return;
    // The focus went elsewhere: the edit ends and keeps its result, unless the focus is back
    // by then (the double click that opened the editor gives it back).
    const quint32 serial = m_editSerial;
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
            if (!InEditor(QApplication::focusWidget()))
                EndCellEdit(serial, false);
        },
        Qt::QueuedConnection);
}

void CGridCtrl::EndCellEdit(quint32 serial, bool cancelled)
{
    if (m_ending || !m_editor || serial != m_editSerial || m_editRow == -1)
        return;
    m_ending = true;

    QString text;
    int image = -1;
    if (m_lineEditor) {
        text = m_lineEditor->text();
    } else if (m_comboEditor) {
        CGridCellCombo *combo = m_comboEditor;
        int index = combo->currentIndex();
        if (combo->isEditable()) {
            text = combo->currentText();
            index = combo->findText(text, Qt::MatchFixedString);
        }
        if (index >= 0) {
            // The choice's own spelling, whatever the case typed.
            text = combo->itemText(index);
            const QVariant v = combo->itemData(index, ImageRole);
            image = v.isValid() ? v.toInt() : -1;
        } else if (!combo->isEditable()) {
            // A list-only drop-down left with nothing chosen has nothing to store.
            cancelled = true;
        }
    }

    const bool accept = OnEndCellEdit(m_editRow, m_editColumn, cancelled, text, image);
    if (accept)
        CloseEditor();
    else
        m_editor->setFocus(Qt::OtherFocusReason);
    m_ending = false;
}

bool CGridCtrl::InEditor(const QWidget *w) const
{
    return w && m_editor
        && (w == m_editor || m_editor->isAncestorOf(w) || (m_comboEditor && m_comboEditor->Owns(w)));
}

void CGridCtrl::CloseEditor()
{
    // The grid takes the focus from its editor, but not from a widget the user has moved it to.
    QWidget *focus = window()->focusWidget();
    const bool takeFocus = !focus || focus == this || InEditor(focus);
    QWidget *editor = m_editor;
    m_editor = nullptr;
    m_lineEditor = nullptr;
    m_comboEditor = nullptr;
    m_editRow = m_editColumn = -1;
    ++m_editSerial; // end requests still queued for it come to nothing
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        combo->hidePopup();
    // Before the editor hides: hiding it would pass the focus on to the next control first,
    // and a screen reader would announce that one on the way back. focusInEvent tells
    // assistive technology of the cell.
    if (takeFocus)
        setFocus(Qt::OtherFocusReason);
    if (editor) {
        editor->hide();
        editor->deleteLater();
    }
    viewport()->update();
}

void CGridCtrl::TellFocusCell()
{
    // The view tells assistive technology about its current cell only when that changes; back
    // from an editor, or in a window just activated, the cell is the same, and a screen reader
    // would stay on the closed editor or announce just the table.
    if (!QAccessible::isActive() || !hasFocus())
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface *cell = table && table->tableInterface()
        ? table->tableInterface()->cellAt(m_focusRow, m_focusColumn) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}

bool CGridCtrl::EndEdit()
{
    if (m_editor && !m_ending)
        EndCellEdit(m_editSerial, false);
    return !IsEditing();
}

void CGridCtrl::EndEditBeforeRowChange()
{
    // While OnEndCellEdit runs, it is the one changing the rows; its edit is ending already.
    if (m_ending || EndEdit())
        return;
    CloseEditor();
}
