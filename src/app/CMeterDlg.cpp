#include "app/CMeterDlg.h"

#include "app/CTransponderList.h"
#include "common/Prompts.h"
#include "common/SettingsStore.h"
#include "document/BackupArchive.h"
#include "protocol/MeterLink.h"
#include "serial/ComDeviceMap.h"
#include "serial/UsbSerialInfo.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPortCount = 10;
constexpr int kWindowWidth = 560;
constexpr int kExpandedHeight = 470;
} // namespace

CMeterDlg::CMeterDlg(Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Meterdesk"));
    setWindowIcon(QIcon(QStringLiteral(":/orbivane.png")));
    BuildWindow();
}

CMeterDlg::~CMeterDlg() = default;

void CMeterDlg::BuildWindow()
{
    auto *menuBar = new QMenuBar(this);
    QMenu *help = menuBar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Manual"), this, &CMeterDlg::OnManual);
    AddTransferLogsItem(help);
    // No portable system menu: the About entry goes into the Help menu.
    help->addSeparator();
    help->addAction(QStringLiteral("&About Orbivane..."), this, &CMeterDlg::OnAbout);

    auto *portGroup = new QGroupBox(QStringLiteral("Select COM Port"), this);
    m_portCombo = new QComboBox(portGroup);
    m_portCombo->setObjectName(QStringLiteral("portCombo"));
    m_portCombo->setMaxVisibleItems(kPortCount);
    m_deviceLabel = new QLabel(portGroup);
    m_deviceLabel->setObjectName(QStringLiteral("deviceLabel"));
    m_deviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_deviceLabel->setTextFormat(Qt::PlainText); // an adapter names its own product
    m_loadButton = new QPushButton(QStringLiteral("&load software"), portGroup);
    m_readButton = new QPushButton(QStringLiteral("&Read parameters"), portGroup);
    m_writeButton = new QPushButton(QStringLiteral("&Write parameters"), portGroup);
    m_editButton = new QPushButton(QStringLiteral("&Edit parameters"), portGroup);
    m_editButton->setObjectName(QStringLiteral("editButton"));
    auto *portGrid = new QGridLayout(portGroup);
    portGrid->addWidget(m_portCombo, 0, 0);
    portGrid->addWidget(m_deviceLabel, 1, 0);
    portGrid->addWidget(m_loadButton, 0, 1);
    portGrid->addWidget(m_readButton, 0, 2);
    portGrid->addWidget(m_writeButton, 1, 1);
    portGrid->addWidget(m_editButton, 1, 2);
    portGrid->setColumnStretch(1, 1);
    portGrid->setColumnStretch(2, 1);
    BuildPortDoctor(portGrid);

    m_satGroup = new QGroupBox(QStringLiteral("satillite list"), this);
    m_satList = new QListWidget(m_satGroup);
    m_satList->setObjectName(QStringLiteral("satList"));
    auto *addSat = new QPushButton(QStringLiteral("&Add SAT"), m_satGroup);
    addSat->setObjectName(QStringLiteral("addSatButton"));
    auto *deleteSat = new QPushButton(QStringLiteral("&Delete SAT"), m_satGroup);
    deleteSat->setObjectName(QStringLiteral("deleteSatButton"));
    auto *applySat = new QPushButton(QStringLiteral("&Apply"), m_satGroup);
    applySat->setObjectName(QStringLiteral("applySatButton"));
    auto *satButtons = new QHBoxLayout;
    satButtons->addWidget(addSat);
    satButtons->addWidget(deleteSat);
    satButtons->addWidget(applySat);
    auto *satLayout = new QVBoxLayout(m_satGroup);
    satLayout->addWidget(m_satList);
    satLayout->addLayout(satButtons);

    m_tpGroup = new QGroupBox(QStringLiteral("transponder list"), this);
    m_tpList = new CTransponderList(m_tpGroup);
    m_tpList->setObjectName(QStringLiteral("tpList"));
    auto *addTp = new QPushButton(QStringLiteral("&Add TP"), m_tpGroup);
    addTp->setObjectName(QStringLiteral("addTpButton"));
    auto *deleteTp = new QPushButton(QStringLiteral("&Delete TP"), m_tpGroup);
    deleteTp->setObjectName(QStringLiteral("deleteTpButton"));
    auto *applyTp = new QPushButton(QStringLiteral("&Apply"), m_tpGroup);
    applyTp->setObjectName(QStringLiteral("applyTpButton"));
    auto *tpButtons = new QHBoxLayout;
    tpButtons->addWidget(addTp);
    tpButtons->addWidget(deleteTp);
    tpButtons->addStretch();
    tpButtons->addWidget(applyTp);
    auto *tpLayout = new QVBoxLayout(m_tpGroup);
    tpLayout->addWidget(m_tpList);
    tpLayout->addLayout(tpButtons);

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_satGroup, 2);
    lists->addWidget(m_tpGroup, 3);
    auto *top = new QVBoxLayout(this);
    top->setMenuBar(menuBar);
    top->addWidget(portGroup);
    top->addLayout(lists, 1);

    // Enter must not press whichever button last had the focus.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    connect(m_portCombo, qOverload<int>(&QComboBox::activated), this, &CMeterDlg::OnPortSelChange);
    connect(m_loadButton, &QPushButton::clicked, this, &CMeterDlg::OnLoadSoftware);
    connect(m_readButton, &QPushButton::clicked, this, &CMeterDlg::OnReadParameters);
    connect(m_writeButton, &QPushButton::clicked, this, &CMeterDlg::OnWriteParameters);
    connect(m_editButton, &QPushButton::clicked, this, &CMeterDlg::OnEditParameters);
    // The selection, not the current entry: the rows shown belong to the selected satellite.
    connect(m_satList, &QListWidget::itemSelectionChanged, this, &CMeterDlg::OnSatSelChange);
    connect(m_satList, &QListWidget::itemDoubleClicked, this, &CMeterDlg::OnEditSatellite);
    connect(applyTp, &QPushButton::clicked, this, &CMeterDlg::OnApply);
    connect(applySat, &QPushButton::clicked, this, &CMeterDlg::OnApply);
    connect(addTp, &QPushButton::clicked, this, &CMeterDlg::OnAddTransponder);
    connect(deleteTp, &QPushButton::clicked, this, &CMeterDlg::OnDeleteTransponder);
    connect(addSat, &QPushButton::clicked, this, &CMeterDlg::OnAddSatellite);
    connect(deleteSat, &QPushButton::clicked, this, &CMeterDlg::OnDeleteSatellite);
    BuildEditMenu(menuBar);
    BuildFileMenu(menuBar);
    BuildExchangeMenu(menuBar);
}

