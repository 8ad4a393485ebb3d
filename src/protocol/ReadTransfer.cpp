#include "protocol/Transfer.h"

#include "common/FileReplacement.h"
#include "protocol/TransferSession.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

// The read: the meter's database image into a file, which is replaced only by a whole image.

namespace {

// Why a file could not be written, in the system's words.
TransferOutcome WriteFailure(const FileReplacement &file, const QString &path)
{
    QString reason = file.ErrorString();
    if (QFileInfo(path).isDir())
        reason = QString::fromLocal8Bit(std::strerror(EISDIR)); // Qt says nothing for this one
    return TransferOutcome::FileError(QCoreApplication::translate("Transfer", "Can not write the specified file!\n%1").arg(reason));
}

int Percent(uint64_t part, uint64_t whole)
{
    return whole ? int(part * 100 / whole) : 0;
}

} // namespace

TransferOutcome ReadParamsThread(const TransferJob &job)
{
    TransferSession s(job);
    s.Text(ProgressText(0));

    // Opened first, so that a folder we cannot write to is told before the meter is bothered.
    // Nothing reaches the named file unless the whole image is committed.
    FileReplacement out(job.path);
    if (!out.Open())
        return s.End(s.Fail(WriteFailure(out, job.path)));

    // Zeroed: what no FT_DATA covers is written as zero, never as leftover memory.
    std::vector<uint8_t> image(kImageSize, 0);
    std::vector<uint8_t> rx(kMaxFrame);
    uint32_t received = 0;
    bool hello = false;
    std::optional<TransferOutcome> outcome;

    s.Send(FT_HELLO);
    while (!outcome && !s.Stopped()) {
        Frame f;
        if (!s.Receive(f, rx.data(), rx.size())) {
            if (s.LineFailed())
                outcome = s.LineFailure(); // the device error box has told why
            continue; // silence and garbled frames: keep listening
        }
        switch (f.type) {
        case FT_IDENT:
            if (hello) {
                outcome = s.Fail(TransferOutcome::MeterError(1));
                break;
            }
            if (job.identityWord)
                *job.identityWord = f.identityWord;
            s.Send(FT_IDENT_ACK);
            if (job.kind == TK_READ_PARAMS) {
                Frame req;
                req.type = FT_READ;
                req.byteCount = kImageSize;
                s.Send(req);
            } else {
                s.Send(FrameType(job.kind)); // FT_READ_7 and FT_READ_9 ask without a payload
            }
            s.Send(FT_READY);
            hello = true;
            break;
        case FT_DATA:
            if (f.dataLength > kImageSize - received) {
                // More than the image holds: this is not our database. Keep nothing of it.
                outcome = s.Fail(TransferOutcome::MeterError(2));
                break;
            }
            std::memcpy(image.data() + received, f.data, f.dataLength);
            s.Send(FT_READY);
            received += f.dataLength;
            s.Moved(received, kImageSize);
            s.Progress(Percent(received, kImageSize));
            s.Text(ProgressText(Percent(received, kImageSize)));
            break;
        case FT_END:
            if (received < kImageSize) {
                // The meter stopped short: a zero-padded image is no database and must not
                // replace the file that is there, nor be reported as read.
                outcome = s.Fail(TransferOutcome::MeterError(2));
                break;
            }
            s.Progress(100);
            s.Text(ProgressText(100));
            if (!out.Commit(QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(kImageSize))))
                outcome = s.Fail(WriteFailure(out, job.path));
            else
                outcome = TransferOutcome::Done(job.kind);
            break;
        default:
            outcome = s.Fail(TransferOutcome::MeterError(2));
            break;
        }
    }
    // out goes without commit on every other path: the named file stays as it was.
    return s.End(outcome.value_or(TransferOutcome::Stopped()));
}
