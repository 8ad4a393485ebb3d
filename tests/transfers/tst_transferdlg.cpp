// Transfers end to end through the transfer dialog and the main window's buttons, against the
// emulated meter, with recorded prompts in place of message boxes.
#include "MeterDevice.h"
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CMeterDlg.h"
#include "app/GuiPrompts.h"
#include "app/CTransferDlg.h"
#include "protocol/Transfer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using Fault = MeterDevice::Fault;
const QString kLoadResult =
    QStringLiteral("Please keep Meter power on,wait about 2 Minutes, Meter restart automically!");

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Bytes(const std::vector<uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size()));
}

QByteArray UpdateFile(int image)
{
    QByteArray f(4 + image, 'u');
    f[0] = 9;
    f[1] = 0;
    f[2] = 1;
    f[3] = 0x42;
    return f;
}

int OpenDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::Files).size());
}

} // namespace

class TestTransferDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readShowsResultAndWritesFile();
    void writeAndLoadShowTheirResult_data();
    void writeAndLoadShowTheirResult();
    void connectFailureClosesAtOnce();
    void errorClosesWithoutResult();
    void unreadableFileLeavesDialogOpen();
    void kindWithoutWorkerWaitsForButton();
    void cancelInMidTransfer_data();
    void cancelInMidTransfer();
    void hangUpClosesTheDialog();
    void buttonsOfTheMainWindow();
    void realMessageBoxesFromTheWorker();
    void closedWhileTheWorkerShowsABox();

private:
    QTemporaryDir m_dir;
    QString m_db;
};

void TestTransferDlg::initTestCase()
{
    m_db = m_dir.filePath("db.bin");
    QVERIFY(WriteAll(m_db, Bytes(MeterDevice::DefaultImage())));
}

void TestTransferDlg::readShowsResultAndWritesFile()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    RecordingPrompts prompts;
    const QString file = m_dir.filePath("read.bin");
    CTransferDlg dlg(prompts);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("transfering data"));
    QCOMPARE(dlg.Button()->text(), QStringLiteral("Cancel"));
    QCOMPARE(dlg.ProgressBar()->value(), 0);
    dlg.m_kind = TK_READ_PARAMS;
    dlg.m_path = file;
    dlg.m_portNumber = 2;
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    QStringList texts;
    connect(&dlg, &CTransferDlg::progressTextChanged, this, [&](const QString &t) { texts << t; });
    dlg.exec();
    QVERIFY(!dlg.WorkerRunning());
    QVERIFY(dlg.Succeeded());
    QCOMPARE(prompts.MessageCount(), 1);
    QCOMPARE(prompts.Messages()[0].text, QStringLiteral("finished transfer data!"));
    QCOMPARE(prompts.Messages()[0].caption, QStringLiteral("Warnning"));
    QCOMPARE(dlg.ProgressBar()->value(), 100);
    QCOMPARE(texts.front(), QStringLiteral("transfer progress 0%"));
    QCOMPARE(texts.back(), QStringLiteral("transfer progress 100%"));
    QCOMPARE(texts.size(), 17);
    QVERIFY(ReadAll(file) == Bytes(MeterDevice::DefaultImage()));
}

void TestTransferDlg::writeAndLoadShowTheirResult_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("write") << int(TK_WRITE_PARAMS);
    QTest::newRow("load") << int(TK_LOAD_SOFTWARE);
}

void TestTransferDlg::writeAndLoadShowTheirResult()
{
    QFETCH(int, kind);
    const QString update = m_dir.filePath("update.bin");
    QVERIFY(WriteAll(update, UpdateFile(70000)));
    MeterDevice meter;
    QVERIFY(meter.Start());
    RecordingPrompts prompts;
    CTransferDlg dlg(prompts);
    dlg.m_kind = kind;
    dlg.m_path = kind == TK_WRITE_PARAMS ? m_db : update;
    dlg.m_portNumber = 1;
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.exec();
    QVERIFY(dlg.Succeeded());
    QCOMPARE(prompts.MessageTexts(), QStringList{kLoadResult});
    QCOMPARE(prompts.Messages()[0].caption, QStringLiteral("Warnning"));
    QVERIFY(meter.WaitForEnd(1, 2000));
    const QByteArray sent = ReadAll(dlg.m_path);
    QVERIFY(Bytes(meter.ReceivedImage()) == (kind == TK_WRITE_PARAMS ? sent : sent.mid(4)));
}

