// The main window's start-up, port setting and connection test, against the meter emulator.
#include "MeterSim.h"
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CMeterDlg.h"
#include "common/SettingsStore.h"
#include "protocol/MeterLink.h"
#include "serial/CComPort.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
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

int SavedSystemPort(const TempSettings &)
{
    QSettings system(QSettings::SystemScope, "Tarnwell", "vanetool");
    return system.value("Port", -1).toInt();
}

} // namespace

class TestMeterDlg : public QObject
{
    Q_OBJECT
private slots:
    void connectionTest_data();
    void connectionTest();
    void freshStoreSavesPortOneAndTestsComOne();
    void startUpShowsCompactWindowWithTenPorts();
    void onlyAnsweringPortIsSaved();
    void savedPortOutOfRange_data();
    void savedPortOutOfRange();
    void refusedMachineStoreFallsBackToUserStore();
};

void TestMeterDlg::connectionTest_data()
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

void TestMeterDlg::connectionTest()
{
    QFETCH(int, fault);
    QFETCH(bool, connected);
    QFETCH(int, minMs);
    TempSettings settings;
    MeterSim::Config config;
    config.helloFault = MeterSim::HelloFault(fault);
    MeterOnCom com(4, config);
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
    QCOMPARE(dlg.TestConnection(4), connected);
    QVERIFY(timer.elapsed() >= minMs);
    QVERIFY(timer.elapsed() < 3000);
    QCOMPARE(dlg.Connected(), connected ? 1 : 0);
    QCOMPARE(OpenDescriptors(), fds); // the port is closed on every path
    QCOMPARE(prompts.MessageCount(), 0);
    QVERIFY(WaitUntil([&] { return com.meter.HelloCount() == (minMs < 0 ? 0 : 1); }));
    if (connected) // FT_HELLO, then FT_END
        QVERIFY(WaitUntil([&] { return com.meter.FramesReceived() == 2; }));

    // A failed test leaves the line usable for the next one.
    holder.Close();
    MeterSim::Config good;
    com.meter.SetConfig(good);
    QVERIFY(dlg.TestConnection(4));
}

void TestMeterDlg::freshStoreSavesPortOneAndTestsComOne()
{
    TempSettings settings;
    MeterOnCom com(1);
    RecordingPrompts prompts;
    CMeterDlg dlg(prompts);
    QVERIFY(dlg.OnInitDialog());
    QCOMPARE(SavedSystemPort(settings), 1);
    QCOMPARE(prompts.MessageTexts(), QStringList{"succeed connecting com1"});
    QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Orbivane"));
    QCOMPARE(dlg.Connected(), 1);
    QCOMPARE(dlg.DeviceLabel()->text(), QFileInfo(QString::fromStdString(com.meter.SlavePath())).canonicalFilePath());
}

void TestMeterDlg::startUpShowsCompactWindowWithTenPorts()
{
    TempSettings settings;
    qputenv("ORBIVANE_COM1", "/nonexistent/ttyUSB0");
    RecordingPrompts prompts;
    CMeterDlg dlg(prompts);
    dlg.OnInitDialog();
    qunsetenv("ORBIVANE_COM1");
    QCOMPARE(prompts.MessageTexts(), QStringList{"fail to connect com1"});
    QCOMPARE(dlg.PortCombo()->count(), 10);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(dlg.PortCombo()->itemText(i), QStringLiteral("COM%1").arg(i + 1));
    QCOMPARE(dlg.PortCombo()->currentIndex(), 0);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Meterdesk"));
    // Compact: only the port group shows.
    for (QGroupBox *group : dlg.findChildren<QGroupBox *>())
        QCOMPARE(group->isVisible(), group->title() == QStringLiteral("Select COM Port"));
    QVERIFY(dlg.DeviceLabel()->text().contains(QStringLiteral("not present")));
}

void TestMeterDlg::onlyAnsweringPortIsSaved()
{
    TempSettings settings;
    MeterOnCom good(2), other(5);
    MeterSim::Config silent;
    silent.helloFault = MeterSim::HelloFault::Silence;
    MeterOnCom quiet(6, silent);
    SettingsStore::WritePort(2);
    RecordingPrompts prompts;
    CMeterDlg dlg(prompts);
    dlg.OnInitDialog();
    QCOMPARE(dlg.Connected(), 1);
    prompts.Clear();
    dlg.PortCombo()->setCurrentIndex(4);
    dlg.OnPortSelChange();
    dlg.PortCombo()->setCurrentIndex(5);
    dlg.OnPortSelChange();
    QCOMPARE(prompts.MessageTexts(), (QStringList{"succeed connecting com5", "fail to connect com6"}));
    QCOMPARE(SavedSystemPort(settings), 5);
    QCOMPARE(dlg.SelectedPort(), 6); // transfers will use the new choice
    QCOMPARE(dlg.Connected(), 0);

    prompts.Clear();
    dlg.PortCombo()->setCurrentIndex(-1);
    dlg.OnPortSelChange();
    QCOMPARE(prompts.MessageTexts(), QStringList{"No com port is selected"});
}

void TestMeterDlg::savedPortOutOfRange_data()
{
    QTest::addColumn<int>("saved");
    QTest::newRow("0") << 0;
    QTest::newRow("11") << 11;
}

void TestMeterDlg::savedPortOutOfRange()
{
    QFETCH(int, saved);
    TempSettings settings;
    SettingsStore::WritePort(saved);
    RecordingPrompts prompts;
    CMeterDlg dlg(prompts);
    dlg.OnInitDialog();
    QCOMPARE(dlg.PortCombo()->currentIndex(), -1);
    QCOMPARE(prompts.MessageTexts(), QStringList{QStringLiteral("fail to connect com%1").arg(saved)});
    QCOMPARE(SavedSystemPort(settings), saved); // used unchanged, not corrected
}

void TestMeterDlg::refusedMachineStoreFallsBackToUserStore()
{
    TempSettings settings;
    settings.LockSystemDir();
    QVERIFY(SettingsStore::WritePort(7));
    QCOMPARE(SettingsStore::ReadPort().value_or(-1), 7);
    QVERIFY(QFileInfo::exists(settings.UserDir() + "/Tarnwell/vanetool.conf"));
}

QTEST_MAIN(TestMeterDlg)
#include "tst_meterdlg.moc"
