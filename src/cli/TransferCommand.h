#pragma once

#include "cli/MeterJob.h"

#include <QStringList>

// probe, read, write and load: the meter jobs, one thread per --port, with progress, Ctrl-C and
// a summary line per meter.
class TransferCommand
{
public:
    static int Run(MeterJob::Kind kind, const QStringList &arguments);
};
