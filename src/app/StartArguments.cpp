#include "app/StartArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("StartArguments", text);
}

} // namespace

StartArguments StartArguments::Parse(const QStringList &arguments, const QString &version)
{
    StartArguments result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr("Loads software and parameter databases into a satellite-finder meter on a serial port, "
           "and edits database files."));
    const QCommandLineOption help = parser.addHelpOption();
    // --version alone, as orbivane-cli has it.
    const QCommandLineOption versionOption(QStringLiteral("version"), Tr("Displays version information."));
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), Tr("A parameter database file to open for editing."),
                                 QStringLiteral("[FILE]"));
    auto mistake = [&](const QString &what) {
        result.exitCode = 2;
        result.text = QStringLiteral("orbivane: %1\n").arg(what) + Tr("Try 'orbivane --help'.");
        return result;
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(help)) {
        result.exitCode = 0;
        QString text = parser.helpText();
        // Qt's first line names the program by the path it was started with.
        text.replace(0, text.indexOf(QLatin1Char('\n')), Tr("Usage: orbivane [options] [FILE]"));
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
        return mistake(Tr("only one file can be opened: %1").arg(files.at(1)));
    if (!files.isEmpty() && files.first().isEmpty())
        return mistake(Tr("the file name is empty"));
    result.file = files.value(0);
    return result;
}
