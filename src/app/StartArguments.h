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
    // Whether this parse of the raw command line, made before the application exists (so that
    // --help and --version need no display), is the answer: not when it would start the window,
    // nor when a fault may lie in an option of Qt's own (-platform...), which only the
    // application takes out.
    bool FinalBeforeApplication(const QStringList &raw) const;
};
