#include "protocol/TransferLog.h"

#include "protocol/Frame.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

// Far more than any real transfer (a 4 MB load is about 520 frames each way).
constexpr size_t kMaxEntries = 100000;

} // namespace

TransferLog::TransferLog()
{
    m_clock.start();
    m_started = QDateTime::currentDateTimeUtc();
    m_entries.reserve(64);
}

void TransferLog::Note(const QString &line)
{
    m_texts.push_back(line);
    Entry e;
    e.ms = m_clock.elapsed();
    e.count = uint32_t(m_texts.size() - 1);
    if (m_entries.size() < kMaxEntries)
        m_entries.push_back(e);
    else
        ++m_dropped;
}

void TransferLog::Add(Kind kind, const uint8_t *wire, size_t size)
{
    if (m_entries.size() >= kMaxEntries) {
        ++m_dropped;
        return;
    }
    Entry e;
    e.ms = m_clock.elapsed();
    e.kind = kind;
    e.kept = uint8_t(std::min(size, kKeptBytes));
    std::copy_n(wire, e.kept, e.bytes);
    m_entries.push_back(e);
}

void TransferLog::Sent(const uint8_t *wire, size_t size)
{
    Add(Kind::Out, wire, size);
}

void TransferLog::Received(const uint8_t *wire, size_t size)
{
    Add(Kind::In, wire, size);
}

void TransferLog::NoFrame()
{
    if (!m_entries.empty() && m_entries.back().kind == Kind::NoFrame) {
        m_entries.back().ms = m_clock.elapsed();
        ++m_entries.back().count;
        return;
    }
    const size_t before = m_entries.size();
    Add(Kind::NoFrame, nullptr, 0);
    if (m_entries.size() > before)
        m_entries.back().count = 1;
}

void TransferLog::Message(const QString &text)
{
    Note(QStringLiteral("message: ") + QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")));
}

void TransferLog::Finish(const TransferOutcome &outcome)
{
    m_code = outcome.Code();
    if (outcome.Succeeded())
        m_outcome = QStringLiteral("success");
    else if (outcome.What() == TransferOutcome::Kind::Stopped)
        m_outcome = QStringLiteral("stopped");
    else if (m_code)
        m_outcome = QStringLiteral("failed, meter error code %1").arg(m_code);
    else
        m_outcome = QStringLiteral("failed, no meter error code");
    Note(QStringLiteral("outcome: ") + m_outcome);
}

namespace {

const char *KnownTypeName(uint32_t type)
{
    static const char *const names[] = {
        "FT_IDENT", "FT_IDENT_ACK", "FT_READY", "FT_DATA", "FT_END", "FT_METER_5", "FT_LOAD", "FT_READ_7",
        "FT_LOAD_8", "FT_READ_9", "FT_WRITE", "FT_READ", "FT_SIZE_12", "FT_EMPTY_13", "FT_HELLO"};
    return type < std::size(names) ? names[type] : nullptr;
}

// Lowercase hex of size bytes into out, which has room for 2 * size + 1.
void Hex(const uint8_t *bytes, size_t size, char *out)
{
    static const char digits[] = "0123456789abcdef";
    for (size_t i = 0; i < size; ++i) {
        *out++ = digits[bytes[i] >> 4];
        *out++ = digits[bytes[i] & 15];
    }
    *out = 0;
}

} // namespace

// Plain snprintf: the whole log of a transfer takes a few microseconds to format.
QByteArray TransferLog::Text() const
{
    QByteArray out;
    out.reserve(qsizetype(m_entries.size()) * 72 + 256);
    out += "Orbivane transfer log, started " + m_started.toString(Qt::ISODateWithMs).toUtf8() + '\n';
    out += "      ms dir type            length  first bytes\n";
    char line[160];
    for (const Entry &e : m_entries) {
        const auto ms = static_cast<long long>(e.ms);
        switch (e.kind) {
        case Kind::Text:
            std::snprintf(line, sizeof line, "%8lld ", ms);
            out += line;
            out += m_texts[e.count].toUtf8();
            out += '\n';
            continue;
        case Kind::NoFrame:
            std::snprintf(line, sizeof line, "%8lld in  (no complete frame) x%u\n", ms, unsigned(e.count));
            break;
        case Kind::Out:
        case Kind::In: {
            const char *dir = e.kind == Kind::Out ? "out" : "in ";
            if (e.kept < kFrameHeader) {
                std::snprintf(line, sizeof line, "%8lld %s (short frame)\n", ms, dir);
                break;
            }
            char head[2 * kFrameHeader + 1];
            char rest[2 * kKeptBytes + 1];
            Hex(e.bytes, kFrameHeader, head);
            Hex(e.bytes + kFrameHeader, e.kept - kFrameHeader, rest);
            const uint32_t type = GetU16BE(e.bytes);
            char unknown[16];
            const char *name = KnownTypeName(type);
            if (!name) {
                std::snprintf(unknown, sizeof unknown, "type %u", unsigned(type));
                name = unknown;
            }
            const int n = std::snprintf(line, sizeof line, "%8lld %s %-14s %6u  %s %s", ms, dir, name,
                                        unsigned(GetU16BE(e.bytes + 2)), head, rest);
            int end = std::min(n, int(sizeof line) - 1);
            while (end > 0 && line[end - 1] == ' ')
                --end;
            line[end] = 0;
            out += line;
            out += '\n';
            continue;
        }
        }
        out += line;
    }
    if (m_dropped)
        out += QByteArray("(") + QByteArray::number(qulonglong(m_dropped)) + " more entries not kept)\n";
    return out;
}

// A plain file, not QSaveFile: a log needs no atomic replace, and its fsync would cost more than
// the whole of a fast transfer.
bool TransferLog::Save(const QString &path, QString *error) const
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(Text()) >= 0 && file.flush())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
