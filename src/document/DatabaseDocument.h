#pragma once

#include "common/FileLock.h"
#include "database/ParamDatabase.h"
#include "document/DocumentResult.h"
#include "document/SatelliteValue.h"
#include "document/TransponderRow.h"
#include "document/UndoHistory.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BackupArchive;

// The database being edited: the image, the file it came from, the editing commands, their undo
// history and whether memory differs from the file. Commands report what went wrong as values
// and never ask anything: the window (or any other front end) decides what to show.
//
// Every command that changes the image is one undo step, named as the window's button:
// "Apply" (ReplaceTransponders), "Add SAT", "Edit SAT", "Delete SAT", "Restore backup"
// (ReplaceImage). Opening a file starts a
// fresh history; saving keeps it (an undo after a save makes the document modified again).
class DatabaseDocument : public QObject
{
    Q_OBJECT
public:
    static constexpr int NEW_SATELLITE_SETUP_BYTE = 0x41;

    explicit DatabaseDocument(QObject *parent = nullptr);
    ~DatabaseDocument() override;

    // --- File ----------------------------------------------------------------------------
    // A refused file leaves the document (image, path, history) as it was; the result's text is
    // the reason the window shows.
    DocumentResult Open(const QString &path);
    // Opens as Open does, with the file's writers' lock taken first and held until the next Save
    // has ended: no other save comes between this load and that save (an import).
    DocumentResult OpenForUpdate(const QString &path, int waitMs = FileLock::DEFAULT_WAIT_MS);
    // Writes the whole image to the file it was opened from, under the file's writers' lock.
    // A file that no longer holds what was opened or last saved here is refused (ChangedOnDisk)
    // unless overwrite: the other program's change is never lost unasked.
    DocumentResult Save(bool overwrite = false);
    // With an archive, Save first keeps what the file holds (the archive's failure never stops
    // the save; it comes back in the result's backup). The archive outlives the document or is reset to null first.
    void SetArchive(BackupArchive *archive) { m_archive = archive; }
    bool IsOpen() const { return m_db.IsLoaded(); }
    QString Path() const { return m_db.Path(); }
    // Memory differs from the file (as last opened or saved).
    bool IsModified() const { return m_modified; }

    // --- Reading -------------------------------------------------------------------------
    // The satellites in listing order.
    std::vector<SatelliteValue> Satellites() const;
    std::optional<SatelliteValue> Satellite(int slot) const;
    // A satellite's transponders in listing order, as rows.
    std::vector<TransponderRow> TransponderRows(int slot) const;
    const ParamDatabase &Database() const { return m_db; }
    // The transponder records still free.
    int FreeTransponderRecords() const;

    // --- Commands ------------------------------------------------------------------------
    // Appends a satellite (setup byte 0x41, no transponders) in the first free slot; the new
    // slot goes to *slot. value.slot is ignored; position is taken in its low 12 bits.
    DocumentResult AddSatellite(const SatelliteValue &value, int *slot = nullptr);
    // Renames and moves satellite value.slot; every other byte of its record stays.
    DocumentResult EditSatellite(const SatelliteValue &value);
    // Deletes a satellite with its transponders and their channels.
    DocumentResult DeleteSatellite(int slot);
    // Apply: stores rows as satellite slot's transponder chain, in this order, all or nothing.
    // Marked rows release their records first, so new rows can take them; unmarked new rows take
    // records from the front of the free chain, in row order, and get them in rows[i].record.
    // The rows must name each of the satellite's stored transponders exactly once.
    DocumentResult ReplaceTransponders(int slot, std::vector<TransponderRow> &rows);
    // Runs steps (the commands above, any number) as one undo step called name; when steps fail
    // the image is put back as it was before the first of them and nothing is recorded.
    DocumentResult Batch(const QString &name, const std::function<DocumentResult()> &steps);
    // Takes over a whole image (a backup being restored) as one step named name; the file is
    // written only by the next Save. Anything but a whole image is refused.
    DocumentResult ReplaceImage(const QString &name, const QByteArray &image);

    // --- Undo ----------------------------------------------------------------------------
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // The name of the step Undo or Redo would take ("Delete SAT"); empty when none.
    QString UndoName() const { return m_history.UndoName(); }
    QString RedoName() const { return m_history.RedoName(); }
    bool Undo();
    bool Redo();

signals:
    // The image, the file or the history changed: lists and menus show the document again.
    void changed();
    void modifiedChanged(bool modified);

private:
    // Runs a command that changes the image; records it as one step when it succeeded.
    DocumentResult Change(const QString &name, const std::function<DocumentResult()> &command);
    DocumentResult Store(int slot, std::vector<TransponderRow> &rows);
    void Changed();

    BackupArchive *m_archive = nullptr;
    std::unique_ptr<FileLock> m_lock; // held from OpenForUpdate to the end of the next Save
    ParamDatabase m_db;
    UndoHistory m_history;
    QByteArray m_fileImage; // the file's bytes as last opened or saved
    bool m_modified = false;
    bool m_inBatch = false; // commands inside a Batch record no step of their own
};
