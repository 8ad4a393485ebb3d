#pragma once

#include "document/DatabaseDocument.h"

#include <QDialog>

#include <memory>

class BackupArchive;
class CTransponderList;
class ImportPlan;
class PortStatusLabel;
class QGridLayout;
class Prompts;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QAction;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

// The main window: COM port selection with its connection test, the transfer commands, and the
// satellite and transponder lists of the offline editor.
class CMeterDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CMeterDlg(Prompts &prompts, QWidget *parent = nullptr);
    ~CMeterDlg() override;

    // Start-up: fills the port list, tests the saved port, reports it, shows the compact window.
    bool OnInitDialog();
    void ShowDatabasePanels(bool expanded);

    void LoadPortSetting(int &port);
    bool TestConnection(int port);

    int Connected() const { return m_connected; }
    QComboBox *PortCombo() const { return m_portCombo; }
    QLabel *DeviceLabel() const { return m_deviceLabel; }
    PortStatusLabel *PortStatus() const { return m_portStatus; }
    // The port doctor's line: why the meter was not reached on the port (openFailure: the open's
    // errno, 0 when it opened); cleared, and the adapter remembered for the port, when it answered.
    void ShowPortDiagnosis(int port, const QString &devicePath, bool answered, int openFailure);
    // Port number of the selected combo entry (index + 1); 0 when nothing is selected.
    int SelectedPort() const;

    // Item-data role of a satellite entry: its slot.
    static constexpr int SlotRole = Qt::UserRole;

    // The offline editor's state, for the handlers and for tests.
    const DatabaseDocument &Document() const { return m_doc; }
    QListWidget *SatList() const { return m_satList; }
    CTransponderList *TpList() const { return m_tpList; }
    QAction *UndoAction() const { return m_undoAction; }
    QAction *RedoAction() const { return m_redoAction; }
    // Where saves and reads are kept; the restore dialog lists it.
    BackupArchive &Archive() const { return *m_archive; }
    // Puts a kept version into the open database as one undoable step, or, with none open,
    // into a file the user names, opened afresh. False when nothing changed.
    bool RestoreBackup(const QString &archivedFile);
    // Whether anything would be lost by closing now: unsaved changes or unapplied rows.
    bool HasPendingWork() const;
    // Asks about pending work before the window closes; true when it may close.
    bool QueryClose();

public slots:
    void OnPortSelChange();
    void OnLoadSoftware();
    void OnReadParameters();
    void OnWriteParameters();
    void OnEditParameters();
    void OnSatSelChange();
    void OnEditSatellite();
    void OnApply();
    void OnAddTransponder();
    void OnDeleteTransponder();
    void OnAddSatellite();
    void OnDeleteSatellite();
    // Edit > Undo and Redo: the transponder list's pending steps first, then the document's.
    void OnUndo();
    void OnRedo();
    void OnManual();
    void OnAbout();
    // File > Import, Export, Compare with file; Edit > Remove duplicate transponders.
    void OnImport();
    void OnExport();
    void OnCompareWithFile();
    // The compare window between the open database and the file at path (a backup, too),
    // owned by owner when given (a modal dialog), else by the main window.
    void CompareWithFile(const QString &path, QWidget *owner = nullptr);
    void OnRemoveDuplicates();
    // File > Restore a backup...: the archive's versions; the chosen one goes into the document.
    void OnRestoreBackup();
    // Close box, Escape and Enter end here: pending work is never dropped without a word.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildWindow();
    void BuildEditMenu(QMenuBar *menuBar);
    void BuildPortDoctor(QGridLayout *portGrid);
    // The exchange commands and the satellite filter box (MeterDlgExchange.cpp).
    void BuildExchangeMenu(QMenuBar *menuBar);
    void FilterSatellites();
    void ApplyImport(const ImportPlan &plan);
    void AddTransferLogsItem(QMenu *help);
    // Opens a file or folder in the desktop's program for it; says so, naming it, when none can.
    void OpenOnDesktop(const QString &path, const QString &what);
    void BuildFileMenu(QMenuBar *menuBar);
    // What a read is about to replace, and then the image read, under the meter's identity word.
    void KeepBeforeRead(const QString &path);
    void KeepReadImage(const QString &path, uint32_t identityWord);
    // A backup that could not be kept: told once per session, not at every Apply.
    void TellBackup(const FileResult &kept);
    void UpdateEditMenu();
    void ShowDevice(int port);
    // The slot of the selected satellite entry, or -1.
    int SelectedSlot() const;
    // OnApply's work; false when the rows were refused or the file was not written.
    bool ApplyAndSave();
    void RunSatelliteDialog(bool adding);
    // Refills the satellite list in chain order and selects the first entry without notifying.
    void FillSatelliteList();
    void ShowTransponders(int slot);
    // Both lists as the document now is, the satellite selected before staying selected.
    void ShowDocument();
    // Saves the document; a failure is shown. False when the file was not written.
    bool SaveDocument();
    // The file again, as another program left it; the lists show it.
    void ReloadDocument();
    // Shows why a command failed, unless it fails silently.
    void Warn(const DocumentResult &result);

    int m_connected = 0;
    Prompts &m_prompts;
    std::unique_ptr<BackupArchive> m_archive; // before m_doc: the document points at it
    DatabaseDocument m_doc;
    bool m_backupTold = false;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QListWidget *m_satList = nullptr;
    CTransponderList *m_tpList = nullptr;
    QComboBox *m_portCombo = nullptr;
    QLabel *m_deviceLabel = nullptr;
    PortStatusLabel *m_portStatus = nullptr;
    QGroupBox *m_satGroup = nullptr;
    QGroupBox *m_tpGroup = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_readButton = nullptr;
    QPushButton *m_writeButton = nullptr;
    QPushButton *m_editButton = nullptr;
    QLineEdit *m_satFilter = nullptr;
};
