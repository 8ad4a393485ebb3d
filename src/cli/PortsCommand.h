#pragma once

#include <QStringList>

// ports: COM1..COM10 with the device each stands for, and every serial device present with
// what the system knows of it (by-id name, USB ids, product, serial number, driver), whether
// this user can open it and, where not, why and what to do (the window's port doctor); then
// trouble with no one device (a USB bridge without driver, ModemManager, BRLTTY).
class PortsCommand
{
public:
    static int Run(const QStringList &arguments);
};
