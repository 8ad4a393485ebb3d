// The window's exchange with other files, through its menus and controls: the satellite filter,
// Import, Compare with file, and Remove duplicate transponders. What an import or a comparison
// computes is the core's and tested there.
#include "EditorFixture.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CCompareDlg.h"
#include "app/CImportDlg.h"
#include "app/CPlanDlg.h"
#include "app/PlanTableModel.h"
#include "app/CTransponderList.h"
#include "document/BackupArchive.h"
#include "sheet/PointingSheet.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace {

// Picks the action from its menu as a hand does, the menu shown first; false when it is disabled.
bool Trigger(EditorFixture &f, const QString &text)
{
    for (QAction *action : f.dlg->findChildren<QAction *>()) {
        if (action->text() != text)
            continue;
        for (QObject *menu : action->associatedObjects())
            if (qobject_cast<QMenu *>(menu))
                emit static_cast<QMenu *>(menu)->aboutToShow();
        return action->isEnabled() && (action->trigger(), true);
    }
    qFatal("no action %s", qPrintable(text));
}

// A list of n satellites from 30W eastwards, a degree apart (visible from central Europe), each
// with `per` transponders over both polarisations.
QByteArray PlanList(int n, int per)
{
    QByteArray xml = "<satellites>";
    for (int s = 0; s < n; ++s) {
        xml += QStringLiteral("<sat name=\"P%1\" position=\"%2\">").arg(s).arg(s * 10 - 300).toUtf8();
        for (int t = 0; t < per; ++t)
            xml += QStringLiteral("<transponder frequency=\"%1\" symbol_rate=\"27500000\" polarization=\"%2\"/>")
                       .arg(10750000 + t * 20000).arg(t % 2).toUtf8();
        xml += "</sat>";
    }
    return xml + "</satellites>";
}

// The plan dialog the menu opened, its list read from path (a click on R&ead).
CPlanDlg *OpenPlan(EditorFixture &f, const QString &path)
{
    if (!Trigger(f, "&Plan for a site..."))
        return nullptr;
    auto *dlg = f.dlg->findChild<CPlanDlg *>();
    dlg->findChild<QLineEdit *>("planSource")->setText(path);
    QTest::mouseClick(dlg->findChild<QPushButton *>("planRead"), Qt::LeftButton);
    return dlg;
}

int SelectedSlot(const EditorFixture &f)
{
    return f.dlg->Editor().SatList()->selectedItems().value(0)->data(SatelliteList::SlotRole).toInt();
}

} // namespace

class TestExchangeDlg : public QObject
{
    Q_OBJECT
private slots:
    void filterKeepsTheSatelliteUnderEdit()
    {
        EditorFixture f;
        const QString path = f.OpenSample();
        f.SelectSatellite(2);
        const int slot = f.Slot(2);
        const int rows = f.dlg->Editor().TpList()->GetItemCount();
        f.Play({"click:0,1", "Del"}); // a pending mark
        QListWidget *sats = f.dlg->Editor().SatList();
        const QString other = sats->item(0)->text();
        QTest::keyClicks(f.dlg->findChild<QLineEdit *>("satFilter"), other);
        int shown = 0;
        for (int row = 0; row < sats->count(); ++row)
            shown += sats->item(row)->isHidden() ? 0 : 1;
        QVERIFY(shown < sats->count());
        QVERIFY(!sats->item(0)->isHidden());
        QVERIFY(!sats->item(2)->isHidden()); // selected: stays in sight
        QCOMPARE(SelectedSlot(f), slot);
        QVERIFY(f.dlg->Editor().TpList()->IsModified());
        f.Click("applyTpButton");
        DatabaseDocument stored;
        QVERIFY(stored.Open(path));
        QCOMPARE(int(stored.TransponderRows(slot).size()), rows - 1);
        f.SelectSatellite(0); // another one picked: the old one goes out of sight
        QVERIFY(sats->item(2)->isHidden() || sats->item(2)->text().contains(other, Qt::CaseInsensitive));
    }

