#pragma once

#include <atomic>

class CComPort;

// How the owner of a transfer stops its worker: mark the stop, then wake any blocked read or
// write by cancelling the port. The worker may afterwards make the port usable again for a
// final FT_END, which is why it waits until the cancel has happened.
class TransferStop
{
public:
    void Request(CComPort &port);
    bool Requested() const { return m_requested.load(); }
    // Returns once Request has finished with the port.
    void WaitSettled() const;

private:
    std::atomic<bool> m_requested{false};
    std::atomic<bool> m_settled{false};
};
