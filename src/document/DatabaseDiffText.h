#pragma once

#include "document/DatabaseDiff.h"

#include <QStringList>

// The comparison as lines a person reads, one change a line: what orbivane-cli diff prints and
// what the window's "Compare with file..." shows, so that both say the same.
class DatabaseDiffText
{
public:
    static QStringList Lines(const std::vector<DatabaseDiff::SatelliteChange> &changes);
};
