#include "app/DatabaseLists.h"

#include "app/CTransponderList.h"
#include "common/Prompts.h"
#include "database/ParamDatabase.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <memory>
#include <vector>

using namespace DbLayout;

namespace {

QString PolarText(int polarisation)
{
    switch (polarisation) {
    case 0: return QStringLiteral("Vert");
    case 1: return QStringLiteral("Hori");
    default: return QStringLiteral("Auto");
    }
}

quint32 Clamp(int value, quint32 lo, quint32 hi)
{
    // Taken as unsigned: a negative entry is a huge number and ends at the upper bound.
    const quint32 v = quint32(value);
    return v > hi ? hi : v < lo ? lo : v;
}

// The length of the free transponder chain, bounded by the table.
int FreeTransponderCount(const ParamDatabase &db)
{
    int count = 0;
    for (int i = db.TpHeader().FreeFirst(); i >= 0 && i < NO_TRANSPONDER && count < NO_TRANSPONDER;
         i = db.TransponderAt(i)->Next())
        ++count;
    return count;
}

} // namespace

DatabaseLists::DatabaseLists(ParamDatabase &db, Prompts &prompts) : m_db(db), m_prompts(prompts) {}

bool DatabaseLists::AttachLists(QListWidget *satellites, CTransponderList *transponders)
{
    m_satellites = satellites;
    m_transponders = transponders;
    return true;
}

QString DatabaseLists::SatelliteName(const ParamDatabase &db, int slot)
{
    const SatelliteRecord *sat = db.SatelliteAt(slot);
    return sat ? QString::fromLatin1(sat->Name()) : QString();
}

bool DatabaseLists::FillSatelliteList()
{
    if (!m_satellites)
        return false;
    // Filled and selected without telling the window: the caller fills the transponders.
    const QSignalBlocker blocker(m_satellites);
    m_satellites->clear();
    for (int slot : m_db.SatelliteChain().indices) {
        auto *item = new QListWidgetItem(SatelliteName(m_db, slot), m_satellites);
        item->setData(SlotRole, slot);
    }
    if (m_satellites->count() > 0)
        m_satellites->setCurrentRow(0);
    return true;
}

bool DatabaseLists::FillTransponderList(int slot, CTransponderList &list)
{
    list.DeleteAllItems();
    const std::vector<int> tps = m_db.TransponderChain(slot).indices;
    int n = 0;
    for (int tp : tps) {
        const TransponderRecord &r = *m_db.TransponderAt(tp);
        const int row = list.InsertItem(n, CTransponderList::IndexText(n + 1));
        list.SetItemText(row, CTransponderList::COL_FREQUENCY, QString::number(r.Frequency() / 1000));
        list.SetItemText(row, CTransponderList::COL_SYMBOL_RATE,
                         QString::number(r.SymbolRate() / 1000));
        list.SetItemText(row, CTransponderList::COL_POLAR, PolarText(r.Polarisation()));
        list.SetItemData(row, quint32(tp));
        ++n;
    }
    list.MarkClean();
    return n > 0;
}

bool DatabaseLists::ReadTransponderRow(const CGridCtrl &list, int row, TransponderRecord &record)
{
    record.SetInUse(1);
    const int frequency = CTransponderList::CellNumber(list.GetItemText(row, 1), 6);
    record.SetFrequency(Clamp(frequency, MIN_FREQUENCY, MAX_FREQUENCY) * 1000);
    const int symbolRate = CTransponderList::CellNumber(list.GetItemText(row, 2), 6);
    record.SetSymbolRate(Clamp(symbolRate, MIN_SYMBOL_RATE, MAX_SYMBOL_RATE) * 1000);
    const QString polar = list.GetItemText(row, 3).left(4);
    record.SetPolarisation(polar == QLatin1String("Hori") ? 1
                           : polar == QLatin1String("Vert") ? 0
                                                            : 2);
    record.SetSpareBits(0);
    return true;
}

