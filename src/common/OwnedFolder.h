#pragma once

#include <QByteArray>
#include <QString>

// Files in the folders the program keeps for itself (the backups, the transfer logs). Others may
// have put anything there: a symbolic link under the next name, a FIFO, a huge sparse file. So a
// file is only ever made new (an existing name, link or not, is never opened for writing), and a
// file is read only when it is a regular file no larger than asked.
namespace OwnedFolder {

// Makes path with bytes in it. Returns 0, or the errno of the failure with *error set to its
// words ("No space left on device"); EEXIST means the name is taken: pick another. A write that
// fails part way leaves no file behind. sync: on disk before returning.
int CreateNew(const QString &path, const QByteArray &bytes, bool sync, QString *error);

// Reads path whole into *bytes when it is a regular file of at most maxBytes; otherwise false,
// with the reason in *error and *bytes empty.
bool ReadAtMost(const QString &path, qint64 maxBytes, QByteArray *bytes, QString *error);

} // namespace OwnedFolder
