#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>

class CComPort;

// The meter's frame types. On the line: 16-bit type, 16-bit payload length, payload, all
// big-endian, no marker or checksum. Types with a number in their name have no known purpose
// beyond their layout.
enum FrameType : uint32_t {
    FT_IDENT = 0,      // meter: its identity word, answering FT_HELLO
    FT_IDENT_ACK = 1,
    FT_READY = 2,      // ready for the next FT_DATA, or it arrived
    FT_DATA = 3,
    FT_END = 4,
    FT_METER_5 = 5,    // meter; no transfer accepts it
    FT_LOAD = 6,       // identity word of the update file, image length
    FT_READ_7 = 7,     // read request without a payload (transfer kind 7)
    FT_LOAD_8 = 8,     // laid out as FT_LOAD (transfer kind 8)
    FT_READ_9 = 9,     // read request without a payload (transfer kind 9)
    FT_WRITE = 10,     // length of the database file
    FT_READ = 11,      // length of the image asked for
    FT_SIZE_12 = 12,   // laid out as FT_WRITE; nothing sends it
    FT_EMPTY_13 = 13,  // no payload; nothing sends it
    FT_HELLO = 14,     // opens every exchange
};

// Largest payload the meter may announce.
constexpr uint32_t kMaxPayload = 16384;
constexpr size_t kFrameHeader = 4;
// Room for the biggest frame there is.
constexpr size_t kMaxFrame = kFrameHeader + kMaxPayload;

// One frame in memory. A field means something only for the types named beside it.
struct Frame {
    uint32_t type = 0;
    // param1 on the wire: FT_IDENT received, FT_LOAD, FT_LOAD_8.
    uint32_t identityWord = 0;
    // param2 on the wire: FT_LOAD, FT_LOAD_8 (the image length), FT_WRITE, FT_READ, FT_SIZE_12.
    uint32_t byteCount = 0;
    // FT_DATA: the payload length (param1, low 16 bits) and where the payload is (param2).
    // Incoming, data points into the receive buffer and is valid until the next receive into it.
    uint32_t dataLength = 0;
    const uint8_t *data = nullptr;
};

void PutU16BE(uint8_t *dst, uint16_t value);
void PutU32BE(uint8_t *dst, uint32_t value);
uint16_t GetU16BE(const uint8_t *src);
uint32_t GetU32BE(const uint8_t *src);

// Encodes a frame into out (room for kMaxFrame bytes); returns its size on the wire.
size_t EncodeFrame(const Frame &frame, uint8_t *out);

// A type above FT_METER_5 is none the meter's transfers know; the message the user is shown
// for it as it arrives.
inline bool IsUnknownFrame(uint32_t type) { return type > FT_METER_5; }
inline QString UnknownFrameText(uint32_t type) { return QCoreApplication::translate("Transfer", "Unknown frame %1!").arg(type); }

// Decodes the `size` bytes of one complete frame at buffer. An unknown type carries only its
// type. valid is cleared for an FT_IDENT with fewer than 4 payload bytes: it has no identity word.
Frame DecodeFrame(const uint8_t *buffer, size_t size, bool *valid = nullptr);

// Reads one frame into buffer (header first, payload after it) and decodes it. Fails on a
// short or missing header or payload, on a length above 16384 (the payload is left unread),
// and on a frame that would not fit in bufferSize bytes (its payload is read and dropped so
// the next header is a header again). A failed receive consumes what it read; the port's
// LastError() tells whether the line failed. An unknown type is received like any other.
bool ReceiveFrame(Frame &frame, uint8_t *buffer, size_t bufferSize, CComPort &port);
