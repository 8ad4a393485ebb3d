#include "exchange/SatellitesXmlWriter.h"

#include "exchange/ExchangeConversions.h"

#include <QXmlStreamWriter>

QByteArray SatellitesXmlWriter::Write(const std::vector<ExchangeSatellite> &satellites)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // one tab, as receiver lists are indented
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("satellites"));
    for (const ExchangeSatellite &sat : satellites) {
        xml.writeStartElement(QStringLiteral("sat"));
        xml.writeAttribute(QStringLiteral("name"), sat.name);
        xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("position"),
                           QString::number(ExchangeConversions::XmlPosition(sat.position)));
        for (const ExchangeTransponder &tp : sat.transponders) {
            // Auto has no code of its own: circular left, which reads back as Auto.
            const ExchangePolar polar = tp.polar == ExchangePolar::Auto ? ExchangePolar::CircularLeft : tp.polar;
            xml.writeEmptyElement(QStringLiteral("transponder"));
            xml.writeAttribute(QStringLiteral("frequency"), QString::number(tp.frequency));
            xml.writeAttribute(QStringLiteral("symbol_rate"), QString::number(tp.symbolRate));
            xml.writeAttribute(QStringLiteral("polarization"), QString::number(int(polar)));
            xml.writeAttribute(QStringLiteral("fec_inner"), QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("system"), QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("modulation"), QStringLiteral("1"));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
