#pragma once

#include <QString>
#include <QStringList>

// The window's command line: orbivane [--help | --version | FILE]. FILE is a parameter database
// opened for editing once the window is up, as Edit parameters opens one.
struct StartArguments
{
    // -1: start the window. Otherwise end at once with this code after printing `text` (on
    // stdout for 0, on stderr for a mistake).
    int exitCode = -1;
    QString text;
    QString file;

    // arguments: the program's name first, as QCoreApplication::arguments() gives them.
    static StartArguments Parse(const QStringList &arguments, const QString &version);
};
