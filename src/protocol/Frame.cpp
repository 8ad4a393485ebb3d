#include "protocol/Frame.h"

#include "common/Prompts.h"
#include "serial/CComPort.h"

#include <algorithm>
#include <cstring>
#include <vector>

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
    case 3:
        length = uint16_t(std::min<uint32_t>(frame.param1 & 0xFFFF, kMaxPayload));
        if (length && frame.data)
            std::memcpy(out + 4, frame.data, length);
        else
            length = 0;
        break;
    case 6:
    case 8:
        length = 8;
        PutU32BE(out + 4, frame.param1);
        PutU32BE(out + 8, frame.param2);
        break;
    case 10:
    case 11:
    case 12:
        length = 4;
        PutU32BE(out + 4, frame.param2);
        break;
    default: // 1, 2, 4, 7, 9, 13, 14 carry nothing
        break;
    }
    PutU16BE(out + 2, length);
    return kFrameHeader + length;
}

bool SendFrame(const Frame &frame, CComPort &port)
{
    uint8_t small[16];
    std::vector<uint8_t> big;
    uint8_t *wire = small;
    if (frame.type == FT_DATA) {
        big.resize(kMaxFrame);
        wire = big.data();
    }
    const size_t n = EncodeFrame(frame, wire);
    uint32_t written = 0;
    port.Write(wire, uint32_t(n), written);
    return true;
}

Frame DecodeFrame(const uint8_t *buffer, size_t size, Prompts &prompts, bool *valid)
{
    Frame f;
    if (valid)
        *valid = true;
    f.type = GetU16BE(buffer);
    const size_t payload = size > kFrameHeader ? size - kFrameHeader : 0;
    switch (f.type) {
    case 0:
        if (payload >= 4)
            f.param1 = GetU32BE(buffer + 4);
        else if (valid)
            *valid = false;
        break;
    case 3:
        f.param1 = uint32_t(std::min(size_t(GetU16BE(buffer + 2)), payload));
        f.data = buffer + 4;
        break;
    case 5:
        // Only what arrived: a short frame leaves the rest of raw at zero.
        std::memcpy(f.raw, buffer + 2, std::min(size - 2, sizeof f.raw));
        break;
    case 1:
    case 2:
    case 4:
        break;
    default:
        prompts.Message(QStringLiteral("Unknown frame %1!").arg(f.type), kAppTitle);
        break;
    }
    return f;
}

bool ReceiveFrame(Frame &frame, uint8_t *buffer, size_t bufferSize, CComPort &port, Prompts &prompts)
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
    Frame decoded = DecodeFrame(buffer, kFrameHeader + length, prompts, &valid);
    if (!valid)
        return false;
    frame = decoded;
    return true;
}
