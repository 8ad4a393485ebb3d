#pragma once

#include <QStringList>

// export DB OUT (--xml|--csv): every satellite and transponder of a database file as a receiver
// list.
class ExportCommand
{
public:
    static int Run(const QStringList &arguments);
};
