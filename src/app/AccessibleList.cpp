#include "app/AccessibleList.h"

#include <QListWidget>
#include <QPointer>

namespace {

const char kUseProperty[] = "orbivaneAccessibleList";

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QListWidget") && object && object->property(kUseProperty).toBool())
        return new AccessibleList(static_cast<QListWidget *>(object));
    return nullptr;
}

class AccessibleEntry : public QAccessibleInterface
{
public:
    AccessibleEntry(QListWidget *list, const QModelIndex &index) : m_list(list), m_index(index) {}

    bool isValid() const override { return m_list && m_index.isValid(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override {}
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? m_index.data(Qt::DisplayRole).toString() : QString();
    }
    QRect rect() const override
    {
        return isValid() ? m_list->visualRect(m_index).translated(m_list->viewport()->mapToGlobal(QPoint(0, 0))) : QRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        if (!isValid())
            return st;
        st.selectable = st.focusable = true;
        st.extSelectable = m_list->selectionMode() == QAbstractItemView::ExtendedSelection;
        st.selected = m_list->selectionModel()->isSelected(m_index);
        st.focused = m_list->hasFocus() && m_list->currentIndex() == m_index;
        st.invisible = m_list->isRowHidden(m_index.row())
                       || !m_list->viewport()->rect().intersects(m_list->visualRect(m_index));
        return st;
    }

private:
    QPointer<QListWidget> m_list;
    QPersistentModelIndex m_index;
};

} // namespace

AccessibleList::AccessibleList(QListWidget *list) : QAccessibleWidget(list, QAccessible::List) {}

AccessibleList::~AccessibleList()
{
    for (QAccessible::Id id : std::as_const(m_entries))
        QAccessible::deleteAccessibleInterface(id);
}

void AccessibleList::Use(QListWidget *list)
{
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    Q_UNUSED(installed);
    list->setProperty(kUseProperty, true);
}

QListWidget *AccessibleList::List() const
{
    return static_cast<QListWidget *>(widget());
}

QAccessible::State AccessibleList::state() const
{
    QAccessible::State st = QAccessibleWidget::state();
    // The current entry reports the focus when there is one.
    if (st.focused && List()->currentIndex().isValid())
        st.focused = false;
    return st;
}

int AccessibleList::Shown(const QModelIndex &index) const
{
    if (!index.isValid() || List()->isRowHidden(index.row()))
        return -1;
    int shown = 0;
    for (int row = 0; row < index.row(); ++row)
        shown += !List()->isRowHidden(row);
    return shown;
}

int AccessibleList::childCount() const
{
    int n = 0;
    for (int row = 0; row < List()->count(); ++row)
        n += !List()->isRowHidden(row);
    return n;
}

QAccessibleInterface *AccessibleList::Entry(const QModelIndex &index) const
{
    if (!index.isValid())
        return nullptr;
    const QPersistentModelIndex key(index);
    if (const auto found = m_entries.constFind(key); found != m_entries.cend())
        return QAccessible::accessibleInterface(found.value());
    // Entries of removed rows go before a new one is made.
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it.key().isValid()) {
            ++it;
        } else {
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_entries.erase(it);
        }
    }
    QAccessibleInterface *entry = new AccessibleEntry(List(), index);
    m_entries.insert(key, QAccessible::registerAccessibleInterface(entry));
    return entry;
}

QAccessibleInterface *AccessibleList::child(int index) const
{
    for (int row = 0, shown = 0; row < List()->count() && index >= 0; ++row) {
        if (List()->isRowHidden(row))
            continue;
        if (shown++ == index)
            return Entry(List()->model()->index(row, 0));
    }
    return nullptr;
}

int AccessibleList::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return Shown(it.key());
    return -1;
}

QAccessibleInterface *AccessibleList::childAt(int x, int y) const
{
    return Entry(List()->indexAt(List()->viewport()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface *AccessibleList::focusChild() const
{
    return List()->hasFocus() ? Entry(List()->currentIndex()) : nullptr;
}
