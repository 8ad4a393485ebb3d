#include "cli/DiffCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "document/DatabaseDiff.h"
#include "document/DatabaseDiffText.h"
#include "document/TransponderConversions.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using SatChange = DatabaseDiff::SatelliteChange;
using TpChange = DatabaseDiff::TransponderChange;

QJsonObject RowJson(const TransponderRow &row)
{
    return {{QStringLiteral("frequency"), row.frequency},
            {QStringLiteral("symbolRate"), row.symbolRate},
            {QStringLiteral("polarisation"), TransponderConversions::PolarText(row.polar)}};
}

QJsonObject SatJson(const SatelliteValue &sat)
{
    return {{QStringLiteral("name"), sat.name},
            {QStringLiteral("position"), DatabaseFile::Degrees(sat.position).toDouble()}};
}

QJsonObject ChangeJson(const SatChange &c)
{
    static const char *const kinds[] = {"added", "removed", "changed"};
    QJsonObject o{{QStringLiteral("change"), QString::fromLatin1(kinds[int(c.kind)])}};
    if (c.kind != SatChange::Kind::Added)
        o.insert(QStringLiteral("before"), SatJson(c.before));
    if (c.kind != SatChange::Kind::Removed)
        o.insert(QStringLiteral("after"), SatJson(c.after));
    o.insert(QStringLiteral("renamed"), c.Renamed());
    o.insert(QStringLiteral("moved"), c.Moved());
    QJsonArray tps;
    for (const TpChange &t : c.transponders) {
        QJsonObject tp{{QStringLiteral("change"), QString::fromLatin1(kinds[int(t.kind)])}};
        if (t.kind != TpChange::Kind::Added)
            tp.insert(QStringLiteral("before"), RowJson(t.before));
        if (t.kind != TpChange::Kind::Removed)
            tp.insert(QStringLiteral("after"), RowJson(t.after));
        tps.append(tp);
    }
    o.insert(QStringLiteral("transponders"), tps);
    return o;
}

} // namespace

int DiffCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("diff"), QStringLiteral("[--json] A B"),
                   QCoreApplication::translate("Cli", "What differs from database A to database B: satellites added, removed, "
                                                      "renamed, moved (orbital position); per satellite, transponders added, removed "
                                                      "and changed. Satellites are paired by name, then by position."));
    const QCommandLineOption json(QStringLiteral("json"), QCoreApplication::translate("Cli", "Output as JSON."));
    cl.Parser().addOption(json);
    cl.Parser().addPositionalArgument(QStringLiteral("A"), QString());
    cl.Parser().addPositionalArgument(QStringLiteral("B"), QString());
    if (const int code = cl.Parse(arguments, 2, 2); code >= 0)
        return code;
    const QStringList files = cl.Parser().positionalArguments();
    DatabaseDocument a;
    DatabaseDocument b;
    if (!DatabaseFile::Open(a, files.at(0)) || !DatabaseFile::Open(b, files.at(1)))
        return EXIT_FILE;

    const std::vector<SatChange> changes = DatabaseDiff::Compare(a, b);
    if (cl.Parser().isSet(json)) {
        QJsonArray list;
        for (const SatChange &c : changes)
            list.append(ChangeJson(c));
        Console::OutExact(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("a"), files.at(0)},
                                                                 {QStringLiteral("b"), files.at(1)},
                                                                 {QStringLiteral("satellites"), list}})
                                           .toJson(QJsonDocument::Indented)).trimmed());
    } else {
        const QStringList lines = DatabaseDiffText::Lines(changes);
        if (!lines.isEmpty())
            Console::OutLines(lines);
    }
    return changes.empty() ? EXIT_OK : EXIT_FOUND;
}
