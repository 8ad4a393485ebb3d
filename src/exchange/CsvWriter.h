#pragma once

#include "exchange/ExchangeSatellite.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Writes our spreadsheet CSV, UTF-8, CRLF line ends, the header
//   Satellite,Position (deg E),Frequency (MHz),Symbol rate (kS/s),Polarisation
// then one row per transponder (a satellite without transponders: one row with only its name
// and position). Position in degrees East 0..409.5 with one decimal, whole MHz and kS/s, the
// polarisation as the meter's list shows it ("Hori", "Vert", "Auto"). Cells are quoted as
// RFC 4180 asks (comma, quote, CR or LF inside).
// A text cell that a spreadsheet would run as a formula (its first character =, +, -, @, tab or
// CR) is written with a leading apostrophe, which spreadsheets take as "this is text"; so is
// one that already starts with an apostrophe, so that reading strips exactly one and gives every
// name back unchanged. Our numeric cells are never negative and stay plain numbers.
class CsvWriter
{
public:
    static QByteArray Write(const std::vector<ExchangeSatellite> &satellites);
    // One cell as written: the apostrophe where needed, then the quoting.
    static QString Cell(const QString &text);
    // First characters that make a spreadsheet run a text cell as a formula, and the apostrophe
    // that protects them (so that a name starting with one comes back as it was).
    static bool RunsAsFormula(QChar first) { return QStringLiteral("=+-@\t\r'").contains(first); }
};
