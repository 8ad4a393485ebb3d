#include "exchange/ExchangeFiles.h"

#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/SatellitesXmlReader.h"
#include "exchange/SatellitesXmlWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ExchangeFiles::Format ExchangeFiles::Detect(const QString &path, const QByteArray &head)
{
    // The content first: a list saved under the other format's ending still reads.
    const QByteArray start = head.startsWith("\xEF\xBB\xBF") ? head.mid(3).trimmed() : head.trimmed();
    if (start.startsWith('<'))
        return Format::Xml;
    return QFileInfo(path).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0 ? Format::Xml
                                                                                           : Format::Csv;
}

ExchangeData ExchangeFiles::Read(const QString &path)
{
    // A pipe would block the open for ever; only a regular file is taken.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ExchangeData::Fail(QStringLiteral("cannot read the file: %1")
                                      .arg(file.exists() ? file.errorString() : QStringLiteral("no such file")));
    // Published lists are a few MB with some hundred satellites; far larger is not such a list,
    // and the import dialog's rows and checks would make the window crawl.
    if (file.size() > MAX_FILE_BYTES)
        return ExchangeData::Fail(QStringLiteral("the file is larger than %1 MB; a receiver list is far smaller")
                                      .arg(MAX_FILE_BYTES >> 20));
    const QByteArray bytes = file.readAll();
    ExchangeData data = Detect(path, bytes.left(64)) == Format::Xml ? SatellitesXmlReader::Read(bytes)
                                                                     : CsvReader::Read(bytes);
    if (data.satellites.size() > size_t(MAX_SATELLITES))
        return ExchangeData::Fail(QStringLiteral("the list holds %1 satellites; more than %2 is not a receiver list")
                                      .arg(data.satellites.size()).arg(MAX_SATELLITES));
    for (const ExchangeSatellite &sat : data.satellites) {
        if (sat.transponders.size() > size_t(MAX_TRANSPONDERS_PER_SATELLITE))
            return ExchangeData::Fail(QStringLiteral("satellite \"%1\" holds %2 transponders; more than %3 on one "
                                                     "satellite is not a receiver list")
                                          .arg(sat.name).arg(sat.transponders.size())
                                          .arg(MAX_TRANSPONDERS_PER_SATELLITE));
    }
    return data;
}

QByteArray ExchangeFiles::Encode(const DatabaseDocument &doc, Format format)
{
    const std::vector<ExchangeSatellite> satellites = ExchangeConversions::FromDocument(doc);
    return format == Format::Xml ? SatellitesXmlWriter::Write(satellites) : CsvWriter::Write(satellites);
}

bool ExchangeFiles::Export(const DatabaseDocument &doc, const QString &path, Format format, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = Encode(doc, format);
    // Unbuffered: a write that fails (disk full) is told by write() itself; a buffered one would
    // fail only in commit's flush, which QSaveFile does not count, and rename an empty file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