void TestTransferDlg::connectFailureClosesAtOnce()
{
    TempSettings settings; // no ORBIVANE_COM<n>: COM3 is nothing here
    RecordingPrompts prompts;
    CTransferDlg dlg(prompts);
    dlg.m_kind = TK_READ_PARAMS;
    dlg.m_path = m_dir.filePath("never.bin");
    dlg.m_portNumber = 3;
    dlg.SetDevicePath(m_dir.filePath("no-such-device"));
    dlg.exec();
    QCOMPARE(prompts.MessageTexts(), QStringList{"com3 connect failure"});
    QVERIFY(!dlg.WorkerRunning());
    QVERIFY(!QFile::exists(dlg.m_path));
}

void TestTransferDlg::errorClosesWithoutResult()
{
    MeterDevice::Transfer t;
    t.fault = Fault::SecondIdent;
    t.faultStep = 1;
    MeterDevice meter({}, t);
    QVERIFY(meter.Start());
    RecordingPrompts prompts;
    CTransferDlg dlg(prompts);
    dlg.m_kind = TK_READ_PARAMS;
    dlg.m_path = m_dir.filePath("error.bin");
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.exec();
    QVERIFY(!dlg.Succeeded());
    QCOMPARE(prompts.MessageTexts(),
             QStringList{"An error ocurred when transfering. code:1\nPlease restart the STB."});
}

void TestTransferDlg::unreadableFileLeavesDialogOpen()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    RecordingPrompts prompts;
    CTransferDlg dlg(prompts);
    dlg.m_kind = TK_LOAD_SOFTWARE;
    dlg.m_path = m_dir.filePath("absent.bin");
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.open();
    QVERIFY(dlg.OnInitDialog());
    QVERIFY(WaitUntil([&] { return !dlg.WorkerRunning(); }));
    QCOMPARE(prompts.MessageTexts(), QStringList{"Can not read the specified file!"});
    QVERIFY(!WaitUntil([&] { return !dlg.isVisible(); }, 300));
    QCOMPARE(dlg.ProgressLabel()->text(), QString());
    QCOMPARE(dlg.ProgressBar()->value(), 0);
    dlg.Button()->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(meter.FramesReceived(), 0);
}

void TestTransferDlg::kindWithoutWorkerWaitsForButton()
{
    MeterDevice meter;
    QVERIFY(meter.Start());
    RecordingPrompts prompts;
    CTransferDlg dlg(prompts);
    dlg.m_kind = 5;
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.open();
    QVERIFY(dlg.OnInitDialog());
    QVERIFY(!dlg.WorkerRunning());
    QVERIFY(!WaitUntil([&] { return !dlg.isVisible(); }, 300));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(meter.FramesReceived(), 0);
    QCOMPARE(prompts.MessageCount(), 0);
}

void TestTransferDlg::cancelInMidTransfer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("how"); // 0 button, 1 Escape, 2 close box
    for (int kind : {int(TK_READ_PARAMS), int(TK_WRITE_PARAMS), int(TK_LOAD_SOFTWARE)}) {
        QTest::addRow("kind %d, button", kind) << kind << 0;
        QTest::addRow("kind %d, Escape", kind) << kind << 1;
        QTest::addRow("kind %d, close box", kind) << kind << 2;
    }
}

