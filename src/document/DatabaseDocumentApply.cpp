// Apply: a satellite's rows become its transponder chain.
#include "document/DatabaseDocument.h"

#include "document/TransponderConversions.h"

#include <QCoreApplication>
#include <algorithm>

using namespace DbLayout;

namespace {

const QString &NothingStored()
{
    static const QString text = QCoreApplication::translate("DatabaseDocument", "Nothing was stored: the database and its file "
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
                                    QCoreApplication::translate("DatabaseDocument", "The transponder chain of this satellite is "
                                                                                    "damaged in the database.\n")
                                        + NothingStored());

    // The rows must stand for exactly the satellite's stored transponders, each once: a record
    // left out would stay in use on no chain, one named twice would be linked twice.
    // Rows are stored in display order: a marked row frees its record where it stands, so only
    // new rows below it can take that record; a new row above it takes the free chain's front.
    std::vector<int> named;
    int newRows = 0;
    int missing = 0;
    int freeRecords = FreeTransponderRecords();
    for (const TransponderRow &row : rows) {
        if (row.IsNew()) {
            if (!row.marked) {
                ++newRows;
                if (freeRecords > 0)
                    --freeRecords;
                else
                    ++missing;
            }
            continue;
        }
        named.push_back(row.record);
        freeRecords += row.marked ? 1 : 0;
    }
    std::vector<int> stored = chain.indices;
    std::sort(named.begin(), named.end());
    std::sort(stored.begin(), stored.end());
    if (named != stored)
        return DocumentResult::Fail(Code::RowsMismatch,
                                    QCoreApplication::translate("DatabaseDocument", "The transponder list no longer matches the "
                                                                                    "database; select the satellite again.\n")
                                        + NothingStored());

    if (missing > 0) {
        DocumentResult full = DocumentResult::Fail(
            Code::TransponderTableFull,
            QCoreApplication::translate("DatabaseDocument", "The transponder table is full: it holds %1 transponders for all "
                                                            "satellites together.\n%n of the %2 new rows could not be stored. "
                                                            "Delete transponders you no longer need and apply again.\n", nullptr, int(missing))
                    .arg(NO_TRANSPONDER)
                    .arg(newRows)
                + NothingStored());
        full.missing = missing;
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

        // In display order: a marked row returns its record to the front of the free chain
        // there, and a new row takes whatever is at the front when its turn comes.
        for (size_t i = 0; i < rows.size(); ++i) {
            const TransponderRow &row = rows[i];
            if (row.marked) {
                if (!row.IsNew() && !m_db.ReleaseTransponder(row.record))
                    return false;
                continue;
            }
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
                                    QCoreApplication::translate("DatabaseDocument", "The transponders could not be stored: the "
                                                                                    "database is inconsistent around them.\n")
                                        + NothingStored());

    // New rows now stand for their records, so a further Apply stores them in place.
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].marked)
            rows[i].record = records[i];
    }
    return {};
}
