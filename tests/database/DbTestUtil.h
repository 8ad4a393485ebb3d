#pragma once

#include "ChannelMaker.h"

#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QByteArray>
#include <QTest>

#include <vector>

// Fails the test with the checker's findings unless the image is consistent.
#define VERIFY_CONSISTENT(db)                                                                      \
    do {                                                                                           \
        const QStringList problems_ = DatabaseChecker::Check(db);                                  \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1Char('\n'))));             \
    } while (0)

// Builders for small hand-made databases and views of an image used by several database tests.
namespace DbTestUtil {

// Adds a satellite through AddSatellite; returns its slot (64 when the table is full).
int AddSat(ParamDatabase &db, const char *name, int position);
// Stores a new transponder at the end of a satellite's chain, as Apply does; returns its index.
int AddTp(ParamDatabase &db, int slot, quint32 frequencyKHz);
// Takes the first free channel and appends it to every chain it belongs on; returns its index.
inline int AddChannel(ParamDatabase &db, int tp, int sat, int kind, int groups)
{
    return ChannelMaker::Append(db, tp, sat, kind, groups);
}

// The image with every interpreted bit cleared: what the record operations must never change.
QByteArray UninterpretedBits(const QByteArray &image);

// Indices met walking the free transponder chain (bounded).
std::vector<int> FreeTransponders(const ParamDatabase &db);
std::vector<int> ChannelChain(const ParamDatabase &db, bool kind1);
std::vector<int> GroupChain(const ParamDatabase &db, int g);

} // namespace DbTestUtil
