#pragma once

#include <cstddef>

// Sizes and file offsets of the meter's parameter database image. A link equal to its table's
// size means "none", so the table sizes double as the sentinels.
namespace DbLayout {

constexpr int NO_SATELLITE = 64;
constexpr int NO_TRANSPONDER = 2500;
constexpr int NO_CHANNEL = 4000;

constexpr int SATELLITE_RECORD_SIZE = 40;
constexpr int TRANSPONDER_RECORD_SIZE = 12;
constexpr int CHANNEL_RECORD_SIZE = 52;

constexpr int LEADING_SIZE = 120;
constexpr int LNB_LIST_SIZE = 512;
constexpr int SATELLITE_HEADER_SIZE = 12;
constexpr int TRANSPONDER_HEADER_SIZE = 4;
constexpr int CHANNEL_HEADER_SIZE = 40;

constexpr int LEADING_OFFSET = 0;
constexpr int LNB_LIST_OFFSET = LEADING_OFFSET + LEADING_SIZE;
constexpr int SATELLITE_HEADER_OFFSET = LNB_LIST_OFFSET + LNB_LIST_SIZE;
constexpr int SATELLITE_TABLE_OFFSET = SATELLITE_HEADER_OFFSET + SATELLITE_HEADER_SIZE;
constexpr int TRANSPONDER_HEADER_OFFSET = SATELLITE_TABLE_OFFSET + NO_SATELLITE * SATELLITE_RECORD_SIZE;
constexpr int TRANSPONDER_TABLE_OFFSET = TRANSPONDER_HEADER_OFFSET + TRANSPONDER_HEADER_SIZE;
constexpr int CHANNEL_HEADER_OFFSET = TRANSPONDER_TABLE_OFFSET + NO_TRANSPONDER * TRANSPONDER_RECORD_SIZE;
constexpr int CHANNEL_TABLE_OFFSET = CHANNEL_HEADER_OFFSET + CHANNEL_HEADER_SIZE;
constexpr int IMAGE_SIZE = CHANNEL_TABLE_OFFSET + NO_CHANNEL * CHANNEL_RECORD_SIZE;

static_assert(SATELLITE_TABLE_OFFSET == 644);
static_assert(TRANSPONDER_TABLE_OFFSET == 3208);
static_assert(CHANNEL_TABLE_OFFSET == 33248);
static_assert(IMAGE_SIZE == 241248);

constexpr int GROUP_COUNT = 4;   // group chains exist for mask bits 0..3

} // namespace DbLayout
