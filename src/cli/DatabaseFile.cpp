#include "cli/DatabaseFile.h"

#include "cli/Console.h"
#include "document/SatelliteConversions.h"

#include <QFileInfo>

bool DatabaseFile::Open(DatabaseDocument &doc, const QString &path)
{
    // A pipe would block the open for ever; only a regular file is taken.
    if (!QFileInfo(path).isFile()) {
        Console::Err(QStringLiteral("%1: Can not read the specified file!").arg(path));
        return false;
    }
    const DocumentResult opened = doc.Open(path);
    if (!opened)
        Console::Err(QStringLiteral("%1: %2").arg(path, opened.text.trimmed()));
    return bool(opened);
}

QString DatabaseFile::Degrees(int position)
{
    return SatelliteConversions::FormatDegrees(SatelliteConversions::DegreesFromPosition(position));
}
