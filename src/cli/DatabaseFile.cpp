#include "cli/DatabaseFile.h"

#include "cli/Console.h"
#include "document/SatelliteConversions.h"

#include <QFileInfo>

bool DatabaseFile::Open(DatabaseDocument &doc, const QString &path, bool forUpdate)
{
    // A pipe would block the open for ever; only a regular file is taken.
    if (!QFileInfo(path).isFile()) {
        Console::Err(QStringLiteral("%1: Can not read the specified file!").arg(path));
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
