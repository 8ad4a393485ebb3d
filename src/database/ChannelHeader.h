#pragma once

#include "database/DbLayout.h"
#include "database/RecordField.h"

#include <array>

// Head of the channel table: the two global kind chains, the four group chains, the free chain.
struct ChannelHeader
{
    std::array<quint8, DbLayout::CHANNEL_HEADER_SIZE> raw{};

    DB_U16_FIELD(Kind1First, 0)
    DB_U16_FIELD(Kind1Last, 2)
    DB_U16_FIELD(OtherFirst, 4)
    DB_U16_FIELD(OtherLast, 6)
    DB_U16_FIELD(FreeFirst, 32)
    DB_U16_FIELD(OtherCount, 34)
    DB_U16_FIELD(Kind1Count, 36)

    int GroupFirst(int g) const { return LeBits::Get16(raw.data() + 8 + 2 * (g & 3)); }
    void SetGroupFirst(int g, int v) { LeBits::Set16(raw.data() + 8 + 2 * (g & 3), quint16(v)); }
    int GroupLast(int g) const { return LeBits::Get16(raw.data() + 16 + 2 * (g & 3)); }
    void SetGroupLast(int g, int v) { LeBits::Set16(raw.data() + 16 + 2 * (g & 3), quint16(v)); }
    int GroupCount(int g) const { return LeBits::Get16(raw.data() + 24 + 2 * (g & 3)); }
    void SetGroupCount(int g, int v) { LeBits::Set16(raw.data() + 24 + 2 * (g & 3), quint16(v)); }
};

static_assert(sizeof(ChannelHeader) == DbLayout::CHANNEL_HEADER_SIZE);
