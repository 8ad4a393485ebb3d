#include "app/StartArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

namespace {

// Text::tr() rather than a helper function, so that lupdate finds the texts.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(StartArguments)
};

} // namespace

StartArguments StartArguments::Parse(const QStringList &arguments, const QString &version)
{
    StartArguments result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("Loads software and parameter databases into a satellite-finder meter on a serial port, "
           "and edits database files."));
    const QCommandLineOption help = parser.addHelpOption();
    // --version alone, as orbivane-cli has it.
    const QCommandLineOption versionOption(QStringLiteral("version"), Text::tr("Displays version information."));
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), Text::tr("A parameter database file to open for editing."),
                                 QStringLiteral("[FILE]"));
    auto mistake = [&](const QString &what) {
        result.exitCode = 2;
        result.text = QStringLiteral("orbivane: %1\n").arg(what) + Text::tr("Try 'orbivane --help'.");
        return result;
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(help)) {
        result.exitCode = 0;
        QString text = parser.helpText();
        // Qt's first line names the program by the path it was started with.
        text.replace(0, text.indexOf(QLatin1Char('\n')), Text::tr("Usage: orbivane [options] [FILE]"));
        result.text = text.trimmed();
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.exitCode = 0;
        result.text = QStringLiteral("orbivane ") + version;
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return mistake(Text::tr("only one file can be opened: %1").arg(files.at(1)));
    if (!files.isEmpty() && files.first().isEmpty())
        return mistake(Text::tr("the file name is empty"));
    result.file = files.value(0);
    return result;
}

bool StartArguments::FinalBeforeApplication(const QStringList &raw) const
{
    if (exitCode <= 0)
        return exitCode == 0;
    return std::none_of(raw.cbegin() + std::min<qsizetype>(1, raw.size()), raw.cend(), [](const QString &arg) {
        return arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("--");
    });
}
