#pragma once

#include "serial/SystemRoots.h"

#include <QCoreApplication>
#include <QString>

// Why the meter could not be reached on a serial device, in a few words for a label and with
// what to do about it. Built from the device path and the open's failure (CComPort::OpenFailure)
// by looking at the device, sysfs and /proc; opens nothing itself.
struct PortDiagnosis {
    enum class Cause {
        None,             // nothing found wrong
        NoDevice,         // nothing at the path, or no device stands for the port
        NoDriver,         // no device, but a USB serial bridge is plugged in without a tty
        PermissionDenied, // this account may not open the device
        Busy,             // another program holds it
        Interference,     // ModemManager or BRLTTY is at work on the line
        NoAnswer,         // it opened, but no meter answered
        Other,            // a fault the system names
    };
    Cause cause = Cause::None;
    QString status; // one short line
    QString remedy; // what to do, a few sentences

    explicit operator bool() const { return cause != Cause::None; }

    // openFailure is the open's errno, or 0 when the port opened and no meter answered.
    static PortDiagnosis Of(const QString &devicePath, int openFailure, const SystemRoots &roots = {});
    // The failure an open of devicePath would meet, seen without opening it (0 when none is
    // seen): for listings, where opening every device would disturb other programs.
    static int Foresee(const QString &devicePath, const SystemRoots &roots = {});
    // Trouble with no one device: a bridge without tty, ModemManager or BRLTTY running.
    static PortDiagnosis General(const SystemRoots &roots = {});

    Q_DECLARE_TR_FUNCTIONS(PortDiagnosis)
};
