// bench_plan: the plan dialog's table after one tick and after one share changed, for a receiver
// list of 200 satellites with 50 transponders each (10000), on the offscreen platform: the plan
// recomputed, the model's notice and the table's repaint (target under 50 ms).
// Run: build/bench/app/bench_plan
#include "BenchTiming.h"
#include "SampleDatabase.h"

#include "app/CPlanDlg.h"
#include "app/PlanTableModel.h"
#include "common/Prompts.h"
#include "document/DatabaseDocument.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class BenchPrompts final : public Prompts
{
public:
    void Message(const QString &text, const QString &, Icon) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    bool AskYesNo(const QString &, const QString &, Icon) override { return false; }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }
};

// Satellite s at s x 1.8 degrees East; transponders 40 MHz apart from 10714 MHz, H and V by turns.
std::vector<ExchangeSatellite> List()
{
    std::vector<ExchangeSatellite> list;
    for (int s = 0; s < 200; ++s) {
        ExchangeSatellite sat;
        sat.name = QStringLiteral("Sat %1").arg(s);
        sat.position = s * 18;
        sat.positionText = QString::number(sat.position);
        for (int t = 0; t < 50; ++t) {
            ExchangeTransponder tp;
            tp.frequency = 10714000 + t * 40000;
            tp.symbolRate = 27500000;
            tp.polar = t % 2 ? ExchangePolar::Vertical : ExchangePolar::Horizontal;
            sat.transponders.push_back(tp);
        }
        list.push_back(sat);
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    QApplication app(argc, argv);
    const QString path = dir.filePath(QStringLiteral("sample.bin"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(SampleDatabase::Make({})) <= 0)
            return 1;
    }
    DatabaseDocument doc;
    if (!doc.Open(path) || !Site::FromDegrees(50.0, 8.0)->WriteSetting())
        return 1;
    BenchPrompts prompts;
    CPlanDlg dlg(doc, prompts, nullptr);
    dlg.SetList(List());
    dlg.show();
    QApplication::processEvents();
    const RegionPlan &plan = *dlg.Plan();
    int row = 0;
    while (row < plan.Count() && (!plan.At(row).ticked || !plan.At(row).Listed()))
        ++row;
    PlanTableModel *model = dlg.Model();
    QWidget *viewport = dlg.Table()->viewport();
    bool on = false;
    const double tick = MedianMs(9, [] {}, [&] {
        model->setData(model->index(row, PlanTableModel::COL_KEEP), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        on = !on;
        viewport->repaint();
    });
    int share = 10;
    const double shareMs = MedianMs(9, [] {}, [&] {
        model->setData(model->index(row, PlanTableModel::COL_SHARE), QString::number(share), Qt::EditRole);
        share = share == 10 ? 30 : 10;
        viewport->repaint();
    });
    std::printf("plan dialog: %d rows, %d satellites, %d transponders kept\n", plan.Count(), plan.Satellites(),
                plan.Transponders());
    std::printf("one tick changed, table repainted:  %8.2f ms, target 50 ms\n", tick);
    std::printf("one share changed, table repainted: %8.2f ms, target 50 ms\n", shareMs);
    return 0;
}
