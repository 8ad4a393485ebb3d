#pragma once

#include <QStringList>

// ports: COM1..COM10 with the device each stands for, and every serial device present with
// what the system knows of it (by-id name, USB ids, serial number, driver) and whether this
// user can open it.
class PortsCommand
{
public:
    static int Run(const QStringList &arguments);
};