void TestTransferDlg::cancelInMidTransfer()
{
    QFETCH(int, kind);
    QFETCH(int, how);
    const QString update = m_dir.filePath("cancel-update.bin");
    QVERIFY(WriteAll(update, UpdateFile(100000)));
    const QString target = m_dir.filePath("cancel-read.bin");
    QFile::remove(target);
    // A meter that stops answering in the middle: read and load would wait for ever.
    MeterDevice::Transfer t;
    t.fault = Fault::Silence;
    t.faultStep = 3;
    MeterDevice meter({}, t);
    QVERIFY(meter.Start());
    const int fdsBefore = OpenDescriptors();
    {
        RecordingPrompts prompts;
        CTransferDlg dlg(prompts);
        dlg.m_kind = kind;
        dlg.m_path = kind == TK_READ_PARAMS ? target : kind == TK_WRITE_PARAMS ? m_db : update;
        dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
        dlg.open();
        QVERIFY(dlg.OnInitDialog());
        QVERIFY(WaitUntil([&] { return dlg.ProgressBar()->value() > 0; }));
        QSignalSpy finished(&dlg, &QDialog::finished);
        QElapsedTimer clock;
        clock.start();
        if (how == 0)
            dlg.Button()->click();
        else if (how == 1)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
        // The dialog finishes once the worker has gone; then the port is closed.
        QVERIFY(WaitUntil([&] { return finished.count() == 1; }, 2000));
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.WorkerRunning());
        qInfo("stopped after %lld ms", clock.elapsed());
        QCOMPARE(prompts.MessageCount(), 0);
        QVERIFY(!dlg.Succeeded());
        if (kind != TK_READ_PARAMS)
            QVERIFY(meter.WaitForEnd(1, 2000)); // the meter is told the PC gave up
        else
            QVERIFY(!QFile::exists(target));
    }
    QCOMPARE(OpenDescriptors(), fdsBefore);
}

void TestTransferDlg::hangUpClosesTheDialog()
{
    MeterDevice::Transfer t;
    t.fault = Fault::HangUp;
    t.faultStep = 2;
    MeterDevice meter({}, t);
    QVERIFY(meter.Start());
    RecordingPrompts prompts;
    CTransferDlg dlg(prompts);
    dlg.m_kind = TK_READ_PARAMS;
    dlg.m_path = m_dir.filePath("hangup.bin");
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.exec();
    QVERIFY(!dlg.Succeeded());
    QCOMPARE(prompts.MessageCount(), 1);
    QCOMPARE(prompts.Messages()[0].caption, QStringLiteral("Serial Communication Device Error"));
    QVERIFY(!QFile::exists(dlg.m_path));
}

void TestTransferDlg::buttonsOfTheMainWindow()
{
    TempSettings settings;
    MeterDevice meter;
    QVERIFY(meter.Start());
    qputenv("ORBIVANE_COM1", QByteArray::fromStdString(meter.SlavePath()));
    RecordingPrompts prompts;
    CMeterDlg main(prompts);

    // Write needs a passed connection test first, and asks for no file without one.
    prompts.QueueFileName(m_db);
    main.OnWriteParameters();
    QCOMPARE(prompts.MessageTexts(), QStringList{"please choose one correct COM port to connect your meter."});
    QCOMPARE(meter.FramesReceived(), 0);

    QVERIFY(main.OnInitDialog()); // tests COM1: the meter answers
    QCOMPARE(main.Connected(), 1);
    prompts.Clear();

    const QString file = m_dir.filePath("main-read.bin");
    prompts.QueueFileName(file);
    main.OnReadParameters();
    QCOMPARE(prompts.MessageTexts(), QStringList{"finished transfer data!"});
    QVERIFY(ReadAll(file) == Bytes(MeterDevice::DefaultImage()));

    prompts.Clear();
    prompts.QueueFileName(file);
    main.OnWriteParameters();
    QCOMPARE(prompts.MessageTexts(), QStringList{kLoadResult});
    QVERIFY(Bytes(meter.ReceivedImage()) == ReadAll(file));

    prompts.Clear();
    const QString update = m_dir.filePath("main-update.bin");
    QVERIFY(WriteAll(update, UpdateFile(5000)));
    prompts.QueueFileName(update);
    main.OnLoadSoftware();
    QCOMPARE(prompts.MessageTexts(), QStringList{kLoadResult});

    // A cancelled file dialog starts nothing.
    prompts.Clear();
    const int frames = meter.FramesReceived();
    main.OnLoadSoftware();
    main.OnReadParameters();
    main.OnWriteParameters();
    QCOMPARE(prompts.MessageCount(), 0);
    QCOMPARE(meter.FramesReceived(), frames);
    qunsetenv("ORBIVANE_COM1");
}

