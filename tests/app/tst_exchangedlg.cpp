// The window's exchange with other files, through its menus and controls: the satellite filter,
// Import, Compare with file, and Remove duplicate transponders. What an import or a comparison
// computes is the core's and tested there.
#include "EditorFixture.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CCompareDlg.h"
#include "app/CImportDlg.h"
#include "app/CTransponderList.h"
#include "document/BackupArchive.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
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
