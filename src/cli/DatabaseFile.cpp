#include "cli/DatabaseFile.h"

#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "common/FileLock.h"
#include "document/BackupArchive.h"
#include "document/SatelliteConversions.h"

#include <QCoreApplication>
#include <QFileInfo>

bool DatabaseFile::Open(DatabaseDocument &doc, const QString &path, bool forUpdate)
{
    // A pipe would block the open for ever; only a regular file is taken.
    if (!QFileInfo(path).isFile()) {
        Console::Err(QCoreApplication::translate("Cli", "%1: Can not read the specified file!").arg(path));
        return false;
    }
    // Another import of this file waits long enough for a big list to be taken in.
    const DocumentResult opened = forUpdate ? doc.OpenForUpdate(path, 60000) : doc.Open(path);
    if (!opened)
        Console::Err(QStringLiteral("%1: %2").arg(path, opened.text.trimmed()));
    return bool(opened);
}

QString DatabaseFile::Degrees(int position)
{
    return SatelliteConversions::FormatDegrees(SatelliteConversions::DegreesFromPosition(position));
}

int DatabaseFile::MayReplace(const QString &db, const QString &out, const QByteArray &next, bool force)
{
    const QFileInfo target(out);
    if (!target.exists() && !target.isSymLink())
        return -1;
    if (SameFile(db, out)) {
        Console::Err(QCoreApplication::translate("Cli", "%1: is the database %2 itself; not replaced").arg(out, db));
        return EXIT_FILE;
    }
    if (!target.isFile()) {
        Console::Err(QCoreApplication::translate("Cli", "%1: exists and is no regular file; not replaced").arg(out));
        return EXIT_FILE;
    }
    if (!force) {
        Console::Err(QCoreApplication::translate("Cli", "%1: exists; not replaced (--force replaces it and keeps its content in the "
                                                        "backup archive)").arg(out));
        return EXIT_REFUSED;
    }
    // A file the archive cannot keep is not replaced.
    BackupArchive archive;
    if (const FileResult kept = archive.KeepBeforeSave(out, next); !kept) {
        Console::Err(QCoreApplication::translate("Cli", "%1: not replaced, since its content could not be kept: %2").arg(out, kept.error));
        return EXIT_FILE;
    }
    return -1;
}