    void importIsOneUndoStepAndTheFileWaitsForApply()
    {
        EditorFixture f;
        const QString path = f.WriteFile("bell.bin", SampleDatabase::Make({7}).replace("ASTRA 1KR", "BELL\a 1KR"));
        f.dlg->show();
        for (const char *command : {"&Import...", "E&xport...", "&Compare with file...", "&Plan for a site...", "Export pointing &sheet..."})
            QVERIFY2(!Trigger(f, command), command); // nothing open yet: nothing to act on
        f.Open(path);
        const QByteArray before = TestFile::Read(path);
        const auto sats = f.dlg->Document().Satellites();
        f.prompts.QueueFileName(f.dir.filePath("out")); // no ending: refused, nothing written
        QVERIFY(Trigger(f, "E&xport..."));
        QVERIFY(!QFile::exists(f.dir.filePath("out")) && !QFile::exists(f.dir.filePath("out.xml")));
        f.prompts.QueueFileName(f.WriteFile("out.xml", "an earlier list")); // replaced, and kept first
        QVERIFY(Trigger(f, "E&xport..."));
        QVERIFY(TestFile::Read(f.dir.filePath("out.xml")).contains(sats.front().name.toUtf8()));
        QCOMPARE(BackupArchive().Entries(f.dir.filePath("out.xml")).size(), 1);
        QVERIFY(f.prompts.Messages().back().text.contains("\"BELL\\x07 1KR\" ("));
        f.prompts.QueueFileName(f.WriteFile("l.xml", "<satellites><sat name=\"New One\" position=\"-50\">"
            "<transponder frequency=\"11000000\" symbol_rate=\"27500000\" polarization=\"0\"/></sat></satellites>"));
        QVERIFY(Trigger(f, "&Import..."));
        CImportDlg *dlg = nullptr;
        QTRY_VERIFY((dlg = f.dlg->findChild<CImportDlg *>()) && dlg->isVisible());
        QPushButton *ok = dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled()); // nothing taken yet
        QStringList shown; // the file's satellite as the table shows it
        for (int column : {CImportDlg::COL_NAME, CImportDlg::COL_POSITION, CImportDlg::COL_TRANSPONDERS})
            shown << (dlg->Table()->item(0, column) ? dlg->Table()->item(0, column)->text() : QString());
        QCOMPARE(shown, QStringList({"New One", "355", "1"}));
        const QWidget *table = dlg->Table(); // across the dialog, above the preview
        QVERIFY(table->width() > dlg->width() / 2 && table->mapTo(dlg, QPoint(0, table->height())).y() <= dlg->PreviewText()->mapTo(dlg, QPoint()).y());
        dlg->Table()->item(0, CImportDlg::COL_TAKE)->setCheckState(Qt::Checked);
        QVERIFY(dlg->PreviewText()->toPlainText().contains("New One"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(f.dlg->Document().Satellites().size(), sats.size() + 1);
        QCOMPARE(f.dlg->Editor().SatList()->count(), int(sats.size()) + 1);
        QCOMPARE(TestFile::Read(path), before);
        QCOMPARE(f.dlg->UndoAction()->text(), QStringLiteral("&Undo Import"));
        f.dlg->UndoAction()->trigger();
        QVERIFY(f.dlg->Document().Satellites() == sats);
        QVERIFY(!f.dlg->Document().IsModified());
    }

    // Where a file's satellite goes is the user's choice, and the preview follows the choice.
    void importTargetChoiceShowsInThePreview()
    {
        EditorFixture f;
        f.OpenSample("db.bin");
        f.prompts.QueueFileName(f.dir.filePath("all.xml"));
        QVERIFY(Trigger(f, "E&xport..."));
        f.prompts.QueueFileName(f.dir.filePath("all.xml"));
        QVERIFY(Trigger(f, "&Import..."));
        CImportDlg *dlg = nullptr;
        QTRY_VERIFY((dlg = f.dlg->findChild<CImportDlg *>()) && dlg->isVisible());
        dlg->Table()->item(0, CImportDlg::COL_TAKE)->setCheckState(Qt::Checked);
        auto *target = qobject_cast<QComboBox *>(dlg->Table()->cellWidget(0, CImportDlg::COL_TARGET));
        QVERIFY(target && target->currentIndex() > 0); // the database's own satellite
        const QString own = dlg->PreviewText()->toPlainText();
        target->setCurrentIndex(0); // a new satellite
        QVERIFY(dlg->PreviewText()->toPlainText() != own);
        dlg->reject();
        QTRY_VERIFY(!f.dlg->findChild<CImportDlg *>()); // gone once closed, and its plan with it
    }

    void importReadsOffTheWindowsThreadAndCancels()
    {
        EditorFixture f;
        f.OpenSample();
        const QString list = f.WriteFile("l.csv", "Satellite,Position,Frequency,Symbol rate,Polarisation\rA,1,,,\r");
        f.prompts.QueueFileName(list);
        QVERIFY(Trigger(f, "&Import..."));
        auto *progress = f.dlg->findChild<QProgressDialog *>();
        QVERIFY(progress && !f.dlg->findChild<CImportDlg *>());
        progress->findChild<QPushButton *>()->click();
        QTRY_VERIFY(!f.dlg->findChild<QProgressDialog *>());
        QVERIFY(!f.dlg->findChild<CImportDlg *>());
        QCOMPARE(f.prompts.MessageCount(), 0);
        f.prompts.QueueFileName(list); // not cancelled: the list comes
        QVERIFY(Trigger(f, "&Import..."));
        QTRY_VERIFY(f.dlg->findChild<CImportDlg *>());
        f.prompts.QueueFileName(list); // the window closes while this one reads: no hang
        QVERIFY(Trigger(f, "&Import..."));
    }

    void compareShowsWhatTheCliDiffSays_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("other file") << 9u;
        QTest::newRow("same file") << 7u;
    }
    void compareShowsWhatTheCliDiffSays()
    {
        QFETCH(quint32, seed);
        EditorFixture f;
        const QString a = f.OpenSample();
        const QString b = f.WriteFile("b.bin", SampleDatabase::Make({seed}));
        f.prompts.QueueFileName(b);
        QVERIFY(Trigger(f, "&Compare with file..."));
        CCompareDlg *compare = f.dlg->findChild<CCompareDlg *>();
        QVERIFY(compare && compare->isVisible());
        QProcess cli;
        cli.start(ORBIVANE_CLI, {"diff", a, b});
        QVERIFY(cli.waitForFinished(60000));
        const QString shown = compare->findChild<QPlainTextEdit *>()->toPlainText();
        QCOMPARE(shown.isEmpty() ? QString() : shown + '\n', QString::fromUtf8(cli.readAllStandardOutput()));
        QCOMPARE(shown.isEmpty(), seed == 7u);
    }

