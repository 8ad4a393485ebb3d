#include "document/DatabaseDocument.h"

#include "document/BackupArchive.h"
#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"

#include <QCoreApplication>


using namespace DbLayout;

DatabaseDocument::DatabaseDocument(QObject *parent) : QObject(parent) {}

DatabaseDocument::~DatabaseDocument() = default;

DocumentResult DatabaseDocument::Open(const QString &path)
{
    if (const FileResult loaded = m_db.Load(path); !loaded)
        return DocumentResult::Fail(DocumentResult::Code::OpenFailed, loaded.error);
    m_lock.reset(); // a hold on the file opened before ends here
    m_history.Clear();
    m_fileImage = m_db.ToBytes();
    Changed();
    return {};
}

DocumentResult DatabaseDocument::OpenForUpdate(const QString &path, int waitMs)
{
    m_lock.reset(); // our own earlier hold would keep us waiting
    auto lock = std::make_unique<FileLock>(path);
    if (!lock->Lock(waitMs))
        return DocumentResult::Fail(DocumentResult::Code::OpenFailed, FileResult::Report(path, lock->ErrorString()));
    DocumentResult opened = Open(path);
    if (opened)
        m_lock = std::move(lock);
    return opened;
}

DocumentResult DatabaseDocument::Save(bool overwrite)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    const QString path = m_db.Path();
    // Read, compare and write under the lock: another writer's save cannot slip in between.
    std::unique_ptr<FileLock> lock = std::move(m_lock);
    if (!lock) {
        lock = std::make_unique<FileLock>(path);
        if (!lock->Lock())
            return DocumentResult::Fail(lock->Contended() ? DocumentResult::Code::Busy : DocumentResult::Code::SaveFailed,
                                        FileResult::Report(path, lock->ErrorString()));
    }
    // Read once, for the compare and for the archive.
    const BackupArchive::Current current = overwrite && !m_archive ? BackupArchive::Current()
                                                                   : BackupArchive::ReadCurrent(path);
    // A missing file holds nothing to lose; one we may not read cannot be compared.
    if (!overwrite && current.readable && current.bytes != m_fileImage)
        return DocumentResult::Fail(DocumentResult::Code::ChangedOnDisk,
                                    FileResult::Report(path, QCoreApplication::translate("DatabaseDocument", "The file was changed by another program "
                                                                                                             "after it was read.")));
    const QByteArray next = m_db.ToBytes();
    const FileResult backup = m_archive ? m_archive->KeepBeforeSave(path, current, next) : FileResult();
    DocumentResult result;
    if (const FileResult saved = m_db.Save(); !saved) {
        result = DocumentResult::Fail(DocumentResult::Code::SaveFailed, saved.error);
    } else {
        m_fileImage = next;
        Changed();
    }
    result.backup = backup;
    return result;
}

std::vector<SatelliteValue> DatabaseDocument::Satellites() const
{
    std::vector<SatelliteValue> satellites;
    for (int slot : m_db.SatelliteChain().indices) {
        const SatelliteRecord &sat = *m_db.SatelliteAt(slot);
        satellites.push_back({slot, QString::fromLatin1(sat.Name()), sat.Position()});
    }
    return satellites;
}

std::optional<SatelliteValue> DatabaseDocument::Satellite(int slot) const
{
    SatelliteRecord sat;
    if (slot < 0 || !m_db.GetSatellite(slot, sat))
        return std::nullopt;
    return SatelliteValue{slot, QString::fromLatin1(sat.Name()), sat.Position()};
}

std::vector<TransponderRow> DatabaseDocument::TransponderRows(int slot) const
{
    std::vector<TransponderRow> rows;
    for (int tp : m_db.TransponderChain(slot).indices)
        rows.push_back(TransponderConversions::RowFromRecord(tp, *m_db.TransponderAt(tp)));
    return rows;
}

