#pragma once

#include <QByteArray>

#include <vector>

// The transponder list's sort: by the clicked column (frequency or symbol rate), then by the other,
// then by the polarisation text byte by byte with the shorter first on a tie; ascending or
// descending. Rows that compare equal keep their order.
struct TransponderSortKey {
    int frequency = 0;
    int symbolRate = 0;
    QByteArray polar; // as shown, at most its stored length
};

// The rows' positions in sorted order.
std::vector<size_t> TransponderOrder(const std::vector<TransponderSortKey> &rows, bool byFrequency, bool ascending);