bool DatabaseLists::ApplyTransponderRows(int slot, CTransponderList &list)
{
    const int s = slot & 0xFF;
    const QString caption = QString::fromLatin1(kAppTitle);
    auto refuse = [&](const QString &text) {
        m_prompts.Message(text, caption, Prompts::Icon::Warning);
        return false;
    };
    const QString nothingStored = QStringLiteral("Nothing was stored: the database and its file "
                                                 "are as they were.");

    const SatelliteRecord *sat = m_db.SatelliteAt(s);
    const ParamDatabase::Chain chain = m_db.TransponderChain(s);
    if (!sat || !sat->InUse() || !chain.complete || int(chain.indices.size()) != sat->TpCount()
        || m_db.TpHeader().Count() < sat->TpCount())
        return refuse(QStringLiteral("The transponder chain of this satellite is damaged in "
                                     "the database.\n")
                      + nothingStored);

    // The rows must stand for exactly the satellite's stored transponders, each once: a record
    // left out would stay in use on no chain, one named twice would be linked twice.
    const int rows = list.GetItemCount();
    std::vector<int> named;
    int newRows = 0;
    int released = 0;
    for (int row = 0; row < rows; ++row) {
        const quint32 data = list.GetItemData(row);
        const int tp = int(data & 0xFFFF);
        const bool marked = CTransponderList::IsMarked(data);
        if (tp == int(CTransponderList::NEW_ROW)) {
            if (!marked)
                ++newRows;
            continue;
        }
        named.push_back(tp);
        if (marked)
            ++released;
    }
    std::vector<int> stored = chain.indices;
    std::sort(named.begin(), named.end());
    std::sort(stored.begin(), stored.end());
    if (named != stored)
        return refuse(QStringLiteral("The transponder list no longer matches the database; "
                                     "select the satellite again.\n")
                      + nothingStored);

    // Records freed by marked rows serve new rows, so count them as free.
    const int available = FreeTransponderCount(m_db) + released;
    if (newRows > available) {
        const int missing = newRows - available;
        return refuse(QStringLiteral("The transponder table is full: it holds %1 transponders for "
                                     "all satellites together.\n%2 of the %3 new rows could not "
                                     "be stored. Delete transponders you no longer need and "
                                     "apply again.\n")
                          .arg(NO_TRANSPONDER)
                          .arg(missing)
                          .arg(newRows)
                      + nothingStored);
    }

    // From here on every step is expected to succeed; should one not, the image goes back.
    const auto before = std::make_unique<DbImage>(m_db.Image());
    auto rollBack = [&] {
        m_db.Image() = *before;
        return refuse(QStringLiteral("The transponders could not be stored: the database is "
                                     "inconsistent around them.\n")
                      + nothingStored);
    };

    // Forget the chain; its records stay where they are.
    SatelliteRecord &live = *m_db.SatelliteAt(s);
    m_db.TpHeader().SetCount(m_db.TpHeader().Count() - live.TpCount());
    live.SetFirstTp(NO_TRANSPONDER);
    live.SetLastTp(NO_TRANSPONDER);
    live.SetTpCount(0);

    // Marked rows first, so that their records are free again before new rows take records.
    for (int row = 0; row < rows; ++row) {
        const quint32 data = list.GetItemData(row);
        const int tp = int(data & 0xFFFF);
        if (CTransponderList::IsMarked(data) && tp != int(CTransponderList::NEW_ROW)
            && !m_db.ReleaseTransponder(tp))
            return rollBack();
    }

    std::vector<std::pair<int, int>> taken; // (row, record) of the new rows
    for (int row = 0; row < rows; ++row) {
        const quint32 data = list.GetItemData(row);
        if (CTransponderList::IsMarked(data))
            continue;
        int tp = int(data & 0xFFFF);
        if (tp == int(CTransponderList::NEW_ROW)) {
            tp = m_db.AllocateTransponder();
            if (tp == NO_TRANSPONDER)
                return rollBack();
            taken.emplace_back(row, tp);
        }
        ReadTransponderRow(list, row, *m_db.TransponderAt(tp));
        if (!m_db.AppendTransponder(s, tp))
            return rollBack();
    }

    // New rows now stand for their records, so a further Apply stores them in place.
    for (const auto &[row, tp] : taken)
        list.SetItemData(row, quint32(tp));
    return true;
}
