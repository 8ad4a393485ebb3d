#include "protocol/Transfer.h"

bool HasWorker(TransferKind kind)
{
    return kind >= TK_LOAD_SOFTWARE && kind <= TK_READ_PARAMS;
}

TransferOutcome RunTransfer(const TransferJob &job)
{
    switch (job.kind) {
    case TK_LOAD_SOFTWARE:
    case TK_LOAD_8:
        return LoadSoftwareThread(job);
    case TK_WRITE_PARAMS:
        return WriteParamsThread(job);
    case TK_READ_7:
    case TK_READ_9:
    case TK_READ_PARAMS:
        return ReadParamsThread(job);
    default:
        return TransferOutcome::Stopped();
    }
}
