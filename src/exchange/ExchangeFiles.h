#pragma once

#include "common/FileResult.h"
#include "exchange/ExchangeData.h"
#include "exchange/ReadProgress.h"

#include <QString>
#include <QStringList>

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
    // Ten times a list of every satellite in the sky, forty times what the meter holds; the
    // import's preview of a list takes a kilobyte a transponder.
    static constexpr int MAX_TRANSPONDERS = 100000;

    // By the first non-blank character after any byte-order mark, in UTF-8, 16 or 32 ('<' is
    // XML), else by the name's ending (.xml; else CSV).
    static Format Detect(const QString &path, const QByteArray &head = QByteArray());
    // Reads and parses the file; a file that cannot be read, one too large to be a receiver
    // list, or one that holds no satellite, is an error as a malformed one is. May run on a
    // worker thread; progress (may be null) tells how far it got and stops it.
    static ExchangeData Read(const QString &path, ReadProgress *progress = nullptr);
    // Parses bytes already in memory as Read does (name: where they came from, for Detect).
    static ExchangeData Parse(const QString &name, const QByteArray &bytes, ReadProgress *progress = nullptr);
    // Why a list read so far is no receiver list: more than MAX_SATELLITES satellites, more
    // than MAX_TRANSPONDERS transponders, or more than MAX_TRANSPONDERS_PER_SATELLITE on sat;
    // empty while it may be one. The readers ask as they go, so that a huge file stops early
    // instead of filling the memory.
    static QString Excess(size_t satellites, qint64 transponders, const ExchangeSatellite &sat);
    // Every satellite and transponder of the document, written atomically (QSaveFile).
    static FileResult Export(const DatabaseDocument &doc, const QString &path, Format format);
    static QByteArray Encode(const DatabaseDocument &doc, Format format);
    // An export made once: the bytes, and the names satellites.xml could not hold as they are
    // (SatellitesXmlWriter::NameChanges; none for CSV).
    struct Encoded {
        QByteArray bytes;
        QStringList nameChanges;
    };
    static Encoded EncodeWithNotes(const DatabaseDocument &doc, Format format);
    // Writes an export made by EncodeWithNotes, as Export does.
    static FileResult Write(const QString &path, const QByteArray &bytes);
};
