#pragma once

#include "database/ChannelHeader.h"
#include "database/ChannelRecord.h"
#include "database/DbLayout.h"
#include "database/SatelliteHeader.h"
#include "database/SatelliteRecord.h"
#include "database/TransponderHeader.h"
#include "database/TransponderRecord.h"

#include <array>

// The eight blocks of a database image, each its own member, in file order. Every member is a
// plain byte array underneath, so a block is read from and written to a file as it stands.
struct DbImage
{
    std::array<quint8, DbLayout::LEADING_SIZE> leading{};
    std::array<quint8, DbLayout::LNB_LIST_SIZE> lnbList{};
    SatelliteHeader satHeader;
    std::array<SatelliteRecord, DbLayout::NO_SATELLITE> satellites{};
    TransponderHeader tpHeader;
    std::array<TransponderRecord, DbLayout::NO_TRANSPONDER> transponders{};
    ChannelHeader chHeader;
    std::array<ChannelRecord, DbLayout::NO_CHANNEL> channels{};

    template <typename Byte>
    struct Block {
        Byte *data;
        int size;
    };
    // The blocks in file order, for load and save.
    std::array<Block<char>, 8> Blocks() { return MakeBlocks<char>(*this); }
    std::array<Block<const char>, 8> Blocks() const { return MakeBlocks<const char>(*this); }

private:
    template <typename Byte, typename Self>
    static std::array<Block<Byte>, 8> MakeBlocks(Self &self)
    {
        auto b = [](auto &member) {
            return Block<Byte>{reinterpret_cast<Byte *>(&member), int(sizeof member)};
        };
        return {{b(self.leading), b(self.lnbList), b(self.satHeader), b(self.satellites),
                 b(self.tpHeader), b(self.transponders), b(self.chHeader), b(self.channels)}};
    }
};


static_assert(sizeof(SatelliteHeader) + sizeof(TransponderHeader) + sizeof(ChannelHeader)
                      + DbLayout::LEADING_SIZE + DbLayout::LNB_LIST_SIZE
                      + sizeof(DbImage::satellites) + sizeof(DbImage::transponders)
                      + sizeof(DbImage::channels)
                  == DbLayout::IMAGE_SIZE);
