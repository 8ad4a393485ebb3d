#include "app/PortPanel.h"

#include "app/PortStatusLabel.h"
#include "common/Prompts.h"
#include "common/SettingsStore.h"
#include "protocol/MeterLink.h"
#include "serial/ComDeviceMap.h"
#include "serial/PortIdentity.h"
#include "serial/UsbSerialInfo.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kPortCount = 10;
} // namespace

PortPanel::PortPanel(Prompts &prompts, QWidget *parent)
    : QGroupBox(tr("Select COM Port"), parent), m_prompts(prompts)
{
    m_portCombo = new QComboBox(this);
    m_portCombo->setObjectName(QStringLiteral("portCombo"));
    m_portCombo->setMaxVisibleItems(kPortCount);
    m_deviceLabel = new QLabel(this);
    m_deviceLabel->setObjectName(QStringLiteral("deviceLabel"));
    m_deviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_deviceLabel->setTextFormat(Qt::PlainText); // an adapter names its own product
    auto *load = new QPushButton(tr("&load software"), this);
    auto *read = new QPushButton(tr("&Read parameters"), this);
    auto *write = new QPushButton(tr("&Write parameters"), this);
    auto *edit = new QPushButton(tr("&Edit parameters"), this);
    edit->setObjectName(QStringLiteral("editButton"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_portCombo, 0, 0);
    grid->addWidget(m_deviceLabel, 1, 0);
    grid->addWidget(load, 0, 1);
    grid->addWidget(read, 0, 2);
    grid->addWidget(write, 1, 1);
    grid->addWidget(edit, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    // The port doctor's line, under the rest.
    m_portStatus = new PortStatusLabel(this);
    grid->addWidget(m_portStatus, grid->rowCount(), 0, 1, grid->columnCount());

    connect(m_portCombo, qOverload<int>(&QComboBox::activated), this, &PortPanel::OnPortSelChange);
    connect(m_portStatus, &PortStatusLabel::detailsRequested, this, &PortPanel::ShowDiagnosisDetails);
    connect(load, &QPushButton::clicked, this, &PortPanel::loadSoftwareClicked);
    connect(read, &QPushButton::clicked, this, &PortPanel::readParametersClicked);
    connect(write, &QPushButton::clicked, this, &PortPanel::writeParametersClicked);
    connect(edit, &QPushButton::clicked, this, &PortPanel::editParametersClicked);
}

void PortPanel::Start()
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
        m_prompts.Message(tr("succeed connecting com%1").arg(port), kAppTitle);
    else
        m_prompts.Message(tr("fail to connect com%1").arg(port), kAppTitle);
}

void PortPanel::LoadPortSetting(int &port)
{
    if (const std::optional<int> saved = SettingsStore::ReadPort()) {
        port = *saved;
        return;
    }
    port = 1;
    SettingsStore::WritePort(1); // a refused write is as if it had not been tried
}

bool PortPanel::TestConnection(int port)
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

int PortPanel::SelectedPort() const
{
    const int index = m_portCombo->currentIndex();
    return index < 0 ? 0 : index + 1;
}

void PortPanel::ShowDevice(int port)
{
    const QString path = ComDeviceMap::Resolve(port);
    const QFileInfo device(path);
    m_deviceLabel->setToolTip(path);
    if (path.isEmpty())
        m_deviceLabel->setText(tr("no device for COM%1").arg(port));
    else if (!device.exists())
        m_deviceLabel->setText(tr("%1 (not present)").arg(path));
    else // a link such as /dev/serial/by-id/... shows the device it points to
        m_deviceLabel->setText(UsbSerialInfo::Of(path).Label(device.canonicalFilePath()));
}

void PortPanel::OnPortSelChange()
{
    const int index = m_portCombo->currentIndex();
    if (index < 0) {
        m_prompts.Message(tr("No com port is selected"), kAppTitle);
        return;
    }
    const int port = index + 1;
    ShowDevice(port);
    if (TestConnection(port)) {
        SettingsStore::WritePort(port);
        m_prompts.Message(tr("succeed connecting com%1").arg(port), kAppTitle);
    } else {
        m_prompts.Message(tr("fail to connect com%1").arg(port), kAppTitle);
    }
}

// When the chosen port does not reach the meter, the line under the selector says why, and
// "Details..." tells what to do. The messages of the connection test and of the transfers stay
// as they are; this only adds the reason beside them.
void PortPanel::ShowPortDiagnosis(int port, const QString &devicePath, bool answered, int openFailure)
{
    if (answered) {
        // The adapter that answered stays this port after a replug gives it another tty, and
        // only this one.
        SettingsStore::WritePortIdentity(port, PortIdentity::Of(devicePath));
        m_portStatus->Show({});
        return;
    }
    PortDiagnosis d = PortDiagnosis::Of(devicePath, openFailure);
    d.status = tr("COM%1: %2").arg(port).arg(d.status);
    m_portStatus->Show(d);
}

void PortPanel::ShowDiagnosisDetails()
{
    const PortDiagnosis &d = m_portStatus->Diagnosis();
    if (d)
        m_prompts.Message(d.status + QStringLiteral("\n\n") + d.remedy, kAppTitle, Prompts::Icon::Information);
}
