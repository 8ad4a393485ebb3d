#pragma once

#include "MeterSim.h"

#include <condition_variable>

// The meter's side of the three transfers on top of MeterSim: it sends its database image in
// chunks when asked to read, takes an image in on write and load, and breaks a transfer on
// demand. Every answer the meter gives in a transfer's data phase is a step, counted from 0
// (the first chunk of a read; the FT_READY after FT_WRITE or FT_LOAD); a fault replaces the
// answer at its step, once.
class MeterDevice : public MeterSim
{
public:
    enum class Fault {
        None,
        Silence,        // no answer at that step
        ShortFrame,     // half the answer, then nothing: a line that broke off
        Garbled,        // four bytes that are no frame, then after a second the answer
        UnexpectedType, // a frame of faultType instead of the answer (type 5 with 10 bytes)
        SecondIdent,    // FT_IDENT again instead of the answer
        EarlyEnd,       // FT_END instead of the answer
        BigFrame,       // the answer with 200 payload bytes, then after a second the answer
        HangUp,         // the line goes dead
    };

    struct Transfer {
        std::vector<uint8_t> image;   // what a read serves; empty: the built-in pattern
        uint32_t chunkSize = 16384;   // bytes per FT_DATA of a read, 1..65535
        Fault fault = Fault::None;
        int faultStep = 0;
        uint16_t faultType = 5;
    };

    MeterDevice();
    explicit MeterDevice(Config config);
    MeterDevice(Config config, Transfer transfer);
    ~MeterDevice() override;

    void SetTransfer(const Transfer &transfer);

    // The database image the meter serves when no other is given: a fixed pattern.
    static std::vector<uint8_t> DefaultImage();

    // What the PC sent, for tests and the bench.
    std::vector<uint16_t> ReceivedTypes() const;
    std::vector<uint8_t> ReceivedImage() const; // FT_DATA payloads of the last write or load
    uint32_t StartWord() const;   // identity word of the last FT_LOAD
    uint32_t StartLength() const; // length announced by the last FT_WRITE / FT_LOAD / FT_READ
    int EndCount() const;         // FT_END frames received
    // Blocks until an FT_END has arrived (up to timeoutMs); for tests without fixed sleeps.
    bool WaitForEnd(int count, int timeoutMs) const;

protected:
    void OnFrame(uint16_t type, const std::vector<uint8_t> &payload) override;

private:
    enum class Mode { Idle, Read, Receive };
    void Answer(uint16_t type, const uint8_t *payload, uint16_t size);
    void NextReadChunk();

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    Transfer m_transfer;
    Mode m_mode = Mode::Idle;
    size_t m_offset = 0;
    int m_step = 0;
    bool m_faultDone = false;
    std::vector<uint16_t> m_types;
    std::vector<uint8_t> m_received;
    uint32_t m_startWord = 0;
    uint32_t m_startLength = 0;
    int m_ends = 0;
};
