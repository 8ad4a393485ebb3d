#pragma once

#include <QStringList>

// check FILE: the database structure check, one line per violation; 0 when sound, 1 when not.
class CheckCommand
{
public:
    static int Run(const QStringList &arguments);
};
