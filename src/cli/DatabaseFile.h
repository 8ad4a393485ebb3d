#pragma once

#include "document/DatabaseDocument.h"

#include <QString>

// Opens a database file for the file commands; tells on stderr why not. True when open.
class DatabaseFile
{
public:
    static bool Open(DatabaseDocument &doc, const QString &path);
    // The position as the window shows it: degrees with one decimal place.
    static QString Degrees(int position);
};
