// The main window's offline database editing commands.
#include "app/CEditSatDlg.h"
#include "app/CMeterDlg.h"
#include "app/CTransponderList.h"

#include "common/Prompts.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {
constexpr int kNewSatelliteSetupByte = 0x41;
} // namespace

int CMeterDlg::SelectedSlot() const
{
    // The selected entry, not the current one: Ctrl+click leaves an entry current unselected.
    const QList<QListWidgetItem *> selected = m_satList->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(DatabaseLists::SlotRole).toInt();
}

void CMeterDlg::OnEditParameters()
{
    const QString path = m_prompts.OpenFileName(QString::fromLatin1(kDataFileFilter));
    if (path.isEmpty())
        return;
    // A refused file leaves the database being edited, and the lists showing it, as they were.
    if (!m_database.Load(path))
        return;
    m_unsaved = false;
    ShowDatabasePanels(true);
    m_lists.AttachLists(m_satList, m_tpList);
    m_lists.FillSatelliteList();
    m_tpList->InsertTransponderColumns();
    const int slot = SelectedSlot();
    if (slot >= 0) {
        m_lists.FillTransponderList(slot, *m_tpList);
    } else {
        m_tpList->DeleteAllItems();
        m_tpList->MarkClean();
    }
}

void CMeterDlg::OnSatSelChange()
{
    if (!m_database.IsLoaded())
        return;
    const int slot = SelectedSlot();
    if (slot >= 0)
        m_lists.FillTransponderList(slot, *m_tpList);
}

void CMeterDlg::RunSatelliteDialog(bool adding)
{
    SatelliteRecord record;
    int slot = -1;
    CEditSatDlg dlg(m_prompts, this);
    if (adding) {
        record.SetName(QByteArrayLiteral("New satillite"));
        record.SetPosition(0);
        dlg.LoadNewRecord(record.Name(), record.Position());
    } else {
        slot = SelectedSlot();
        if (slot < 0 || !m_database.GetSatellite(slot, record))
            return;
        dlg.LoadRecord(record.Name(), record.Position());
    }
    if (dlg.DoModal() != QDialog::Accepted)
        return;
    record.SetName(dlg.m_nameField);
    record.SetPosition(dlg.m_position);

    if (adding) {
        record.SetSetupByte(kNewSatelliteSetupByte);
        int newSlot = ParamDatabase::NO_SATELLITE;
        if (!m_database.AddSatellite(record, newSlot))
            return; // a full table adds nothing
        m_unsaved = true;
        auto *item = new QListWidgetItem(DatabaseLists::SatelliteName(m_database, newSlot));
        item->setData(DatabaseLists::SlotRole, newSlot);
        const QSignalBlocker blocker(m_satList); // the selection stays
        m_satList->addItem(item);
        return;
    }
    if (!m_database.SetSatellite(slot, record))
        return;
    m_unsaved = true;
    m_lists.FillSatelliteList();
    OnSatSelChange();
}

void CMeterDlg::OnEditSatellite()
{
    if (m_database.IsLoaded())
        RunSatelliteDialog(false);
}

void CMeterDlg::OnAddSatellite()
{
    if (m_database.IsLoaded())
        RunSatelliteDialog(true);
}

void CMeterDlg::OnDeleteSatellite()
{
    const int slot = SelectedSlot();
    if (!m_database.IsLoaded() || slot < 0)
        return;
    if (!m_database.DeleteSatellite(slot & 0xFF))
        return;
    m_unsaved = true;
    m_lists.FillSatelliteList();
    if (SelectedSlot() >= 0) {
        OnSatSelChange();
    } else { // the last satellite went: its rows go with it
        m_tpList->DeleteAllItems();
        m_tpList->MarkClean();
    }
}

void CMeterDlg::OnAddTransponder()
{
    const int slot = SelectedSlot();
    if (!m_database.IsLoaded() || slot < 0)
        return;
    m_lists.FillTransponderList(slot, *m_tpList);
    m_tpList->AppendNewRow();
}

void CMeterDlg::OnDeleteTransponder()
{
    if (!m_database.IsLoaded() || SelectedSlot() < 0)
        return;
    const int row = m_tpList->GetFocusedItem();
    if (row < 0)
        return;
    m_tpList->SetItemData(row, m_tpList->GetItemData(row) | CTransponderList::DELETED_ROW_MASK);
    m_tpList->RedrawRow(row, true);
}

void CMeterDlg::OnApply()
{
    ApplyAndSave();
}

bool CMeterDlg::ApplyAndSave()
{
    if (!m_database.IsLoaded() || !m_tpList->EndEdit())
        return false;
    const int slot = SelectedSlot();
    if (slot < 0) {
        // No satellite left to take rows; deletions of satellites still have to reach the file.
        if (!m_unsaved)
            return true;
        m_unsaved = !m_database.Save();
        return !m_unsaved;
    }
    if (!m_lists.ApplyTransponderRows(slot, *m_tpList))
        return false;
    m_unsaved = !m_database.Save();

    // Even when the file was not written the image holds the rows now: the list shows them.
    for (int row = m_tpList->GetItemCount() - 1; row >= 0; --row) {
        if (CTransponderList::IsMarked(m_tpList->GetItemData(row)))
            m_tpList->DeleteItem(row);
    }
    m_tpList->MarkClean();
    return !m_unsaved;
}

bool CMeterDlg::HasPendingWork() const
{
    return m_database.IsLoaded() && (m_unsaved || m_tpList->IsModified());
}

bool CMeterDlg::QueryClose()
{
    // A value still in the editor counts, stored as Enter would store it.
    if (!m_tpList->EndEdit())
        return false;
    if (!HasPendingWork())
        return true;
    const QString text = m_tpList->IsModified()
        ? QStringLiteral("The transponder list has changes that have not been applied, and the "
                         "database file does not hold them yet.")
        : QStringLiteral("The database has changes that have not been saved to its file yet.");
    switch (m_prompts.AskSaveDiscardStay(text, QString::fromLatin1(kAppTitle))) {
    case Prompts::SaveChoice::Save:
        // A refused Apply or a failed save has said why; the window stays with the work.
        if (m_tpList->IsModified())
            return ApplyAndSave();
        m_unsaved = !m_database.Save();
        return !m_unsaved;
    case Prompts::SaveChoice::Discard:
        return true;
    case Prompts::SaveChoice::Stay:
        break;
    }
    return false;
}

void CMeterDlg::reject()
{
    if (QueryClose())
        QDialog::reject();
}
