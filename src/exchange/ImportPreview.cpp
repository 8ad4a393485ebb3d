#include "exchange/ImportPreview.h"

#include "database/DbLayout.h"
#include "document/SatelliteConversions.h"
#include "document/TransponderConversions.h"

#include <QCoreApplication>

using Kind = DatabaseDiff::TransponderChange::Kind;

namespace {

QString RowText(const TransponderRow &row)
{
    return QStringLiteral("%1 MHz %2 kS/s %3")
        .arg(row.frequency)
        .arg(row.symbolRate)
        .arg(TransponderConversions::PolarText(row.polar));
}

} // namespace

int ImportPreview::Satellite::Count(Kind kind) const
{
    int n = 0;
    for (const DatabaseDiff::TransponderChange &c : transponders)
        n += c.kind == kind ? 1 : 0;
    return n;
}

QString ImportPreview::FullText() const
{
    QStringList parts;
    if (neededSatellites > freeSatellites)
        parts << QCoreApplication::translate("Exchange", "The satellite table is full: the import adds %n satellites and %1 of "
                                                         "its %2 places are free.", nullptr, int(neededSatellites))
                     .arg(freeSatellites).arg(DbLayout::NO_SATELLITE);
    if (neededTransponders > freeTransponders)
        parts << QCoreApplication::translate("Exchange", "The transponder table is full: the import needs %n records and %1 of "
                                                         "its %2 are free.", nullptr, int(neededTransponders))
                     .arg(freeTransponders).arg(DbLayout::NO_TRANSPONDER);
    if (parts.isEmpty())
        return {};
    return parts.join(QLatin1Char('\n'))
           + QCoreApplication::translate("Exchange", "\nNothing is imported: take fewer satellites, or delete some first.");
}

QStringList ImportPreview::Lines() const
{
    QStringList lines;
    for (const Satellite &s : satellites) {
        if (s.leftOut) {
            lines << QCoreApplication::translate("Exchange", "\"%1\": left out").arg(s.fileName);
            for (const Note &n : s.notes)
                lines << QStringLiteral("  ") + n.text;
            continue;
        }
        const QString degrees = SatelliteConversions::FormatPosition(s.target.position);
        QString head = QCoreApplication::translate("Exchange", "\"%1\" (%2): ").arg(s.target.name, degrees);
        if (s.added)
            head += QCoreApplication::translate("Exchange", "satellite added, ");
        else if (s.fileName != s.target.name)
            head += QCoreApplication::translate("Exchange", "from \"%1\", ").arg(s.fileName);
        head += QCoreApplication::translate("Exchange", "%1, %2 added, %3 removed, %4 changed")
                    .arg(s.replace ? QCoreApplication::translate("Exchange", "replace") : QCoreApplication::translate("Exchange", "merge"))
                    .arg(s.Count(Kind::Added))
                    .arg(s.Count(Kind::Removed))
                    .arg(s.Count(Kind::Changed));
        lines << head;
        for (const DatabaseDiff::TransponderChange &c : s.transponders) {
            if (c.kind == Kind::Added)
                lines << QCoreApplication::translate("Exchange", "  added: ") + RowText(c.after);
            else if (c.kind == Kind::Removed)
                lines << QCoreApplication::translate("Exchange", "  removed: ") + RowText(c.before);
            else
                lines << QCoreApplication::translate("Exchange", "  changed: %1 -> %2").arg(RowText(c.before), RowText(c.after));
        }
        for (const Note &n : s.notes)
            lines << QStringLiteral("  ") + n.text;
    }
    if (Full())
        lines << FullText().split(QLatin1Char('\n'));
    return lines;
}
