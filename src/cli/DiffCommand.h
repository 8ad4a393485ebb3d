#pragma once

#include <QStringList>

// diff A B [--json]: what differs between two database files in the user's terms; 0 when
// nothing does, 1 when something does.
class DiffCommand
{
public:
    static int Run(const QStringList &arguments);
};
