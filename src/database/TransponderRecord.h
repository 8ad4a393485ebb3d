#pragma once

#include "database/DbLayout.h"
#include "database/RecordField.h"

#include <array>

// One 12-byte record of the transponder table.
struct TransponderRecord
{
    std::array<quint8, DbLayout::TRANSPONDER_RECORD_SIZE> raw{};

    DB_BIT_FIELD(quint32, SymbolRate, 0, 0, 32)  // symbols per second
    DB_BIT_FIELD(quint32, Frequency, 4, 0, 32)   // kHz
    DB_BIT_FIELD(int, Polarisation, 8, 0, 2)     // 0 Vert, 1 Hori, 2 and 3 Auto
    DB_BIT_FIELD(int, Next, 8, 2, 13)
    DB_BIT_FIELD(int, Prev, 8, 15, 13)
    DB_BIT_FIELD(int, SpareBits, 8, 28, 3)       // not interpreted; cleared when a row is stored
    DB_BIT_FIELD(int, InUse, 8, 31, 1)
};

static_assert(sizeof(TransponderRecord) == DbLayout::TRANSPONDER_RECORD_SIZE);