    void duplicatesAreTintedAndRemovedInOneUndoStep()
    {
        EditorFixture f;
        f.OpenSample("a.bin", 66); // the satellite shown first is in slot 0: the command is there for it too
        CTransponderList *list = f.dlg->Editor().TpList();
        const int rows = list->GetItemCount();
        list->OnCommand(CTransponderList::CMD_ADD_TP);
        list->OnCommand(CTransponderList::CMD_ADD_TP);
        QVERIFY(list->IsTinted(rows + 1) && !list->IsTinted(0));
        f.Click("applyTpButton");
        const auto stored = f.dlg->Document().TransponderRows(SelectedSlot(f));
        QVERIFY(Trigger(f, "Remove &duplicate transponders"));
        QCOMPARE(list->GetItemCount(), rows + 1);
        QVERIFY(!list->IsTinted(rows));
        QCOMPARE(f.dlg->UndoAction()->text(), QStringLiteral("&Undo Remove duplicates"));
        f.dlg->UndoAction()->trigger();
        QVERIFY(f.dlg->Document().TransponderRows(SelectedSlot(f)) == stored);
        f.SelectSatellite(0, Qt::ControlModifier); // no satellite: nothing to act on
        QVERIFY(!Trigger(f, "Remove &duplicate transponders"));
    }

