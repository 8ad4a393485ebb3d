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

    // Whether a file command may write out, which is to hold next, made from database db: never
    // over db itself (under any name or link) nor over anything but a regular file; over an
    // existing file only with force, once the backup archive has kept its content. -1 when it
    // may, else the exit code, the reason told on stderr.
    static int MayReplace(const QString &db, const QString &out, const QByteArray &next, bool force);
};
