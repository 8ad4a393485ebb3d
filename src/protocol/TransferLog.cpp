#include "protocol/TransferLog.h"

#include "protocol/Frame.h"

#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {

// Far more than any real transfer (a 4 MB load is about 520 frames each way).
constexpr size_t kMaxEntries = 100000;

} // namespace

TransferLog::TransferLog()
{
    m_clock.start();
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
    static const QRegularExpression code(QStringLiteral("code:(\\d+)"));
    const QRegularExpressionMatch m = code.match(text);
    if (m.hasMatch())
        m_code = m.captured(1).toInt();
    Note(QStringLiteral("message: ") + QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")));
}

void TransferLog::Finish(bool success, bool stopped)
{
    if (success)
        m_outcome = QStringLiteral("success");
    else if (stopped)
        m_outcome = QStringLiteral("stopped");
    else if (m_code)
        m_outcome = QStringLiteral("failed, meter error code %1").arg(m_code);
    else
        m_outcome = QStringLiteral("failed, no meter error code");
    Note(QStringLiteral("outcome: ") + m_outcome);
}

QString TransferLog::TypeName(uint32_t type)
{
    static const char *const names[] = {
        "FT_IDENT", "FT_IDENT_ACK", "FT_READY", "FT_DATA", "FT_END", "FT_METER_5", "FT_LOAD", "FT_READ_7",
        "FT_LOAD_8", "FT_READ_9", "FT_WRITE", "FT_READ", "FT_SIZE_12", "FT_EMPTY_13", "FT_HELLO"};
    if (type < std::size(names))
        return QString::fromLatin1(names[type]);
    return QStringLiteral("type %1").arg(type);
}

QByteArray TransferLog::Text() const
{
    QByteArray out;
    out.reserve(qsizetype(m_entries.size()) * 64 + 256);
    out += "      ms dir type            length  first bytes\n";
    for (const Entry &e : m_entries) {
        QString line = QStringLiteral("%1 ").arg(e.ms, 8);
        switch (e.kind) {
        case Kind::Text:
            line += m_texts[e.count];
            break;
        case Kind::NoFrame:
            line += QStringLiteral("in  (no complete frame) x%1").arg(e.count);
            break;
        case Kind::Out:
        case Kind::In: {
            const bool header = e.kept >= kFrameHeader;
            const QByteArray head = QByteArray(reinterpret_cast<const char *>(e.bytes), e.kept);
            line += QStringLiteral("%1 %2 %3  %4 %5")
                        .arg(e.kind == Kind::Out ? QLatin1String("out") : QLatin1String("in "))
                        .arg(header ? TypeName(GetU16BE(e.bytes)) : QStringLiteral("(short)"), -14)
                        .arg(header ? int(GetU16BE(e.bytes + 2)) : 0, 6)
                        .arg(QString::fromLatin1(head.left(kFrameHeader).toHex()),
                             QString::fromLatin1(head.mid(kFrameHeader).toHex()));
            break;
        }
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line.toUtf8() + '\n';
    }
    if (m_dropped)
        out += QByteArray("(") + QByteArray::number(qulonglong(m_dropped)) + " more entries not kept)\n";
    return out;
}

bool TransferLog::Save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(Text()) >= 0 && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
