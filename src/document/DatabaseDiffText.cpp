#include "document/DatabaseDiffText.h"

#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"

#include <QCoreApplication>

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
        lines << QCoreApplication::translate("DatabaseDiff", "satellite added: %1, %n transponders", nullptr, int(c.transponders.size()))
                     .arg(SatText(c.after));
        return;
    case SatChange::Kind::Removed:
        lines << QCoreApplication::translate("DatabaseDiff", "satellite removed: %1, %n transponders", nullptr, int(c.transponders.size()))
                     .arg(SatText(c.before));
        return;
    case SatChange::Kind::Paired:
        break;
    }
    if (c.Renamed())
        lines << QCoreApplication::translate("DatabaseDiff", "satellite renamed: \"%1\" -> \"%2\"").arg(c.before.name, c.after.name);
    if (c.Moved())
        lines << QCoreApplication::translate("DatabaseDiff", "satellite moved: \"%1\" %2 -> %3")
                     .arg(c.after.name, SatelliteConversions::FormatPosition(c.before.position), SatelliteConversions::FormatPosition(c.after.position));
    for (const TpChange &t : c.transponders) {
        const QString head = QCoreApplication::translate("DatabaseDiff", "  \"%1\": transponder ").arg(c.after.name);
        if (t.kind == TpChange::Kind::Added)
            lines << head + QCoreApplication::translate("DatabaseDiff", "added: ") + RowText(t.after);
        else if (t.kind == TpChange::Kind::Removed)
            lines << head + QCoreApplication::translate("DatabaseDiff", "removed: ") + RowText(t.before);
        else
            lines << head + QCoreApplication::translate("DatabaseDiff", "changed: %1 -> %2").arg(RowText(t.before), RowText(t.after));
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
