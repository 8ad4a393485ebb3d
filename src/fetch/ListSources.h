#pragma once

#include <QString>
#include <QStringList>

// The lists offered for fetching, from the settings: "Lists/Url", the one fetched unless another
// is named, and "Lists/Offered", the choice the window shows.
class ListSources
{
public:
    // The satellites.xml that receiver images publish weekly.
    static QString DefaultUrl();
    static QString Url();
    // The setting's lists (regional files, other image families' lists), else Url() alone.
    static QStringList Offered();
};
