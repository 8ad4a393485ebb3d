#pragma once

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
