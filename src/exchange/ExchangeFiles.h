#pragma once

#include "exchange/ExchangeData.h"

#include <QString>

class DatabaseDocument;

// Receiver list files on disk: which format a file is, reading one whole, exporting a document.
class ExchangeFiles
{
public:
    enum class Format { Xml, Csv };

    // By the name's ending (.xml, .csv), else by the first non-blank character ('<' is XML).
    static Format Detect(const QString &path, const QByteArray &head = QByteArray());
    // Reads and parses the file; a file that cannot be read is an error as a malformed one is.
    static ExchangeData Read(const QString &path);
    // Every satellite and transponder of the document, written atomically (QSaveFile); false
    // with the reason in *error.
    static bool Export(const DatabaseDocument &doc, const QString &path, Format format,
                       QString *error = nullptr);
    static QByteArray Encode(const DatabaseDocument &doc, Format format);
};
