#include "app/SatelliteList.h"

#include "app/AccessibleList.h"
#include "document/DatabaseDocument.h"
#include "document/SatelliteConversions.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

SatelliteList::SatelliteList(const DatabaseDocument &doc, QWidget *parent)
    : QGroupBox(tr("satillite list"), parent), m_doc(doc)
{
    // The filter box first: Tab goes from it to the list, as they stand on the screen.
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("satFilter"));
    m_filter->setPlaceholderText(tr("Filter by name or position"));
    m_filter->setClearButtonEnabled(true);
    // Names of their own: a screen reader would call both after the box's caption.
    m_filter->setAccessibleName(tr("Satellite filter"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("satList"));
    AccessibleList::Use(m_list); // before anything asks for its interface (a name does)
    m_list->setAccessibleName(tr("Satellites"));
    m_add = new QPushButton(tr("&Add SAT"), this);
    m_add->setObjectName(QStringLiteral("addSatButton"));
    m_delete = new QPushButton(tr("&Delete SAT"), this);
    m_delete->setObjectName(QStringLiteral("deleteSatButton"));
    m_apply = new QPushButton(tr("&Apply"), this);
    m_apply->setObjectName(QStringLiteral("applySatButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_apply);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &SatelliteList::FilterEntries);
    // The list is refilled and reselected with its own signals blocked; its model and selection
    // model still tell. An entry may get its slot only after it was inserted.
    connect(m_list->model(), &QAbstractItemModel::rowsInserted, this, &SatelliteList::FilterEntries);
    connect(m_list->model(), &QAbstractItemModel::dataChanged, this, &SatelliteList::FilterEntries);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SatelliteList::FilterEntries);
}

int SatelliteList::SelectedSlot() const
{
    // The selected entry, not the current one: Ctrl+click leaves an entry current unselected.
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(SlotRole).toInt();
}

void SatelliteList::Fill()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const SatelliteValue &sat : m_doc.Satellites()) {
        auto *item = new QListWidgetItem(sat.name, m_list);
        item->setData(SlotRole, sat.slot);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void SatelliteList::Refill()
{
    const int slot = SelectedSlot();
    Fill();
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(SlotRole).toInt() == slot) {
            const QSignalBlocker blocker(m_list);
            m_list->setCurrentRow(row);
        }
    }
}

void SatelliteList::Append(int slot)
{
    auto *item = new QListWidgetItem(m_doc.Satellite(slot)->name);
    item->setData(SlotRole, slot);
    const QSignalBlocker blocker(m_list);
    m_list->addItem(item);
}

void SatelliteList::FilterEntries()
{
    // Entries are hidden, never removed, and the selected one always stays in sight: the
    // selection, and with it the satellite whose rows are shown and which Apply stores, never
    // changes by filtering.
    const QString text = m_filter->text().trimmed();
    bool isNumber = false;
    const double degrees = text.toDouble(&isNumber);
    const int selected = SelectedSlot();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const std::optional<SatelliteValue> sat = m_doc.Satellite(item->data(SlotRole).toInt());
        bool shown = text.isEmpty() || !sat || sat->slot == selected
                     || sat->name.contains(text, Qt::CaseInsensitive);
        if (!shown && sat) {
            const float at = SatelliteConversions::DegreesFromPosition(sat->position);
            shown = SatelliteConversions::FormatDegrees(at).startsWith(text)
                    || (isNumber && qAbs(double(at) - degrees) < 0.05);
        }
        item->setHidden(!shown);
    }
}
