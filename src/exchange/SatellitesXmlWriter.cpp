#include "exchange/SatellitesXmlWriter.h"

#include "document/SatelliteConversions.h"
#include "exchange/ExchangeConversions.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

// XML 1.0 allows no other character below a blank.
bool XmlCannotHold(QChar c)
{
    return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r');
}

QString Spelt(const QString &name)
{
    QString out;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace

QString SatellitesXmlWriter::XmlName(const QString &name)
{
    QString out = name;
    for (QChar &c : out) {
        if (XmlCannotHold(c))
            c = QLatin1Char('?');
    }
    return out;
}

QStringList SatellitesXmlWriter::NameChanges(const std::vector<ExchangeSatellite> &satellites)
{
    QStringList lines;
    for (const ExchangeSatellite &sat : satellites) {
        const QString written = XmlName(sat.name);
        if (written != sat.name)
            lines << QCoreApplication::translate("Exchange", "\"%1\" (%2) is written as \"%3\": satellites.xml cannot hold control characters")
                         .arg(Spelt(sat.name), SatelliteConversions::FormatPosition(sat.position), Spelt(written));
    }
    return lines;
}

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
        xml.writeAttribute(QStringLiteral("name"), XmlName(sat.name));
        xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("position"),
                           QString::number(ExchangeConversions::XmlPosition(sat.position)));
        for (const ExchangeTransponder &tp : sat.transponders) {
            xml.writeEmptyElement(QStringLiteral("transponder"));
            xml.writeAttribute(QStringLiteral("frequency"), QString::number(tp.frequency));
            xml.writeAttribute(QStringLiteral("symbol_rate"), QString::number(tp.symbolRate));
            // Auto, the meter's own choice, has no code, and any code would tell a receiver a
            // polarisation the user never chose (2 and 3 are circular). Receivers' readers
            // (Enigma2's for one) start a transponder with no polarisation and skip one that
            // names none: an Auto transponder is skipped there rather than tuned wrongly. Our
            // reader takes a missing polarization as Auto.
            if (tp.polar != ExchangePolar::Auto)
                xml.writeAttribute(QStringLiteral("polarization"), QString::number(int(tp.polar)));
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
