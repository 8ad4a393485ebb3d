// Loading and saving the database image.
#include "database/ParamDatabase.h"

#include "common/FileReplacement.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace DbLayout;

namespace {

// Reads exactly size bytes unless the file ends or fails first; returns the count read.
qint64 ReadFully(QFile &file, char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(data + done, size - done);
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

} // namespace

FileResult ParamDatabase::Load(const QString &path)
{
    // The new image is read aside and taken over only when it is whole, so a refused file never
    // costs the database being edited.
    auto fresh = std::make_unique<DbImage>();

    // Opening a pipe would wait for a writer for ever, and a device has no length to check.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileResult::Fail(FileResult::Report(path, info.isDir() ? QCoreApplication::translate("FileResult", "Is a directory")
                                                                    : QCoreApplication::translate("FileResult", "Not a regular file")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::Fail(FileResult::Report(path, file.errorString()));
    if (file.size() != IMAGE_SIZE)
        return FileResult::Fail(QCoreApplication::translate("FileResult", "Database does not match!"));
    int index = 0;
    for (const auto &block : fresh->Blocks()) {
        if (ReadFully(file, block.data, block.size) != block.size)
            return FileResult::Fail(index == 1 ? QCoreApplication::translate("FileResult", "open file error: pLnbList")
                                               : QCoreApplication::translate("FileResult", "open file error"));
        ++index;
    }
    // A file that grew while we read it is not the image we measured.
    char extra;
    if (file.read(&extra, 1) != 0)
        return FileResult::Fail(QCoreApplication::translate("FileResult", "Database does not match!"));
    file.close();

    ChannelsMayChange();
    m_img = std::move(fresh);
    m_path = path;
    m_loaded = true;
    return {};
}

FileResult ParamDatabase::Save()
{
    return SaveAs(m_path);
}

FileResult ParamDatabase::SaveAs(const QString &path)
{
    // Atomic where the folder allows it: a failure never leaves a truncated database behind.
    FileReplacement file(path);
    if (!file.Open() || !file.Commit(ToBytes()))
        return FileResult::Fail(FileResult::Report(path, file.ErrorString()));
    return {};
}
