#pragma once

#include <QStringList>

// sky [--site LAT,LON] [--min-elevation DEG] [--json] SOURCE...: the look angles from a site of
// the satellites of database files and receiver lists, visible ones first.
class SkyCommand
{
public:
    static int Run(const QStringList &arguments);
};
