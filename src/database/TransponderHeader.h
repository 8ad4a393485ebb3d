#pragma once

#include "database/DbLayout.h"
#include "database/RecordField.h"

#include <array>

// Head of the transponder table: the free chain and the number of transponders in use.
struct TransponderHeader
{
    std::array<quint8, DbLayout::TRANSPONDER_HEADER_SIZE> raw{};

    DB_U16_FIELD(FreeFirst, 0)
    DB_U16_FIELD(Count, 2)
};

static_assert(sizeof(TransponderHeader) == DbLayout::TRANSPONDER_HEADER_SIZE);
