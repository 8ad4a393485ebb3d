#include "cli/ExportCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/SatellitesXmlWriter.h"

int ExportCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("export"), QStringLiteral("DB OUT (--xml|--csv)"),
                   QStringLiteral("Writes every satellite and transponder of database DB to OUT, as satellites.xml "
                                  "(--xml) or as CSV for spreadsheets (--csv). 'orbivane-cli import' takes either "
                                  "back unchanged."));
    const QCommandLineOption xml(QStringLiteral("xml"), QStringLiteral("satellites.xml, as receivers use it."));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("CSV (UTF-8), one row per transponder."));
    cl.Parser().addOptions({xml, csv});
    cl.Parser().addPositionalArgument(QStringLiteral("DB"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("OUT"), QString());
    if (const int code = cl.Parse(arguments, 2, 2); code >= 0)
        return code;
    if (cl.Parser().isSet(xml) == cl.Parser().isSet(csv))
        return cl.UsageError(QStringLiteral("give one of --xml and --csv"));
    const QStringList files = cl.Parser().positionalArguments();
    DatabaseDocument doc;
    if (!DatabaseFile::Open(doc, files.at(0)))
        return EXIT_FILE;
    QString error;
    const auto format = cl.Parser().isSet(xml) ? ExchangeFiles::Format::Xml : ExchangeFiles::Format::Csv;
    if (!ExchangeFiles::Export(doc, files.at(1), format, &error)) {
        Console::Err(QStringLiteral("%1: %2").arg(files.at(1), error));
        return EXIT_FILE;
    }
    if (format == ExchangeFiles::Format::Xml) {
        for (const QString &line : SatellitesXmlWriter::NameChanges(ExchangeConversions::FromDocument(doc)))
            Console::Err(QStringLiteral("%1: %2").arg(files.at(1), line));
    }
    return EXIT_OK;
}
