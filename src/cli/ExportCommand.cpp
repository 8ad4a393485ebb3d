#include "cli/ExportCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "document/BackupArchive.h"
#include "exchange/ExchangeFiles.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// Two names for one file (the same name, a link, a hard link) have the same device and inode.
bool SameFile(const QString &a, const QString &b)
{
    struct stat sa = {};
    struct stat sb = {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

int ExportCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("export"), QStringLiteral("DB OUT (--xml|--csv) [--force]"),
                   QStringLiteral("Writes every satellite and transponder of database DB to OUT, as satellites.xml "
                                  "(--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in "
                                  ".csv). 'orbivane-cli import' takes either back unchanged. An existing OUT is "
                                  "replaced only with --force, and its content is kept in the backup archive "
                                  "first; DB itself is never replaced."));
    const QCommandLineOption xml(QStringLiteral("xml"), QStringLiteral("satellites.xml, as receivers use it."));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("CSV (UTF-8), one row per transponder."));
    const QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                                   QStringLiteral("Replace OUT when it exists (its content is kept in the archive)."));
    cl.Parser().addOptions({xml, csv, force});
    cl.Parser().addPositionalArgument(QStringLiteral("DB"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("OUT"), QString());
    if (const int code = cl.Parse(arguments, 2, 2); code >= 0)
        return code;
    if (cl.Parser().isSet(xml) == cl.Parser().isSet(csv))
        return cl.UsageError(QStringLiteral("give one of --xml and --csv"));
    const QStringList files = cl.Parser().positionalArguments();
    const QString &out = files.at(1);
    // The ending tells the format, as import and the window read it: a list must come back as
    // what it is.
    const QString ending = cl.Parser().isSet(xml) ? QStringLiteral("xml") : QStringLiteral("csv");
    if (QFileInfo(out).suffix().toLower() != ending)
        return cl.UsageError(QStringLiteral("%1: --%2 writes a file ending in .%2").arg(out, ending));

    DatabaseDocument doc;
    if (!DatabaseFile::Open(doc, files.at(0)))
        return EXIT_FILE;
    const QFileInfo target(out);
    if (target.exists() || target.isSymLink()) {
        if (SameFile(files.at(0), out)) {
            Console::Err(QStringLiteral("%1: is the database %2 itself; not replaced").arg(out, files.at(0)));
            return EXIT_FILE;
        }
        if (!target.isFile()) {
            Console::Err(QStringLiteral("%1: exists and is no regular file; not replaced").arg(out));
            return EXIT_FILE;
        }
        if (!cl.Parser().isSet(force)) {
            Console::Err(QStringLiteral("%1: exists; not replaced (--force replaces it and keeps its content in "
                                        "the backup archive)").arg(out));
            return EXIT_REFUSED;
        }
    }
    const auto format = cl.Parser().isSet(xml) ? ExchangeFiles::Format::Xml : ExchangeFiles::Format::Csv;
    // What is replaced is kept first; a file the archive cannot keep is not replaced.
    BackupArchive archive;
    QString why;
    archive.SetReporter([&why](const QString &reason) { why = reason; });
    if (!archive.KeepBeforeSave(out, ExchangeFiles::Encode(doc, format))) {
        Console::Err(QStringLiteral("%1: not replaced, since its content could not be kept: %2").arg(out, why));
        return EXIT_FILE;
    }
    QString error;
    if (!ExchangeFiles::Export(doc, out, format, &error)) {
        Console::Err(QStringLiteral("%1: %2").arg(out, error));
        return EXIT_FILE;
    }
    return EXIT_OK;
}
