#pragma once

#include <QStringList>

// info FILE [--json]: the satellites in chain order with position and transponder count, the
// totals and the free records left.
class InfoCommand
{
public:
    static int Run(const QStringList &arguments);
};
