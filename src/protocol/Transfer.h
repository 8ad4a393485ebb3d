#pragma once

#include "protocol/TransferKind.h"
#include "protocol/TransferOutcome.h"
#include "protocol/TransferStop.h"

#include <QString>

#include <cstdint>

class CComPort;
class Prompts;
class TransferLog;

// Size of the meter's parameter database image.
constexpr uint32_t kImageSize = 241248;
// Largest chunk of an image in one FT_DATA.
constexpr uint32_t kChunkSize = 16384;
// Receive buffer of the write and load transfers: their answers carry at most 4 payload bytes.
constexpr size_t kSmallRxBuffer = 100;

// What a worker tells its dialog. The dialog carries these onto its own thread; tests may
// record them directly. A worker makes no call here once it has been asked to stop, and
// TransferDone is its last call; a write or load whose file cannot be opened makes none.
class TransferHost
{
public:
    virtual ~TransferHost() = default;
    virtual void SetProgress(int percent) = 0;
    virtual void SetProgressText(const QString &text) = 0;
    virtual void TransferDone(const TransferOutcome &outcome) = 0;
    // Bytes of the file or image moved so far, for the rate and the time left.
    virtual void SetBytesMoved(int64_t /*done*/, int64_t /*total*/) {}
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
};

// True when RunTransfer has a worker for this kind (6 to 11).
bool HasWorker(TransferKind kind);

// The workers. Each returns how it ended, also when a stop came meanwhile (a read may have
// committed its file just before), which the host is no longer told: Done wins over Stopped.
// A failure's message has already been shown through the job's prompts when they return.
TransferOutcome ReadParamsThread(const TransferJob &job);
TransferOutcome WriteParamsThread(const TransferJob &job);
TransferOutcome LoadSoftwareThread(const TransferJob &job);
// Runs the worker of job.kind; Stopped, with nothing done, when there is none.
TransferOutcome RunTransfer(const TransferJob &job);
