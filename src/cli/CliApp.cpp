#include "cli/CliApp.h"

#include "cli/BackupsCommand.h"
#include "cli/CheckCommand.h"
#include "cli/Console.h"
#include "cli/DiffCommand.h"
#include "cli/ExitCode.h"
#include "cli/ExportCommand.h"
#include "cli/FetchCommand.h"
#include "cli/FitCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/PortsCommand.h"
#include "cli/SheetCommand.h"
#include "cli/SkyCommand.h"
#include "cli/TransferCommand.h"
#include "common/Translations.h"

#include <QCoreApplication>

namespace {

QString Usage()
{
    return QCoreApplication::translate("Cli",
        "Usage: orbivane-cli COMMAND [OPTIONS] [ARGUMENTS]\n"
        "Every meter job of Orbivane from a terminal.\n\n"
        "Commands:\n"
        "  ports                        the COM ports and the serial devices present\n"
        "  probe [--port P]...          the connection test; prints the meter's identity word\n"
        "  read  [--port P]... TARGET   the meter's database into a file (a folder for several)\n"
        "  write [--port P]... FILE     a database file into the meter(s)\n"
        "  load  [--port P]... FILE     software into the meter(s)\n"
        "  info  FILE                   satellites, totals and free records of a database file\n"
        "  check FILE                   the structure check of a database file\n"
        "  import DB SOURCE             a satellites.xml or CSV list into a database file\n"
        "  export DB OUT (--xml|--csv)  a database file as satellites.xml or CSV\n"
        "  fetch URL [OUT]              a published receiver list into the cache (and OUT)\n"
        "  diff  A B                    what differs between two database files\n"
        "  sky   SOURCE...              look angles from --site LAT,LON of files' or lists' satellites\n"
        "  fit   DB --from LIST         the satellites and transponders DB keeps for --site LAT,LON\n"
        "  sheet DB OUT                 DB's pointing sheet for --site LAT,LON, as a PDF\n"
        "  backups [FILE]               the kept versions of saved files and meter reads\n"
        "  --version                    the version of orbivane-cli\n\n"
        "P is COMn, a device path or a /dev/serial/by-id name; without --port, the port the window\n"
        "saved. 'orbivane-cli COMMAND --help' tells more.\n\n")
        + ExitCodeHelp();
}

} // namespace

int CliApp::Main(int argc, char **argv)
{
    // Only the pointing sheet lays out text, which takes a GUI application; the rest stay on QtCore.
    const std::unique_ptr<QCoreApplication> app = argc > 1 && qstrcmp(argv[1], "sheet") == 0
                                                      ? SheetCommand::Application(argc, argv)
                                                      : std::make_unique<QCoreApplication>(argc, argv);
    InstallTranslations(*app);
    QCoreApplication::setApplicationName(QStringLiteral("orbivane-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        Console::Out(Usage().trimmed());
        return EXIT_OK;
    }
    if (command == QLatin1String("--version")) {
        Console::Out(QStringLiteral("orbivane-cli ") + QLatin1String(ORBIVANE_VERSION));
        return EXIT_OK;
    }
    if (command == QLatin1String("ports"))
        return PortsCommand::Run(args);
    if (command == QLatin1String("probe"))
        return TransferCommand::Run(MeterJob::Kind::Probe, args);
    if (command == QLatin1String("read"))
        return TransferCommand::Run(MeterJob::Kind::Read, args);
    if (command == QLatin1String("write"))
        return TransferCommand::Run(MeterJob::Kind::Write, args);
    if (command == QLatin1String("load"))
        return TransferCommand::Run(MeterJob::Kind::Load, args);
    if (command == QLatin1String("info"))
        return InfoCommand::Run(args);
    if (command == QLatin1String("check"))
        return CheckCommand::Run(args);
    if (command == QLatin1String("diff"))
        return DiffCommand::Run(args);
    if (command == QLatin1String("import"))
        return ImportCommand::Run(args);
    if (command == QLatin1String("export"))
        return ExportCommand::Run(args);
    if (command == QLatin1String("fetch"))
        return FetchCommand::Run(args);
    if (command == QLatin1String("sky"))
        return SkyCommand::Run(args);
    if (command == QLatin1String("fit"))
        return FitCommand::Run(args);
    if (command == QLatin1String("sheet"))
        return SheetCommand::Run(args);
    if (command == QLatin1String("backups"))
        return BackupsCommand::Run(args);
    Console::Err((command.isEmpty() ? QCoreApplication::translate("Cli", "orbivane-cli: no command given\n")
                                    : QCoreApplication::translate("Cli", "orbivane-cli: unknown command '%1'\n").arg(command))
                 + Usage().trimmed());
    return EXIT_USAGE;
}
