// The main window's start-up, port setting and connection test, against the meter emulator.
#include "MeterSim.h"
#include "RecordingPrompts.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CMeterApp.h"
#include "app/CMeterDlg.h"
#include "app/PortPanel.h"
#include "app/TransferCommands.h"
#include "app/GuiPrompts.h"
#include "app/PortStatusLabel.h"
#include "app/StartArguments.h"
#include "common/SettingsStore.h"
#include "document/BackupArchive.h"
#include "protocol/MeterLink.h"
#include "protocol/TransferLogFolder.h"
#include "serial/CComPort.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <unistd.h>

namespace {

// An emulated meter standing as COM<n> for the life of the object.
struct MeterOnCom {
    MeterOnCom(int n, MeterSim::Config config = {}) : meter(config), port(n)
    {
        std::string error;
        started = meter.Start(&error);
        qputenv(Var(), QByteArray::fromStdString(meter.SlavePath()));
    }
    ~MeterOnCom() { qunsetenv(Var()); }
    QByteArray Var() const { return QStringLiteral("ORBIVANE_COM%1").arg(port).toLatin1(); }
    MeterSim meter;
    int port;
    bool started = false;
};

} // namespace

class TestMeterDlg : public QObject
{
    Q_OBJECT
private slots:
    void connectionTest_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("minMs");
        QTest::newRow("answers") << int(MeterSim::HelloFault::None) << true << 0;
        QTest::newRow("ident of 5 bytes") << int(MeterSim::HelloFault::IdentLength5) << false << 0;
        QTest::newRow("garbage") << int(MeterSim::HelloFault::Garbage) << false << 0;
        QTest::newRow("silence") << int(MeterSim::HelloFault::Silence) << false << 350;
        // Another program holds the port: no box, only the failed test.
        QTest::newRow("port in use") << int(MeterSim::HelloFault::None) << false << -1;
    }

    void connectionTest()
    {
        QFETCH(int, fault);
        QFETCH(bool, connected);
        QFETCH(int, minMs);
        TempSettings settings;
        MeterOnCom com(4, {0x42010203u, MeterSim::HelloFault(fault)});
        QVERIFY(com.started);

        RecordingPrompts prompts;
        CMeterDlg dlg(prompts);
        CComPort holder;
        if (minMs < 0 && ::geteuid() == 0)
            QSKIP("root ignores another program's exclusive hold");
        QVERIFY(minMs >= 0 || OpenMeterPort(holder, QString::fromStdString(com.meter.SlavePath()), prompts));
        const int fds = OpenDescriptors();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(dlg.Port().TestConnection(4), connected);
        QVERIFY(timer.elapsed() >= minMs); // how long beyond that: bench_transfers' figure
        QCOMPARE(dlg.Port().Connected(), connected ? 1 : 0);
        QCOMPARE(OpenDescriptors(), fds); // the port is closed on every path
        QCOMPARE(prompts.MessageCount(), 0);
        // The port doctor's line says why, and Details... gives its remedy in a box.
        PortStatusLabel *status = dlg.Port().PortStatus();
        QCOMPARE(status->isHidden(), connected);
        QCOMPARE(status->text().contains("COM4: ") && status->text().contains("Details..."), !connected);
        emit status->linkActivated(QStringLiteral("details")); // as a click on the link
        QCOMPARE(prompts.MessageCount(), connected ? 0 : 1);
        const QString details = prompts.MessageTexts().join("");
        QVERIFY2(connected || details.contains(minMs < 0 ? "in use by" : "no meter answered"), qPrintable(details));
        // A failed test leaves the line usable for the next one, whose frames come after all the first one sent.
        holder.Close();
        com.meter.SetConfig(MeterSim::Config{});
        QVERIFY(dlg.Port().TestConnection(4));
        const int hellos = minMs < 0 ? 0 : 1, frames = hellos + int(connected) + 2;
        QVERIFY(WaitUntil([&] { return com.meter.FramesReceived() >= frames; }));
        QCOMPARE((QVector<int>{com.meter.HelloCount(), com.meter.FramesReceived()}), (QVector<int>{hellos + 1, frames}));
    }

    // The window at start-up: compact, ten ports, the saved port tested and reported. The user's
    // value wins; the machine-wide one is the default while the user has none; with neither, 1 is
    // saved, in the user's file only: the machine-wide file is never written.
    void startUp_data()
    {
        QTest::addColumn<int>("saved"); // -1 none
        QTest::addColumn<bool>("meter"); // on COM1, else COM1 is a device that is not there
        QTest::addColumn<int>("machine"); // the administrator's default, -1 none
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("savedAfter");
        QTest::newRow("fresh store, the meter answers") << -1 << true << -1 << "succeed connecting com1" << 1;
        QTest::newRow("machine-wide default") << -1 << true << 1 << "succeed connecting com1" << 1;
        QTest::newRow("user's value over the default") << 1 << true << 3 << "succeed connecting com1" << 1;
        QTest::newRow("fresh store, no device") << -1 << false << -1 << "fail to connect com1" << 1;
        // Out of range: used unchanged, not corrected, and nothing is selected.
        QTest::newRow("saved 0") << 0 << true << -1 << "fail to connect com0" << 0;
        QTest::newRow("saved 11") << 11 << true << -1 << "fail to connect com11" << 11;
    }

    void startUp()
    {
        QFETCH(int, saved);
        QFETCH(bool, meter);
        QFETCH(int, machine);
        QFETCH(QString, message);
        TempSettings settings;
        const QString machineFile = settings.SystemDir() + "/Tarnwell/vanetool.conf";
        if (machine >= 0)
            QSettings(machineFile, QSettings::IniFormat).setValue("Port", machine);
        const QByteArray machineBefore = TestFile::Read(machineFile);
        if (saved >= 0)
            QVERIFY(SettingsStore::WritePort(saved));
        MeterOnCom com(1);
        if (!meter)
            qputenv("ORBIVANE_COM1", "/nonexistent/ttyUSB0");
        RecordingPrompts prompts;
        CMeterDlg dlg(prompts);
        QVERIFY(dlg.OnInitDialog());
        QCOMPARE(prompts.MessageTexts(), QStringList{message});
        QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Orbivane"));
        QCOMPARE(dlg.Port().Connected(), message.startsWith(QLatin1String("succeed")) ? 1 : 0);
        QTEST(SettingsStore::ReadPort().value_or(-1), "savedAfter");
        QCOMPARE(QFileInfo::exists(settings.UserDir() + "/Tarnwell/vanetool.conf"), saved >= 0 || machine < 0);
        QVERIFY(TestFile::Read(machineFile) == machineBefore && QFileInfo::exists(machineFile) == (machine >= 0));
        QCOMPARE(dlg.Port().PortCombo()->currentIndex(), saved < 0 ? 0 : saved - 1 < 10 ? saved - 1 : -1);
        QVERIFY(dlg.Port().PortCombo()->count() == 10 && dlg.Port().PortCombo()->itemText(9) == "COM10");
        QVERIFY(dlg.isVisible() && dlg.windowTitle() == "Meterdesk");
        for (QGroupBox *group : dlg.findChildren<QGroupBox *>()) // compact: only the port group shows
            QCOMPARE(group->isVisible(), group->title() == QStringLiteral("Select COM Port"));
        const QRect combo = dlg.Port().PortCombo()->geometry(), device = dlg.Port().DeviceLabel()->geometry();
        QVERIFY(dlg.Port().DeviceLabel()->isVisible() && device.top() >= combo.bottom() && device.left() == combo.left()); // under the port
        for (const QPushButton *command : dlg.Port().findChildren<QPushButton *>()) // beside it
            QVERIFY2(command->geometry().left() > combo.right(), qPrintable(command->text()));
        if (saved < 0)
            QCOMPARE(dlg.Port().DeviceLabel()->text().contains(QStringLiteral("not present")), !meter);
        if (saved < 0 && meter)
            QCOMPARE(dlg.Port().DeviceLabel()->text(), QFileInfo(QString::fromStdString(com.meter.SlavePath())).canonicalFilePath());
    }

    void onlyAnsweringPortIsSaved()
    {
        TempSettings settings;
        MeterOnCom good(2), other(5), quiet(6, {0x42010203u, MeterSim::HelloFault::Silence}), first(1);
        SettingsStore::WritePort(2);
        RecordingPrompts prompts;
        CMeterDlg dlg(prompts);
        dlg.OnInitDialog();
        QCOMPARE(dlg.Port().Connected(), 1);
        prompts.Clear();
        for (int index : {4, 5, 0, -1}) {
            dlg.Port().PortCombo()->setCurrentIndex(index);
            dlg.Port().OnPortSelChange();
            if (index == 5) // transfers will use the new choice; only the answering one is kept
                QVERIFY(dlg.Port().SelectedPort() == 6 && dlg.Port().Connected() == 0 && SettingsStore::ReadPort() == 5);
        }
        QCOMPARE(prompts.MessageTexts(), (QStringList{"succeed connecting com5", "fail to connect com6", "succeed connecting com1", "No com port is selected"}));
    }

    // ORBIVANE_HOME (the demo's) holds the settings, backups and logs, and moves nothing else.
    void ownHomeHoldsSettingsBackupsAndLogs()
    {
        TempSettings settings;
        QTemporaryDir home;
        qputenv("ORBIVANE_HOME", QFile::encodeName(home.path()));
        const QStringList paths{BackupArchive::DefaultFolder(), TransferLogFolder::Path(), SettingsStore::WritePort(4) ? "" : "refused"};
        qunsetenv("ORBIVANE_HOME");
        QVERIFY(QDir(settings.UserDir()).isEmpty() && QFileInfo::exists(home.filePath("config/Tarnwell/vanetool.conf")));
        QCOMPARE(paths, (QStringList{home.filePath("data/Tarnwell/vanetool/backups"), home.filePath("state/orbivane/logs"), ""}));
    }

    // orbivane [--help | --version | FILE]: the exit code when it ends at once (the start of what
    // it prints), else the file to open.
    void startArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("final"); // the answer before the application exists
        QTest::newRow("none") << QStringList{} << -1 << "" << "" << false;
        QTest::newRow("a file") << QStringList{"db.bin"} << -1 << "" << "db.bin" << false;
        QTest::newRow("a file named like an option") << QStringList{"--", "-x.bin"} << -1 << "" << "-x.bin" << false;
        QTest::newRow("help") << QStringList{"db.bin", "--help"} << 0 << "Usage: orbivane [options] [FILE]\n" << "" << true;
        QTest::newRow("version") << QStringList{"--version"} << 0 << "orbivane 9.8" << "" << true;
        QTest::newRow("two files") << QStringList{"a", "b"} << 2 << "orbivane: only one file can be opened: b\nTry 'orbivane --help'." << ""
                                   << true;
        QTest::newRow("unknown option") << QStringList{"-x"} << 2 << "orbivane: Unknown option 'x'." << "" << false;
        QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen", "db.bin"} << 2 << "orbivane: Unknown options: p, l, a, t, f, o, r, m."
                                         << "" << false;
        QTest::newRow("empty name") << QStringList{""} << 2 << "orbivane: the file name is empty" << "" << true;
    }

    void startArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, text);
        const StartArguments start = StartArguments::Parse(QStringList{"/usr/bin/orbivane"} + arguments, "9.8");
        QTEST(start.exitCode, "exitCode");
        QVERIFY2(start.text.left(text.size()) == text && text.isEmpty() == start.text.isEmpty(), qPrintable(start.text));
        QTEST(start.file, "file");
        QTEST(start.FinalBeforeApplication(QStringList{"/usr/bin/orbivane"} + arguments), "final");
    }

    // `orbivane FILE`: the window comes up with the file open, a relative name taken from the
    // working folder. The start's own boxes (the connection test) are answered as they come.
    void startsWithTheFileOpen()
    {
        TempSettings settings;
        MeterOnCom com(1);
        QTemporaryDir dir;
        QVERIFY(TestFile::Write(dir.filePath("start.bin"), SampleDatabase::Make({2})));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QString opened;
        QElapsedTimer waited; // a window that never opens it is closed after a while
        waited.start();
        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                return box->accept();
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *dlg = qobject_cast<CMeterDlg *>(w); dlg && dlg->isVisible() && (!dlg->Document().Path().isEmpty() || waited.hasExpired(10000)))
                    opened = dlg->Document().Path(), dlg->reject();
        });
        user.start(10);
        const int exit = CMeterApp::InitInstance(QStringLiteral("start.bin"));
        QDir::setCurrent(before);
        QCOMPARE(exit, 0);
        QCOMPARE(opened, dir.filePath("start.bin"));
    }

    // No menu or button the window added takes a mnemonic of the window's own: Alt+E is
    // "&Edit parameters"'s, and only its.
    void mnemonicsKeepTheirKeys()
    {
        const QStringList own{"&load software", "&Read parameters", "&Write parameters", "&Edit parameters", "&Apply",
                              "&Add TP", "&Delete TP", "&Add SAT", "&Delete SAT", "&Help"};
        RecordingPrompts prompts;
        CMeterDlg dlg(prompts);
        QStringList texts;
        for (QAction *a : dlg.findChild<QMenuBar *>()->actions())
            texts << a->text();
        for (QAbstractButton *b : dlg.findChildren<QAbstractButton *>())
            texts << b->text();
        for (const QString &o : own) {
            QVERIFY(texts.contains(o));
            for (const QString &text : texts)
                QVERIFY2(own.contains(text) || QKeySequence::mnemonic(text) != QKeySequence::mnemonic(o), qPrintable(text));
        }
    }

    // Boxes and dialogs are owned by the main window, or by the dialog that opened it, so that
    // they stand above it (it is always on top). Enter takes an added question's harmless answer.
    // A question whose safe answer is No has it as the default: Return answers No; elsewhere Yes.
    void returnTakesTheDefaultAnswer()
    {
        GuiPrompts prompts;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start(20);
        Prompts &asked = prompts;
        QVERIFY(!asked.AskYesNoDefaultNo("Replace it?", "Orbivane"));
        QVERIFY(asked.AskYesNo("Go on?", "Orbivane"));
    }

    void windowsAreOwned_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("seen"); // class<-owner: default button
        QTest::newRow("start-up message") << 0 << "QMessageBox<-CMeterDlg: OK";
        QTest::newRow("close question") << 1 << "QMessageBox<-CMeterDlg: &Stay";
        QTest::newRow("read parameters") << 2 << "CTransferDlg<-CMeterDlg: Cancel";
    }

    void windowsAreOwned()
    {
        QFETCH(int, step);
        TempSettings settings;
        TempDataHome data;
        MeterOnCom com(1); // answers the greeting, then ignores the read: it runs until cancelled
        GuiPrompts prompts;
        RecordingPrompts chooser; // the read's file name
        chooser.QueueFileName(data.Path() + "/read.bin");
        CMeterDlg main(step == 2 ? static_cast<Prompts &>(chooser) : prompts);
        prompts.SetWindow(&main);
        QString seen;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *w = QApplication::activeModalWidget(), *owner = w ? w->parentWidget() : nullptr;
            if (!w || w == &main || !seen.isEmpty())
                return;
            seen = QStringLiteral("%1<-%2: ").arg(w->metaObject()->className(), owner ? owner->metaObject()->className() : "none");
            for (QPushButton *b : w->findChildren<QPushButton *>())
                seen += b->isDefault() ? b->text() : QString();
            QVERIFY(!owner || !owner->windowHandle() || w->windowHandle()->transientParent() == owner->windowHandle());
            step == 2 ? (void)QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection) : QTest::keyClick(w, Qt::Key_Return);
        });
        answer.start(20);
        step == 0 ? (void)main.OnInitDialog() : main.show();
        if (step == 1)
            QCOMPARE(int(prompts.AskSaveDiscardStay("Work not saved.", "Orbivane")), int(Prompts::SaveChoice::Stay));
        if (step == 2) {
            main.Port().PortCombo()->addItem("COM1");
            main.Transfers().OnReadParameters();
        }
        QTEST(seen, "seen");
    }
};

QTEST_MAIN(TestMeterDlg)
#include "tst_meterdlg.moc"
