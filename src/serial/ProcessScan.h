#pragma once

#include "serial/SystemRoots.h"

#include <QList>
#include <QString>
#include <QStringList>

// Other programs, as /proc shows them: which ones hold a device open, and whether a program of
// a given name runs. Processes of other accounts may hide their open files; they are skipped.
// This process itself never counts: when we ask, we hold no port.
class ProcessScan
{
public:
    struct Process {
        int pid = 0;
        QString name; // as in /proc/<pid>/comm
    };

    static QList<Process> Holding(const QString &devicePath, const SystemRoots &roots = {});
    // The running processes whose name is one of names.
    static QList<Process> Named(const QStringList &names, const SystemRoots &roots = {});
    // "minicom (pid 4242)"; several as "a (pid 1), b (pid 2) and c (pid 3)".
    static QString Describe(const QList<Process> &processes);
};
