#pragma once

#include <QWidget>

class Backups;
class CTransponderList;
class DatabaseDocument;
class Prompts;
class QListWidget;
class SatelliteList;
struct DocumentResult;

// The offline editor: the satellite list with its filter box, the transponder list of the
// selected satellite, and their Add, Delete and Apply buttons, over the database document.
class EditorPanel : public QWidget
{
    Q_OBJECT
public:
    EditorPanel(DatabaseDocument &doc, Backups &backups, Prompts &prompts, QWidget *parent);

    QListWidget *SatList() const;
    CTransponderList *TpList() const { return m_tpList; }
    // The slot of the selected satellite entry, or -1.
    int SelectedSlot() const;

    // Opens the file for editing and shows its lists; a refused file leaves the database being
    // edited, and the lists showing it, as they were.
    bool OpenAndShow(const QString &path);
    // Puts a kept version into the open database as one undoable step; false when nothing
    // changed (the unapplied rows it would drop were kept, or the document refused it).
    bool RestoreImage(const QByteArray &image);
    // Refills the satellite list, the satellite selected before staying selected, without
    // notifying: the transponder rows shown stay as they are.
    void RefillSatellites();
    // Both lists as the document now is, the satellite selected before staying selected.
    void ShowDocument();
    void ShowTransponders(int slot);
    // Shows why a command failed, unless it fails silently.
    void Warn(const DocumentResult &result) const;

    // Whether anything would be lost by closing now: unsaved changes or unapplied rows.
    bool HasPendingWork() const;
    // Asks about pending work before the window closes; true when it may close.
    bool QueryClose();

public slots:
    void OnEditParameters();
    void OnSatSelChange();
    void OnEditSatellite();
    void OnApply();
    void OnAddTransponder();
    void OnDeleteTransponder();
    void OnAddSatellite();
    void OnDeleteSatellite();

signals:
    // A file was opened for editing; its lists are filled next.
    void databaseOpened();
    // The document or the transponder list changed: what Undo and Redo would do may have too.
    void undoChanged();

private:
    // OnApply's work; false when the rows were refused or the file was not written.
    bool ApplyAndSave();
    void RunSatelliteDialog(bool adding);
    // Saves the document; a failure is shown. False when the file was not written.
    bool SaveDocument();
    // The file again, as another program left it; the lists show it.
    void ReloadDocument();

    DatabaseDocument &m_doc;
    Backups &m_backups;
    Prompts &m_prompts;
    SatelliteList *m_satList = nullptr;
    CTransponderList *m_tpList = nullptr;
};
