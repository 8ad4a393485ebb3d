#include "protocol/MeterLink.h"

#include "common/Prompts.h"
#include "protocol/Frame.h"
#include "serial/CComPort.h"

#include <QCoreApplication>

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

// Exactly count bytes from the line.
bool ReadAll(CComPort &port, uint8_t *buffer, uint32_t count, Prompts &prompts)
{
    uint32_t got = 0;
    const bool ok = port.Read(buffer, count, got);
    ShowLineError(port, prompts);
    return ok && got == count;
}

} // namespace

bool ProbeMeter(CComPort &port, Prompts &prompts, uint32_t *identityWord)
{
    if (!WriteEmptyFrame(port, FT_HELLO, prompts))
        return false;
    uint8_t answer[kFrameHeader];
    if (!ReadAll(port, answer, kFrameHeader, prompts) || GetU16BE(answer) != FT_IDENT || GetU16BE(answer + 2) != 4)
        return false;
    if (identityWord) {
        uint8_t word[4];
        if (!ReadAll(port, word, 4, prompts))
            return false;
        *identityWord = GetU32BE(word);
    }
    return WriteEmptyFrame(port, FT_END, prompts);
}

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
        prompts.Message(error.text, QCoreApplication::translate("Transfer", kDeviceErrorCaption), Prompts::Icon::Information);
    return bool(error);
}

bool ProbeMeter(const QString &devicePath, Prompts &prompts, int *openFailure)
{
    CComPort port;
    const bool opened = OpenMeterPort(port, devicePath, prompts);
    if (openFailure)
        *openFailure = port.OpenFailure();
    if (!opened)
        return false;
    const bool answered = ProbeMeter(port, prompts);
    port.Close();
    ShowLineError(port, prompts);
    return answered;
}
