#include "exchange/TransponderDuplicates.h"

#include "document/DatabaseDocument.h"

#include <QCoreApplication>
#include <cstdlib>

bool TransponderDuplicates::Same(const TransponderRow &a, const TransponderRow &b, int toleranceMHz)
{
    return a.polar == b.polar && std::llabs(qint64(a.frequency) - b.frequency) <= toleranceMHz;
}

bool TransponderDuplicates::Kept::Take(const TransponderRow &row)
{
    // The same rule as Same: the nearest kept frequency at or above the lower bound decides.
    std::set<int> &taken = m_frequencies[int(row.polar)];
    const auto near = taken.lower_bound(row.frequency - m_tolerance);
    if (near != taken.end() && *near <= row.frequency + m_tolerance)
        return false;
    taken.insert(row.frequency);
    return true;
}

std::vector<int> TransponderDuplicates::Find(const std::vector<TransponderRow> &rows, int toleranceMHz)
{
    std::vector<int> repeats;
    Kept kept(toleranceMHz);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!kept.Take(rows[i]))
            repeats.push_back(int(i));
    return repeats;
}

QString TransponderDuplicates::StepName()
{
    return QCoreApplication::translate("Exchange", "Remove duplicates");
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
