#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// One command's options: its --help (ending with the exit codes), and the checks every command
// makes on what it was given.
class CommandLine
{
public:
    // syntax: what follows the command name in the usage line, e.g. "[--port P]... FILE".
    CommandLine(const QString &command, const QString &syntax, const QString &description);

    QCommandLineParser &Parser() { return m_parser; }
    // Parses the arguments after the command name. Returns -1 to go on, otherwise the exit code
    // to end with at once (0 after --help, EXIT_USAGE after a mistake, told on stderr).
    int Parse(const QStringList &arguments, int minPositional, int maxPositional);
    QString HelpText() const;
    // A usage mistake found later: told on stderr with a pointer to --help; returns EXIT_USAGE.
    int UsageError(const QString &text) const;
    // The whole number an option holds, from min to max: -1 with it in value, else the mistake
    // told (returns EXIT_USAGE). Bounded here so that no later arithmetic on it can overflow.
    int WholeNumber(const QCommandLineOption &option, int min, int max, int &value) const;

private:
    const QString m_command;
    const QString m_syntax;
    QCommandLineParser m_parser;
};
