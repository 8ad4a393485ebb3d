#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

class QFile;

// Replaces a file's whole content. Atomically where the folder lets us make a file (a temporary
// file renamed over it: a failure leaves the old content whole); where it does not, but the file
// itself may be written, in place: truncated and written, as the meter's own tool always does.
// In place, a failure midway damages the file, so callers keep its old content first.
// (QSaveFile's own direct-write fallback truncates at open, before a read has its image.)
class FileReplacement
{
public:
    explicit FileReplacement(const QString &path);
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // Makes sure the file can be written; the file itself is not touched yet. False (see
    // ErrorString) when neither way can write it.
    bool Open();
    // The content becomes bytes. False when it was not written (see ErrorString).
    bool Commit(const QByteArray &bytes);
    QString ErrorString() const { return m_error; }

private:
    QString m_path;
    QSaveFile m_atomic;
    std::unique_ptr<QFile> m_direct;
    QString m_error;
};
