#pragma once

#include "database/DbLayout.h"
#include "database/RecordField.h"

#include <array>

// Head of the satellite table: the satellite chain, the free-slot chain and the count.
struct SatelliteHeader
{
    std::array<quint8, DbLayout::SATELLITE_HEADER_SIZE> raw{};

    DB_U8_FIELD(First, 0)
    DB_U8_FIELD(Last, 1)
    DB_U8_FIELD(FreeFirst, 2)
    DB_U8_FIELD(Count, 3)
};

static_assert(sizeof(SatelliteHeader) == DbLayout::SATELLITE_HEADER_SIZE);
