#include "CGridCellCombo.h"

#include "CGridCellEdit.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

CGridCellCombo::CGridCellCombo(QWidget *parent, bool editable, int limit) : QComboBox(parent)
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    setFocusPolicy(Qt::StrongFocus);
    // view() builds the popup on first use; the filters go on once it exists.
    m_list = view();
    m_listViewport = m_list->viewport();
    installEventFilter(this);
    if (editable) {
        // The grid's own line editor: a cell text longer than the limit is shown whole, not cut
        // just by opening the drop-down.
        setLineEdit(new CGridCellEdit(this, limit));
        lineEdit()->installEventFilter(this);
        // The field's own completion would pick a choice while typing; the grid matches the
        // typed text when the edit ends.
        setCompleter(nullptr);
    }
    m_list->installEventFilter(this);
    m_listViewport->installEventFilter(this);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] {
        if (m_mousePick) {
            m_mousePick = false;
            emit endRequested(false);
        }
    });
}

void CGridCellCombo::SetCellText(const QString &text)
{
    static_cast<CGridCellEdit *>(lineEdit())->SetCellText(text);
}

bool CGridCellCombo::Owns(const QWidget *w) const
{
    for (; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

void CGridCellCombo::SetPopupBounds(int minWidth, int maxHeight)
{
    m_maxPopupHeight = maxHeight;
    QWidget *popup = view()->parentWidget();
    if (popup) {
        popup->setMinimumWidth(minWidth);
        popup->setMaximumHeight(maxHeight);
    }
    // Fit the number of visible entries into the height, so the list scrolls instead of being cut.
    const int rowH = qMax(1, view()->sizeHintForRow(0));
    setMaxVisibleItems(qMax(1, (maxHeight - 4) / rowH));
}

bool CGridCellCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_list)
        return QComboBox::eventFilter(watched, event);
    if (watched == m_listViewport) {
        if (event->type() == QEvent::MouseButtonPress)
            m_mousePick = true;
        return QComboBox::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool inList = watched == m_list;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (inList) {
            const QModelIndex current = view()->currentIndex();
            if (current.isValid())
                setCurrentIndex(current.row());
            hidePopup();
        }
        emit endRequested(false);
        return true;
    case Qt::Key_Escape:
        if (inList)
            hidePopup();
        emit endRequested(true);
        return true;
    default:
        return QComboBox::eventFilter(watched, event);
    }
}