DocumentResult DatabaseDocument::AddSatellite(const SatelliteValue &value, int *slot)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    const auto check = SatelliteConversions::CheckName(value.name);
    if (check != SatelliteConversions::Check::Ok)
        return DocumentResult::Fail(DocumentResult::Code::BadName,
                                    SatelliteConversions::CheckText(check));
    return Change(QCoreApplication::translate("DatabaseDocument", "Add SAT"), [&] {
        SatelliteRecord record;
        record.SetName(SatelliteConversions::FieldFromName(value.name));
        record.SetPosition(value.position & SatelliteConversions::POSITION_MASK);
        record.SetSetupByte(NEW_SATELLITE_SETUP_BYTE);
        int added = NO_SATELLITE;
        // A full table adds nothing, silently.
        if (!m_db.AddSatellite(record, added))
            return DocumentResult::Fail(m_db.SatHeader().Count() >= NO_SATELLITE
                                            ? DocumentResult::Code::SatelliteTableFull
                                            : DocumentResult::Code::Refused);
        if (slot)
            *slot = added;
        return DocumentResult{};
    });
}

DocumentResult DatabaseDocument::EditSatellite(const SatelliteValue &value)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    SatelliteRecord record;
    if (value.slot < 0 || !m_db.GetSatellite(value.slot, record))
        return DocumentResult::Fail(DocumentResult::Code::NoSatellite);
    const auto check = SatelliteConversions::CheckName(value.name);
    if (check != SatelliteConversions::Check::Ok)
        return DocumentResult::Fail(DocumentResult::Code::BadName,
                                    SatelliteConversions::CheckText(check));
    return Change(QCoreApplication::translate("DatabaseDocument", "Edit SAT"), [&] {
        record.SetName(SatelliteConversions::FieldFromName(value.name));
        record.SetPosition(value.position & SatelliteConversions::POSITION_MASK);
        m_db.SetSatellite(value.slot, record);
        return DocumentResult{};
    });
}

DocumentResult DatabaseDocument::DeleteSatellite(int slot)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    return Change(QCoreApplication::translate("DatabaseDocument", "Delete SAT"), [&] {
        return m_db.DeleteSatellite(slot & 0xFF) ? DocumentResult{}
                                                 : DocumentResult::Fail(DocumentResult::Code::Refused);
    });
}

DocumentResult DatabaseDocument::ReplaceTransponders(int slot, std::vector<TransponderRow> &rows)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    return Change(QCoreApplication::translate("DatabaseDocument", "Apply"), [&] { return Store(slot, rows); });
}

DocumentResult DatabaseDocument::Batch(const QString &name,
                                       const std::function<DocumentResult()> &steps)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    if (m_inBatch)
        return steps();
    const QByteArray before = m_db.ToBytes();
    m_inBatch = true;
    DocumentResult result = steps();
    m_inBatch = false;
    if (!result) {
        m_db.FromBytes(before);
        return result;
    }
    m_history.Record(name, before, m_db.ToBytes());
    Changed();
    return result;
}

DocumentResult DatabaseDocument::ReplaceImage(const QString &name, const QByteArray &image)
{
    if (!IsOpen())
        return DocumentResult::Fail(DocumentResult::Code::NotOpen);
    if (image.size() != IMAGE_SIZE)
        return DocumentResult::Fail(DocumentResult::Code::Refused, QCoreApplication::translate("DatabaseDocument", "Database does not match!"));
    return Change(name, [&] {
        m_db.FromBytes(image);
        return DocumentResult{};
    });
}

bool DatabaseDocument::Undo()
{
    QByteArray image = m_db.ToBytes();
    if (!m_history.Undo(image))
        return false;
    m_db.FromBytes(image);
    Changed();
    return true;
}

bool DatabaseDocument::Redo()
{
    QByteArray image = m_db.ToBytes();
    if (!m_history.Redo(image))
        return false;
    m_db.FromBytes(image);
    Changed();
    return true;
}

DocumentResult DatabaseDocument::Change(const QString &name,
                                        const std::function<DocumentResult()> &command)
{
    if (m_inBatch)
        return command();
    const QByteArray before = m_db.ToBytes();
    DocumentResult result = command();
    if (result) {
        m_history.Record(name, before, m_db.ToBytes());
        Changed();
    }
    return result;
}

void DatabaseDocument::Changed()
{
    const bool modified = m_db.ToBytes() != m_fileImage;
    const bool flipped = modified != m_modified;
    m_modified = modified;
    emit changed();
    if (flipped)
        emit modifiedChanged(modified);
}
