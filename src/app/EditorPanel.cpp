#include "app/EditorPanel.h"

#include "app/Backups.h"
#include "app/CEditSatDlg.h"
#include "app/CTransponderList.h"
#include "app/SatelliteList.h"
#include "common/Prompts.h"
#include "document/DatabaseDocument.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

EditorPanel::EditorPanel(DatabaseDocument &doc, Backups &backups, Prompts &prompts, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_backups(backups), m_prompts(prompts)
{
    m_satList = new SatelliteList(m_doc, this);
    auto *tpGroup = new QGroupBox(tr("transponder list"), this);
    m_tpList = new CTransponderList(tpGroup);
    m_tpList->setObjectName(QStringLiteral("tpList"));
    m_tpList->setAccessibleName(tr("Transponders"));
    auto *addTp = new QPushButton(tr("&Add TP"), tpGroup);
    addTp->setObjectName(QStringLiteral("addTpButton"));
    auto *deleteTp = new QPushButton(tr("&Delete TP"), tpGroup);
    deleteTp->setObjectName(QStringLiteral("deleteTpButton"));
    auto *applyTp = new QPushButton(tr("&Apply"), tpGroup);
    applyTp->setObjectName(QStringLiteral("applyTpButton"));
    auto *tpButtons = new QHBoxLayout;
    tpButtons->addWidget(addTp);
    tpButtons->addWidget(deleteTp);
    tpButtons->addStretch();
    tpButtons->addWidget(applyTp);
    auto *tpLayout = new QVBoxLayout(tpGroup);
    tpLayout->addWidget(m_tpList);
    tpLayout->addLayout(tpButtons);

    // Laid out as a part of the window's own layout: no margin of its own.
    auto *lists = new QHBoxLayout(this);
    lists->setContentsMargins(0, 0, 0, 0);
    lists->addWidget(m_satList, 2);
    lists->addWidget(tpGroup, 3);

    // The selection, not the current entry: the rows shown belong to the selected satellite.
    connect(SatList(), &QListWidget::itemSelectionChanged, this, &EditorPanel::OnSatSelChange);
    connect(SatList(), &QListWidget::itemDoubleClicked, this, &EditorPanel::OnEditSatellite);
    connect(applyTp, &QPushButton::clicked, this, &EditorPanel::OnApply);
    connect(m_satList->ApplyButton(), &QPushButton::clicked, this, &EditorPanel::OnApply);
    connect(addTp, &QPushButton::clicked, this, &EditorPanel::OnAddTransponder);
    connect(deleteTp, &QPushButton::clicked, this, &EditorPanel::OnDeleteTransponder);
    connect(m_satList->AddButton(), &QPushButton::clicked, this, &EditorPanel::OnAddSatellite);
    connect(m_satList->DeleteButton(), &QPushButton::clicked, this, &EditorPanel::OnDeleteSatellite);
    connect(&m_doc, &DatabaseDocument::changed, this, &EditorPanel::undoChanged);
    connect(m_tpList, &CTransponderList::pendingChanged, this, &EditorPanel::undoChanged);
}

QListWidget *EditorPanel::SatList() const
{
    return m_satList->List();
}

int EditorPanel::SelectedSlot() const
{
    return m_satList->SelectedSlot();
}

void EditorPanel::Warn(const DocumentResult &result) const
{
    if (!result.Ok() && !result.text.isEmpty())
        m_prompts.Message(result.text, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
}

bool EditorPanel::SaveDocument()
{
    DocumentResult result = m_doc.Save();
    m_backups.Tell(result.backup);
    if (result.code == DocumentResult::Code::ChangedOnDisk) {
        const QString text = result.text
            + tr("\n\nSave over it: what it holds now is kept in the backups. Reload it: the changes "
                 "made here are dropped. Cancel: both stay as they are.");
        switch (m_prompts.AskSaveOverReload(text, QString::fromLatin1(kAppTitle))) {
        case Prompts::ChangedChoice::SaveOver:
            result = m_doc.Save(true);
            m_backups.Tell(result.backup);
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

void EditorPanel::ReloadDocument()
{
    const DocumentResult opened = m_doc.Open(m_doc.Path());
    if (!opened) {
        Warn(opened);
        return;
    }
    ShowDocument();
}

void EditorPanel::RefillSatellites()
{
    m_satList->Refill();
}

void EditorPanel::ShowDocument()
{
    RefillSatellites();
    ShowTransponders(SelectedSlot());
}

void EditorPanel::ShowTransponders(int slot)
{
    if (slot >= 0)
        m_tpList->ShowRows(m_doc.TransponderRows(slot));
    else // no satellite selected: no rows
        m_tpList->ShowRows({});
}

bool EditorPanel::OpenAndShow(const QString &path)
{
    const DocumentResult opened = m_doc.Open(path);
    if (!opened) {
        Warn(opened);
        return false;
    }
    emit databaseOpened();
    m_satList->Fill();
    m_tpList->InsertTransponderColumns();
    ShowTransponders(SelectedSlot());
    return true;
}

void EditorPanel::OnEditParameters()
{
    const QString path = m_prompts.OpenFileName(QCoreApplication::translate("Prompts", kDataFileFilter));
    if (!path.isEmpty())
        OpenAndShow(path);
}

bool EditorPanel::RestoreImage(const QByteArray &image)
{
    if (!m_tpList->EndEdit())
        return false;
    if (m_tpList->IsModified()
        && !m_prompts.AskYesNoDefaultNo(tr("The transponder list has changes that have not been applied; "
                                           "restoring the backup drops them.\n\nRestore it anyway?"),
                                        QString::fromLatin1(kAppTitle))) {
        return false;
    }
    const DocumentResult replaced = m_doc.ReplaceImage(tr("Restore backup"), image);
    if (!replaced) {
        Warn(replaced);
        return false;
    }
    ShowDocument();
    emit undoChanged();
    return true;
}

void EditorPanel::OnSatSelChange()
{
    if (!m_doc.IsOpen())
        return;
    const int slot = SelectedSlot();
    if (slot >= 0)
        ShowTransponders(slot);
}

void EditorPanel::RunSatelliteDialog(bool adding)
{
    SatelliteValue value{-1, QStringLiteral("New satillite"), 0};
    if (!adding) {
        const std::optional<SatelliteValue> stored = m_doc.Satellite(SelectedSlot());
        if (!stored)
            return;
        value = *stored;
    }
    CEditSatDlg dlg(m_prompts, value, adding ? CEditSatDlg::Offer::WholeDegrees : CEditSatDlg::Offer::Tenths,
                    window());
    if (dlg.DoModal() != QDialog::Accepted)
        return;

    if (adding) {
        int slot = -1;
        const DocumentResult added = m_doc.AddSatellite(dlg.Satellite(), &slot);
        if (!added) { // a full table adds nothing, silently
            Warn(added);
            return;
        }
        m_satList->Append(slot);
        return;
    }
    const DocumentResult edited = m_doc.EditSatellite(dlg.Satellite());
    if (!edited) {
        Warn(edited);
        return;
    }
    m_satList->Fill();
    OnSatSelChange();
}

void EditorPanel::OnEditSatellite()
{
    if (m_doc.IsOpen())
        RunSatelliteDialog(false);
}

void EditorPanel::OnAddSatellite()
{
    if (m_doc.IsOpen())
        RunSatelliteDialog(true);
}

void EditorPanel::OnDeleteSatellite()
{
    const int slot = SelectedSlot();
    if (!m_doc.IsOpen() || slot < 0)
        return;
    const DocumentResult deleted = m_doc.DeleteSatellite(slot);
    if (!deleted) {
        Warn(deleted);
        return;
    }
    m_satList->Fill();
    // When the last satellite went, its rows go with it.
    ShowTransponders(SelectedSlot());
}

void EditorPanel::OnAddTransponder()
{
    const int slot = SelectedSlot();
    if (!m_doc.IsOpen() || slot < 0)
        return;
    ShowTransponders(slot);
    m_tpList->AppendNewRow();
}

void EditorPanel::OnDeleteTransponder()
{
    if (!m_doc.IsOpen() || SelectedSlot() < 0)
        return;
    m_tpList->MarkRow(m_tpList->GetFocusedItem());
}

void EditorPanel::OnApply()
{
    ApplyAndSave();
}

bool EditorPanel::ApplyAndSave()
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

bool EditorPanel::HasPendingWork() const
{
    return m_doc.IsOpen() && (m_doc.IsModified() || m_tpList->IsModified());
}

bool EditorPanel::QueryClose()
{
    // A value still in the editor counts, stored as Enter would store it.
    if (!m_tpList->EndEdit())
        return false;
    if (!HasPendingWork())
        return true;
    const QString text = m_tpList->IsModified()
        ? tr("The transponder list has changes that have not been applied, and the "
             "database file does not hold them yet.")
        : tr("The database has changes that have not been saved to its file yet.");
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
