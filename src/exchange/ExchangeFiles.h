#pragma once

#include "exchange/ExchangeData.h"

#include <QString>

class DatabaseDocument;

// Receiver list files on disk: which format a file is, reading one whole, exporting a document.
class ExchangeFiles
{
public:
    enum class Format { Xml, Csv };
    // Far beyond any published receiver list; a larger file is refused whole.
    static constexpr qint64 MAX_FILE_BYTES = qint64(64) << 20;
    static constexpr int MAX_SATELLITES = 4000;
    static constexpr int MAX_TRANSPONDERS_PER_SATELLITE = 10000;

    // By the first non-blank character ('<' is XML), else by the name's ending (.xml; else CSV).
    static Format Detect(const QString &path, const QByteArray &head = QByteArray());
    // Reads and parses the file; a file that cannot be read, or one too large to be a receiver
    // list, is an error as a malformed one is.
    static ExchangeData Read(const QString &path);
    // Every satellite and transponder of the document, written atomically (QSaveFile); false
    // with the reason in *error.
    static bool Export(const DatabaseDocument &doc, const QString &path, Format format,
                       QString *error = nullptr);
    static QByteArray Encode(const DatabaseDocument &doc, Format format);
};
