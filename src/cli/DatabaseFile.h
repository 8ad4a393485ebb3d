#pragma once

#include "document/DatabaseDocument.h"

#include <QString>

// Opens a database file for the file commands; tells on stderr why not. True when open.
class DatabaseFile
{
public:
    // forUpdate: the file's writers' lock is held from the load to the end of the next Save.
    static bool Open(DatabaseDocument &doc, const QString &path, bool forUpdate = false);
    // The position as the window shows it: degrees with one decimal place.
    static QString Degrees(int position);
};
