#pragma once

#include <QGroupBox>

class DatabaseDocument;
class QLineEdit;
class QListWidget;
class QPushButton;

// "satillite list": the open database's satellites in chain order, each entry with its slot,
// the filter box above them and the Add SAT, Delete SAT and Apply buttons below. Filling and
// reselecting never notify: the transponder rows shown are the caller's to change.
class SatelliteList : public QGroupBox
{
    Q_OBJECT
public:
    // Item-data role of an entry: its slot.
    static constexpr int SlotRole = Qt::UserRole;

    SatelliteList(const DatabaseDocument &doc, QWidget *parent);

    QListWidget *List() const { return m_list; }
    QLineEdit *Filter() const { return m_filter; }
    QPushButton *AddButton() const { return m_add; }
    QPushButton *DeleteButton() const { return m_delete; }
    QPushButton *ApplyButton() const { return m_apply; }

    // The slot of the selected entry, or -1.
    int SelectedSlot() const;
    // Refills in chain order and selects the first entry.
    void Fill();
    // Refills, the satellite selected before staying selected.
    void Refill();
    // An entry for a satellite just added, last; the selection stays.
    void Append(int slot);

private:
    void FilterEntries();

    const DatabaseDocument &m_doc;
    QLineEdit *m_filter = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_apply = nullptr;
};
