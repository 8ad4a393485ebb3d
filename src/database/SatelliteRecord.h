#pragma once

#include "database/DbLayout.h"
#include "database/RecordField.h"

#include <QByteArray>

#include <array>
#include <cstring>

// One 40-byte slot of the satellite table, kept as its file bytes so that every bit the tool does
// not interpret survives an edit.
struct SatelliteRecord
{
    static constexpr int NAME_OFFSET = 24;
    static constexpr int NAME_SIZE = 16;

    std::array<quint8, DbLayout::SATELLITE_RECORD_SIZE> raw{};

    DB_BIT_FIELD(int, FirstTp, 0, 0, 16)
    DB_BIT_FIELD(int, LastTp, 0, 16, 16)
    DB_BIT_FIELD(int, TpCount, 4, 0, 16)
    DB_BIT_FIELD(int, SetupByte, 4, 16, 8)
    DB_BIT_FIELD(int, Slot, 4, 24, 8)
    DB_BIT_FIELD(int, Next, 8, 0, 8)
    DB_BIT_FIELD(int, Prev, 8, 8, 8)
    DB_BIT_FIELD(int, Position, 8, 16, 12)
    DB_BIT_FIELD(int, InUse, 8, 28, 1)
    DB_BIT_FIELD(int, Kind1Count, 12, 0, 16)
    DB_BIT_FIELD(int, OtherCount, 12, 16, 16)
    DB_BIT_FIELD(int, Kind1First, 16, 0, 16)
    DB_BIT_FIELD(int, Kind1Last, 16, 16, 16)
    DB_BIT_FIELD(int, OtherFirst, 20, 0, 16)
    DB_BIT_FIELD(int, OtherLast, 20, 16, 16)

    // The name: at most 16 bytes, cut at the first zero byte.
    QByteArray Name() const
    {
        const char *p = reinterpret_cast<const char *>(raw.data() + NAME_OFFSET);
        return QByteArray(p, int(qstrnlen(p, NAME_SIZE)));
    }

    // No transponders and no channels hang on the satellite.
    void ClearChains()
    {
        SetFirstTp(DbLayout::NO_TRANSPONDER);
        SetLastTp(DbLayout::NO_TRANSPONDER);
        SetTpCount(0);
        SetKind1First(DbLayout::NO_CHANNEL);
        SetKind1Last(DbLayout::NO_CHANNEL);
        SetOtherFirst(DbLayout::NO_CHANNEL);
        SetOtherLast(DbLayout::NO_CHANNEL);
        SetKind1Count(0);
        SetOtherCount(0);
    }

    // Stores the name up to and including its terminating zero, never more than 16 bytes (a
    // 16-character name has no terminator); the bytes after the terminator keep their content.
    void SetName(const QByteArray &name)
    {
        const int n = int(qMin<qsizetype>(qstrnlen(name.constData(), name.size()), NAME_SIZE));
        std::memcpy(raw.data() + NAME_OFFSET, name.constData(), size_t(n));
        if (n < NAME_SIZE)
            raw[size_t(NAME_OFFSET) + size_t(n)] = 0;
    }
};

static_assert(sizeof(SatelliteRecord) == DbLayout::SATELLITE_RECORD_SIZE);
