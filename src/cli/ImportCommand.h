#pragma once

#include <QStringList>

// import DB SOURCE [--satellite POS]... [--replace|--merge] [--tolerance MHZ] [--dry-run]:
// a receiver list (satellites.xml or CSV) into a database file, with the preview printed first.
class ImportCommand
{
public:
    static int Run(const QStringList &arguments);
};
