#pragma once

#include "serial/CComPort.h"

// A port set up as the transfer dialog sets it up, on a test device; the caller opens it.
inline void ConfigureTestPort(CComPort &port, Prompts *prompts, const QString &path)
{
    port.Init(1, 16384, 16384);
    port.SetOpTimeout(400);
    port.SetTimeouts(131072, 20, 20, 20, 20);
    port.SetDevicePath(path);
    port.SetPrompts(prompts);
}
