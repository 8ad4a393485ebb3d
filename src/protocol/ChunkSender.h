#pragma once

#include "protocol/Frame.h"
#include "protocol/TransferOutcome.h"

#include <QtGlobal>

#include <optional>
#include <vector>

class QFile;
class TransferSession;

// The file of a write or a load going out in FT_DATA chunks, one per FT_READY of the meter,
// with the bar at (chunks sent x 100 / chunk count) as each goes, and how the meter's FT_READY,
// FT_END and any other frame end the transfer.
class ChunkSender
{
public:
    // Where the bar and its text reach 100 once the meter has every byte: a write moves both at
    // its last FT_READY and only the bar at FT_END; a load moves nothing at its last FT_READY and
    // both at FT_END.
    enum class Full { AtLastReady, AtEnd };

    // errorCode is the meter error this transfer reports for a frame out of turn.
    ChunkSender(TransferSession &s, QFile &file, qint64 length, Full full, int errorCode);

    // Opens the file the user picked to send; nothing when it opened, otherwise the failure,
    // shown.
    static std::optional<TransferOutcome> Open(QFile &file, TransferSession &s);

    // A frame of the meter's other than FT_IDENT: FT_READY sends the next chunk (its size on the
    // wire in sent), FT_END ends the transfer, anything else is out of turn. Nothing while the
    // transfer goes on, else how it ended.
    std::optional<TransferOutcome> OnFrame(FrameType type, qint64 &sent);

private:
    // FT_READY: the next chunk; or, once every chunk is out or the file could not be read, the end.
    std::optional<TransferOutcome> Ready(qint64 &sent);
    // FT_END: a success only once every byte has moved.
    TransferOutcome End();
    // Any frame the meter should not send now.
    TransferOutcome Unexpected();
    bool AllSent() const { return m_remaining == 0; }
    qint64 SendNext();

    TransferSession &m_session;
    QFile &m_file;
    const qint64 m_length;
    qint64 m_remaining;
    const qint64 m_chunks;
    const Full m_full;
    const int m_errorCode;
    qint64 m_step = 0;
    std::vector<uint8_t> m_chunk;
};
