#include "exchange/SatellitesXmlReader.h"

#include "exchange/ExchangeConversions.h"
#include "exchange/ExchangeFiles.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {

// QXmlStreamReader compares each attribute of an element with every one before it (to refuse a
// repeated name), looks a prefix up through every namespace declared around it, and applies
// every attribute default a DTD declares to every element: an element with 200,000 attributes
// takes most of a minute. It keeps a few hundred bytes for every element still open: 64 MB of
// nested elements would take gigabytes. Receiver lists have three levels, a dozen attributes an
// element and none of the rest, so a linear look over the bytes first refuses what would take
// that long or that much.
constexpr int MAX_ATTRIBUTES = 64;
constexpr int MAX_NAMESPACES = 64;
constexpr int MAX_DEPTH = 256;
// Bytes; a name is copied into the plan, its preview and the dialog's rows: a 64 MB one took
// 800 MB on its way.
constexpr int MAX_VALUE = 4096;
constexpr qint64 PROGRESS_STEP = qint64(1) << 16; // characters between reports

bool NameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || uchar(c) >= 0x80;
}

// Skips NUL bytes, so that it sees the markup of UTF-16 and UTF-32 files as well.
QString Absurd(QByteArrayView xml)
{
    if (xml.indexOf("<!ATTLIST") >= 0)
        return QCoreApplication::translate("Exchange", "attribute defaults (<!ATTLIST>) are not taken; a receiver list has none");
    // OPEN: after '<'; OTHER: in an end tag, comment or declaration.
    enum { TEXT, OPEN, TAG, VALUE, OTHER } state = TEXT;
    char quote = 0;
    char last = 0; // in a tag, outside values
    int line = 1;
    int attributes = 0;
    int namespaces = 0;
    int depth = 0;
    int value = 0;
    const qsizetype n = xml.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = xml[i];
        if (c == 0)
            continue;
        line += c == '\n' ? 1 : 0;
        switch (state) {
        case TEXT:
            state = c == '<' ? OPEN : TEXT;
            break;
        case OPEN:
            attributes = 0;
            last = 0;
            depth -= c == '/' && depth > 0 ? 1 : 0;
            state = NameStart(c) ? TAG : OTHER;
            if (state == TAG && ++depth > MAX_DEPTH)
                return QCoreApplication::translate("Exchange", "line %1: elements nested more than %2 deep; a receiver list has three levels")
                    .arg(line).arg(MAX_DEPTH);
            break;
        case OTHER:
            state = c == '>' ? TEXT : OTHER;
            break;
        case VALUE:
            state = c == quote ? TAG : VALUE;
            if (++value > MAX_VALUE)
                return QCoreApplication::translate("Exchange", "line %1: an attribute value longer than %2 bytes; a receiver list has names")
                    .arg(line).arg(MAX_VALUE);
            break;
        case TAG:
            if (c == '"' || c == '\'') {
                quote = c;
                value = 0;
                state = VALUE;
            } else if (c == '>') {
                depth -= last == '/' ? 1 : 0;
                state = TEXT;
            } else if (c == '=' && ++attributes > MAX_ATTRIBUTES) {
                return QCoreApplication::translate("Exchange", "line %1: an element with more than %2 attributes; a receiver list has a dozen")
                    .arg(line).arg(MAX_ATTRIBUTES);
            } else if (c == 'x' && xml.sliced(i).startsWith("xmlns") && ++namespaces > MAX_NAMESPACES) {
                return QCoreApplication::translate("Exchange", "line %1: more than %2 namespace declarations; a receiver list has none")
                    .arg(line).arg(MAX_NAMESPACES);
            }
            last = c;
            break;
        }
    }
    return {};
}

class Reader
{
public:
    Reader(const QByteArray &xml, ReadProgress *progress) : m_xml(xml), m_progress(progress), m_size(xml.size()) {}

    ExchangeData Run()
    {
        ExchangeData data;
        while (!m_xml.atEnd() && m_error.isEmpty() && Going()) {
            if (m_xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (m_xml.name() == QLatin1String("satellites"))
                m_sawRoot = true;
            else if (m_xml.name() == QLatin1String("sat"))
                ReadSat(data);
            else if (m_xml.name() == QLatin1String("transponder"))
                Fail(QCoreApplication::translate("Exchange", "a <transponder> outside any <sat>"));
        }
        if (m_xml.hasError())
            return ExchangeData::Fail(Where() + m_xml.errorString());
        if (!m_error.isEmpty())
            return ExchangeData::Fail(m_error);
        if (!m_sawRoot)
            return ExchangeData::Fail(QCoreApplication::translate("Exchange", "no <satellites> list in this file"));
        ReadProgress::Report(m_progress, m_size, m_size);
        return data;
    }

private:
    QString Where() const
    {
        return QCoreApplication::translate("Exchange", "line %1, column %2: ").arg(m_xml.lineNumber()).arg(m_xml.columnNumber());
    }

    void Fail(const QString &text)
    {
        if (m_error.isEmpty())
            m_error = Where() + text;
    }

    // Tells the progress now and then; false (and the file fails) once a stop was asked for.
    bool Going()
    {
        const qint64 at = m_xml.characterOffset();
        if (at - m_reported < PROGRESS_STEP)
            return true;
        m_reported = at;
        if (ReadProgress::Report(m_progress, at, m_size))
            return true;
        m_error = QCoreApplication::translate("Exchange", "reading was cancelled");
        return false;
    }

    void FailIfExcess(const ExchangeData &data, const ExchangeSatellite &sat)
    {
        const QString excess = ExchangeFiles::Excess(data.satellites.size(), m_transponders, sat);
        if (!excess.isEmpty())
            Fail(excess);
    }

    // A whole number attribute; fails the file when it is missing or no number.
    qint64 Number(const QXmlStreamAttributes &attributes, const char *attribute)
    {
        const QStringView text = attributes.value(QLatin1String(attribute));
        bool ok = false;
        const qint64 value = text.trimmed().toLongLong(&ok);
        if (!ok)
            Fail(QCoreApplication::translate("Exchange", "<%1> needs a whole number in %2=\"\"")
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
        while (m_error.isEmpty() && Going() && m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("transponder")) {
                ReadTransponder(sat);
                ++m_transponders;
                FailIfExcess(data, sat);
            } else {
                m_xml.skipCurrentElement();
            }
        }
        data.satellites.push_back(std::move(sat));
        FailIfExcess(data, data.satellites.back());
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
            Fail(QCoreApplication::translate("Exchange", "polarization=\"%1\" is none of 0 (H), 1 (V), 2 (L), 3 (R)").arg(polar));
        tp.polar = ExchangePolar(polar);
        sat.transponders.push_back(tp);
        if (m_error.isEmpty())
            m_xml.skipCurrentElement();
    }

    QXmlStreamReader m_xml;
    ReadProgress *m_progress;
    qint64 m_size;
    qint64 m_reported = 0;
    qint64 m_transponders = 0;
    QString m_error;
    bool m_sawRoot = false;
};

} // namespace

ExchangeData SatellitesXmlReader::Read(const QByteArray &xml, ReadProgress *progress)
{
    const QString absurd = Absurd(xml);
    if (!absurd.isEmpty())
        return ExchangeData::Fail(absurd);
    return Reader(xml, progress).Run();
}
