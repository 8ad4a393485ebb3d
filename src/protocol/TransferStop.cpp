#include "protocol/TransferStop.h"

#include "serial/CComPort.h"

#include <thread>

void TransferStop::Request(CComPort &port)
{
    m_requested.store(true);
    port.Cancel();
    m_settled.store(true);
}

void TransferStop::WaitSettled() const
{
    while (m_requested.load() && !m_settled.load())
        std::this_thread::yield();
}
