#include "MeterDevice.h"

#include <algorithm>
#include <chrono>

namespace {

enum : uint16_t { kIdent = 0, kIdentAck = 1, kReady = 2, kData = 3, kEnd = 4, kLoad = 6, kLoad8 = 8,
                  kRead7 = 7, kRead9 = 9, kWrite = 10, kRead = 11 };

constexpr size_t kImageBytes = 241248;

uint32_t GetU32(const std::vector<uint8_t> &p, size_t at)
{
    if (p.size() < at + 4)
        return 0;
    return uint32_t(p[at]) << 24 | uint32_t(p[at + 1]) << 16 | uint32_t(p[at + 2]) << 8 | p[at + 3];
}

} // namespace

MeterDevice::MeterDevice() : MeterDevice(Config{}) {}

MeterDevice::MeterDevice(Config config) : MeterSim(config) {}

MeterDevice::MeterDevice(Config config, Transfer transfer) : MeterSim(config), m_transfer(std::move(transfer)) {}

MeterDevice::~MeterDevice()
{
    Stop(); // the serving thread must not reach OnFrame while our members go away
}

void MeterDevice::SetTransfer(const Transfer &transfer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_transfer = transfer;
    m_faultDone = false;
}

std::vector<uint8_t> MeterDevice::DefaultImage()
{
    // Deterministic and position-dependent, so a shifted or repeated chunk shows.
    std::vector<uint8_t> image(kImageBytes);
    uint32_t x = 0x2545F491u;
    for (size_t i = 0; i < image.size(); ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        image[i] = uint8_t(x ^ (i >> 8));
    }
    return image;
}

std::vector<uint16_t> MeterDevice::ReceivedTypes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_types;
}

std::vector<uint8_t> MeterDevice::ReceivedImage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

uint32_t MeterDevice::StartWord() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_startWord;
}

uint32_t MeterDevice::StartLength() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_startLength;
}

int MeterDevice::EndCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_ends;
}

bool MeterDevice::WaitForEnd(int count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_ends >= count; });
}

void MeterDevice::Answer(uint16_t type, const uint8_t *payload, uint16_t size)
{
    Transfer t;
    bool fire = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        t = m_transfer;
        fire = !m_faultDone && t.fault != Fault::None && m_step == t.faultStep;
        if (fire)
            m_faultDone = true;
        ++m_step;
    }
    if (!fire) {
        SendFrame(type, payload, size);
        return;
    }
    switch (t.fault) {
    case Fault::None:
        break;
    case Fault::Silence:
        return;
    case Fault::ShortFrame: {
        std::vector<uint8_t> frame(4 + size_t(size));
        frame[0] = uint8_t(type >> 8);
        frame[1] = uint8_t(type);
        frame[2] = uint8_t(size >> 8);
        frame[3] = uint8_t(size);
        std::copy(payload, payload + size, frame.begin() + 4);
        Send(frame.data(), size ? 4 + size / 2 : 2);
        return;
    }
    case Fault::Garbled: {
        const uint8_t junk[4] = {0xDE, 0xAD, 0xFF, 0xFF};
        Send(junk, sizeof junk);
        if (Pause(1000))
            SendFrame(type, payload, size);
        return;
    }
    case Fault::UnexpectedType: {
        const uint8_t some[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        if (t.faultType == 5)
            SendFrame(5, some, sizeof some);
        else
            SendFrame(t.faultType);
        return;
    }
    case Fault::SecondIdent: {
        const uint32_t w = GetConfig().identWord;
        const uint8_t word[4] = {uint8_t(w >> 24), uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w)};
        SendFrame(kIdent, word, 4);
        return;
    }
    case Fault::EarlyEnd:
        SendFrame(kEnd);
        return;
    case Fault::BigFrame: {
        // The answer's first bytes padded (or cut) to 200: a frame too big for the PC's buffer.
        std::vector<uint8_t> big(200, 0);
        std::copy(payload, payload + std::min<size_t>(size, big.size()), big.begin());
        SendFrame(type, big.data(), uint16_t(big.size()));
        if (Pause(1000))
            SendFrame(type, payload, size);
        return;
    }
    case Fault::HangUp:
        MeterSim::HangUp();
        return;
    }
}

void MeterDevice::NextReadChunk()
{
    std::vector<uint8_t> chunk;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_transfer.image.empty())
            m_transfer.image = DefaultImage();
        const size_t size = std::clamp<size_t>(m_transfer.chunkSize, 1, 65535);
        if (m_offset < m_transfer.image.size()) {
            const size_t n = std::min(size, m_transfer.image.size() - m_offset);
            chunk.assign(m_transfer.image.begin() + long(m_offset), m_transfer.image.begin() + long(m_offset + n));
            m_offset += n;
        }
    }
    if (chunk.empty()) {
        Answer(kEnd, nullptr, 0);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_mode = Mode::Idle;
    } else {
        Answer(kData, chunk.data(), uint16_t(chunk.size()));
    }
}

void MeterDevice::OnFrame(uint16_t type, const std::vector<uint8_t> &payload)
{
    Mode mode;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_types.push_back(type);
        switch (type) {
        case kRead:
        case kRead7:
        case kRead9:
            m_mode = Mode::Read;
            m_offset = 0;
            m_step = 0;
            m_startLength = GetU32(payload, 0);
            break;
        case kWrite:
        case kLoad:
        case kLoad8:
            // A start frame repeated after a second FT_IDENT goes on where the image was.
            if (m_mode != Mode::Receive) {
                m_received.clear();
                m_step = 0;
            }
            m_mode = Mode::Receive;
            if (type == kWrite) {
                m_startLength = GetU32(payload, 0);
            } else {
                m_startWord = GetU32(payload, 0);
                m_startLength = GetU32(payload, 4);
            }
            break;
        case kData:
            if (m_mode == Mode::Receive)
                m_received.insert(m_received.end(), payload.begin(), payload.end());
            break;
        case kEnd:
            m_mode = Mode::Idle;
            ++m_ends;
            m_changed.notify_all();
            break;
        default:
            break;
        }
        mode = m_mode;
    }
    switch (type) {
    case kReady:
        if (mode == Mode::Read)
            NextReadChunk();
        break;
    case kWrite:
    case kLoad:
    case kLoad8:
    case kData:
        if (mode == Mode::Receive)
            Answer(kReady, nullptr, 0);
        break;
    default:
        break;
    }
}
