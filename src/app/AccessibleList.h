#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>

class QListWidget;

// A list widget as assistive technology sees it, for a list that hides entries (a filter) and
// keeps a current entry while another control has the focus. Qt's own numbers its entries by
// row while the list's focus events count only those shown, and calls the current entry
// focused even when the list is not: here the entries are those shown, and an entry reports the
// focus only while its list has it.
class AccessibleList : public QAccessibleWidget
{
public:
    explicit AccessibleList(QListWidget *list);
    ~AccessibleList() override;
    // Makes `list` use this interface; before anything asks for its interface.
    static void Use(QListWidget *list);

    QAccessible::State state() const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *child(int index) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QListWidget *List() const;
    // The shown entry `index` is, counted from 0, or -1.
    int Shown(const QModelIndex &index) const;

private:
    QAccessibleInterface *Entry(const QModelIndex &index) const;
    mutable QHash<QPersistentModelIndex, QAccessible::Id> m_entries;
};
