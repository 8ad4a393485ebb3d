#pragma once

#include "ChannelMaker.h"

#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QTest>

#include <vector>

// Fails the test with the checker's findings unless the image is consistent.
#define VERIFY_CONSISTENT(db)                                                                      \
    do {                                                                                           \
        const QStringList problems_ = DatabaseChecker::Check(db);                                  \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1Char('\n'))));             \
    } while (0)

// Builders for small hand-made databases used by the database and document tests.
namespace DbTestUtil {

// Adds a satellite through AddSatellite; returns its slot (64 when the table is full).
inline int AddSat(ParamDatabase &db, const char *name, int position)
{
    SatelliteRecord rec;
    rec.SetName(QByteArray(name));
    rec.SetPosition(position);
    int slot = DbLayout::NO_SATELLITE;
    db.AddSatellite(rec, slot);
    return slot;
}

// Stores a new transponder at the end of a satellite's chain, as Apply does; returns its index.
inline int AddTp(ParamDatabase &db, int slot, quint32 frequencyKHz)
{
    const int tp = db.AllocateTransponder();
    if (tp == DbLayout::NO_TRANSPONDER)
        return tp;
    db.TransponderAt(tp)->SetFrequency(frequencyKHz);
    db.TransponderAt(tp)->SetInUse(1);
    return db.AppendTransponder(slot, tp) ? tp : DbLayout::NO_TRANSPONDER;
}

// Indices met walking a chain from first, bounded by the table size.
template <typename Next>
std::vector<int> Walk(int first, int size, Next next)
{
    std::vector<int> out;
    for (int cur = first; cur >= 0 && cur < size && int(out.size()) < size; cur = next(cur))
        out.push_back(cur);
    return out;
}

inline std::vector<int> FreeTransponders(const ParamDatabase &db)
{
    return Walk(db.TpHeader().FreeFirst(), DbLayout::NO_TRANSPONDER,
                [&](int i) { return db.TransponderAt(i)->Next(); });
}

} // namespace DbTestUtil
