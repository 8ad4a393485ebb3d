#pragma once

#include "exchange/ExchangeTransponder.h"

#include <QString>

#include <vector>

// One satellite as a receiver list holds it: its name as written (any length, any characters),
// its position in tenths of a degree East as the meter stores it (a West position already
// turned round: -50 is 3550),
// the position as the file wrote it, and its transponders in the file's order.
struct ExchangeSatellite
{
    QString name;
    int position = 0;
    QString positionText; // "-50" (satellites.xml tenths), "355.0" (CSV degrees)
    int line = 0;         // where the file names it first (CSV: the row)
    std::vector<ExchangeTransponder> transponders;
};
