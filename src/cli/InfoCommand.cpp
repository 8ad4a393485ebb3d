#include "cli/InfoCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "database/ParamDatabase.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Records of a table that are not in use: what is left for new entries.
template <typename At>
int FreeRecords(int count, At at)
{
    int free = 0;
    for (int i = 0; i < count; ++i)
        free += at(i)->InUse() ? 0 : 1;
    return free;
}

} // namespace

int InfoCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("info"), QStringLiteral("[--json] FILE"),
                   QCoreApplication::translate("Cli", "The satellites of a database file in list order, with position and "
                                                      "transponder count; totals; free records left."));
    const QCommandLineOption json(QStringLiteral("json"), QCoreApplication::translate("Cli", "Output as JSON."));
    cl.Parser().addOption(json);
    cl.Parser().addPositionalArgument(QStringLiteral("FILE"), QString());
    if (const int code = cl.Parse(arguments, 1, 1); code >= 0)
        return code;
    const QString path = cl.Parser().positionalArguments().at(0);
    DatabaseDocument doc;
    if (!DatabaseFile::Open(doc, path))
        return EXIT_FILE;

    const ParamDatabase &db = doc.Database();
    const int freeSats = FreeRecords(DbLayout::NO_SATELLITE, [&](int i) { return db.SatelliteAt(i); });
    const int freeTps = FreeRecords(DbLayout::NO_TRANSPONDER, [&](int i) { return db.TransponderAt(i); });
    const int freeChs = FreeRecords(DbLayout::NO_CHANNEL, [&](int i) { return db.ChannelAt(i); });

    QJsonArray list;
    QStringList lines{QStringLiteral("slot  position  transponders  name")};
    int transponders = 0;
    for (const SatelliteValue &sat : doc.Satellites()) {
        const int count = int(doc.TransponderRows(sat.slot).size());
        transponders += count;
        list.append(QJsonObject{{QStringLiteral("slot"), sat.slot},
                                {QStringLiteral("name"), sat.name},
                                {QStringLiteral("position"), DatabaseFile::Degrees(sat.position).toDouble()},
                                {QStringLiteral("transponders"), count}});
        lines << QStringLiteral("%1  %2  %3  %4")
                     .arg(sat.slot, 4)
                     .arg(DatabaseFile::Degrees(sat.position), 8)
                     .arg(count, 12)
                     .arg(sat.name);
    }
    const int satellites = int(list.size());
    const int channels = DbLayout::NO_CHANNEL - freeChs;
    if (cl.Parser().isSet(json)) {
        const QJsonObject out{
            {QStringLiteral("file"), path},
            {QStringLiteral("satellites"), list},
            {QStringLiteral("totals"), QJsonObject{{QStringLiteral("satellites"), satellites},
                                                  {QStringLiteral("transponders"), transponders},
                                                  {QStringLiteral("channels"), channels}}},
            {QStringLiteral("free"), QJsonObject{{QStringLiteral("satellites"), freeSats},
                                                {QStringLiteral("transponders"), freeTps},
                                                {QStringLiteral("channels"), freeChs}}}};
        Console::OutExact(QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)).trimmed());
        return EXIT_OK;
    }
    lines << QCoreApplication::translate("Cli", "total: %n satellites, %1 transponders, %2 channels", nullptr, int(satellites))
                 .arg(transponders).arg(channels)
          << QCoreApplication::translate("Cli", "free: %1 satellite slots, %2 transponder records, %3 channel records")
                 .arg(freeSats).arg(freeTps).arg(freeChs);
    Console::OutLines(lines);
    return EXIT_OK;
}
