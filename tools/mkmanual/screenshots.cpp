// orbivane-screenshots DIR: grabs the windows shown in the manual into DIR as PNG files.
// Runs offscreen with an emulated meter as COM1 and throw-away settings, so the pictures show a
// working connection and the user's own settings stay untouched.
#include "MeterSim.h"
#include "SampleDatabase.h"

#include "app/CAboutDlg.h"
#include "app/CEditSatDlg.h"
#include "app/CImportDlg.h"
#include "app/CMeterDlg.h"
#include "app/CPlanDlg.h"
#include "app/PlanTableModel.h"
#include "app/EditorPanel.h"
#include "app/PortPanel.h"
#include "app/CRestoreDlg.h"
#include "app/CTransponderList.h"
#include "common/Prompts.h"
#include "document/BackupArchive.h"
#include "exchange/SatellitesXmlReader.h"
#include "sheet/PointingSheet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cerrno>
#include <cstdio>

namespace {

// The screenshots need no answers: messages are dropped, questions declined, and the file
// chooser picks the sample database.
class SilentPrompts final : public Prompts
{
public:
    void Message(const QString &, const QString &, Icon) override {}
    bool AskYesNo(const QString &, const QString &, Icon) override { return false; }
    QString OpenFileName(const QString &) override { return openFile; }
    QString SaveFileName(const QString &) override { return {}; }
    QString openFile;
};

// The offscreen platform draws no window frame: add a plain title bar, so that the reader
// recognises the window by its caption.
QImage Framed(QWidget &window)
{
    const QPixmap content = window.grab();
    const int bar = 26;
    QImage framed(content.width() + 2, content.height() + bar + 1, QImage::Format_RGB32);
    framed.fill(QColor(0x50, 0x5a, 0x66));
    QPainter painter(&framed);
    painter.drawPixmap(1, bar, content);
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, framed.width() - 20, bar), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    return framed;
}

