#include "document/TransponderOrder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

int Compare(int a, int b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

int ComparePolar(const QByteArray &a, const QByteArray &b)
{
    const int n = int(std::min(a.size(), b.size()));
    const int c = std::memcmp(a.constData(), b.constData(), size_t(n));
    if (c != 0)
        return c;
    return int(a.size()) - int(b.size());
}

} // namespace

std::vector<size_t> TransponderOrder(const std::vector<TransponderSortKey> &rows, bool byFrequency, bool ascending)
{
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) {
        const TransponderSortKey &a = rows[i];
        const TransponderSortKey &b = rows[j];
        int c = byFrequency ? Compare(a.frequency, b.frequency) : Compare(a.symbolRate, b.symbolRate);
        if (c == 0)
            c = byFrequency ? Compare(a.symbolRate, b.symbolRate) : Compare(a.frequency, b.frequency);
        if (c == 0)
            c = ComparePolar(a.polar, b.polar);
        return ascending ? c < 0 : c > 0;
    });
    return order;
}
