#include "protocol/ChunkSender.h"

#include "protocol/Frame.h"
#include "protocol/TransferSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const char kCannotRead[] = QT_TRANSLATE_NOOP("Transfer", "Can not read the specified file!");

QString CannotRead() { return QCoreApplication::translate("Transfer", kCannotRead); }

} // namespace

ChunkSender::ChunkSender(TransferSession &s, QFile &file, qint64 length, Full full, int errorCode)
    : m_session(s), m_file(file), m_length(length), m_remaining(length),
      m_chunks((length + kChunkSize - 1) / kChunkSize), m_full(full), m_errorCode(errorCode), m_chunk(kChunkSize)
{
}

// A pipe would block open() until a writer came, and nothing could wake it; a device has no
// length to check: only a regular file is taken.
std::optional<TransferOutcome> ChunkSender::Open(QFile &file, TransferSession &s)
{
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        return s.Fail(TransferOutcome::FileError(
            CannotRead() + QLatin1Char('\n')
            + (info.isDir() ? QCoreApplication::translate("Transfer", "Is a directory")
                            : QCoreApplication::translate("Transfer", "Not a regular file"))));
    }
    if (!file.open(QIODevice::ReadOnly))
        return s.Fail(TransferOutcome::FileError(CannotRead()));
    return std::nullopt;
}

std::optional<TransferOutcome> ChunkSender::OnFrame(FrameType type, qint64 &sent)
{
    sent = 0;
    switch (type) {
    case FT_READY:
        return Ready(sent);
    case FT_END:
        return End();
    default:
        return Unexpected();
    }
}

std::optional<TransferOutcome> ChunkSender::Ready(qint64 &sent)
{
    sent = 0;
    if (AllSent()) {
        m_session.Moved(m_length, m_length);
        if (m_full == Full::AtLastReady) {
            m_session.Progress(100);
            m_session.Text(ProgressText(100));
        }
        return TransferOutcome::Done(m_session.Job().kind);
    }
    sent = SendNext();
    if (!sent)
        return TransferOutcome::FileError(CannotRead());
    return std::nullopt;
}

TransferOutcome ChunkSender::End()
{
    if (!AllSent()) // the meter gave up before it had the whole file: no success to report
        return Unexpected();
    m_session.Progress(100);
    if (m_full == Full::AtEnd)
        m_session.Text(ProgressText(100));
    return TransferOutcome::Done(m_session.Job().kind);
}

TransferOutcome ChunkSender::Unexpected()
{
    return m_session.Fail(TransferOutcome::MeterError(m_errorCode));
}

// The frame's size on the wire, or 0 when the file could not be read (which is shown).
qint64 ChunkSender::SendNext()
{
    const qint64 n = std::min<qint64>(m_remaining, kChunkSize);
    m_remaining -= n;
    if (m_file.read(reinterpret_cast<char *>(m_chunk.data()), n) != n) {
        m_session.Fail(TransferOutcome::FileError(CannotRead()));
        return 0;
    }
    const int percent = m_chunks ? int(m_step / m_chunks) : 0;
    m_session.Moved(m_length - m_remaining - n, m_length); // what the meter has asked for more after
    m_session.Progress(percent);
    m_session.Text(ProgressText(percent));
    Frame data;
    data.type = FT_DATA;
    data.dataLength = uint32_t(n);
    data.data = m_chunk.data();
    m_session.Send(data);
    m_step += 100;
    return 4 + n;
}
