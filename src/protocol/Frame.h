#pragma once

#include <cstddef>
#include <cstdint>

class CComPort;
class Prompts;

// The meter's frame types. On the line: 16-bit type, 16-bit payload length, payload, all
// big-endian, no marker or checksum.
enum FrameType : uint32_t {
    FT_IDENT = 0,
    FT_IDENT_ACK = 1,
    FT_READY = 2,
    FT_DATA = 3,
    FT_END = 4,
    FT_LOAD = 6,
    FT_WRITE = 10,
    FT_READ = 11,
    FT_HELLO = 14,
};

// Largest payload the meter may announce.
constexpr uint32_t kMaxPayload = 16384;
constexpr size_t kFrameHeader = 4;
// Room for the biggest frame there is.
constexpr size_t kMaxFrame = kFrameHeader + kMaxPayload;

// One frame in memory. Which fields mean something depends on the type:
//  FT_DATA: param1 = payload length, data = the payload (outgoing: the caller's bytes;
//           incoming: inside the receive buffer, valid until the next receive into it);
//  FT_IDENT received: param1 = the identity word;
//  6 and 8: param1, param2 = the two 32-bit values; 10, 11, 12: param2 = the 32-bit value;
//  type 5 received: raw = the 80 bytes from wire offset 2 on (zero past what arrived).
struct Frame {
    uint32_t type = 0;
    uint32_t param1 = 0;
    uint32_t param2 = 0;
    const uint8_t *data = nullptr;
    uint8_t raw[80] = {};
};

void PutU16BE(uint8_t *dst, uint16_t value);
void PutU32BE(uint8_t *dst, uint32_t value);
uint16_t GetU16BE(const uint8_t *src);
uint32_t GetU32BE(const uint8_t *src);

// Encodes a frame into out (room for kMaxFrame bytes); returns its size on the wire.
size_t EncodeFrame(const Frame &frame, uint8_t *out);
// Encodes and writes one frame. The write's outcome is not the caller's business: a dead line
// shows up as the device error box and a missing answer. Always true.
bool SendFrame(const Frame &frame, CComPort &port);
inline bool SendFrame(uint32_t type, CComPort &port)
{
    Frame f;
    f.type = type;
    return SendFrame(f, port);
}

// Decodes the `size` bytes of one complete frame at buffer. A type above 5 shows
// "Unknown frame %d!" through prompts and carries only its type. valid is cleared for an
// FT_IDENT with fewer than 4 payload bytes: it has no identity word.
Frame DecodeFrame(const uint8_t *buffer, size_t size, Prompts &prompts, bool *valid = nullptr);

// Reads one frame into buffer (header first, payload after it) and decodes it. Fails on a
// short or missing header or payload, on a length above 16384 (the payload is left unread),
// and on a frame that would not fit in bufferSize bytes (its payload is read and dropped so
// the next header is a header again). A failed receive consumes what it read.
bool ReceiveFrame(Frame &frame, uint8_t *buffer, size_t bufferSize, CComPort &port, Prompts &prompts);
