#include "protocol/Frame.h"

#include "serial/CComPort.h"

#include <algorithm>
#include <cstring>

void PutU16BE(uint8_t *dst, uint16_t value)
{
    dst[0] = uint8_t(value >> 8);
    dst[1] = uint8_t(value);
}

void PutU32BE(uint8_t *dst, uint32_t value)
{
    dst[0] = uint8_t(value >> 24);
    dst[1] = uint8_t(value >> 16);
    dst[2] = uint8_t(value >> 8);
    dst[3] = uint8_t(value);
}

uint16_t GetU16BE(const uint8_t *src)
{
    return uint16_t(uint16_t(src[0]) << 8 | src[1]);
}

uint32_t GetU32BE(const uint8_t *src)
{
    return uint32_t(src[0]) << 24 | uint32_t(src[1]) << 16 | uint32_t(src[2]) << 8 | src[3];
}

size_t EncodeFrame(const Frame &frame, uint8_t *out)
{
    PutU16BE(out, uint16_t(frame.type));
    uint16_t length = 0;
    switch (frame.type) {
    case FT_DATA:
        length = uint16_t(std::min<uint32_t>(frame.dataLength & 0xFFFF, kMaxPayload));
        if (length && frame.data)
            std::memcpy(out + 4, frame.data, length);
        else
            length = 0;
        break;
    case FT_LOAD:
    case FT_LOAD_8:
        length = 8;
        PutU32BE(out + 4, frame.identityWord);
        PutU32BE(out + 8, frame.byteCount);
        break;
    case FT_WRITE:
    case FT_READ:
    case FT_SIZE_12:
        length = 4;
        PutU32BE(out + 4, frame.byteCount);
        break;
    default: // the others carry nothing
        break;
    }
    PutU16BE(out + 2, length);
    return kFrameHeader + length;
}

Frame DecodeFrame(const uint8_t *buffer, size_t size, bool *valid)
{
    Frame f;
    if (valid)
        *valid = true;
    f.type = GetU16BE(buffer);
    const size_t payload = size > kFrameHeader ? size - kFrameHeader : 0;
    switch (f.type) {
    case FT_IDENT:
        if (payload >= 4)
            f.identityWord = GetU32BE(buffer + 4);
        else if (valid)
            *valid = false;
        break;
    case FT_DATA:
        f.dataLength = uint32_t(std::min(size_t(GetU16BE(buffer + 2)), payload));
        f.data = buffer + 4;
        break;
    case FT_IDENT_ACK:
    case FT_READY:
    case FT_END:
    case FT_METER_5: // its payload is of no use to any transfer
    default:         // unknown: the receiver tells the user
        break;
    }
    return f;
}

bool ReceiveFrame(Frame &frame, uint8_t *buffer, size_t bufferSize, CComPort &port)
{
    if (bufferSize < kFrameHeader)
        return false;
    uint32_t got = 0;
    if (!port.Read(buffer, 4, got) || got < 4)
        return false;
    const uint32_t length = GetU16BE(buffer + 2);
    if (length > kMaxPayload)
        return false;
    if (kFrameHeader + length > bufferSize) {
        // Too big for this caller: drop the payload, never store it past the buffer.
        uint8_t sink[512];
        uint32_t left = length;
        while (left > 0) {
            const uint32_t n = std::min<uint32_t>(left, sizeof sink);
            if (!port.Read(sink, n, got) || got < n)
                return false;
            left -= n;
        }
        return false;
    }
    if (length > 0 && (!port.Read(buffer + 4, length, got) || got < length))
        return false;
    bool valid = true;
    Frame decoded = DecodeFrame(buffer, kFrameHeader + length, &valid);
    if (!valid)
        return false;
    frame = decoded;
    return true;
}
