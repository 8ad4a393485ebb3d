#include "serial/ProcessScan.h"

#include "serial/UsbSerialInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Every process but this one, by pid.
QList<ProcessScan::Process> Processes(const SystemRoots &roots)
{
    QList<ProcessScan::Process> list;
    const qint64 self = QCoreApplication::applicationPid();
    for (const QString &entry : QDir(roots.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const int pid = entry.toInt(&ok);
        if (!ok || pid == self)
            continue;
        list.append({pid, UsbSerialInfo::ReadAttribute(roots.Proc(entry + QStringLiteral("/comm")))});
    }
    return list;
}

} // namespace

QList<ProcessScan::Process> ProcessScan::Holding(const QString &devicePath, const SystemRoots &roots)
{
    QList<Process> holders;
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty())
        return holders;
    for (const Process &p : Processes(roots)) {
        const QDir fds(roots.Proc(QStringLiteral("%1/fd").arg(p.pid)));
        for (const QFileInfo &fd : fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() == device) {
                holders.append(p);
                break;
            }
        }
    }
    return holders;
}

QList<ProcessScan::Process> ProcessScan::Named(const QStringList &names, const SystemRoots &roots)
{
    QList<Process> found;
    for (const Process &p : Processes(roots)) {
        if (names.contains(p.name))
            found.append(p);
    }
    return found;
}

QString ProcessScan::Describe(const QList<Process> &processes)
{
    QStringList parts;
    for (const Process &p : processes)
        parts << QStringLiteral("%1 (pid %2)").arg(p.name).arg(p.pid);
    const QString last = parts.isEmpty() ? QString() : parts.takeLast();
    return parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QCoreApplication::translate("PortDiagnosis", " and ") + last;
}
