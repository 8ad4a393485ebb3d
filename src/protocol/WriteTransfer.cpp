#include "protocol/Transfer.h"

#include "protocol/ChunkSender.h"
#include "protocol/ImageCheck.h"
#include "protocol/TransferSession.h"

#include <QCoreApplication>
#include <QFile>

#include <optional>

// The write: a database file to the meter, which must answer each frame in time.

TransferOutcome WriteParamsThread(const TransferJob &job)
{
    TransferSession s(job);
    QFile file(job.path);
    if (const auto failure = ChunkSender::Open(file, s))
        return *failure;
    const qint64 length = file.size();
    if (job.kind == TK_WRITE_PARAMS && length != qint64(kImageSize))
        return s.End(s.Fail(TransferOutcome::FileError(QCoreApplication::translate("Transfer", "Please choose a correct database parameter file\n"))));
    // A damaged database could leave the meter unusable: asked before the first frame.
    if (job.kind == TK_WRITE_PARAMS) {
        const QString question = DamagedDatabaseQuestion(file);
        if (!question.isEmpty() && !s.AskRisky(question))
            return s.End(TransferOutcome::Refused(question));
    }

    s.Send(FT_HELLO);
    // A pseudo-terminal or a buffering adapter returns from a write before the bytes are on
    // the line. The meter's time to answer starts when they are, at 115200 baud.
    auto lineDue = [](qint64 bytes) { return NowMs() + bytes * 1000 / kLineBytesPerSecond; };
    int64_t lineDone = lineDue(4);
    ChunkSender sender(s, file, length, ChunkSender::Full::AtLastReady, 7);
    s.Text(ProgressText(0));

    uint8_t rx[kSmallRxBuffer];
    bool hello = false;
    std::optional<TransferOutcome> outcome;
    while (!outcome && !s.Stopped()) {
        Frame f;
        const int64_t receiveStart = NowMs();
        if (!s.Receive(f, rx, sizeof rx)) {
            if (s.LineFailed())
                outcome = s.LineFailure();
            if (s.Stopped() || s.LineFailed())
                break;
            // Code 8 only for silence after our last frame was really out on the line.
            if (receiveStart >= lineDone)
                outcome = s.Fail(TransferOutcome::NoAnswer());
            continue;
        }
        switch (f.type) {
        case FT_IDENT:
            if (hello) {
                outcome = s.Fail(TransferOutcome::MeterError(6));
                break;
            }
            s.Send(FT_IDENT_ACK);
            {
                Frame start;
                start.type = FT_WRITE;
                start.byteCount = uint32_t(length);
                s.Send(start);
            }
            lineDone = lineDue(12);
            hello = true;
            break;
        default: {
            qint64 sent = 0;
            outcome = sender.OnFrame(FrameType(f.type), sent);
            if (sent)
                lineDone = lineDue(sent);
            break;
        }
        }
    }
    s.SendEnd();
    return s.End(outcome.value_or(TransferOutcome::Stopped()));
}
