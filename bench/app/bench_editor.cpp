// bench_editor: the editor's commands on a satellite holding most of the transponder table
// (2400 of 2500 records are in use), timed through the main window on the offscreen platform. Run: build/bench/app/bench_editor
#include "BenchTiming.h"
#include "SampleDatabase.h"

#include "app/CMeterDlg.h"
#include "app/EditorPanel.h"
#include "app/CTransponderList.h"
#include "common/Prompts.h"
#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace DbLayout;

namespace {

class BenchPrompts final : public Prompts
{
public:
    void Message(const QString &text, const QString &, Icon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool AskYesNo(const QString &, const QString &, Icon) override { return false; }
    QString OpenFileName(const QString &) override { return file; }
    QString SaveFileName(const QString &) override { return {}; }
    QString file;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BenchPrompts prompts;
    prompts.file = dir.filePath(QStringLiteral("bench.bin"));

    // Twelve satellites from the sample, then the first one takes nearly every free record.
    ParamDatabase db;
    SampleDatabase::Fill(db, {9, 12, 30, 2000});
    const int slot = db.SatelliteChain().indices[0];
    while (db.TpHeader().Count() < 2400) {
        const int tp = db.AllocateTransponder();
        TransponderRecord &r = *db.TransponderAt(tp);
        r.SetInUse(1);
        r.SetFrequency(quint32(10700 + (tp * 7919) % 2050) * 1000u);
        r.SetSymbolRate(27500000u);
        db.AppendTransponder(slot, tp);
    }
    if (!db.SaveAs(prompts.file))
        return 1;

    CMeterDlg dlg(prompts);
    dlg.show();
    CTransponderList *list = dlg.Editor().TpList();
    const int runs = 7;

    const double open = MedianMs(runs, [] {}, [&] { dlg.Editor().OnEditParameters(); });
    const int rows = list->GetItemCount();
    const double select = MedianMs(runs, [&] { dlg.Editor().SatList()->setCurrentRow(1); },
                                   [&] { dlg.Editor().SatList()->setCurrentRow(0); });
    const double sort = MedianMs(runs, [] {}, [&] { list->OnColumnClick(1); });
    const double pending = MedianMs(runs, [] {}, [&] { (void)dlg.Editor().HasPendingWork(); });
    // Every fourth row marked, twenty new rows: the records of the marked rows serve the new.
    auto prepare = [&] {
        dlg.Editor().OnEditParameters();
        for (int r = 0; r < list->GetItemCount(); r += 4)
            list->MarkRow(r);
        for (int i = 0; i < 20; ++i)
            list->AppendNewRow();
    };
    const double apply = MedianMs(runs, prepare, [&] { dlg.Editor().OnApply(); });
    const bool consistent = DatabaseChecker::Check(dlg.Document().Database()).isEmpty();

    std::printf("Editor on one satellite with %d of the %d transponders (median of %d runs)\n",
                rows, NO_TRANSPONDER, runs);
    std::printf("  %-44s %9.3f ms\n", "Edit parameters (load, fill both lists)", open);
    std::printf("  %-44s %9.3f ms\n", "select the satellite (fill the grid)", select);
    std::printf("  %-44s %9.3f ms\n", "sort by frequency", sort);
    std::printf("  %-44s %9.3f ms\n", "pending-work check (closing)", pending);
    const QString applied = QStringLiteral("Apply: %1 marked, 20 new rows, save").arg((rows + 3) / 4);
    std::printf("  %-44s %9.3f ms%s\n", qPrintable(applied), apply,
                consistent ? "" : "  (INCONSISTENT RESULT)");
    return consistent ? 0 : 1;
}
