#pragma once

#include "app/Backups.h"
#include "document/DatabaseDocument.h"

#include <QDialog>

class EditorPanel;
class ExchangeCommands;
class PlanCommands;
class PortPanel;
class Prompts;
class QAction;
class QMenuBar;
class TransferCommands;

// The main window: the port panel above the editor panel, every menu, and the commands that
// join them: the transfers, the backups, the exchange with other files, undo and help.
class CMeterDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CMeterDlg(Prompts &prompts, QWidget *parent = nullptr);
    ~CMeterDlg() override;

    // Start-up: fills the port list, tests the saved port, reports it, shows the compact window.
    bool OnInitDialog();
    void ShowDatabasePanels(bool expanded);

    PortPanel &Port() const { return *m_port; }
    EditorPanel &Editor() const { return *m_editor; }
    TransferCommands &Transfers() const { return *m_transfers; }
    const DatabaseDocument &Document() const { return m_doc; }
    QAction *UndoAction() const { return m_undoAction; }
    QAction *RedoAction() const { return m_redoAction; }
    // Where saves and reads are kept; the restore dialog lists it.
    BackupArchive &Archive() { return m_backups.Archive(); }
    // Puts a kept version into the open database as one undoable step, or, with none open,
    // into a file the user names, opened afresh. False when nothing changed.
    bool RestoreBackup(const QString &archivedFile);

public slots:
    // Edit > Undo and Redo: the transponder list's pending steps first, then the document's.
    void OnUndo();
    void OnRedo();
    void OnManual();
    void OnAbout();
    // File > Restore a backup...: the archive's versions; the chosen one goes into the document.
    void OnRestoreBackup();
    // Close box, Escape and Enter end here: pending work is never dropped without a word.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Undo (back) or Redo: the transponder list's pending steps first, then the document's.
    void UndoStep(bool back);
    void BuildMenus(QMenuBar *menuBar);
    void UpdateEditMenu();
    // Opens a file or folder in the desktop's program for it; says so, naming it, when none can.
    void OpenOnDesktop(const QString &path, const QString &what);

    Prompts &m_prompts;
    Backups m_backups; // before m_doc: the document points at its archive
    DatabaseDocument m_doc;
    PortPanel *m_port = nullptr;
    EditorPanel *m_editor = nullptr;
    TransferCommands *m_transfers = nullptr;
    ExchangeCommands *m_exchange = nullptr;
    PlanCommands *m_plan = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
};
