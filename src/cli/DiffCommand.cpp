#include "cli/DiffCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "document/DatabaseDiff.h"
#include "document/TransponderConversions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using SatChange = DatabaseDiff::SatelliteChange;
using TpChange = DatabaseDiff::TransponderChange;

QString RowText(const TransponderRow &row)
{
    return QStringLiteral("%1 MHz %2 kS/s %3")
        .arg(row.frequency).arg(row.symbolRate).arg(TransponderConversions::PolarText(row.polar));
}

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

QString SatText(const SatelliteValue &sat)
{
    return QStringLiteral("\"%1\" (%2)").arg(sat.name, DatabaseFile::Degrees(sat.position));
}

void AppendText(const SatChange &c, QStringList &lines)
{
    switch (c.kind) {
    case SatChange::Kind::Added:
        lines << QStringLiteral("satellite added: %1, %2 transponders").arg(SatText(c.after)).arg(c.transponders.size());
        return;
    case SatChange::Kind::Removed:
        lines << QStringLiteral("satellite removed: %1, %2 transponders").arg(SatText(c.before)).arg(c.transponders.size());
        return;
    case SatChange::Kind::Paired:
        break;
    }
    if (c.Renamed())
        lines << QStringLiteral("satellite renamed: \"%1\" -> \"%2\"").arg(c.before.name, c.after.name);
    if (c.Moved())
        lines << QStringLiteral("satellite moved: \"%1\" %2 -> %3")
                     .arg(c.after.name, DatabaseFile::Degrees(c.before.position), DatabaseFile::Degrees(c.after.position));
    for (const TpChange &t : c.transponders) {
        const QString head = QStringLiteral("  \"%1\": transponder ").arg(c.after.name);
        if (t.kind == TpChange::Kind::Added)
            lines << head + QStringLiteral("added: ") + RowText(t.after);
        else if (t.kind == TpChange::Kind::Removed)
            lines << head + QStringLiteral("removed: ") + RowText(t.before);
        else
            lines << head + QStringLiteral("changed: %1 -> %2").arg(RowText(t.before), RowText(t.after));
    }
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
                   QStringLiteral("What differs from database A to database B: satellites added, removed, "
                                  "renamed, moved (orbital position); per satellite, transponders added, removed "
                                  "and changed. Satellites are paired by name, then by position."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Output as JSON."));
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
        Console::Out(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("a"), files.at(0)},
                                                                 {QStringLiteral("b"), files.at(1)},
                                                                 {QStringLiteral("satellites"), list}})
                                           .toJson(QJsonDocument::Indented)).trimmed());
    } else {
        QStringList lines;
        for (const SatChange &c : changes)
            AppendText(c, lines);
        if (!lines.isEmpty())
            Console::Out(lines.join(QLatin1Char('\n')));
    }
    return changes.empty() ? EXIT_OK : EXIT_FOUND;
}