    // Every row ticked by hand (Space on its box): the gauges follow the plan and stop at the
    // tables' sizes; a share typed in holds; Import is one undo step.
    void planKeepsTheTablesAndImportsInOneStep()
    {
        TempSettings settings;
        QVERIFY(Site::FromDegrees(50.0, 8.0)->WriteSetting());
        EditorFixture f;
        f.OpenSample();
        const auto before = f.dlg->Document().Satellites();
        CPlanDlg *dlg = OpenPlan(f, f.WriteFile("big.xml", PlanList(90, 40))); // 90 visible, 3600 transponders
        QVERIFY(dlg);
        QTRY_VERIFY(!dlg->IsReading() && dlg->Plan()->Count() > 90);
        QStringList keys; // each Alt key reaches one control
        for (QWidget *w : dlg->findChildren<QWidget *>()) {
            const QString text = qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text()
                                 : qobject_cast<QAbstractButton *>(w) ? static_cast<QAbstractButton *>(w)->text() : QString();
            if (!QKeySequence::mnemonic(text).isEmpty())
                keys << QKeySequence::mnemonic(text).toString();
        }
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        QVERIFY(keys.size() >= 8);
        QTableView *table = dlg->Table();
        const RegionPlan &plan = *dlg->Plan();
        QStringList aligned; // figures to the right, names and the yes/no columns as text
        for (int column = 0; column < PlanTableModel::COL_COUNT; ++column)
            aligned << (dlg->Model()->index(0, column).data(Qt::TextAlignmentRole).isValid() ? "R" : "L");
        QCOMPARE(aligned.join(""), "LLRRRRLLRR");
        const QModelIndex p12 = dlg->Model()->match(dlg->Model()->index(0, PlanTableModel::COL_NAME), Qt::DisplayRole, "P12").value(0);
        QCOMPARE(p12.siblingAtColumn(PlanTableModel::COL_POSITION).data().toString(), "18.0W"); // a place as the meter names it
        QCompleter *offered = dlg->findChild<QLineEdit *>("planSource")->completer(); // typing offers the published lists
        QVERIFY(offered);
        offered->setCompletionPrefix("HTTPS://");
        QVERIFY(offered->completionCount() >= 1);
        for (int row = 0; row < plan.Count(); ++row) {
            table->setCurrentIndex(dlg->Model()->index(row, PlanTableModel::COL_KEEP));
            QTest::keyClick(table, Qt::Key_Space);
            QCOMPARE(dlg->SatelliteGauge()->value(), plan.Satellites());
            QCOMPARE(dlg->TransponderGauge()->value(), plan.Transponders());
            QVERIFY(plan.Satellites() <= 64 && plan.Transponders() <= 2500);
        }
        int row = 0;
        while (!plan.At(row).ticked || !plan.At(row).Listed())
            ++row;
        table->setCurrentIndex(dlg->Model()->index(row, PlanTableModel::COL_SHARE));
        QTest::keyClick(table, Qt::Key_7); // opens the editor with the key typed over its text
        QLineEdit *editor = table->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(plan.At(row).kept, 7); // the delegate commits on its next turn
        QCOMPARE(dlg->TransponderGauge()->value(), plan.Transponders());
        const int satellites = plan.Satellites();
        QTest::mouseClick(dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(int(f.dlg->Document().Satellites().size()), satellites);
        QCOMPARE(f.dlg->UndoAction()->text(), "&Undo " + RegionPlan::StepName());
        f.dlg->UndoAction()->trigger();
        QVERIFY(f.dlg->Document().Satellites() == before);
        QVERIFY(!f.dlg->Document().IsModified());
    }

    // A reading stopped, failed or still running when the dialog closes leaves the plan as it
    // was, and the window with nothing changed.
    void planReadingStopsAndLosesNothing()
    {
        TempSettings settings;
        QVERIFY(Site::FromDegrees(-33.9, 18.4)->WriteSetting());
        EditorFixture f;
        f.OpenSample();
        CPlanDlg *dlg = OpenPlan(f, f.WriteFile("l.xml", PlanList(5, 4)));
        QTRY_VERIFY(dlg && !dlg->IsReading());
        const int rows = dlg->Plan()->Count();
        dlg->Model()->setData(dlg->Model()->index(0, PlanTableModel::COL_KEEP), Qt::Unchecked, Qt::CheckStateRole);
        const int satellites = dlg->Plan()->Satellites();
        std::atomic<bool> started{false};
        const auto stalls = [&started](const QString &, ReadProgress *progress) { // half way, until stopped
            ReadProgress::Report(progress, 1, 2);
            started = true;
            while (!progress->cancel)
                QThread::yieldCurrentThread();
            return ExchangeData::Fail("stopped");
        };
        dlg->SetReader(stalls);
        QTest::mouseClick(dlg->findChild<QPushButton *>("planRead"), Qt::LeftButton);
        QTRY_VERIFY(started && dlg->IsReading());
        const QProgressBar *bar = dlg->findChild<QProgressBar *>("planProgress");
        QTRY_VERIFY(bar->isVisible() && bar->value() > 0 && bar->value() * 2 == bar->maximum());
        const QString shown = dlg->PreviewText()->toPlainText(); // a change while reading: previewed, not importable
        dlg->Model()->setData(dlg->Model()->index(1, PlanTableModel::COL_KEEP), Qt::Unchecked, Qt::CheckStateRole);
        QTRY_VERIFY(dlg->PreviewText()->toPlainText() != shown);
        QVERIFY(!dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        dlg->Model()->setData(dlg->Model()->index(1, PlanTableModel::COL_KEEP), Qt::Checked, Qt::CheckStateRole);
        QTest::mouseClick(dlg->findChild<QPushButton *>("planStop"), Qt::LeftButton);
        QTRY_VERIFY(!dlg->IsReading());
        QCOMPARE(dlg->Plan()->Count(), rows);
        QCOMPARE(dlg->Plan()->Satellites(), satellites);
        QCOMPARE(f.prompts.MessageCount(), 0);
        dlg->SetReader(&CPlanDlg::ReadSource); // garbage: told, the plan as it was
        dlg->findChild<QLineEdit *>("planSource")->setText(f.WriteFile("g.xml", Pattern(5000)));
        QTest::mouseClick(dlg->findChild<QPushButton *>("planRead"), Qt::LeftButton);
        QTRY_COMPARE(f.prompts.MessageCount(), 1);
        QCOMPARE(dlg->Plan()->Satellites(), satellites);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(settings.UserDir())); // no cached copy
        dlg->findChild<QLineEdit *>("planSource")->setText("http://127.0.0.1:1/l.xml"); // nothing listens there
        QTest::mouseClick(dlg->findChild<QPushButton *>("planRead"), Qt::LeftButton);
        QTRY_COMPARE(f.prompts.MessageCount(), 2);
        QVERIFY(f.prompts.MessageTexts().last().startsWith("http://127.0.0.1:1/l.xml: "));
        QCOMPARE(dlg->Plan()->Satellites(), satellites);
        started = false;
        dlg->SetReader(stalls);
        QTest::mouseClick(dlg->findChild<QPushButton *>("planRead"), Qt::LeftButton);
        QTRY_VERIFY(started);
        QPointer<CPlanDlg> closing(dlg);
        QTest::keyClick(dlg, Qt::Key_Escape); // closes while reading: stopped, no hang
        QTRY_VERIFY(!closing);
        QVERIFY(!f.dlg->Document().IsModified());
    }

    void pointingSheet_data()
    {
        QTest::addColumn<QString>("out"); // as the file chooser gives it; "DB" links to the database
        QTest::addColumn<bool>("written");
        QTest::newRow("a PDF") << "s.pdf" << true;
        QTest::newRow("link to the database") << "DB.pdf" << false;
        QTest::newRow("a folder") << "d.pdf" << false;
        QTest::newRow("no ending") << "s" << false;
    }
    // By azimuth, every satellite of the database, written only where a PDF may go.
    void pointingSheet()
    {
        QFETCH(QString, out);
        TempSettings settings;
        const Site berlin = *Site::FromDegrees(52.52, 13.40);
        QVERIFY(berlin.WriteSetting());
        EditorFixture f;
        const QString db = f.OpenSample();
        const PointingSheet sheet(f.dlg->Document(), berlin);
        QCOMPARE(sheet.Rows().size(), f.dlg->Document().Satellites().size());
        for (size_t i = 1; i < sheet.Rows().size(); ++i)
            QVERIFY(sheet.Rows()[i - 1].angles.azimuth <= sheet.Rows()[i].angles.azimuth);
        // Azimuth, elevation, skew (signed), place; the angles worked out apart.
        QVERIFY(sheet.Html("t").contains(
            R"(<b>172.7</b></td><td align="right">29.7</td><td align="right">+4.5</td><td align="right">19.2E</td><td>ASTRA 1KR</td>)"));
        QVERIFY(QFile::link(db, f.dir.filePath("DB.pdf")) && QDir(f.dir.path()).mkdir("d.pdf"));
        const QByteArray image = TestFile::Read(db);
        f.prompts.QueueFileName(f.dir.filePath(out));
        QVERIFY(Trigger(f, "Export pointing &sheet..."));
        const QByteArray pdf = TestFile::Read(f.dir.filePath(out));
        QTEST(pdf.startsWith("%PDF") && pdf.contains(QByteArray("\0:\0 \0a\0.\0b\0i\0n)", 15)), "written"); // titled by the database
        QTEST(f.prompts.MessageCount() == 0, "written");
        QCOMPARE(TestFile::Read(db), image);
    }

    // A list that takes seconds to read shows how far the reading has got.
    void importProgressMoves()
    {
        EditorFixture f;
        f.OpenSample();
        f.prompts.QueueFileName(f.WriteFile("big.xml", "<satellites>" + QByteArray("<x/>").repeated(15 << 20)));
        QVERIFY(Trigger(f, "&Import..."));
        QPointer<QProgressDialog> progress = f.dlg->findChild<QProgressDialog *>();
        QTRY_VERIFY(progress && progress->value() > 0); // the window's end stops the reading
    }
};

QTEST_MAIN(TestExchangeDlg)
#include "tst_exchangedlg.moc"
