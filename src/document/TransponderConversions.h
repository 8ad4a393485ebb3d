#pragma once

#include "document/TransponderRow.h"

#include <QString>

struct TransponderRecord;

// Between transponder records, rows and the texts of the transponder list: the one place for
// the polarisation texts, the reading of a cell's number and the clamps applied when a row is
// stored.
class TransponderConversions
{
public:
    static constexpr quint32 MIN_FREQUENCY = 2000;    // MHz
    static constexpr quint32 MAX_FREQUENCY = 15000;
    static constexpr quint32 MIN_SYMBOL_RATE = 2000;  // kS/s
    static constexpr quint32 MAX_SYMBOL_RATE = 45000;
    // Characters of a number cell, and of a polar cell, that are read.
    static constexpr int NUMBER_CHARS = 6;
    static constexpr int POLAR_CHARS = 4;

    // "Vert", "Hori", "Auto".
    static QString PolarText(Polar polar);
    // The first four characters, case-sensitively: "Hori", "Vert", anything else Auto.
    static Polar PolarFromText(const QString &text);
    // The stored field: 0 Vert, 1 Hori, 2 and 3 Auto.
    static Polar PolarFromStored(int polarisation);

    // A cell's number as the C library's atoi reads the first maxChars characters: blanks,
    // a sign, then digits up to the first other character; 0 without digits.
    static int CellNumber(const QString &text, int maxChars = NUMBER_CHARS);

    // Taken as unsigned (a negative entry is huge and ends at the upper bound), clamped, in the
    // record's units (kHz, symbols per second).
    static quint32 StoredFrequency(int megahertz);
    static quint32 StoredSymbolRate(int kilosymbols);

    // The row a stored record shows: whole MHz and kS/s.
    static TransponderRow RowFromRecord(int record, const TransponderRecord &r);
    // Writes a row's values into the record: in use, clamped values, polarisation, spare bits
    // cleared; the links and every other bit stay.
    static void StoreRow(const TransponderRow &row, TransponderRecord &r);
};
