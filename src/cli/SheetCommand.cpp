#include "cli/SheetCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "cli/RegionArguments.h"
#include "sheet/PointingSheet.h"

#include <QFileInfo>
#include <QGuiApplication>

std::unique_ptr<QCoreApplication> SheetCommand::Application(int &argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int SheetCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("sheet"), QStringLiteral("[--site LAT,LON] [--min-elevation DEG] [--force] DB OUT"),
                   QCoreApplication::translate("Cli", "Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB "
                                  "with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, "
                                  "those below the minimum elevation marked. An existing OUT is replaced only with "
                                  "--force, and its content is kept in the backup archive first; DB itself is never "
                                  "replaced."));
    const RegionArguments region(cl);
    const QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                                   QCoreApplication::translate("Cli", "Replace OUT when it exists (its content is kept in the archive)."));
    cl.Parser().addOption(force);
    cl.Parser().addPositionalArgument(QStringLiteral("DB"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("OUT"), QString());
    if (const int code = cl.Parse(arguments, 2, 2); code >= 0)
        return code;
    RegionPlan::Options options;
    if (const int code = region.Read(options); code >= 0)
        return code;
    const QStringList files = cl.Parser().positionalArguments();
    DatabaseDocument doc;
    if (!DatabaseFile::Open(doc, files.at(0)))
        return EXIT_FILE;
    const PointingSheet sheet(doc, options.site, options.minimumElevation);
    const QByteArray pdf = sheet.Pdf(QFileInfo(files.at(0)).fileName());
    if (const int code = DatabaseFile::MayReplace(files.at(0), files.at(1), pdf, cl.Parser().isSet(force)); code >= 0)
        return code;
    if (const FileResult written = PointingSheet::Write(files.at(1), files.at(0), pdf); !written) {
        Console::Err(written.error);
        return EXIT_FILE;
    }
    return EXIT_OK;
}
