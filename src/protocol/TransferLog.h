#pragma once

#include "protocol/TransferOutcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// A compact record of one transfer on the line, for whoever has to find out later what went
// wrong: each frame with its time since the start, direction, type, length and first bytes, the
// messages the user saw, and how it ended with the meter's error code. Frames are kept in memory
// as small fixed records and turned into text only when the log is read or saved, so that a
// transfer pays next to nothing for it. One thread writes (the worker); read it after it ended.
class TransferLog
{
public:
    // How many bytes of each frame are kept: the header and the start of the payload.
    static constexpr size_t kKeptBytes = 16;

    TransferLog();

    // A line of its own above the frames (the kind, the file, the port...).
    void Note(const QString &line);
    // A frame going out or coming in: its bytes on the wire from the header on.
    void Sent(const uint8_t *wire, size_t size);
    void Received(const uint8_t *wire, size_t size);
    // A receive that brought no complete frame; a run of them is kept as one line.
    void NoFrame();
    // A message or question the user was shown.
    void Message(const QString &text);
    // How the transfer ended, with the meter's error code when it gave one.
    void Finish(const TransferOutcome &outcome);

    int ErrorCode() const { return m_code; }
    QByteArray Text() const;
    // Writes the text to path at once; false (with the reason in *error) when it could not.
    bool Save(const QString &path, QString *error = nullptr) const;

private:
    enum class Kind : uint8_t { Out, In, NoFrame, Text };
    struct Entry {
        int64_t ms = 0;
        Kind kind = Kind::Text;
        uint8_t kept = 0;
        uint32_t count = 0; // NoFrame: how many in a row; Text: index into m_texts
        uint8_t bytes[kKeptBytes] = {};
    };
    void Add(Kind kind, const uint8_t *wire, size_t size);

    QElapsedTimer m_clock;
    QDateTime m_started;
    std::vector<Entry> m_entries;
    std::vector<QString> m_texts;
    QString m_outcome;
    int m_code = 0;
    size_t m_dropped = 0; // entries past the limit: a meter chattering for ever stays bounded
};
