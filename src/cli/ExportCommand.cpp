#include "cli/ExportCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "exchange/ExchangeFiles.h"

#include <QCoreApplication>

int ExportCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("export"), QStringLiteral("DB OUT (--xml|--csv) [--force]"),
                   QCoreApplication::translate("Cli", "Writes every satellite and transponder of database DB to OUT, as satellites.xml "
                                                      "(--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in "
                                                      ".csv). 'orbivane-cli import' takes either back unchanged. An existing OUT is "
                                                      "replaced only with --force, and its content is kept in the backup archive "
                                                      "first; DB itself is never replaced."));
    const QCommandLineOption xml(QStringLiteral("xml"), QCoreApplication::translate("Cli", "satellites.xml, as receivers use it."));
    const QCommandLineOption csv(QStringLiteral("csv"), QCoreApplication::translate("Cli", "CSV (UTF-8), one row per transponder."));
    const QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                                   QCoreApplication::translate("Cli", "Replace OUT when it exists (its content is kept in the archive)."));
    cl.Parser().addOptions({xml, csv, force});
    cl.Parser().addPositionalArgument(QStringLiteral("DB"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("OUT"), QString());
    if (const int code = cl.Parse(arguments, 2, 2); code >= 0)
        return code;
    if (cl.Parser().isSet(xml) == cl.Parser().isSet(csv))
        return cl.UsageError(QCoreApplication::translate("Cli", "give one of --xml and --csv"));
    const QStringList files = cl.Parser().positionalArguments();
    // The ending tells the format, as import and the window read it: a list must come back as
    // what it is.
    const QString ending = cl.Parser().isSet(xml) ? QStringLiteral(".xml") : QStringLiteral(".csv");
    if (!files.at(1).endsWith(ending, Qt::CaseInsensitive))
        return cl.UsageError(QCoreApplication::translate("Cli", "%1: --%2 writes a file ending in %3").arg(files.at(1), ending.mid(1), ending));
    DatabaseDocument doc;
    if (!DatabaseFile::Open(doc, files.at(0)))
        return EXIT_FILE;
    const auto format = cl.Parser().isSet(xml) ? ExchangeFiles::Format::Xml : ExchangeFiles::Format::Csv;
    const ExchangeFiles::Encoded encoded = ExchangeFiles::EncodeWithNotes(doc, format);
    if (const int code = DatabaseFile::MayReplace(files.at(0), files.at(1), encoded.bytes, cl.Parser().isSet(force)); code >= 0)
        return code;
    if (const FileResult written = ExchangeFiles::Write(files.at(1), encoded.bytes); !written) {
        Console::Err(QStringLiteral("%1: %2").arg(files.at(1), written.error));
        return EXIT_FILE;
    }
    for (const QString &line : encoded.nameChanges)
        Console::Err(QStringLiteral("%1: %2").arg(files.at(1), line));
    return EXIT_OK;
}
