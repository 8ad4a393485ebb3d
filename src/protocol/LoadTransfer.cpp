#include "protocol/Transfer.h"

#include "protocol/ChunkSender.h"
#include "protocol/TransferSession.h"

#include <QCoreApplication>
#include <QFile>

#include <optional>

// The software load: an update file (its identity word, then the image) to the meter, after
// the questions its model and version call for.

namespace {

const char kModelQuestion[] = QT_TRANSLATE_NOOP("Transfer", "This software doesn't match your Meter!");
const char kVersionQuestion[] = QT_TRANSLATE_NOOP(
    "Transfer", "This software version is not higher than the edition used currently, \nwould you like to continue?");

} // namespace

TransferOutcome LoadSoftwareThread(const TransferJob &job)
{
    TransferSession s(job);
    QFile file(job.path);
    if (const auto failure = ChunkSender::Open(file, s))
        return *failure;
    const qint64 length = file.size();
    uint8_t head[4] = {};
    const bool headRead = length >= 4 && file.read(reinterpret_cast<char *>(head), 4) == 4;
    // Every kind needs the 4-byte identity word; only kind 6 insists on its 'B'.
    if (!headRead || (job.kind == TK_LOAD_SOFTWARE && head[3] != 0x42) || length - 4 > qint64(UINT32_MAX))
        return s.End(s.Fail(TransferOutcome::FileError(QCoreApplication::translate("Transfer", "Please choose a correct update file\n"))));
    const uint32_t fileWord =
        uint32_t(head[0]) | uint32_t(head[1]) << 8 | uint32_t(head[2]) << 16 | uint32_t(head[3]) << 24;

    s.Send(FT_HELLO);
    const qint64 image = length - 4;
    ChunkSender sender(s, file, image, ChunkSender::Full::AtEnd, 4);
    s.Text(ProgressText(0));

    Frame start;
    start.type = job.kind == TK_LOAD_8 ? FT_LOAD_8 : FT_LOAD;
    start.identityWord = fileWord;
    start.byteCount = uint32_t(image);

    uint8_t rx[kSmallRxBuffer];
    bool hello = false;
    std::optional<TransferOutcome> outcome;
    while (!outcome && !s.Stopped()) {
        Frame f;
        if (!s.Receive(f, rx, sizeof rx)) {
            if (s.LineFailed())
                outcome = s.LineFailure();
            continue; // silence and garbled frames: keep listening
        }
        switch (f.type) {
        case FT_IDENT: {
            s.Send(FT_IDENT_ACK);
            const uint32_t meterWord = f.identityWord;
            // Yes to a foreign model goes ahead without comparing versions.
            const char *asked = hello ? nullptr
                                    : (meterWord >> 16) != (fileWord >> 16) ? kModelQuestion
                                    : (meterWord & 0xFF) >= (fileWord & 0xFF) ? kVersionQuestion
                                                                               : nullptr;
            const QString question = asked ? QCoreApplication::translate("Transfer", asked) : QString();
            if (asked && !s.Ask(question)) {
                outcome = TransferOutcome::Refused(question);
                break;
            }
            hello = true;
            s.Send(start);
            break;
        }
        default: {
            qint64 sent = 0;
            outcome = sender.OnFrame(FrameType(f.type), sent);
            break;
        }
        }
    }
    file.close();
    s.SendEnd();
    return s.End(outcome.value_or(TransferOutcome::Stopped()));
}
