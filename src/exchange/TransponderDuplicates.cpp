#include "exchange/TransponderDuplicates.h"

#include "document/DatabaseDocument.h"

#include <QCoreApplication>
#include <cstdlib>

bool TransponderDuplicates::Same(const TransponderRow &a, const TransponderRow &b, int toleranceMHz)
{
    return a.polar == b.polar && std::llabs(qint64(a.frequency) - b.frequency) <= toleranceMHz;
}

std::vector<int> TransponderDuplicates::Find(const std::vector<TransponderRow> &rows, int toleranceMHz)
{
    std::vector<int> repeats;
    std::vector<const TransponderRow *> kept;
    for (size_t i = 0; i < rows.size(); ++i) {
        bool repeat = false;
        for (const TransponderRow *k : kept)
            repeat = repeat || Same(*k, rows[i], toleranceMHz);
        if (repeat)
            repeats.push_back(int(i));
        else
            kept.push_back(&rows[i]);
    }
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
