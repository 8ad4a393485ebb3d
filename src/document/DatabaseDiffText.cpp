#include "document/DatabaseDiffText.h"

#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"

namespace {

using SatChange = DatabaseDiff::SatelliteChange;
using TpChange = DatabaseDiff::TransponderChange;

// The position as the window shows it: degrees with one decimal place.
QString RowText(const TransponderRow &row)
{
    return QStringLiteral("%1 MHz %2 kS/s %3")
        .arg(row.frequency).arg(row.symbolRate).arg(TransponderConversions::PolarText(row.polar));
}

QString SatText(const SatelliteValue &sat)
{
    return QStringLiteral("\"%1\" (%2)").arg(sat.name, SatelliteConversions::FormatPosition(sat.position));
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
                     .arg(c.after.name, SatelliteConversions::FormatPosition(c.before.position), SatelliteConversions::FormatPosition(c.after.position));
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

} // namespace

QStringList DatabaseDiffText::Lines(const std::vector<SatChange> &changes)
{
    QStringList lines;
    for (const SatChange &c : changes)
        AppendText(c, lines);
    return lines;
}
