// bench_database: times load + save of a database image and DeleteSatellite of a satellite whose
// transponders carry all 4000 channels, with the channel chains in the order that costs most.
// For comparison it also times the channel deletion done by restarting every walk at the head
// of the chain after each deletion.
#include "BenchTiming.h"
#include "ChannelMaker.h"
#include "SampleDatabase.h"

#include "common/Prompts.h"
#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace DbLayout;

namespace {

// One satellite with tps transponders carrying all 4000 channels. Channels are created for the
// last transponder first, so the channels of the transponder deleted first sit at the end of
// every chain; kinds alternate and every channel is in all four groups.
void BuildWorstCase(ParamDatabase &db, int tps)
{
    db.InitEmpty();
    SatelliteRecord rec;
    rec.SetName("ASTRA 1KR");
    rec.SetPosition(192);
    int slot = NO_SATELLITE;
    db.AddSatellite(rec, slot);
    std::vector<int> ids;
    for (int i = 0; i < tps; ++i) {
        const int tp = db.AllocateTransponder();
        db.TransponderAt(tp)->SetInUse(1);
        db.AppendTransponder(slot, tp);
        ids.push_back(tp);
    }
    for (int c = 0; c < NO_CHANNEL; ++c) {
        const int tp = ids[size_t(tps - 1 - (c * tps / NO_CHANNEL))];
        ChannelMaker::Append(db, tp, slot, c % 4, 0xF);
    }
}

// Channel deletion as first designed: after every deletion the walk starts again at the head.
void DeleteByRestarting(ParamDatabase &db, int slot)
{
    for (int tp : db.TransponderChain(slot).indices) {
        for (const bool kind1 : {true, false}) {
            for (;;) {
                int cur = kind1 ? db.ChHeader().Kind1First() : db.ChHeader().OtherFirst();
                while (cur != NO_CHANNEL && db.ChannelAt(cur)->Transponder() != tp)
                    cur = db.ChannelAt(cur)->Next();
                if (cur == NO_CHANNEL)
                    break;
                db.DeleteChannel(cur);
            }
        }
    }
    db.DeleteSatellite(slot);
}

// The editor's Apply on a satellite holding every transponder: forget the chain, then release
// every other row and append the rest back.
void ApplyAllRows(ParamDatabase &db, int slot)
{
    const std::vector<int> rows = db.TransponderChain(slot).indices;
    SatelliteRecord rec;
    db.GetSatellite(slot, rec);
    db.TpHeader().SetCount(db.TpHeader().Count() - rec.TpCount());
    rec.SetFirstTp(NO_TRANSPONDER);
    rec.SetLastTp(NO_TRANSPONDER);
    rec.SetTpCount(0);
    db.SetSatellite(slot, rec);
    bool release = false;
    for (int tp : rows) {
        if (release)
            db.ReleaseTransponder(tp);
        else
            db.AppendTransponder(slot, tp);
        release = !release;
    }
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.bin"));
    ParamDatabase db;
    SampleDatabase::Fill(db, {5, 22, 100, 4000});
    if (!db.SaveAs(path))
        return 1;

    const int runs = 21;
    bool ok = true;
    const double load = MedianMs(runs, [] {}, [&] { ok = db.Load(path) && ok; });
    const double save = MedianMs(runs, [] {}, [&] { ok = db.Save() && ok; });
    if (!ok)
        return 1;
    std::printf("image of %d bytes, median of %d runs\n", IMAGE_SIZE, runs);
    std::printf("  Load                      %8.3f ms\n", load);
    std::printf("  Save (atomic)             %8.3f ms\n", save);
    std::printf("  Load + Save               %8.3f ms\n", load + save);

    std::printf("DeleteSatellite, one satellite whose transponders carry all %d channels\n",
                NO_CHANNEL);
    std::printf("  %-12s %14s %20s\n", "transponders", "DeleteSatellite", "restarting walks");
    for (int tps : {1, 40, 400, 2500}) {
        const double ours = MedianMs(5, [&] { BuildWorstCase(db, tps); },
                                     [&] { db.DeleteSatellite(db.SatHeader().First()); });
        const bool clean = DatabaseChecker::Check(db).isEmpty() && db.SatHeader().Count() == 0
            && db.ChHeader().Kind1Count() + db.ChHeader().OtherCount() == 0;
        const double restart = MedianMs(3, [&] { BuildWorstCase(db, tps); },
                                        [&] { DeleteByRestarting(db, db.SatHeader().First()); });
        std::printf("  %-12d %11.3f ms %17.3f ms%s\n", tps, ours, restart,
                    clean ? "" : "  (INCONSISTENT RESULT)");
    }

    const double apply = MedianMs(5, [&] { BuildWorstCase(db, NO_TRANSPONDER); },
                                  [&] { ApplyAllRows(db, db.SatHeader().First()); });
    std::printf("Apply of %d rows (every other one released, with its channels)\n", NO_TRANSPONDER);
    std::printf("  %-12s %11.3f ms%s\n", "", apply,
                DatabaseChecker::Check(db).isEmpty() ? "" : "  (INCONSISTENT RESULT)");
    return 0;
}
