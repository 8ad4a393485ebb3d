#include "protocol/MeterLink.h"

#include "common/Prompts.h"
#include "protocol/Frame.h"
#include "serial/CComPort.h"

namespace {

// One empty frame, in one write, all of it.
bool WriteEmptyFrame(CComPort &port, FrameType type, Prompts &prompts)
{
    Frame f;
    f.type = type;
    uint8_t wire[kFrameHeader];
    uint32_t written = 0;
    const bool ok = port.Write(wire, uint32_t(EncodeFrame(f, wire)), written);
    ShowLineError(port, prompts);
    return ok && written == kFrameHeader;
}

bool Exchange(CComPort &port, Prompts &prompts)
{
    if (!WriteEmptyFrame(port, FT_HELLO, prompts))
        return false;
    uint8_t answer[kFrameHeader];
    uint32_t got = 0;
    const bool ok = port.Read(answer, kFrameHeader, got);
    ShowLineError(port, prompts);
    if (!ok || got != kFrameHeader || GetU16BE(answer) != FT_IDENT || GetU16BE(answer + 2) != 4)
        return false;
    return WriteEmptyFrame(port, FT_END, prompts);
}

} // namespace

bool OpenMeterPort(CComPort &port, const QString &devicePath, Prompts &prompts)
{
    port.SetOpTimeout(400);
    port.SetTimeouts(131072, 20, 20, 20, 20);
    const bool ok = port.Open(devicePath);
    ShowLineError(port, prompts);
    return ok;
}

bool ShowLineError(const CComPort &port, Prompts &prompts)
{
    const PortError error = port.LastError();
    if (error)
        prompts.Message(error.text, kDeviceErrorCaption, Prompts::Icon::Information);
    return bool(error);
}

bool ProbeMeter(const QString &devicePath, Prompts &prompts)
{
    CComPort port;
    if (!OpenMeterPort(port, devicePath, prompts))
        return false;
    const bool answered = Exchange(port, prompts);
    port.Close();
    ShowLineError(port, prompts);
    return answered;
}
