// Fuzz target for frame reception: the input is what the meter puts on the line. ReceiveFrame
// takes frames from it one after the other into the two buffers the transfers use, the
// 100-byte one of write and load and the 16388-byte one of read (which one, frame by frame,
// byte 0 of the input decides), and DecodeFrame is also fed the whole input as one frame.
// The sanitizers guard the buffers (each is allocated at its exact size); the checks below
// guard what a received frame may claim; libFuzzer's time-out guards termination.
#include "ScriptedPort.h"

#include "protocol/Frame.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "frame reception: %s\n", what);
        std::abort();
    }
}

void CheckReceived(const Frame &f, const uint8_t *buffer, size_t size)
{
    Check(f.type <= 0xFFFF, "type wider than 16 bits");
    if (f.type == FT_DATA) {
        Check(f.data == buffer + kFrameHeader, "FT_DATA payload outside the receive buffer");
        Check(f.dataLength <= kMaxPayload && kFrameHeader + f.dataLength <= size, "FT_DATA longer than the buffer");
        // What arrived is what the encoder would put on the line for it.
        std::vector<uint8_t> wire(kMaxFrame);
        const size_t n = EncodeFrame(f, wire.data());
        Check(n == kFrameHeader + f.dataLength, "FT_DATA re-encodes to another length");
        Check(f.dataLength == 0 || std::equal(wire.begin(), wire.begin() + long(n), buffer),
              "FT_DATA re-encodes to other bytes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= kFrameHeader) {
        // Exactly the input's size, so that any read past the frame is caught.
        std::vector<uint8_t> whole(data, data + size);
        bool valid = false;
        const Frame f = DecodeFrame(whole.data(), whole.size(), &valid);
        if (f.type == FT_IDENT)
            Check(valid == (size >= kFrameHeader + 4), "FT_IDENT validity");
        if (f.type == FT_DATA)
            Check(f.dataLength <= size - kFrameHeader, "decoded FT_DATA longer than its frame");
    }
    if (size == 0)
        return 0;

    const uint8_t choice = data[0];
    ScriptedPort port(data + 1, size - 1, ScriptedPort::AtEnd::Cancel);
    std::vector<uint8_t> small(100);
    std::vector<uint8_t> big(kMaxFrame);
    for (int i = 0; !port.Exhausted() && i < 100000; ++i) {
        std::vector<uint8_t> &buffer = (choice >> (i % 8)) & 1 ? big : small;
        const size_t before = port.Consumed();
        Frame f;
        if (ReceiveFrame(f, buffer.data(), buffer.size(), port))
            CheckReceived(f, buffer.data(), buffer.size());
        Check(port.Consumed() > before || port.IsCancelled(), "a receive that took nothing");
    }
    return 0;
}