namespace {

// Answers every message box that comes up, as a person would, and remembers its text.
// onBox runs first, with the box still up.
struct BoxAnswerer {
    explicit BoxAnswerer(std::function<void(const QString &)> onBox = {}) : hook(std::move(onBox))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                // Boxes live on the stack: a later one may reuse an earlier one's address,
                // so the mark goes on the box itself.
                if (!box || !box->isVisible() || box->property("answered").toBool())
                    continue;
                if (!box->property("seen").toBool()) {
                    box->setProperty("seen", true);
                    texts << box->text();
                    if (hook)
                        hook(box->text());
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
    std::function<void(const QString &)> hook;
};

} // namespace

void TestTransferDlg::realMessageBoxesFromTheWorker()
{
    // The worker's boxes travel to the GUI thread and block it until answered; the result box
    // comes from the dialog itself.
    MeterDevice::Transfer t;
    t.fault = Fault::UnexpectedType;
    t.faultType = 7;
    t.faultStep = 2;
    MeterDevice meter({}, t);
    QVERIFY(meter.Start());
    GuiPrompts prompts;
    BoxAnswerer answerer;
    CTransferDlg dlg(prompts);
    dlg.m_kind = TK_READ_PARAMS;
    dlg.m_path = m_dir.filePath("gui-error.bin");
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.exec();
    QCOMPARE(answerer.texts, (QStringList{"Unknown frame 7!",
                                          "An error ocurred when transfering. code:2\nPlease restart the STB."}));
    QVERIFY(!QFile::exists(dlg.m_path));

    MeterDevice good;
    QVERIFY(good.Start());
    answerer.texts.clear();
    CTransferDlg ok(prompts);
    ok.m_kind = TK_READ_PARAMS;
    ok.m_path = m_dir.filePath("gui-ok.bin");
    ok.SetDevicePath(QString::fromStdString(good.SlavePath()));
    ok.exec();
    QCOMPARE(answerer.texts, QStringList{"finished transfer data!"});
}

void TestTransferDlg::closedWhileTheWorkerShowsABox()
{
    // The dialog is told to close while its worker waits for a box on the GUI thread: the box
    // is still served, the worker then ends, and only then does the dialog finish. No hang.
    MeterDevice::Transfer t;
    t.fault = Fault::UnexpectedType;
    t.faultType = 9;
    t.faultStep = 1;
    MeterDevice meter({}, t);
    QVERIFY(meter.Start());
    GuiPrompts prompts;
    CTransferDlg dlg(prompts);
    BoxAnswerer answerer([&](const QString &) {
        QMetaObject::invokeMethod(&dlg, &QDialog::reject, Qt::QueuedConnection);
    });
    dlg.m_kind = TK_READ_PARAMS;
    dlg.m_path = m_dir.filePath("gui-closed.bin");
    dlg.SetDevicePath(QString::fromStdString(meter.SlavePath()));
    dlg.exec();
    QVERIFY(!dlg.WorkerRunning());
    // Once stopped, the worker shows nothing more: no code 2 after the unknown frame.
    QCOMPARE(answerer.texts, QStringList{"Unknown frame 9!"});
    QVERIFY(!dlg.Succeeded());
    QVERIFY(!QFile::exists(dlg.m_path));
}

QTEST_MAIN(TestTransferDlg)
#include "tst_transferdlg.moc"
