#include "exchange/TransponderDuplicates.h"

#include "document/DatabaseDocument.h"

#include <cstdlib>

bool TransponderDuplicates::Same(const TransponderRow &a, const TransponderRow &b, int toleranceMHz)
{
    return a.polar == b.polar && std::llabs(qint64(a.frequency) - b.frequency) <= toleranceMHz;
}

std::vector<int> TransponderDuplicates::Find(const std::vector<TransponderRow> &rows, int toleranceMHz)
{
    std::vector<int> repeats;
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (Same(rows[j], rows[i], toleranceMHz)) {
                repeats.push_back(int(i));
                break;
            }
        }
    }
    return repeats;
}

QString TransponderDuplicates::StepName()
{
    return QStringLiteral("Remove duplicates");
}

DocumentResult TransponderDuplicates::Remove(DatabaseDocument &doc, int slot, int toleranceMHz, int *removed)
{
    if (!doc.Satellite(slot))
        return DocumentResult::Fail(doc.IsOpen() ? DocumentResult::Code::NoSatellite : DocumentResult::Code::NotOpen);
    std::vector<TransponderRow> rows = doc.TransponderRows(slot);
    const std::vector<int> repeats = Find(rows, toleranceMHz);
    if (removed)
        *removed = int(repeats.size());
    if (repeats.empty())
        return {};
    for (int i : repeats)
        rows[size_t(i)].marked = true;
    return doc.Batch(StepName(), [&] { return doc.ReplaceTransponders(slot, rows); });
}
