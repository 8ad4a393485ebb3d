#include "cli/CommandLine.h"

#include "cli/Console.h"
#include "cli/ExitCode.h"

#include <QCoreApplication>

CommandLine::CommandLine(const QString &command, const QString &syntax, const QString &description)
    : m_command(command), m_syntax(syntax)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
}

QString CommandLine::HelpText() const
{
    QString help = m_parser.helpText();
    // Qt's first line names only the program; ours names the command and its arguments.
    const qsizetype firstLineEnd = help.indexOf(QLatin1Char('\n'));
    help.replace(0, firstLineEnd,
                 QCoreApplication::translate("Cli", "Usage: orbivane-cli %1 %2").arg(m_command, m_syntax).trimmed());
    // Qt's own heading, in the language Qt's translation gives it.
    const char *const qtParser = "QCommandLineParser";
    const qsizetype arguments = help.indexOf(QLatin1Char('\n') + QCoreApplication::translate(qtParser, "Arguments:"));
    if (arguments >= 0)
        help.truncate(arguments + 1);
    return help + QLatin1Char('\n') + ExitCodeHelp();
}

int CommandLine::UsageError(const QString &text) const
{
    Console::Err(QCoreApplication::translate("Cli", "orbivane-cli %1: %2\nTry 'orbivane-cli %1 --help'.").arg(m_command, text));
    return EXIT_USAGE;
}

int CommandLine::WholeNumber(const QCommandLineOption &option, int min, int max, int &value) const
{
    const QString text = m_parser.value(option);
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < min || number > max)
        return UsageError(QCoreApplication::translate("Cli", "--%1 takes a whole number from %2 to %3, not '%4'")
                              .arg(option.names().constLast()).arg(min).arg(max).arg(text));
    value = int(number);
    return -1;
}

int CommandLine::Parse(const QStringList &arguments, int minPositional, int maxPositional)
{
    if (!m_parser.parse(QStringList{QStringLiteral("orbivane-cli")} + arguments))
        return UsageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        Console::Out(HelpText().trimmed());
        return EXIT_OK;
    }
    const qsizetype n = m_parser.positionalArguments().size();
    if (n < minPositional)
        return UsageError(QCoreApplication::translate("Cli", "missing argument"));
    if (n > maxPositional)
        return UsageError(QCoreApplication::translate("Cli", "unexpected argument: %1").arg(m_parser.positionalArguments().at(maxPositional)));
    return -1;
}
