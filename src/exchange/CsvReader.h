#pragma once

#include "exchange/ExchangeData.h"
#include "exchange/ReadProgress.h"

#include <QByteArray>

// Reads our spreadsheet CSV (UTF-8, RFC 4180 quoting, comma separated, rows ending in CRLF, LF
// or CR): a header row naming the columns (satellite, position, frequency, symbol rate,
// polarisation; found by name, in any order), then one row per transponder: position in degrees
// (West negative, or with E/W after it, a degree sign allowed), frequency in MHz, symbol rate
// in kS/s, polarisation H/Hori/Horizontal, V/Vert/Vertical, L/Left, R/Right or Auto (any case).
// A row with no frequency, symbol rate and polarisation names a satellite without
// transponders. Rows of one satellite (same name and position) need not be adjacent. A cell
// that CsvWriter kept from running as a formula (see there) reads back as it was. Any error
// refuses the whole file naming the row (the header is row 1): a cell that is no number, an
// unknown polarisation, a name beyond Latin-1 (as the satellite dialog refuses it), an open
// quote, a short row, a row of more than 1000 cells or a cell over 4096 bytes, more satellites
// or transponders than ExchangeFiles::Excess allows (told as soon as it is reached). Reads row
// by row: the memory it takes grows with the satellites and transponders found, not with the
// cells. progress (may be null) is told how far it got and can stop it.
class CsvReader
{
public:
    static ExchangeData Read(const QByteArray &csv, ReadProgress *progress = nullptr);
};
