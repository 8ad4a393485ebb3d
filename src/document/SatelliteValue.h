#pragma once

#include <QString>

// One satellite as the user sees and edits it: its slot (0..63, or -1 for one not added yet),
// its name (at most 16 Latin-1 characters) and its orbital position in tenths of a degree.
struct SatelliteValue
{
    int slot = -1;
    QString name;
    int position = 0;

    friend bool operator==(const SatelliteValue &a, const SatelliteValue &b)
    {
        return a.slot == b.slot && a.name == b.name && a.position == b.position;
    }
};
