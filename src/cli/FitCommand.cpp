#include "cli/FitCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "cli/ListSource.h"
#include "cli/RegionArguments.h"
#include "document/BackupArchive.h"
#include "region/LookAngles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QCoreApplication>

namespace {

// The satellites the meter holds afterwards and those it loses, one line each.
QStringList Table(const RegionPlan &plan)
{
    QStringList lines{QStringLiteral("keep    position  %1  transponders  name").arg(RegionArguments::ColumnsHead())};
    for (int i = 0; i < plan.Count(); ++i) {
        const RegionPlan::Row &row = plan.At(i);
        if (!row.ticked && !row.InDatabase())
            continue;
        QString count;
        if (!row.ticked)
            count = QStringLiteral("removed");
        else if (row.Listed())
            count = QStringLiteral("%1 of %2").arg(row.kept).arg(row.listed);
        else
            count = QStringLiteral("%1 stored").arg(row.kept);
        lines << QStringLiteral("%1  %2  %3  %4  %5")
                     .arg(row.ticked ? (row.InDatabase() ? QStringLiteral("kept  ") : QStringLiteral("added ")) : QStringLiteral("-     "))
                     .arg(LookAngles::PlaceName(row.position), 8)
                     .arg(RegionArguments::Columns(row.angles))
                     .arg(count, 12)
                     .arg(row.name);
    }
    return lines;
}

QJsonObject Json(const RegionPlan &plan, const RegionPreview &preview)
{
    QJsonArray rows;
    for (int i = 0; i < plan.Count(); ++i) {
        const RegionPlan::Row &row = plan.At(i);
        QJsonObject o = RegionArguments::Json(row.angles);
        o.insert(QStringLiteral("name"), row.name);
        o.insert(QStringLiteral("position"), LookAngles::PlaceName(row.position));
        o.insert(QStringLiteral("visible"), row.visible);
        o.insert(QStringLiteral("inDatabase"), row.InDatabase());
        o.insert(QStringLiteral("kept"), row.ticked);
        o.insert(QStringLiteral("stored"), row.stored);
        o.insert(QStringLiteral("channels"), row.channels);
        o.insert(QStringLiteral("listed"), row.listed);
        o.insert(QStringLiteral("transponders"), row.kept);
        rows.append(o);
    }
    return QJsonObject{{QStringLiteral("site"), RegionArguments::SiteJson(plan.GetOptions())},
                       {QStringLiteral("satellites"), rows},
                       {QStringLiteral("totals"), QJsonObject{{QStringLiteral("satellites"), preview.satellites},
                                                             {QStringLiteral("transponders"), preview.transponders}}},
                       {QStringLiteral("shared"), preview.shared},
                       {QStringLiteral("removedChannels"), preview.RemovedChannels() + preview.channelsLost},
                       {QStringLiteral("fits"), !preview.import.Full()},
                       {QStringLiteral("preview"), QJsonArray::fromStringList(preview.Lines())}};
}

} // namespace

int FitCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("fit"),
                   QStringLiteral("DB --from LIST [--site LAT,LON] [--min-elevation DEG] [--dry-run] [--json] [--force]"),
                   QCoreApplication::translate("Cli", "Plans which satellites database DB keeps for the site, and which transponders "
                                  "each keeps, from receiver list LIST (satellites.xml or CSV), within the meter's "
                                  "64 satellites and 2500 transponders; prints the plan and what changes. "
                                  "Satellites of DB below the minimum elevation are removed with their channels; "
                                  "the visible ones stay, and the visible satellites of LIST are added, highest "
                                  "first, while there is room. A satellite of LIST takes LIST's transponders, or "
                                  "a share spread over its bands and polarisations when they do not all fit. DB "
                                  "is saved (its content kept as a backup first) unless --dry-run."));
    const RegionArguments region(cl);
    const QCommandLineOption from(QStringLiteral("from"), QCoreApplication::translate("Cli", "The receiver list: satellites.xml or CSV, a file or an http(s):// address."),
                                  QStringLiteral("LIST"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QCoreApplication::translate("Cli", "Print the plan; change nothing."));
    const QCommandLineOption json(QStringLiteral("json"), QCoreApplication::translate("Cli", "Output as JSON."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QCoreApplication::translate("Cli", "Save even when another program changed DB while it was planned."));
    cl.Parser().addOptions({from, dryRun, json, force});
    cl.Parser().addPositionalArgument(QStringLiteral("DB"), QString());
    if (const int code = cl.Parse(arguments, 1, 1); code >= 0)
        return code;
    if (!cl.Parser().isSet(from))
        return cl.UsageError(QCoreApplication::translate("Cli", "give the list: --from LIST"));
    RegionPlan::Options options;
    if (const int code = region.Read(options); code >= 0)
        return code;
    const QString path = cl.Parser().positionalArguments().at(0);

    DatabaseDocument doc;
    BackupArchive archive;
    doc.SetArchive(&archive);
    if (!DatabaseFile::Open(doc, path, !cl.Parser().isSet(dryRun)))
        return EXIT_FILE;
    int failed = EXIT_FILE;
    const ExchangeData list = ListSource::Read(cl.Parser().value(from), &failed);
    if (!list.Ok()) {
        Console::Err(QCoreApplication::translate("Cli", "%1\nNothing was changed.").arg(list.error));
        return failed;
    }

    const RegionPlan plan(doc, list.satellites, options);
    const RegionPreview preview = plan.Preview();
    if (cl.Parser().isSet(json))
        Console::OutExact(QString::fromUtf8(QJsonDocument(Json(plan, preview)).toJson(QJsonDocument::Indented)).trimmed());
    else
        Console::OutLines(QStringList{RegionArguments::SiteLine(options)} + Table(plan) + preview.Lines());
    if (preview.import.Full())
        return EXIT_REFUSED;
    if (cl.Parser().isSet(dryRun))
        return EXIT_OK;
    const DocumentResult applied = plan.Apply(doc);
    if (!applied) {
        const QString why = applied.text.trimmed();
        Console::Err(QStringLiteral("%1: %2").arg(path, why.isEmpty() ? QCoreApplication::translate("Cli", "nothing was changed: the database refused the plan") : why));
        return EXIT_REFUSED;
    }
    if (!doc.IsModified())
        return EXIT_OK;
    const DocumentResult saved = doc.Save(cl.Parser().isSet(force));
    if (!saved.backup)
        Console::Err(QCoreApplication::translate("Cli", "orbivane-cli: warning: no backup kept: %1").arg(saved.backup.error));
    if (!saved) {
        Console::Err(QStringLiteral("%1: %2").arg(path, saved.text.trimmed()));
        if (saved.code == DocumentResult::Code::ChangedOnDisk)
            Console::Err(QCoreApplication::translate("Cli", "Nothing was saved (--force saves over it)."));
        return EXIT_FILE;
    }
    return EXIT_OK;
}
