#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

class CComPort;
class Prompts;
class TransferLog;

// Which transfer a transfer dialog runs; the value is the frame type it starts with. Only the
// three named for their job have a caller; another value is a kind without a worker.
enum TransferKind : int {
    TK_LOAD_SOFTWARE = 6,
    TK_READ_7 = 7,   // a read that asks with FT_READ_7
    TK_LOAD_8 = 8,   // a load that starts with FT_LOAD_8 and skips the 'B' test
    TK_READ_9 = 9,   // a read that asks with FT_READ_9
    TK_WRITE_PARAMS = 10,
    TK_READ_PARAMS = 11,
};

// Size of the meter's parameter database image.
constexpr uint32_t kImageSize = 241248;
// Largest chunk of an image in one FT_DATA.
constexpr uint32_t kChunkSize = 16384;
// Receive buffer of the write and load transfers: their answers carry at most 4 payload bytes.
constexpr size_t kSmallRxBuffer = 100;

// What a worker tells its dialog. The dialog carries these onto its own thread; tests may
// record them directly. A worker makes no call here once it has been asked to stop, and
// TransferDone is its last call.
class TransferHost
{
public:
    virtual ~TransferHost() = default;
    virtual void SetProgress(int percent) = 0;
    virtual void SetProgressText(const QString &text) = 0;
    virtual void TransferDone(bool success, TransferKind kind) = 0;
    // Bytes of the file or image moved so far, for the rate and the time left.
    virtual void SetBytesMoved(int64_t /*done*/, int64_t /*total*/) {}
};

// How the owner of a transfer stops its worker: mark the stop, then wake any blocked read or
// write by cancelling the port. The worker may afterwards make the port usable again for a
// final FT_END, which is why it waits until the cancel has happened.
class TransferStop
{
public:
    void Request(CComPort &port);
    bool Requested() const { return m_requested.load(); }
    // Returns once Request has finished with the port.
    void WaitSettled() const;

private:
    std::atomic<bool> m_requested{false};
    std::atomic<bool> m_settled{false};
};

struct TransferJob {
    TransferKind kind = TK_READ_PARAMS;
    QString path;
    CComPort *port = nullptr;    // open; used by the worker alone while it runs
    Prompts *prompts = nullptr;  // messages and questions
    TransferHost *host = nullptr;
    TransferStop *stop = nullptr; // may be null: then only a cancelled port stops the worker
    TransferLog *log = nullptr;   // may be null: nothing is logged
    uint32_t *identityWord = nullptr; // read: may be null; gets the meter's word from its FT_IDENT
    // May be null: set to how the worker ended, also when a stop came meanwhile (a read may have
    // committed its file just before), which the host is no longer told.
    bool *succeeded = nullptr;
};

// True when RunTransfer has a worker for this kind (6 to 11).
bool HasWorker(TransferKind kind);
// The text shown under "Warnning" after a successful transfer of this kind; empty for others.
QString ResultText(TransferKind kind);

// The workers. Each returns 1 when it could not open its file, otherwise 0.
int ReadParamsThread(const TransferJob &job);
int WriteParamsThread(const TransferJob &job);
int LoadSoftwareThread(const TransferJob &job);
// Runs the worker of job.kind; -1 when there is none.
int RunTransfer(const TransferJob &job);
