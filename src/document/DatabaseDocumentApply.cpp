// Apply: a satellite's rows become its transponder chain.
#include "document/DatabaseDocument.h"

#include "document/TransponderConversions.h"

#include <algorithm>

using namespace DbLayout;

namespace {

const QString &NothingStored()
{
    static const QString text = QStringLiteral("Nothing was stored: the database and its file "
                                               "are as they were.");
    return text;
}

} // namespace

int DatabaseDocument::FreeTransponderRecords() const
{
    // The length of the free chain, bounded by the table (a damaged chain may loop).
    int count = 0;
    for (int i = m_db.TpHeader().FreeFirst(); i >= 0 && i < NO_TRANSPONDER && count < NO_TRANSPONDER;
         i = m_db.TransponderAt(i)->Next())
        ++count;
    return count;
}

DocumentResult DatabaseDocument::Store(int slot, std::vector<TransponderRow> &rows)
{
    using Code = DocumentResult::Code;
    const int s = slot & 0xFF;
    const SatelliteRecord *sat = m_db.SatelliteAt(s);
    const ParamDatabase::Chain chain = m_db.TransponderChain(s);
    if (!sat || !sat->InUse() || !chain.complete || int(chain.indices.size()) != sat->TpCount()
        || m_db.TpHeader().Count() < sat->TpCount())
        return DocumentResult::Fail(Code::DamagedChain,
                                    QStringLiteral("The transponder chain of this satellite is "
                                                   "damaged in the database.\n")
                                        + NothingStored());

    // The rows must stand for exactly the satellite's stored transponders, each once: a record
    // left out would stay in use on no chain, one named twice would be linked twice.
    std::vector<int> named;
    int newRows = 0;
    int released = 0;
    for (const TransponderRow &row : rows) {
        if (row.IsNew()) {
            newRows += row.marked ? 0 : 1;
            continue;
        }
        named.push_back(row.record);
        released += row.marked ? 1 : 0;
    }
    std::vector<int> stored = chain.indices;
    std::sort(named.begin(), named.end());
    std::sort(stored.begin(), stored.end());
    if (named != stored)
        return DocumentResult::Fail(Code::RowsMismatch,
                                    QStringLiteral("The transponder list no longer matches the "
                                                   "database; select the satellite again.\n")
                                        + NothingStored());

    // Records freed by marked rows serve new rows, so count them as free.
    const int available = FreeTransponderRecords() + released;
    if (newRows > available) {
        DocumentResult full = DocumentResult::Fail(
            Code::TransponderTableFull,
            QStringLiteral("The transponder table is full: it holds %1 transponders for all "
                           "satellites together.\n%2 of the %3 new rows could not be stored. "
                           "Delete transponders you no longer need and apply again.\n")
                    .arg(NO_TRANSPONDER)
                    .arg(newRows - available)
                    .arg(newRows)
                + NothingStored());
        full.missing = newRows - available;
        full.requested = newRows;
        return full;
    }

    std::vector<int> records(rows.size(), TransponderRow::NEW);
    const bool done = m_db.AllOrNothing([&] {
        // Forget the chain; its records stay where they are.
        SatelliteRecord &live = *m_db.SatelliteAt(s);
        m_db.TpHeader().SetCount(m_db.TpHeader().Count() - live.TpCount());
        live.SetFirstTp(NO_TRANSPONDER);
        live.SetLastTp(NO_TRANSPONDER);
        live.SetTpCount(0);

        // Marked rows first, so that their records are free again before new rows take records.
        for (const TransponderRow &row : rows) {
            if (row.marked && !row.IsNew() && !m_db.ReleaseTransponder(row.record))
                return false;
        }
        for (size_t i = 0; i < rows.size(); ++i) {
            const TransponderRow &row = rows[i];
            if (row.marked)
                continue;
            const int tp = row.IsNew() ? m_db.AllocateTransponder() : row.record;
            if (tp == NO_TRANSPONDER)
                return false;
            records[i] = tp;
            TransponderConversions::StoreRow(row, *m_db.TransponderAt(tp));
            if (!m_db.AppendTransponder(s, tp))
                return false;
        }
        return true;
    });
    if (!done)
        return DocumentResult::Fail(Code::Inconsistent,
                                    QStringLiteral("The transponders could not be stored: the "
                                                   "database is inconsistent around them.\n")
                                        + NothingStored());

    // New rows now stand for their records, so a further Apply stores them in place.
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].marked)
            rows[i].record = records[i];
    }
    return {};
}
