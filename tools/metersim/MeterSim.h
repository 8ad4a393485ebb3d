#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A satellite-finder meter on a pseudo-terminal. Open SlavePath() as the serial device and it
// answers as a meter would; faults are injected on demand. One thread serves the line.
class MeterSim
{
public:
    enum class HelloFault {
        None,         // FT_IDENT with the identity word
        Silence,      // no answer at all
        IdentLength5, // an FT_IDENT header announcing 5 payload bytes
        Garbage,      // bytes that are no frame
        HangUp,       // the line goes dead
    };

    struct Config {
        uint32_t identWord = 0x42010203; // model code 0x4201, version 3
        HelloFault helloFault = HelloFault::None;
        uint32_t bytesPerSecond = 0;     // 0: as fast as the pty goes; 11520 is 115200 baud 8N1
    };

    MeterSim();
    explicit MeterSim(Config config);
    virtual ~MeterSim();
    MeterSim(const MeterSim &) = delete;
    MeterSim &operator=(const MeterSim &) = delete;

    // Opens the pseudo-terminal and starts serving. False (with a reason) when no pty is to be had.
    bool Start(std::string *error = nullptr);
    // Stops serving and closes the line.
    void Stop();
    const std::string &SlavePath() const { return m_slavePath; }

    void SetConfig(const Config &config);
    Config GetConfig() const;

    // What the meter has seen, for tests.
    int HelloCount() const { return m_hellos.load(); }
    int FramesReceived() const { return m_frames.load(); }
    bool HungUp() const { return m_hungUp.load(); }
    // Bytes taken from and put on the line so far.
    uint64_t BytesReceived() const { return m_bytesIn.load(); }
    uint64_t BytesSent() const { return m_bytesOut.load(); }

protected:
    // One frame from the PC other than FT_HELLO. The base meter ignores it.
    virtual void OnFrame(uint16_t type, const std::vector<uint8_t> &payload);
    // Sends bytes to the PC, paced when the configuration asks for it. False once the line is gone.
    bool Send(const void *data, size_t size);
    bool SendFrame(uint16_t type, const void *payload = nullptr, uint16_t size = 0);
    // Closes the meter's side: the PC sees a hang-up.
    void HangUp();
    // Waits ms milliseconds; false when the meter is being stopped.
    bool Pause(int ms);

private:
    void Serve();
    void AnswerHello();
    // Reads exactly size bytes from the PC; false on stop or hang-up.
    bool Receive(void *data, size_t size);

    mutable std::mutex m_configMutex;
    Config m_config;
    std::string m_slavePath;
    int m_master = -1;
    int m_slaveKeep = -1; // held open so the master never sees a hang-up between PC sessions
    int m_stopFd = -1;
    std::thread m_thread;
    std::atomic<int> m_hellos{0};
    std::atomic<int> m_frames{0};
    std::atomic<bool> m_hungUp{false};
    std::atomic<uint64_t> m_bytesIn{0};
    std::atomic<uint64_t> m_bytesOut{0};
    // When the paced line has carried everything received so far (steady clock, microseconds).
    int64_t m_rxLineFreeUs = 0;
};
