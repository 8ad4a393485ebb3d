#pragma once

#include <QString>

// Where the system's device, sysfs and process trees are. The real ones by default; tests give
// folders of their own that look like them.
struct SystemRoots {
    QString dev = QStringLiteral("/dev");
    QString sys = QStringLiteral("/sys");
    QString proc = QStringLiteral("/proc");
    QString files; // prefix of every other absolute path (/var, /usr, /etc); empty for the real one


    QString Dev(const QString &rest) const { return dev + QLatin1Char('/') + rest; }
    QString Sys(const QString &rest) const { return sys + QLatin1Char('/') + rest; }
    QString Proc(const QString &rest) const { return proc + QLatin1Char('/') + rest; }
    QString File(const QString &absolute) const { return files + absolute; }
};
