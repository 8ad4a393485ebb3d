#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>

class CComPort;
class Prompts;

// The meter's end of the line: how a port is set up for it, the device error box, and the
// connection probe.

// Caption of the box that tells a device fault in the system's words.
inline const char *const kDeviceErrorCaption = QT_TRANSLATE_NOOP("Transfer", "Serial Communication Device Error");

// Sets the port up as every exchange with the meter wants it and opens devicePath: 4 read
// attempts, each giving up after 20 ms a byte plus 20 ms (about 400 ms for a silent header),
// no practical limit on the gap between bytes, writes bounded by 20 ms a byte plus 20 ms.
// A device fault on the way is shown through prompts; a missing or busy device is not.
bool OpenMeterPort(CComPort &port, const QString &devicePath, Prompts &prompts);

// Shows the device fault of the port's last call, if it had one; true when it had.
bool ShowLineError(const CComPort &port, Prompts &prompts);

// Whether a meter answers at devicePath: FT_HELLO out, an FT_IDENT header announcing 4 bytes
// back (its payload is left to the close), FT_END out. Device faults are shown through prompts
// as they happen; the port is closed again on every path. With openFailure, the open's errno
// goes there (0 when the port opened).
bool ProbeMeter(const QString &devicePath, Prompts &prompts, int *openFailure = nullptr);
// The same exchange on a port opened with OpenMeterPort, which stays open. With identityWord,
// the 4 payload bytes are read into it before FT_END goes out.
bool ProbeMeter(CComPort &port, Prompts &prompts, uint32_t *identityWord = nullptr);
