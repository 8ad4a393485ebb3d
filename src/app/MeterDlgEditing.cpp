// The main window's offline database editing commands.
#include "app/CEditSatDlg.h"
#include "app/CMeterDlg.h"
#include "app/CTransponderList.h"

#include "common/Prompts.h"

#include <QListWidget>
#include <QSignalBlocker>

int CMeterDlg::SelectedSlot() const
{
    // The selected entry, not the current one: Ctrl+click leaves an entry current unselected.
    const QList<QListWidgetItem *> selected = m_satList->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(SlotRole).toInt();
}

void CMeterDlg::Warn(const DocumentResult &result)
{
    if (!result.Ok() && !result.text.isEmpty())
        m_prompts.Message(result.text, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
}

bool CMeterDlg::SaveDocument()
{
    DocumentResult result = m_doc.Save();
    TellBackup(result.backup);
    if (result.code == DocumentResult::Code::ChangedOnDisk) {
        const QString text = result.text
            + QStringLiteral("\n\nSave over it: what it holds now is kept in the backups. Reload it: the changes "
                             "made here are dropped. Cancel: both stay as they are.");
        switch (m_prompts.AskSaveOverReload(text, QString::fromLatin1(kAppTitle))) {
        case Prompts::ChangedChoice::SaveOver:
            result = m_doc.Save(true);
            TellBackup(result.backup);
            break;
        case Prompts::ChangedChoice::Reload:
            ReloadDocument();
            return false;
        case Prompts::ChangedChoice::Cancel:
            return false;
        }
    }
    Warn(result);
    return result.Ok();
}

void CMeterDlg::ReloadDocument()
{
    const DocumentResult opened = m_doc.Open(m_doc.Path());
    if (!opened) {
        Warn(opened);
        return;
    }
    ShowDocument();
}

void CMeterDlg::FillSatelliteList()
{
    // Filled and selected without telling the window: the caller fills the transponders.
    const QSignalBlocker blocker(m_satList);
    m_satList->clear();
    for (const SatelliteValue &sat : m_doc.Satellites()) {
        auto *item = new QListWidgetItem(sat.name, m_satList);
        item->setData(SlotRole, sat.slot);
    }
    if (m_satList->count() > 0)
        m_satList->setCurrentRow(0);
}

void CMeterDlg::ShowTransponders(int slot)
{
    if (slot >= 0)
        m_tpList->ShowRows(m_doc.TransponderRows(slot));
    else // no satellite selected: no rows
        m_tpList->ShowRows({});
}

void CMeterDlg::OnEditParameters()
{
    const QString path = m_prompts.OpenFileName(QString::fromLatin1(kDataFileFilter));
    if (path.isEmpty())
        return;
    // A refused file leaves the database being edited, and the lists showing it, as they were.
    const DocumentResult opened = m_doc.Open(path);
    if (!opened) {
        Warn(opened);
        return;
    }
    ShowDatabasePanels(true);
    FillSatelliteList();
    m_tpList->InsertTransponderColumns();
    ShowTransponders(SelectedSlot());
}

void CMeterDlg::OnSatSelChange()
{
    if (!m_doc.IsOpen())
        return;
    const int slot = SelectedSlot();
    if (slot >= 0)
        ShowTransponders(slot);
}

void CMeterDlg::RunSatelliteDialog(bool adding)
{
    SatelliteValue value{-1, QStringLiteral("New satillite"), 0};
    if (!adding) {
        const std::optional<SatelliteValue> stored = m_doc.Satellite(SelectedSlot());
        if (!stored)
            return;
        value = *stored;
    }
    CEditSatDlg dlg(m_prompts, value,
                    adding ? CEditSatDlg::Offer::WholeDegrees : CEditSatDlg::Offer::Tenths, this);
    if (dlg.DoModal() != QDialog::Accepted)
        return;

    if (adding) {
        int slot = -1;
        const DocumentResult added = m_doc.AddSatellite(dlg.Satellite(), &slot);
        if (!added) { // a full table adds nothing, silently
            Warn(added);
            return;
        }
        auto *item = new QListWidgetItem(m_doc.Satellite(slot)->name);
        item->setData(SlotRole, slot);
        const QSignalBlocker blocker(m_satList); // the selection stays
        m_satList->addItem(item);
        return;
    }
    const DocumentResult edited = m_doc.EditSatellite(dlg.Satellite());
    if (!edited) {
        Warn(edited);
        return;
    }
    FillSatelliteList();
    OnSatSelChange();
}

void CMeterDlg::OnEditSatellite()
{
    if (m_doc.IsOpen())
        RunSatelliteDialog(false);
}

void CMeterDlg::OnAddSatellite()
{
    if (m_doc.IsOpen())
        RunSatelliteDialog(true);
}

void CMeterDlg::OnDeleteSatellite()
{
    const int slot = SelectedSlot();
    if (!m_doc.IsOpen() || slot < 0)
        return;
    const DocumentResult deleted = m_doc.DeleteSatellite(slot);
    if (!deleted) {
        Warn(deleted);
        return;
    }
    FillSatelliteList();
    // When the last satellite went, its rows go with it.
    ShowTransponders(SelectedSlot());
}

void CMeterDlg::OnAddTransponder()
{
    const int slot = SelectedSlot();
    if (!m_doc.IsOpen() || slot < 0)
        return;
    ShowTransponders(slot);
    m_tpList->AppendNewRow();
}

void CMeterDlg::OnDeleteTransponder()
{
    if (!m_doc.IsOpen() || SelectedSlot() < 0)
        return;
    m_tpList->MarkRow(m_tpList->GetFocusedItem());
}

void CMeterDlg::OnApply()
{
    ApplyAndSave();
}

bool CMeterDlg::ApplyAndSave()
{
    if (!m_doc.IsOpen() || !m_tpList->EndEdit())
        return false;
    const int slot = SelectedSlot();
    if (slot < 0) {
        // No satellite left to take rows; deletions of satellites still have to reach the file.
        return !m_doc.IsModified() || SaveDocument();
    }
    std::vector<TransponderRow> rows = m_tpList->Rows();
    const DocumentResult applied = m_doc.ReplaceTransponders(slot, rows);
    if (!applied) {
        Warn(applied);
        return false;
    }
    // Even when the file is not written the document holds the rows now: the list shows them,
    // as typed (not as stored), without the marked rows (until a reload shows the file's).
    m_tpList->Applied(rows);
    return SaveDocument();
}

bool CMeterDlg::HasPendingWork() const
{
    return m_doc.IsOpen() && (m_doc.IsModified() || m_tpList->IsModified());
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
        return SaveDocument();
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
