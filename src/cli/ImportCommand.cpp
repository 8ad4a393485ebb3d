#include "cli/ImportCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "document/BackupArchive.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/ImportPlan.h"

#include <optional>

#include <QCoreApplication>

namespace {

// The file's satellites at a position; when none is there exactly, those one tenth either side,
// since lists round a position differently (177.0W is -1770 in one list, -1771 in another).
std::vector<int> FindNear(const ImportPlan &plan, int tenths)
{
    std::vector<int> found = plan.FindByPosition(tenths);
    if (found.empty()) {
        for (const int near : {tenths - 1, tenths + 1}) {
            const int east = ExchangeConversions::EastTenths(near);
            if (east == ExchangeConversions::NO_POSITION)
                continue;
            const std::vector<int> more = plan.FindByPosition(east);
            found.insert(found.end(), more.begin(), more.end());
        }
    }
    return found;
}

} // namespace

int ImportCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("import"),
                   QStringLiteral("DB SOURCE [--satellite POS]... [--replace|--merge] [--tolerance MHZ] [--dry-run] [--force]"),
                   QCoreApplication::translate("Cli", "Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and "
                                                      "prints what changes, satellite by satellite, and what the meter cannot hold as "
                                                      "given. A satellite goes to the one of DB at the same position, else it is added. "
                                                      "Nothing is imported when the tables cannot hold it all. DB is saved unless "
                                                      "--dry-run."));
    const QCommandLineOption satellite(QStringLiteral("satellite"),
                                       QCoreApplication::translate("Cli", "Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; "
                                                                          "177W is 183), or one tenth either side when none is at "
                                                                          "POS itself; repeat for more. Default: all of them."),
                                       QStringLiteral("POS"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QCoreApplication::translate("Cli", "A satellite's transponders become those of SOURCE."));
    const QCommandLineOption merge(QStringLiteral("merge"),
                                   QCoreApplication::translate("Cli", "Only the transponders DB lacks are added (the default)."));
    const QCommandLineOption tolerance(QStringLiteral("tolerance"),
                                       QCoreApplication::translate("Cli", "Frequencies at most MHZ apart (same polarisation) are one "
                                                                          "transponder: 0 to 100. Default: 2."),
                                       QStringLiteral("MHZ"), QString::number(ImportPlan::DEFAULT_TOLERANCE));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QCoreApplication::translate("Cli", "Print the preview; change nothing."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QCoreApplication::translate("Cli", "Save even when another program changed DB while it was imported into."));
    cl.Parser().addOptions({satellite, replace, merge, tolerance, dryRun, force});
    cl.Parser().addPositionalArgument(QStringLiteral("DB"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("SOURCE"), QString());
    if (const int code = cl.Parse(arguments, 2, 2); code >= 0)
        return code;
    if (cl.Parser().isSet(replace) && cl.Parser().isSet(merge))
        return cl.UsageError(QCoreApplication::translate("Cli", "give --replace or --merge, not both"));
    int megahertz = 0;
    // The window's range for the same setting.
    if (const int code = cl.WholeNumber(tolerance, 0, 100, megahertz); code >= 0)
        return code;
    const QStringList files = cl.Parser().positionalArguments();

    DatabaseDocument doc;
    // The file's content before the import's save is kept, as the window keeps it at Apply.
    BackupArchive archive;
    doc.SetArchive(&archive);
    // Another import of DB waits here until the one before has saved: both land.
    if (!DatabaseFile::Open(doc, files.at(0), !cl.Parser().isSet(dryRun)))
        return EXIT_FILE;
    const ExchangeData data = ExchangeFiles::Read(files.at(1));
    if (!data.Ok()) {
        Console::Err(QCoreApplication::translate("Cli", "%1: %2\nNothing was imported.").arg(files.at(1), data.error));
        return EXIT_FILE;
    }

    ImportPlan plan(doc, data.satellites);
    plan.SetTolerance(megahertz);
    std::vector<int> taken;
    for (const QString &pos : cl.Parser().values(satellite)) {
        const std::optional<int> tenths =
            ExchangeConversions::PositionFromText(pos, ExchangeConversions::PositionSource::Typed);
        if (!tenths || *tenths < 0) // no number, or a place no satellite can be
            return cl.UsageError(QCoreApplication::translate("Cli", "--satellite wants degrees (19.2, 5W, -5, 183), not '%1'").arg(pos));
        const std::vector<int> found = FindNear(plan, *tenths);
        if (found.empty())
            return cl.UsageError(QCoreApplication::translate("Cli", "%1 has no satellite at %2").arg(files.at(1), pos));
        taken.insert(taken.end(), found.begin(), found.end());
    }
    if (!cl.Parser().isSet(satellite)) {
        for (int i = 0; i < plan.Count(); ++i)
            taken.push_back(i);
    }
    for (int i : taken) {
        plan.SetTaken(i, true);
        plan.SetMode(i, cl.Parser().isSet(replace) ? ImportPlan::Mode::Replace : ImportPlan::Mode::Merge);
        if (plan.Ambiguous(i)) {
            QStringList names;
            for (const SatelliteValue &s : plan.Candidates(i))
                names << QStringLiteral("\"%1\" (%2)").arg(Console::Printable(s.name), DatabaseFile::Degrees(s.position));
            const std::optional<SatelliteValue> chosen = doc.Satellite(plan.Target(i));
            Console::Err(QCoreApplication::translate("Cli", "\"%1\": several satellites of %2 lie near it: %3; %4")
                             .arg(Console::Printable(plan.FileSatellite(i).name), files.at(0), names.join(QStringLiteral(", ")),
                                  chosen ? QCoreApplication::translate("Cli", "taking \"%1\"").arg(Console::Printable(chosen->name))
                                         : QCoreApplication::translate("Cli", "adding it")));
        }
    }

    const ImportPreview preview = plan.Preview();
    const QStringList lines = preview.Lines();
    if (!lines.isEmpty())
        Console::OutLines(lines);
    if (preview.Full())
        return EXIT_REFUSED;
    if (cl.Parser().isSet(dryRun))
        return EXIT_OK;
    const DocumentResult applied = plan.Apply(doc);
    if (!applied) {
        const QString why = applied.text.trimmed();
        Console::Err(QStringLiteral("%1: %2").arg(files.at(0), why.isEmpty() ? QCoreApplication::translate("Cli", "nothing was imported: the database refused the change") : why));
        return EXIT_REFUSED;
    }
    if (!doc.IsModified())
        return EXIT_OK;
    const DocumentResult saved = doc.Save(cl.Parser().isSet(force));
    if (!saved.backup)
        Console::Err(QCoreApplication::translate("Cli", "orbivane-cli: warning: no backup kept: %1").arg(saved.backup.error));
    if (!saved) {
        Console::Err(QStringLiteral("%1: %2").arg(files.at(0), saved.text.trimmed()));
        if (saved.code == DocumentResult::Code::ChangedOnDisk)
            Console::Err(QCoreApplication::translate("Cli", "Nothing was saved (--force saves over it)."));
        return EXIT_FILE;
    }
    return EXIT_OK;
}
