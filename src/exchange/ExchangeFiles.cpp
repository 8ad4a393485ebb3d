#include "exchange/ExchangeFiles.h"

#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/SatellitesXmlReader.h"
#include "exchange/SatellitesXmlWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ExchangeFiles::Format ExchangeFiles::Detect(const QString &path, const QByteArray &head)
{
    // The content first: a list saved under the other format's ending still reads. UTF-16 and
    // UTF-32 show their ASCII with NUL bytes between.
    QByteArray start = head;
    start.replace('\0', QByteArray());
    for (const char *bom : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (start.startsWith(bom))
            start.remove(0, qstrlen(bom));
    }
    if (start.trimmed().startsWith('<'))
        return Format::Xml;
    return QFileInfo(path).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0 ? Format::Xml
                                                                                           : Format::Csv;
}

ExchangeData ExchangeFiles::Read(const QString &path, ReadProgress *progress)
{
    // A pipe would block the open for ever; only a regular file is taken.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ExchangeData::Fail(QCoreApplication::translate("Exchange", "cannot read the file: %1")
                                      .arg(file.exists() ? file.errorString() : QCoreApplication::translate("Exchange", "no such file")));
    // Published lists are a few MB with some hundred satellites; far larger is not such a list,
    // and the import dialog's rows and checks would make the window crawl.
    if (file.size() > MAX_FILE_BYTES)
        return ExchangeData::Fail(QCoreApplication::translate("Exchange", "the file is larger than %1 MB; a receiver list is far smaller")
                                      .arg(MAX_FILE_BYTES >> 20));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ExchangeData::Fail(QCoreApplication::translate("Exchange", "cannot read the file: %1").arg(file.errorString()));
    return Parse(path, bytes, progress);
}

ExchangeData ExchangeFiles::Parse(const QString &name, const QByteArray &bytes, ReadProgress *progress)
{
    ExchangeData data = Detect(name, bytes.left(64)) == Format::Xml ? SatellitesXmlReader::Read(bytes, progress)
                                                                     : CsvReader::Read(bytes, progress);
    if (data.Ok() && data.satellites.empty())
        return ExchangeData::Fail(QCoreApplication::translate("Exchange", "the file holds no satellites; nothing to import"));
    return data;
}

QString ExchangeFiles::Excess(size_t satellites, qint64 transponders, const ExchangeSatellite &sat)
{
    if (satellites > size_t(MAX_SATELLITES))
        return QCoreApplication::translate("Exchange", "the list holds more than %1 satellites; that is not a receiver list").arg(MAX_SATELLITES);
    if (transponders > MAX_TRANSPONDERS)
        return QCoreApplication::translate("Exchange", "the list holds more than %1 transponders; that is not a receiver list")
            .arg(MAX_TRANSPONDERS);
    if (sat.transponders.size() > size_t(MAX_TRANSPONDERS_PER_SATELLITE))
        return QCoreApplication::translate("Exchange", "satellite \"%1\" holds more than %2 transponders; that is not a receiver list")
            .arg(sat.name.left(40)).arg(MAX_TRANSPONDERS_PER_SATELLITE);
    return {};
}

QByteArray ExchangeFiles::Encode(const DatabaseDocument &doc, Format format)
{
    return EncodeWithNotes(doc, format).bytes;
}

ExchangeFiles::Encoded ExchangeFiles::EncodeWithNotes(const DatabaseDocument &doc, Format format)
{
    const std::vector<ExchangeSatellite> satellites = ExchangeConversions::FromDocument(doc);
    if (format == Format::Csv)
        return {CsvWriter::Write(satellites), {}};
    return {SatellitesXmlWriter::Write(satellites), SatellitesXmlWriter::NameChanges(satellites)};
}

FileResult ExchangeFiles::Export(const DatabaseDocument &doc, const QString &path, Format format)
{
    return Write(path, Encode(doc, format));
}

FileResult ExchangeFiles::Write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: a write that fails (disk full) is told by write() itself; a buffered one would
    // fail only in commit's flush, which QSaveFile does not count, and rename an empty file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return FileResult::Fail(file.errorString());
}
