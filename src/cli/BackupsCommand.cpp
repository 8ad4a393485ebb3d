#include "cli/BackupsCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "document/BackupArchive.h"

#include <QCoreApplication>
#include <QDir>

int BackupsCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("backups"), QStringLiteral("[FILE]"),
                   QCoreApplication::translate("Cli", "Lists the kept versions, newest first: date, source (saved over, read from "
                                                      "meter), file or meter, contents and the archived copy. With FILE, only the "
                                                      "versions of that file. Copy one back with cp, or open it in the window's "
                                                      "File > Restore a backup."));
    cl.Parser().addPositionalArgument(QStringLiteral("FILE"), QString(), QStringLiteral("[FILE]"));
    if (const int code = cl.Parse(arguments, 0, 1); code >= 0)
        return code;
    const BackupArchive archive;
    for (const BackupArchive::Entry &entry : archive.Entries(cl.Parser().positionalArguments().value(0))) {
        Console::Out(QStringLiteral("%1  %2  %3  %4  %5")
                         .arg(entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                              (entry.source == BackupArchive::Source::ReadFromMeter ? QStringLiteral("read from meter")
                                                                                     : QStringLiteral("saved over"))
                                  .leftJustified(15),
                              Console::Printable(BackupArchive::DisplayName(entry)), Console::Printable(BackupArchive::Describe(entry)),
                              Console::Printable(QDir::toNativeSeparators(entry.filePath))));
    }
    return EXIT_OK;
}
