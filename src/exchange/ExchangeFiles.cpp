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
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xml"))
        return Format::Xml;
    if (suffix == QLatin1String("csv"))
        return Format::Csv;
    const QByteArray start = head.startsWith("\xEF\xBB\xBF") ? head.mid(3).trimmed() : head.trimmed();
    return start.startsWith('<') ? Format::Xml : Format::Csv;
}

ExchangeData ExchangeFiles::Read(const QString &path)
{
    // A pipe would block the open for ever; only a regular file is taken.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ExchangeData::Fail(QStringLiteral("cannot read the file: %1")
                                      .arg(file.exists() ? file.errorString() : QStringLiteral("no such file")));
    const QByteArray bytes = file.readAll();
    return Detect(path, bytes.left(64)) == Format::Xml ? SatellitesXmlReader::Read(bytes) : CsvReader::Read(bytes);
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
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