bool Save(QWidget &window, const QString &dir, const QString &name)
{
    QApplication::processEvents();
    const QString path = dir + QLatin1Char('/') + name;
    if (!Framed(window).save(path)) {
        std::fprintf(stderr, "orbivane-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A short receiver list for the import picture: the first satellite of the database with one
// transponder more, one out of the meter's range and one circular, and a satellite it lacks.
std::vector<ExchangeSatellite> ImportSample(const DatabaseDocument &doc)
{
    const SatelliteValue first = doc.Satellites().front();
    QString xml = QStringLiteral("<satellites><sat name=\"%1\" flags=\"0\" position=\"%2\">\n")
                      .arg(first.name).arg(first.position > 1800 ? first.position - 3600 : first.position);
    for (const TransponderRow &row : doc.TransponderRows(first.slot))
        xml += QStringLiteral("<transponder frequency=\"%1\" symbol_rate=\"%2\" polarization=\"%3\"/>\n")
                   .arg(row.frequency * 1000).arg(row.symbolRate * 1000)
                   .arg(row.polar == Polar::Vert ? 1 : row.polar == Polar::Hori ? 0 : 2);
    xml += QStringLiteral("<transponder frequency=\"12603000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
                          "<transponder frequency=\"19700000\" symbol_rate=\"27500000\" polarization=\"1\"/>\n"
                          "<transponder frequency=\"11296000\" symbol_rate=\"27500000\" polarization=\"2\"/></sat>\n"
                          "<sat name=\"Intelsat 901 (18.0W)\" flags=\"0\" position=\"-180\">"
                          "<transponder frequency=\"11093000\" symbol_rate=\"7500000\" polarization=\"1\"/>"
                          "<transponder frequency=\"11555000\" symbol_rate=\"30000000\" polarization=\"0\"/>"
                          "</sat></satellites>");
    return SatellitesXmlReader::Read(xml.toUtf8()).satellites;
}

// A published list's kind for the plan picture: the database's satellites and a dozen more round
// the arc (some below Berlin's horizon), each with 120 transponders over both Ku bands and both
// polarisations: more than the meter holds, so that the satellites keep shares.
std::vector<ExchangeSatellite> PlanSample(const DatabaseDocument &doc)
{
    std::vector<std::pair<QString, int>> sats{
        {QStringLiteral("Eutelsat 7B"), 70},    {QStringLiteral("Eutelsat 16A"), 160},
        {QStringLiteral("Astra 1N"), 192},      {QStringLiteral("Arabsat 5C"), 200},
        {QStringLiteral("Eutelsat 21B"), 215},  {QStringLiteral("Turksat 4A"), 420},
        {QStringLiteral("Intelsat 901"), -180}, {QStringLiteral("Eutelsat 5 West B"), -50},
        {QStringLiteral("Nilesat 201"), -70},   {QStringLiteral("Galaxy 19"), -970},
        {QStringLiteral("AsiaSat 7"), 1055},    {QStringLiteral("Intelsat 35e"), -345}};
    for (const SatelliteValue &s : doc.Satellites())
        sats.emplace_back(s.name, s.position > 1800 ? s.position - 3600 : s.position);
    QString xml = QStringLiteral("<satellites>");
    for (const auto &[name, position] : sats) {
        xml += QStringLiteral("<sat name=\"%1\" flags=\"0\" position=\"%2\">").arg(name.toHtmlEscaped()).arg(position);
        for (int t = 0; t < 120; ++t)
            xml += QStringLiteral("<transponder frequency=\"%1\" symbol_rate=\"27500000\" polarization=\"%2\"/>")
                       .arg(10714000 + t * 16800).arg(t % 2);
        xml += QStringLiteral("</sat>");
    }
    return SatellitesXmlReader::Read((xml + QStringLiteral("</satellites>")).toUtf8()).satellites;
}

// The pointing sheet's first page as a picture, by pdftoppm (poppler-utils) where it is installed.
bool SaveSheet(const DatabaseDocument &doc, const Site &site, const QString &dir, const QString &work)
{
    const QString pdf = work + QStringLiteral("/pointing-sheet.pdf");
    const PointingSheet sheet(doc, site);
    if (!PointingSheet::Write(pdf, QString(), sheet.Pdf(QStringLiteral("europe.bin"))))
        return false;
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        std::fprintf(stderr, "orbivane-screenshots: pdftoppm (poppler-utils) is not installed; "
                             "pointing-sheet.png left as it is\n");
        return true;
    }
    const QString png = dir + QStringLiteral("/pointing-sheet");
    const int rc = QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                                QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                QStringLiteral("1"), QStringLiteral("-H"), QStringLiteral("470"), // the table, not the blank below
                                                QStringLiteral("-singlefile"), pdf, png});
    if (rc != 0)
        return false;
    std::printf("%s.png\n", qPrintable(png));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
    QTemporaryDir settings;
    if (!settings.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path() + QStringLiteral("/user")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(settings.path() + QStringLiteral("/system")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(settings.path() + QStringLiteral("/data"))); // backups

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: orbivane-screenshots DIR\n");
        return 2;
    }
    const QString &dir = args.at(1);
    if (!QDir().mkpath(dir))
        return 1;

    MeterSim meter(MeterSim::Config{});
    std::string error;
    if (!meter.Start(&error)) {
        std::fprintf(stderr, "orbivane-screenshots: no emulated meter: %s\n", error.c_str());
        return 1;
    }
    qputenv("ORBIVANE_COM1", QByteArray::fromStdString(meter.SlavePath()));

    SilentPrompts prompts;
    bool ok = true;
    {
        CMeterDlg main(prompts);
        main.OnInitDialog();
        ok = Save(main, dir, QStringLiteral("main-compact.png")) && ok;
        // The port doctor's line, as for an account that may not open the device.
        const QString device = QString::fromStdString(meter.SlavePath());
        main.Port().ShowPortDiagnosis(1, device, false, EACCES);
        ok = Save(main, dir, QStringLiteral("port-doctor.png")) && ok;
        main.Port().ShowPortDiagnosis(1, device, true, 0);

        // The expanded window: a sample database open, the third satellite selected, its
        // second transponder marked for deletion.
        SampleDatabase::Options sample;
        sample.seed = 11;
        const QString database = settings.path() + QStringLiteral("/sample.bin");
        QFile file(database);
        if (!file.open(QIODevice::WriteOnly) || file.write(SampleDatabase::Make(sample)) < 0)
            return 1;
        file.close();
        prompts.openFile = database;
        main.Editor().OnEditParameters();
        main.Editor().SatList()->setCurrentRow(2);
        CTransponderList *list = main.Editor().TpList();
        if (list->GetItemCount() > 3) {
            list->MarkRow(1);
            list->SetFocusCell(3, 1, true);
            list->SelectFocusRow();
            list->setFocus();
        }
        ok = Save(main, dir, QStringLiteral("main-expanded.png")) && ok;

        CEditSatDlg edit(prompts, {0, QStringLiteral("ASTRA 1KR"), 192}, CEditSatDlg::Offer::Tenths,
                         &main);
        edit.show();
        ok = Save(edit, dir, QStringLiteral("edit-satellite.png")) && ok;
        edit.hide();

        CImportDlg import(ImportPlan(main.Document(), ImportSample(main.Document())),
                          QStringLiteral("satellites.xml"), &main);
        for (int i = 0; i < import.Plan().Count(); ++i)
            import.Table()->item(i, CImportDlg::COL_TAKE)->setCheckState(Qt::Checked);
        import.show();
        ok = Save(import, dir, QStringLiteral("import-preview.png")) && ok;
        import.hide();

        // The plan for Berlin: the list read, one stored satellite unticked.
        const Site berlin = *Site::FromDegrees(52.52, 13.40);
        if (!berlin.WriteSetting())
            return 1;
        CPlanDlg plan(main.Document(), prompts, &main);
        plan.SetList(PlanSample(main.Document()));
        for (int i = plan.Plan()->Count() - 1; i >= 0; --i) {
            if (plan.Plan()->At(i).InDatabase() && plan.Plan()->At(i).ticked) {
                plan.Model()->setData(plan.Model()->index(i, PlanTableModel::COL_KEEP), Qt::Unchecked, Qt::CheckStateRole);
                break;
            }
        }
        plan.findChild<QLineEdit *>(QStringLiteral("planSource"))->setText(QStringLiteral("/home/ines/satellites.xml"));
        plan.show();
        QEventLoop settle; // the preview follows a change once the burst of ticks is over
        QTimer::singleShot(400, &settle, &QEventLoop::quit);
        settle.exec();
        ok = Save(plan, dir, QStringLiteral("plan-for-site.png")) && ok;
        plan.hide();
        ok = SaveSheet(main.Document(), berlin, dir, settings.path()) && ok;

        CAboutDlg about(&main);
        about.show();
        ok = Save(about, dir, QStringLiteral("about.png")) && ok;
        about.hide();

        // The restore dialog: two saves of the sample and a read, kept a few days apart.
        BackupArchive &archive = main.Archive();
        QDateTime when(QDate(2026, 11, 20), QTime(9, 14, 5));
        archive.SetClock([&when] { return when; });
        if (!archive.KeepRead(SampleDatabase::Make({5, 14, 30, 800}), 0x42010203))
            return 1;
        for (const uint32_t seed : {12u, 13u}) {
            when = when.addDays(3).addSecs(3600 * 5 + 421);
            if (!archive.KeepBeforeSave(database, SampleDatabase::Make({seed})) || !file.open(QIODevice::WriteOnly) || file.write(SampleDatabase::Make({seed})) < 0)
                return 1;
            file.close();
        }
        CRestoreDlg restore(archive, true, &main);
        while (!restore.IsDescribed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        restore.List()->topLevelItem(0)->setSelected(true);
        restore.show();
        ok = Save(restore, dir, QStringLiteral("restore-backup.png")) && ok;
        restore.hide();
    }
    meter.Stop();
    return ok ? 0 : 1;
}