bool CMeterDlg::OnInitDialog()
{
    m_portCombo->clear();
    for (int n = 1; n <= kPortCount; ++n)
        m_portCombo->addItem(QStringLiteral("COM%1").arg(n));

    int port = 1;
    LoadPortSetting(port);
    // A saved number outside 1..10 selects nothing; it is still tested and reported.
    m_portCombo->setCurrentIndex(port >= 1 && port <= kPortCount ? port - 1 : -1);
    ShowDevice(port);

    if (TestConnection(port))
        m_prompts.Message(QStringLiteral("succeed connecting com%1").arg(port), kAppTitle);
    else
        m_prompts.Message(QStringLiteral("fail to connect com%1").arg(port), kAppTitle);

    ShowDatabasePanels(false);
    return true;
}

void CMeterDlg::ShowDatabasePanels(bool expanded)
{
    m_satGroup->setVisible(expanded);
    m_tpGroup->setVisible(expanded);
    if (expanded) {
        resize(kWindowWidth, kExpandedHeight);
    } else {
        move(180, 150);
        layout()->activate();
        resize(kWindowWidth, minimumSizeHint().height());
    }
    show();
}

void CMeterDlg::LoadPortSetting(int &port)
{
    if (const std::optional<int> saved = SettingsStore::ReadPort()) {
        port = *saved;
        return;
    }
    port = 1;
    SettingsStore::WritePort(1); // a refused write is as if it had not been tried
}

bool CMeterDlg::TestConnection(int port)
{
    m_connected = 0;
    const QString path = ComDeviceMap::Resolve(port);
    int openFailure = 0;
    const bool answered = ProbeMeter(path, m_prompts, &openFailure);
    ShowPortDiagnosis(port, path, answered, openFailure);
    if (!answered)
        return false;
    m_connected = 1;
    return true;
}

int CMeterDlg::SelectedPort() const
{
    const int index = m_portCombo->currentIndex();
    return index < 0 ? 0 : index + 1;
}

void CMeterDlg::ShowDevice(int port)
{
    const QString path = ComDeviceMap::Resolve(port);
    const QFileInfo device(path);
    m_deviceLabel->setToolTip(path);
    if (path.isEmpty())
        m_deviceLabel->setText(QStringLiteral("no device for COM%1").arg(port));
    else if (!device.exists())
        m_deviceLabel->setText(QStringLiteral("%1 (not present)").arg(path));
    else // a link such as /dev/serial/by-id/... shows the device it points to
        m_deviceLabel->setText(UsbSerialInfo::Of(path).Label(device.canonicalFilePath()));
}

void CMeterDlg::OnPortSelChange()
{
    const int index = m_portCombo->currentIndex();
    if (index < 0) {
        m_prompts.Message(QStringLiteral("No com port is selected"), kAppTitle);
        return;
    }
    const int port = index + 1;
    ShowDevice(port);
    if (TestConnection(port)) {
        SettingsStore::WritePort(port);
        m_prompts.Message(QStringLiteral("succeed connecting com%1").arg(port), kAppTitle);
    } else {
        m_prompts.Message(QStringLiteral("fail to connect com%1").arg(port), kAppTitle);
    }
}

void CMeterDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter while no push button has the focus closes the window, like the Close box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!qobject_cast<QPushButton *>(focusWidget())) {
            close();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
