#pragma once

#include <QStringList>

// backups [FILE]: the versions the backup archive keeps (every save's previous file and every
// read), newest first, one line each; with FILE, only that file's.
class BackupsCommand
{
public:
    static int Run(const QStringList &arguments);
};
