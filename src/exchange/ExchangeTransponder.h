#pragma once

#include "exchange/ExchangePolar.h"

#include <QtGlobal>

// One transponder as a receiver list holds it, before anything is fitted to the meter.
struct ExchangeTransponder
{
    qint64 frequency = 0;  // kHz
    qint64 symbolRate = 0; // symbols per second
    ExchangePolar polar = ExchangePolar::Horizontal;
    int line = 0; // where the file holds it (CSV: the row), for messages; 0 when not from a file

    friend bool operator==(const ExchangeTransponder &a, const ExchangeTransponder &b)
    {
        return a.frequency == b.frequency && a.symbolRate == b.symbolRate && a.polar == b.polar;
    }
};
