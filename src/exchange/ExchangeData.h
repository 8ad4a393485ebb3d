#pragma once

#include "exchange/ExchangeSatellite.h"

#include <QString>

#include <vector>

// What reading a receiver list gave: its satellites in the file's order, or (and then no
// satellites at all) why the file was refused, naming the line and column or the row.
struct ExchangeData
{
    std::vector<ExchangeSatellite> satellites;
    QString error;
    QString note; // told beside a list read: e.g. that a fetched list's cached copy stood in

    bool Ok() const { return error.isEmpty(); }
    int TransponderCount() const
    {
        int n = 0;
        for (const ExchangeSatellite &s : satellites)
            n += int(s.transponders.size());
        return n;
    }
    static ExchangeData Fail(const QString &error)
    {
        ExchangeData d;
        d.error = error;
        return d;
    }
};
