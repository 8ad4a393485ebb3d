// The main window's port doctor: when the chosen port does not reach the meter, a line under
// the port selector says why, and "Details..." tells what to do. The messages of the connection
// test and of the transfers stay as they are; this only adds the reason beside them.
#include "app/CMeterDlg.h"
#include "app/PortStatusLabel.h"
#include "common/Prompts.h"
#include "common/SettingsStore.h"
#include "serial/ComDeviceMap.h"
#include "serial/PortIdentity.h"

#include <QGridLayout>

void CMeterDlg::BuildPortDoctor(QGridLayout *portGrid)
{
    m_portStatus = new PortStatusLabel(this);
    portGrid->addWidget(m_portStatus, portGrid->rowCount(), 0, 1, portGrid->columnCount());
    connect(m_portStatus, &PortStatusLabel::detailsRequested, this, [this] {
        const PortDiagnosis &d = m_portStatus->Diagnosis();
        if (d)
            m_prompts.Message(d.status + QStringLiteral("\n\n") + d.remedy, kAppTitle, Prompts::Icon::Information);
    });
}

void CMeterDlg::ShowPortDiagnosis(int port, const QString &devicePath, bool answered, int openFailure)
{
    if (answered) {
        // The adapter that answered stays this port after a replug gives it another tty, and
        // only this one.
        const QString identity = PortIdentity::Of(devicePath);
        SettingsStore::WritePortIdentity(port, identity);
        for (int k = 1; k <= ComDeviceMap::PORT_COUNT && !identity.isEmpty(); ++k) {
            if (k != port && SettingsStore::ReadPortIdentity(k) == identity)
                SettingsStore::WritePortIdentity(k, {});
        }
        m_portStatus->Show({});
        return;
    }
    PortDiagnosis d = PortDiagnosis::Of(devicePath, openFailure);
    d.status = QStringLiteral("COM%1: %2").arg(port).arg(d.status);
    m_portStatus->Show(d);
}
