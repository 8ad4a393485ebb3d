// Transfers end to end through the transfer dialog and the main window's buttons, against the
// emulated meter, with recorded prompts in place of message boxes.
#include "../protocol/WorkerRun.h"

#include "app/CMeterDlg.h"
#include "app/CTransferDlg.h"
#include "app/GuiPrompts.h"
#include "protocol/Transfer.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString kLoadResult =
    QStringLiteral("Please keep Meter power on,wait about 2 Minutes, Meter restart automically!");
const QString kReadResult = QStringLiteral("finished transfer data!");

void Prepare(CTransferDlg &dlg, int kind, const QString &path, const MeterDevice &meter)
{
    dlg.m_kind = TransferKind(kind);
    dlg.m_path = path;
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
}

// Answers every message box that comes up, as a person would, and remembers its text.
// onBox runs first, with the box still up.
struct BoxAnswerer {
    explicit BoxAnswerer(std::function<void()> onBox = {}) : hook(std::move(onBox))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                // The mark goes on the box: a later box may reuse an earlier one's address.
                if (!box || !box->isVisible() || box->property("answered").toBool())
                    continue;
                if (!box->property("seen").toBool()) {
                    box->setProperty("seen", true);
                    texts << box->text();
                    if (hook)
                        hook();
                    continue; // answer on a later tick, after the hook's effects
                }
                box->setProperty("answered", true);
                box->done(QMessageBox::Ok);
            }
        });
        timer.start(20);
    }
    QTimer timer;
    QStringList texts;
    std::function<void()> hook;
};

} // namespace

class TestTransferDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_db = m_dir.filePath("db.bin");
        m_update = m_dir.filePath("update.bin");
        QVERIFY(TestFile::Write(m_db, Bytes(MeterDevice::DefaultImage())));
        QVERIFY(TestFile::Write(m_update, UpdateFile(0x42010009, 100000)));
    }

    // Each kind once to its result, the ways a read fails: the dialog shows the worker's boxes
    // only, then closes; no file is written. Without a worker (no such kind, a file that cannot
    // be read) it stays open, untouched, until its button is pressed.
    void transferEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("fault"); // -1: the device does not open
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("waits");
        const int none = int(Fault::None), read = int(TK_READ_PARAMS);
        QTest::newRow("read") << read << none << QStringList{kReadResult} << false;
        QTest::newRow("write") << int(TK_WRITE_PARAMS) << none << QStringList{kLoadResult} << false;
        QTest::newRow("load") << int(TK_LOAD_SOFTWARE) << none << QStringList{kLoadResult} << false;
        QTest::newRow("no device") << read << -1 << QStringList{"com3 connect failure"} << false;
        QTest::newRow("error") << read << int(Fault::SecondIdent)
                               << QStringList{"An error ocurred when transfering. code:1\nPlease restart the STB."} << false;
        QTest::newRow("hang-up") << read << int(Fault::HangUp) << QStringList{"(the system's text)"} << false;
        QTest::newRow("kind 5") << 5 << none << QStringList() << true;
        QTest::newRow("unreadable file") << int(TK_LOAD_SOFTWARE) << none << QStringList{"Can not read the specified file!"} << true;
    }

    void transferEnds()
    {
        QFETCH(int, kind);
        QFETCH(int, fault);
        QFETCH(QStringList, messages);
        QFETCH(bool, waits);
        TempSettings settings; // no ORBIVANE_COM<n>: COM3 is nothing here
        MeterDevice meter({}, WithFault(fault < 0 ? Fault::None : Fault(fault), 1));
        QVERIFY(meter.Start());
        RecordingPrompts prompts;
        CTransferDlg dlg(prompts);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("transfering data"));
        QCOMPARE(dlg.Button()->text(), QStringLiteral("Cancel"));
        const QString read = m_dir.filePath(QTest::currentDataTag());
        Prepare(dlg, kind, waits ? m_dir.filePath("absent.bin") : kind == TK_READ_PARAMS ? read : kind == TK_WRITE_PARAMS ? m_db : m_update, meter);
        dlg.m_portNumber = 3;
        if (fault < 0)
            dlg.SetDevicePath(m_dir.filePath("no-such-device"));
        QStringList texts;
        connect(&dlg, &CTransferDlg::progressTextChanged, this, [&](const QString &t) { texts << t; });
        // Presses the button once the dialog has stood open with no worker for six ticks.
        int idle = 0;
        QString pressedOn;
        QTimer press;
        connect(&press, &QTimer::timeout, this, [&] {
            if (!dlg.isVisible() || dlg.WorkerRunning() || ++idle < 6)
                return;
            pressedOn = QStringLiteral("%1|%2").arg(dlg.ProgressLabel()->text()).arg(dlg.ProgressBar()->value());
            dlg.Button()->click();
        });
        if (waits)
            press.start(50);
        dlg.exec();
        QVERIFY(!dlg.WorkerRunning());
        const bool success = fault == int(Fault::None) && !waits;
        QCOMPARE(dlg.Succeeded(), success);
        QCOMPARE(pressedOn, waits ? QStringLiteral("|0") : QString());
        if (fault == int(Fault::HangUp))
            QVERIFY(prompts.MessageCount() == 1 && prompts.Messages()[0].caption == "Serial Communication Device Error");
        else
            QCOMPARE(prompts.MessageTexts(), messages);
        if (success) // the worker's texts reach the dialog; the bytes are the workers' tests' concern
            QCOMPARE(prompts.Messages()[0].caption, QStringLiteral("Warnning"));
        if (success && kind == TK_READ_PARAMS)
            QVERIFY(texts.front() == "transfer progress 0%" && texts.size() == 17 && dlg.ProgressBar()->value() == 100);
        else if (success)
            QVERIFY(meter.WaitForEnd(1, 2000));
        QCOMPARE(QFile::exists(read), success && kind == TK_READ_PARAMS);
        if (waits)
            QCOMPARE(meter.FramesReceived(), 0);
    }

    // Each way of closing and each kind once: the dialog waits for its worker, then lets the port go.
    void cancelInMidTransfer_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("how"); // 0 button, 1 Escape, 2 close box
        QTest::newRow("read, button") << int(TK_READ_PARAMS) << 0;
        QTest::newRow("write, Escape") << int(TK_WRITE_PARAMS) << 1;
        QTest::newRow("load, close box") << int(TK_LOAD_SOFTWARE) << 2;
    }

    void cancelInMidTransfer()
    {
        QFETCH(int, kind);
        QFETCH(int, how);
        const QString target = m_dir.filePath("cancel-read.bin");
        QFile::remove(target);
        // A meter that stops answering in the middle: read and load would wait for ever.
        MeterDevice meter({}, WithFault(Fault::Silence, 3));
        QVERIFY(meter.Start());
        RecordingPrompts prompts;
        CTransferDlg dlg(prompts);
        Prepare(dlg, kind, kind == TK_READ_PARAMS ? target : kind == TK_WRITE_PARAMS ? m_db : m_update, meter);
        dlg.open();
        QVERIFY(dlg.OnInitDialog());
        QVERIFY(WaitUntil([&] { return dlg.ProgressBar()->value() > 0; }));
        QSignalSpy finished(&dlg, &QDialog::finished);
        if (how == 0)
            dlg.Button()->click();
        else if (how == 1)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
        // The dialog finishes once the worker has gone (the soak checks the port is closed).
        QVERIFY(WaitUntil([&] { return finished.count() == 1; }, 2000));
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.WorkerRunning());
        QCOMPARE(prompts.MessageCount(), 0);
        QVERIFY(!dlg.Succeeded());
        if (kind != TK_READ_PARAMS)
            QVERIFY(meter.WaitForEnd(1, 2000)); // the meter is told the PC gave up
        else
            QVERIFY(!QFile::exists(target));
    }

    // Write needs a passed connection test and asks for no file without one; then each button
    // runs its transfer to the end; a cancelled file dialog starts nothing.
    void buttonsOfTheMainWindow()
    {
        TempSettings settings;
        MeterDevice meter;
        QVERIFY(meter.Start());
        qputenv("ORBIVANE_COM1", QByteArray::fromStdString(meter.SlavePath()));
        RecordingPrompts prompts;
        CMeterDlg main(prompts);
        prompts.QueueFileName(m_db);
        main.OnWriteParameters();
        QCOMPARE(prompts.MessageTexts(), QStringList{"please choose one correct COM port to connect your meter."});
        QCOMPARE(prompts.OpenFileName(QString()), m_db); // still queued: nobody asked for it
        QVERIFY(main.OnInitDialog() && main.Connected() == 1); // tests COM1: the meter answers
        // Each step waits until the meter has read the PC's FT_END: opening the port again
        // flushes what a pseudo-terminal still holds for the meter.
        QVERIFY(meter.WaitForEnd(1, 2000));
        const QString file = m_dir.filePath("main-read.bin");
        const std::vector<std::pair<void (CMeterDlg::*)(), QString>> steps{
            {&CMeterDlg::OnReadParameters, file}, {&CMeterDlg::OnWriteParameters, file}, {&CMeterDlg::OnLoadSoftware, m_update}};
        int ends = 1;
        for (const auto &[step, path] : steps) {
            const bool read = step == &CMeterDlg::OnReadParameters;
            prompts.Clear();
            prompts.QueueFileName(path);
            (main.*step)();
            QCOMPARE(prompts.MessageTexts(), QStringList{read ? kReadResult : kLoadResult});
            QVERIFY(meter.WaitForEnd(ends += read ? 0 : 1, 2000)); // the PC ends no read
        }
        QVERIFY(TestFile::Read(file) == Bytes(MeterDevice::DefaultImage()));
        QVERIFY(Bytes(meter.ReceivedImage()) == TestFile::Read(m_update).mid(4));
        prompts.Clear();
        const int frames = meter.FramesReceived();
        for (const auto &step : steps)
            (main.*step.first)();
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
        QFETCH(QStringList, texts);
        MeterDevice meter({}, WithFault(Fault::UnexpectedType, 2, 7));
        QVERIFY(meter.Start());
        GuiPrompts prompts;
        CTransferDlg dlg(prompts);
        BoxAnswerer answerer([&] {
            if (closeAtBox)
                QMetaObject::invokeMethod(&dlg, &QDialog::reject, Qt::QueuedConnection);
        });
        Prepare(dlg, TK_READ_PARAMS, m_dir.filePath(QTest::currentDataTag()), meter);
        dlg.exec();
        QVERIFY(!dlg.WorkerRunning());
        QCOMPARE(answerer.texts, texts);
        QVERIFY(!QFile::exists(dlg.m_path));
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
    QString m_update;
};

QTEST_MAIN(TestTransferDlg)
#include "tst_transferdlg.moc"
