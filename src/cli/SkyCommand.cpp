#include "cli/SkyCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "cli/ListSource.h"
#include "cli/RegionArguments.h"
#include "database/DbLayout.h"
#include "exchange/ExchangeConversions.h"
#include "fetch/ListUrl.h"
#include "region/LookAngles.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <set>
#include <QCoreApplication>

namespace {

struct Entry {
    QString name;
    int position = 0;
    QString source;
    LookAngles angles;
    bool visible = false;
};

// A database file is exactly one image long; anything else is read as a receiver list.
bool IsDatabase(const QString &path)
{
    return !ListUrl::IsRemote(path) && QFileInfo(path).isFile() && QFileInfo(path).size() == DbLayout::IMAGE_SIZE;
}

} // namespace

int SkyCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("sky"), QStringLiteral("[--site LAT,LON] [--min-elevation DEG] [--json] SOURCE..."),
                   QCoreApplication::translate("Cli", "The elevation, true azimuth and LNB skew, seen from the site, of every satellite "
                                  "of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: "
                                  "those at or above the minimum elevation first, then the others, each part by "
                                  "azimuth. A satellite in several SOURCEs (same position and name) is shown once. "
                                  "A positive skew turns the LNB counter-clockwise as seen from behind the dish."));
    const RegionArguments region(cl);
    const QCommandLineOption json(QStringLiteral("json"), QCoreApplication::translate("Cli", "Output as JSON."));
    cl.Parser().addOption(json);
    cl.Parser().addPositionalArgument(QStringLiteral("SOURCE"), QString(), QStringLiteral("SOURCE..."));
    if (const int code = cl.Parse(arguments, 1, 1000); code >= 0)
        return code;
    RegionPlan::Options options;
    if (const int code = region.Read(options); code >= 0)
        return code;

    std::vector<Entry> entries;
    std::set<std::pair<int, QString>> seen;
    const auto add = [&](const QString &name, int position, const QString &source) {
        if (!seen.insert({position, name.toCaseFolded()}).second)
            return;
        Entry e{name, position, source, LookAngles::ForPosition(options.site, position), false};
        e.visible = e.angles.Visible(options.minimumElevation);
        entries.push_back(e);
    };
    for (const QString &source : cl.Parser().positionalArguments()) {
        // A list of exactly a database's size is read as a list when it is no database.
        if (DatabaseDocument doc; IsDatabase(source) && doc.Open(source)) {
            for (const SatelliteValue &s : doc.Satellites())
                add(s.name, s.position, source);
            continue;
        }
        int failed = EXIT_FILE;
        const ExchangeData data = ListSource::Read(source, &failed);
        if (!data.Ok()) {
            DatabaseDocument doc;
            if (IsDatabase(source) && !DatabaseFile::Open(doc, source)) // says why it is none
                return EXIT_FILE;
            Console::Err(data.error);
            return failed;
        }
        for (const ExchangeSatellite &s : data.satellites) {
            if (s.position == ExchangeConversions::NO_POSITION)
                Console::Err(QCoreApplication::translate("Cli", "%1: line %2: \"%3\" is at no place on the arc (%4); left out")
                                 .arg(source).arg(s.line).arg(s.name, s.positionText));
            else
                add(s.name, s.position, source);
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.visible != b.visible)
            return a.visible;
        return a.angles.azimuth < b.angles.azimuth;
    });

    if (cl.Parser().isSet(json)) {
        QJsonArray list;
        for (const Entry &e : entries) {
            QJsonObject o = RegionArguments::Json(e.angles);
            o.insert(QStringLiteral("name"), e.name);
            o.insert(QStringLiteral("position"), LookAngles::PlaceName(e.position));
            o.insert(QStringLiteral("visible"), e.visible);
            o.insert(QStringLiteral("source"), e.source);
            list.append(o);
        }
        const QJsonObject out{{QStringLiteral("site"), RegionArguments::SiteJson(options)},
                              {QStringLiteral("satellites"), list}};
        Console::OutExact(QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)).trimmed());
        return EXIT_OK;
    }
    QStringList lines{RegionArguments::SiteLine(options),
                      QStringLiteral("position  %1  visible  name").arg(RegionArguments::ColumnsHead())};
    for (const Entry &e : entries)
        lines << QStringLiteral("%1  %2  %3  %4")
                     .arg(LookAngles::PlaceName(e.position), 8)
                     .arg(RegionArguments::Columns(e.angles))
                     .arg(e.visible ? QStringLiteral("yes") : QStringLiteral("no"), -7)
                     .arg(e.name);
    Console::OutLines(lines);
    return EXIT_OK;
}
