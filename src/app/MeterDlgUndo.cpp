// The main window's Edit menu: undo and redo of the transponder list's pending steps and of the
// document's applied ones.
#include "app/CMeterDlg.h"
#include "app/CTransponderList.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

void CMeterDlg::BuildEditMenu(QMenuBar *menuBar)
{
    // Alt+E belongs to "&Edit parameters": added menus take letters the window's own do not use.
    auto *edit = new QMenu(QStringLiteral("Ed&it"), menuBar);
    m_undoAction = edit->addAction(QStringLiteral("&Undo"), this, &CMeterDlg::OnUndo);
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = edit->addAction(QStringLiteral("&Redo"), this, &CMeterDlg::OnRedo);
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Before the Help menu.
    menuBar->insertMenu(menuBar->actions().value(0), edit);
    connect(&m_doc, &DatabaseDocument::changed, this, &CMeterDlg::UpdateEditMenu);
    connect(m_tpList, &CTransponderList::pendingChanged, this, &CMeterDlg::UpdateEditMenu);
    connect(edit, &QMenu::aboutToShow, this, &CMeterDlg::UpdateEditMenu);
    UpdateEditMenu();
}

void CMeterDlg::UpdateEditMenu()
{
    // While the list has changes of its own, the document's steps wait: undoing one would
    // show the rows afresh and drop the changes.
    const bool listFirst = m_tpList->CanUndo() || m_tpList->IsModified();
    const QString undo = m_tpList->CanUndo() ? m_tpList->UndoName()
                         : listFirst         ? QString()
                                             : m_doc.UndoName();
    const QString redo = m_tpList->CanRedo() ? m_tpList->RedoName()
                         : listFirst         ? QString()
                                             : m_doc.RedoName();
    m_undoAction->setEnabled(!undo.isEmpty());
    m_undoAction->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undo);
    m_redoAction->setEnabled(!redo.isEmpty());
    m_redoAction->setText(redo.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + redo);
}

void CMeterDlg::OnUndo()
{
    // An open edit ends first, kept: it is then the list's newest step.
    if (!m_tpList->EndEdit())
        return;
    if (m_tpList->CanUndo())
        m_tpList->Undo();
    else if (!m_tpList->IsModified() && m_doc.Undo())
        ShowDocument();
    UpdateEditMenu();
}

void CMeterDlg::OnRedo()
{
    if (!m_tpList->EndEdit())
        return;
    if (m_tpList->CanRedo())
        m_tpList->Redo();
    else if (!m_tpList->IsModified() && m_doc.Redo())
        ShowDocument();
    UpdateEditMenu();
}

void CMeterDlg::ShowDocument()
{
    const int slot = SelectedSlot();
    FillSatelliteList();
    for (int row = 0; row < m_satList->count(); ++row) {
        if (m_satList->item(row)->data(SlotRole).toInt() == slot) {
            const QSignalBlocker blocker(m_satList);
            m_satList->setCurrentRow(row);
        }
    }
    ShowTransponders(SelectedSlot());
}
