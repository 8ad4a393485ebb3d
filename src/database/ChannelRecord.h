#pragma once

#include "database/DbLayout.h"
#include "database/RecordField.h"

#include <array>

// One 52-byte record of the channel table. The tool only unlinks channels, so only the links and
// the bookkeeping fields have names; every other bit is carried through.
struct ChannelRecord
{
    std::array<quint8, DbLayout::CHANNEL_RECORD_SIZE> raw{};

    DB_BIT_FIELD(int, Transponder, 0, 16, 16)
    DB_BIT_FIELD(int, Kind, 4, 0, 2)          // 1: kind-1 chains; 0, 2, 3: other-kind chains
    DB_BIT_FIELD(int, InUse, 4, 30, 1)
    DB_BIT_FIELD(int, Groups, 8, 0, 6)        // bit g: member of group chain g (chains for 0..3)
    DB_BIT_FIELD(int, Next, 8, 6, 13)
    DB_BIT_FIELD(int, Prev, 8, 19, 13)
    DB_BIT_FIELD(int, Satellite, 12, 13, 8)
    DB_BIT_FIELD(int, SatNext, 16, 0, 13)
    DB_BIT_FIELD(int, SatPrev, 16, 13, 13)

    bool IsKind1() const { return Kind() == 1; }
    bool InGroup(int g) const { return (Groups() >> (g & 3)) & 1; }

    int GroupNext(int g) const { return LeBits::Get16(raw.data() + 20 + 2 * (g & 3)); }
    void SetGroupNext(int g, int v) { LeBits::Set16(raw.data() + 20 + 2 * (g & 3), quint16(v)); }
    int GroupPrev(int g) const { return LeBits::Get16(raw.data() + 28 + 2 * (g & 3)); }
    void SetGroupPrev(int g, int v) { LeBits::Set16(raw.data() + 28 + 2 * (g & 3), quint16(v)); }
};

static_assert(sizeof(ChannelRecord) == DbLayout::CHANNEL_RECORD_SIZE);
