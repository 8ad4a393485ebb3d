// Transfers end to end through the transfer dialog and the main window's buttons, against the
// emulated meter, with recorded prompts in place of message boxes.
#include "SampleDatabase.h"
#include "WorkerRun.h"

#include "app/CMeterDlg.h"
#include "app/CTransferDlg.h"
#include "app/PortPanel.h"
#include "app/TransferCommands.h"
#include "document/BackupArchive.h"
#include "app/GuiPrompts.h"
#include "protocol/Transfer.h"
#include "protocol/TransferLogFolder.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString kLoadResult =
    QStringLiteral("Please keep Meter power on,wait about 2 Minutes, Meter restart automically!");
const QString kReadResult = QStringLiteral("finished transfer data!");

void Prepare(CTransferDlg &dlg, int kind, const QString &path, const MeterDevice &meter, int port = 0)
{
    dlg.SetTransfer(TransferKind(kind), path, port);
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
}

} // namespace

class TestTransferDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", m_dir.filePath("state").toLocal8Bit());
        m_db = m_dir.filePath("db.bin");
        m_update = m_dir.filePath("update.bin");
        QVERIFY(TestFile::Write(m_db, SampleDatabase::Make({7, 12, 30, 800}))); // sound: a write asks nothing
        QVERIFY(TestFile::Write(m_update, UpdateFile(0x42010009, 100000)));
    }

    // A read to its result (write and load: the main window's buttons), the ways a read fails: the
    // dialog shows the worker's boxes only, then closes; no file is written. Without a worker (no
    // such kind, a file that cannot be read) it stays open, untouched, until its button is pressed.
    // Cancelled in mid-transfer (each way of closing and each kind once, against a meter gone
    // silent) it waits for its worker, shows nothing, and the meter is told the PC gave up. By then
    // the line under the progress text tells the bytes, the rate and the time left. Every worker
    // leaves a log.
    void transferEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("fault"); // -1: the device does not open
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("how"); // 0 ends by itself; 1 button with no worker; in mid-transfer 2 button, 3 Escape, 4 close box
        const int none = int(Fault::None), read = int(TK_READ_PARAMS), write = int(TK_WRITE_PARAMS), load = int(TK_LOAD_SOFTWARE);
        QTest::newRow("read") << read << none << QStringList{kReadResult} << 0;
        QTest::newRow("no device") << read << -1 << QStringList{"com3 connect failure"} << 0;
        QTest::newRow("kind 5") << 5 << none << QStringList() << 1;
        QTest::newRow("unreadable file") << load << none << QStringList{"Can not read the specified file!"} << 1;
        QTest::newRow("read, button") << read << int(Fault::Silence) << QStringList() << 2;
        QTest::newRow("write, Escape") << write << int(Fault::Silence) << QStringList() << 3;
        QTest::newRow("load, close box") << load << int(Fault::Silence) << QStringList() << 4;
    }

    void transferEnds()
    {
        QFETCH(int, kind);
        QFETCH(int, fault);
        QFETCH(int, how);
        TempSettings settings; // no ORBIVANE_COM<n>: COM3 is nothing here
        MeterDevice meter({}, WithFault(fault < 0 ? Fault::None : Fault(fault), fault == int(Fault::Silence) ? 3 : 1));
        QVERIFY(meter.Start());
        RecordingPrompts prompts;
        CTransferDlg dlg(prompts);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("transfering data"));
        QCOMPARE(dlg.Button()->text(), QStringLiteral("Cancel"));
        const QString read = m_dir.filePath(QTest::currentDataTag());
        Prepare(dlg, kind, how == 1 ? m_dir.filePath("absent.bin") : kind == TK_READ_PARAMS ? read : kind == TK_WRITE_PARAMS ? m_db : m_update, meter, 3);
        if (fault < 0)
            dlg.SetDevicePath(m_dir.filePath("no-such-device"));
        QStringList texts;
        connect(&dlg, &CTransferDlg::progressTextChanged, this, [&](const QString &t) { texts << t; });
        int openFailure = 0; // what the port doctor is told
        connect(&dlg, &CTransferDlg::portFailed, this, [&](const QString &, int failure) { openFailure = failure; });
        // Closes the dialog once it has stood open with no worker for six ticks, or once the
        // transfer is under way.
        int idle = 0;
        QString pressedOn, rate;
        const QDir logs(TransferLogFolder::Path());
        const qsizetype logsBefore = logs.entryList(QDir::Files).size();
        QTimer press;
        connect(&press, &QTimer::timeout, this, [&] {
            if (!dlg.isVisible() || !pressedOn.isEmpty() || (how == 1 ? dlg.WorkerRunning() || ++idle < 6 : dlg.ProgressBar()->value() == 0))
                return;
            pressedOn = QStringLiteral("%1|%2").arg(dlg.ProgressLabel()->text()).arg(dlg.ProgressBar()->value());
            rate = dlg.RateLabel()->text();
            how == 3 ? QTest::keyClick(&dlg, Qt::Key_Escape) : how == 4 ? (void)dlg.close() : dlg.Button()->click();
        });
        if (how > 0)
            press.start(20);
        dlg.exec();
        QCOMPARE(openFailure, fault < 0 ? ENOENT : 0);
        QVERIFY(!dlg.WorkerRunning());
        const bool success = fault == int(Fault::None) && how == 0;
        QCOMPARE(dlg.Succeeded(), success);
        QCOMPARE(pressedOn.isEmpty(), how == 0);
        if (how == 1)
            QVERIFY(pressedOn == "|0" && meter.FramesReceived() == 0);
        QTEST(prompts.MessageTexts(), "messages");
        if (success) // the worker's texts reach the dialog; the bytes are the workers' tests' concern
            QCOMPARE(prompts.Messages()[0].caption, QStringLiteral("Warnning"));
        if (success && kind == TK_READ_PARAMS)
            QVERIFY(texts.front() == "transfer progress 0%" && texts.size() == 17 && dlg.ProgressBar()->value() == 100);
        else if ((success || how > 1) && kind != TK_READ_PARAMS)
            QVERIFY(meter.WaitForEnd(1, 2000));
        QCOMPARE(QFile::exists(read), success && kind == TK_READ_PARAMS);
        // A read has a rate from its first chunk; a write or load first reports 0 bytes.
        if (how > 1)
            QVERIFY2(QRegularExpression(kind == TK_READ_PARAMS ? R"(^\d+\.\d of 235\.6 KiB, \d+\.\d KiB/s, \d+:\d\d left$)"
                                                               : R"(^\d+\.\d of (235\.6|97\.7) KiB(, \d+\.\d KiB/s, \d+:\d\d left)?$)").match(rate).hasMatch(), qPrintable(rate));
        // At the end the last figures stand, without a time left.
        if (success || how > 1)
            QVERIFY2(QRegularExpression(success ? R"(^235\.6 of 235\.6 KiB, \d+\.\d KiB/s$)" : R"(^\d+\.\d of (235\.6|97\.7) KiB(, \d+\.\d KiB/s)?$)")
                         .match(dlg.RateLabel()->text()).hasMatch(), qPrintable(dlg.RateLabel()->text()));
        QCOMPARE(logs.entryList(QDir::Files).size(), logsBefore + (fault >= 0 && kind != 5 ? 1 : 0));
    }

    // Destroyed in mid-transfer (the window it belongs to goes): the worker is stopped and waited
    // for, with no hang, and the meter is told the PC gave up.
    void destroyedInMidTransfer()
    {
        MeterDevice meter({}, WithFault(Fault::Silence, 3));
        QVERIFY(meter.Start());
        RecordingPrompts prompts;
        auto dlg = std::make_unique<CTransferDlg>(prompts);
        Prepare(*dlg, TK_WRITE_PARAMS, m_db, meter, 3);
        QVERIFY(dlg->OnInitDialog() && dlg->WorkerRunning());
        QVERIFY(WaitUntil([&] { return dlg->ProgressBar()->value() > 0; }));
        dlg.reset();
        QVERIFY(meter.WaitForEnd(1, 2000));
        QCOMPARE(prompts.MessageCount(), 0);
    }

    // Write needs a passed connection test and asks for no file without one; then each button
    // runs its transfer to the end; a cancelled file dialog starts nothing.
    void buttonsOfTheMainWindow()
    {
        TempSettings settings;
        TempDataHome data; // the read is kept in the archive there
        const QByteArray sound = TestFile::Read(m_db); // read, then written back without a question
        MeterDevice meter({}, {std::vector<uint8_t>(sound.begin(), sound.end())});
        QVERIFY(meter.Start());
        qputenv("ORBIVANE_COM1", QByteArray::fromStdString(meter.SlavePath()));
        RecordingPrompts prompts;
        CMeterDlg main(prompts);
        prompts.QueueFileName(m_db);
        main.Transfers().OnWriteParameters();
        QCOMPARE(prompts.MessageTexts(), QStringList{"please choose one correct COM port to connect your meter."});
        QCOMPARE(prompts.OpenFileName(QString()), m_db); // still queued: nobody asked for it
        QVERIFY(main.OnInitDialog() && main.Port().Connected() == 1); // tests COM1: the meter answers
        // Each step waits until the meter has read the PC's FT_END: opening the port again
        // flushes what a pseudo-terminal still holds for the meter.
        QVERIFY(meter.WaitForEnd(1, 2000));
        const QString file = m_dir.filePath("main-read.bin");
        // Through the window's own buttons, as the user starts them.
        const auto click = [&main](const QString &text) {
            for (QPushButton *b : main.findChildren<QPushButton *>())
                if (b->text() == text)
                    QTest::mouseClick(b, Qt::LeftButton);
        };
        const std::vector<std::pair<QString, QString>> steps{
            {"&Read parameters", file}, {"&Write parameters", file}, {"&load software", m_update}};
        int ends = 1;
        for (const auto &[step, path] : steps) {
            const bool read = step == "&Read parameters";
            prompts.Clear();
            prompts.QueueFileName(path);
            click(step);
            QCOMPARE(prompts.MessageTexts(), QStringList{read ? kReadResult : kLoadResult});
            QVERIFY(meter.WaitForEnd(ends += read ? 0 : 1, 2000)); // the PC ends no read
        }
        QVERIFY(TestFile::Read(file) == sound);
        // A file too large for the backups to keep is read over only when the user says so.
        const QByteArray huge(int(BackupArchive::MAX_KEPT_BYTES) + 1, 'h');
        QVERIFY(TestFile::Write(m_dir.filePath("huge.bin"), huge));
        prompts.Clear();
        prompts.QueueFileName(m_dir.filePath("huge.bin"));
        main.Transfers().OnReadParameters(); // answered No
        QVERIFY(prompts.Questions().size() == 1 && prompts.Questions().front().text.contains("no copy kept"));
        QVERIFY(TestFile::Read(m_dir.filePath("huge.bin")) == huge && prompts.MessageCount() == 0);
        const auto kept = main.Archive().Entries();
        QVERIFY(kept.size() == 1 && kept.front().series == "meter-42010203" && TestFile::Read(kept.front().filePath) == sound);
        QVERIFY(Bytes(meter.ReceivedImage()) == TestFile::Read(m_update).mid(4));
        prompts.Clear();
        const int frames = meter.FramesReceived();
        for (const auto &step : steps)
            click(step.first);
        QVERIFY(prompts.MessageCount() == 0 && meter.FramesReceived() == frames);
        qunsetenv("ORBIVANE_COM1");
    }

    // The worker's box crosses to the GUI thread and blocks it until answered; the result box
    // comes from the dialog itself. A dialog told to close while its worker waits for a box still
    // serves the box, then finishes once the worker has ended, which shows nothing more.
    void realMessageBoxes_data()
    {
        QTest::addColumn<bool>("closeAtBox");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("error") << false << QStringList{"Unknown frame 7!", "An error ocurred when transfering. code:2\nPlease restart the STB."};
        QTest::newRow("closed at the first box") << true << QStringList{"Unknown frame 7!"};
    }

    void realMessageBoxes()
    {
        QFETCH(bool, closeAtBox);
        MeterDevice meter({}, WithFault(Fault::UnexpectedType, 2, 7));
        QVERIFY(meter.Start());
        GuiPrompts prompts;
        CTransferDlg dlg(prompts);
        // Answers each box as a person would, on the tick after it came up; the mark goes on the
        // box, as a later box may reuse an earlier one's address.
        QStringList seen;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (!box || !box->isVisible() || box->property("answered").toBool())
                    continue;
                if (box->property("seen").toBool()) {
                    box->setProperty("answered", true);
                    box->done(QMessageBox::Ok);
                    continue;
                }
                box->setProperty("seen", true);
                seen << box->text();
                if (closeAtBox)
                    QMetaObject::invokeMethod(&dlg, &QDialog::reject, Qt::QueuedConnection);
            }
        });
        answer.start(20);
        Prepare(dlg, TK_READ_PARAMS, m_dir.filePath(QTest::currentDataTag()), meter);
        dlg.exec();
        QVERIFY(!dlg.WorkerRunning());
        QTEST(seen, "texts");
        QVERIFY(!QFile::exists(dlg.Path()));
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
    QString m_update;
};

QTEST_MAIN(TestTransferDlg)
#include "tst_transferdlg.moc"
