#include "exchange/CsvWriter.h"

namespace {

// Thousandths (kHz, symbols per second) as whole units when they are, else with three decimals.
QString Thousandths(qint64 value)
{
    return value % 1000 == 0 ? QString::number(value / 1000) : QString::number(double(value) / 1000.0, 'f', 3);
}

QString PolarCell(ExchangePolar polar)
{
    static const char *const texts[] = {"Hori", "Vert", "Left", "Right", "Auto"};
    return QString::fromLatin1(texts[int(polar)]);
}

} // namespace

QString CsvWriter::Cell(const QString &text)
{
    QString cell = !text.isEmpty() && RunsAsFormula(text.front()) ? QLatin1Char('\'') + text : text;
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : cell)
        quote = quote || special.contains(c);
    if (!quote)
        return cell;
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QByteArray CsvWriter::Write(const std::vector<ExchangeSatellite> &satellites)
{
    // The byte order mark tells spreadsheets that the file is UTF-8.
    QString out = QChar(0xFEFF) + QStringLiteral("Satellite,Position (deg E),Frequency (MHz),Symbol rate (kS/s),"
                                 "Polarisation\r\n");
    for (const ExchangeSatellite &sat : satellites) {
        const QString head = Cell(sat.name) + QLatin1Char(',')
                             + QString::number(double(sat.position) / 10.0, 'f', 1);
        if (sat.transponders.empty())
            out += head + QLatin1String(",,,\r\n");
        for (const ExchangeTransponder &tp : sat.transponders)
            out += head + QLatin1Char(',') + Thousandths(tp.frequency) + QLatin1Char(',')
                   + Thousandths(tp.symbolRate) + QLatin1Char(',') + PolarCell(tp.polar)
                   + QLatin1String("\r\n");
    }
    return out.toUtf8();
}
