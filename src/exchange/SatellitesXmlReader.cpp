#include "exchange/SatellitesXmlReader.h"

#include "exchange/ExchangeConversions.h"

#include <QXmlStreamReader>

namespace {

class Reader
{
public:
    explicit Reader(const QByteArray &xml) : m_xml(xml) {}

    ExchangeData Run()
    {
        ExchangeData data;
        while (!m_xml.atEnd() && m_error.isEmpty()) {
            if (m_xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (m_xml.name() == QLatin1String("satellites"))
                m_sawRoot = true;
            else if (m_xml.name() == QLatin1String("sat"))
                ReadSat(data);
            else if (m_xml.name() == QLatin1String("transponder"))
                Fail(QStringLiteral("a <transponder> outside any <sat>"));
        }
        if (m_xml.hasError())
            return ExchangeData::Fail(Where() + m_xml.errorString());
        if (!m_error.isEmpty())
            return ExchangeData::Fail(m_error);
        if (!m_sawRoot)
            return ExchangeData::Fail(QStringLiteral("no <satellites> list in this file"));
        return data;
    }

private:
    QString Where() const
    {
        return QStringLiteral("line %1, column %2: ").arg(m_xml.lineNumber()).arg(m_xml.columnNumber());
    }

    void Fail(const QString &text)
    {
        if (m_error.isEmpty())
            m_error = Where() + text;
    }

    // A whole number attribute; fails the file when it is missing or no number.
    qint64 Number(const QXmlStreamAttributes &attributes, const char *attribute)
    {
        const QStringView text = attributes.value(QLatin1String(attribute));
        bool ok = false;
        const qint64 value = text.trimmed().toLongLong(&ok);
        if (!ok)
            Fail(QStringLiteral("<%1> needs a whole number in %2=\"\"")
                     .arg(m_xml.name().toString(), QLatin1String(attribute)));
        return value;
    }

    void ReadSat(ExchangeData &data)
    {
        ExchangeSatellite sat;
        sat.line = int(m_xml.lineNumber());
        const QXmlStreamAttributes attributes = m_xml.attributes();
        sat.name = attributes.value(QLatin1String("name")).toString();
        sat.positionText = attributes.value(QLatin1String("position")).toString().trimmed();
        sat.position = ExchangeConversions::EastTenths(Number(attributes, "position"));
        while (m_error.isEmpty() && m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("transponder"))
                ReadTransponder(sat);
            else
                m_xml.skipCurrentElement();
        }
        data.satellites.push_back(std::move(sat));
    }

    void ReadTransponder(ExchangeSatellite &sat)
    {
        ExchangeTransponder tp;
        tp.line = int(m_xml.lineNumber());
        const QXmlStreamAttributes attributes = m_xml.attributes();
        tp.frequency = Number(attributes, "frequency");
        tp.symbolRate = Number(attributes, "symbol_rate");
        // No polarization: the meter's Auto, as SatellitesXmlWriter writes it.
        const bool given = attributes.hasAttribute(QLatin1String("polarization"));
        const qint64 polar = given ? Number(attributes, "polarization") : qint64(ExchangePolar::Auto);
        if (m_error.isEmpty() && given && (polar < 0 || polar > 3))
            Fail(QStringLiteral("polarization=\"%1\" is none of 0 (H), 1 (V), 2 (L), 3 (R)").arg(polar));
        tp.polar = ExchangePolar(polar);
        sat.transponders.push_back(tp);
        if (m_error.isEmpty())
            m_xml.skipCurrentElement();
    }

    QXmlStreamReader m_xml;
    QString m_error;
    bool m_sawRoot = false;
};

} // namespace

ExchangeData SatellitesXmlReader::Read(const QByteArray &xml)
{
    return Reader(xml).Run();
}
