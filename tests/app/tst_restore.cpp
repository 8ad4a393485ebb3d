// File > Restore a backup: the dialog's list, and a kept version put back into the window.
#include "EditorFixture.h"
#include "SampleDatabase.h"

#include "app/CCompareDlg.h"
#include "app/CRestoreDlg.h"
#include "app/CTransponderList.h"
#include "document/BackupArchive.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>

class TestRestore : public QObject
{
    Q_OBJECT
private slots:
    // A meter's image goes byte for byte into the open database as one undoable step, saved by
    // Apply (which keeps the file it replaces); with nothing open, into a file the user names.
    void restoreABackup_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("into the open database") << true;
        QTest::newRow("nothing open: a new file") << false;
    }

    void restoreABackup()
    {
        QFETCH(bool, open);
        EditorFixture f;
        const QByteArray kept = SampleDatabase::Make({9});
        QVERIFY(f.dlg->Archive().KeepRead(kept, 0x42010203));
        // Older: a damaged image, marked but offered; a FIFO under a version's name, shown only.
        ParamDatabase damaged;
        QVERIFY(damaged.FromBytes(kept));
        damaged.SatHeader().SetCount(0);
        const QString old = f.dlg->Archive().Folder() + "/meter-%1~read~20000101-000000-000-1.bin";
        QVERIFY(TestFile::Write(old.arg("0BAD0000"), damaged.ToBytes()));
        QCOMPARE(mkfifo(QFile::encodeName(old.arg("0BAD0001")).constData(), 0600), 0);
        CRestoreDlg list(f.dlg->Archive(), open);
        QTRY_VERIFY(list.IsDescribed());
        QCOMPARE(list.List()->topLevelItem(1)->text(3), "not a version (not a regular file)");
        QVERIFY(!(list.List()->topLevelItem(1)->flags() & Qt::ItemIsSelectable));
        QCOMPARE(list.List()->topLevelItem(2)->text(3), "12 satellites, 193 transponders, fails the structure check");
        QTreeWidgetItem *row = list.List()->topLevelItem(0);
        QVERIFY(row && !list.OpenButton()->isEnabled());
        QCOMPARE(list.CompareButton()->isVisibleTo(&list), open);
        QStringList keys; // one button per Alt key
        for (QAbstractButton *b : list.findChildren<QAbstractButton *>()) {
            keys << QKeySequence::mnemonic(b->text()).toString();
            QVERIFY2(keys.last().isEmpty() || keys.count(keys.last()) == 1, qPrintable(b->text()));
        }
        QCOMPARE(row->text(0) + '|' + row->text(2) + '|' + row->text(3).section(',', 0, 0), "meter 42010203|read from meter|12 satellites");
        row->setSelected(true);
        QVERIFY(list.OpenButton()->isEnabled());

        const QString path = open ? f.OpenSample() : f.dir.filePath("restored.bin");
        const QByteArray before = TestFile::Read(path);
        if (open) { // rows typed and not applied: asked first; No keeps them and the database as they are
            CTransponderList *rows = f.dlg->Editor().TpList();
            const QString typed = rows->GetItemText(0, 1);
            rows->SetItemText(0, 1, QStringLiteral("5555"));
            f.prompts.QueueAnswer(false);
            QVERIFY(!f.dlg->RestoreBackup(list.ChosenFile()));
            QVERIFY(f.prompts.Questions().size() == 1 && f.prompts.Questions().front().text.contains("restoring the backup drops them"));
            QVERIFY(rows->GetItemText(0, 1) == "5555" && f.dlg->Document().Database().ToBytes() == before);
            rows->SetItemText(0, 1, typed);
        }
        f.prompts.QueueFileName(path);
        QVERIFY(f.dlg->RestoreBackup(list.ChosenFile()));
        QVERIFY(f.dlg->Document().Database().ToBytes() == kept && f.dlg->Document().Path() == path);
        QCOMPARE(TestFile::Read(path), open ? before : kept); // open: written by the next Apply only
        if (!open)
            return;
        QCOMPARE(f.dlg->UndoAction()->text(), QStringLiteral("&Undo Restore backup"));
        f.dlg->OnUndo();
        QCOMPARE(f.dlg->Document().Database().ToBytes(), before);
        f.dlg->OnRedo();
        f.Click("applySatButton"); // Apply stores the shown rows again, then saves
        QCOMPARE(TestFile::Read(path), f.dlg->Document().Database().ToBytes());
        const auto versions = f.dlg->Archive().Entries(path);
        QVERIFY(versions.size() == 1 && TestFile::Read(versions.front().filePath) == before);

        // Compare, from the dialog the menu opens: the compare window shows the newest version
        // (the file before Apply) against the database, beside the list, and closes with it.
        bool compared = false;
        QTimer::singleShot(0, [&compared] {
            auto *dlg = qobject_cast<CRestoreDlg *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->List()->topLevelItem(0)->setSelected(true);
            QTest::mouseClick(dlg->CompareButton(), Qt::LeftButton);
            const auto *compare = dlg->findChild<CCompareDlg *>();
            compared = compare && compare->isVisible() && dlg->isVisible() && !compare->Report().isEmpty();
            dlg->reject();
        });
        f.dlg->OnRestoreBackup();
        QVERIFY(compared && !f.dlg->findChild<CCompareDlg *>());
    }

    // A backup folder that cannot be made: every Apply still saves, and the user is told once.
    void unkeptBackupIsToldOnce()
    {
        EditorFixture f;
        const QString folder = f.dlg->Archive().Folder(), path = f.OpenSample();
        QVERIFY(QDir().mkpath(folder) && QDir(folder).removeRecursively() && TestFile::Write(folder, "in the way"));
        for (const char *frequency : {"3333", "3334"}) {
            f.dlg->Editor().TpList()->SetItemText(0, 1, frequency);
            f.Click("applySatButton");
            QCOMPARE(TestFile::Read(path), f.dlg->Document().Database().ToBytes());
        }
        QCOMPARE(f.prompts.MessageTexts().filter("A backup copy could not be kept:\n" + folder).size(), 1);
    }
};

QTEST_MAIN(TestRestore)
#include "tst_restore.moc"
