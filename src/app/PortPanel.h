#pragma once

#include <QGroupBox>

class Prompts;
class PortStatusLabel;
class QComboBox;
class QLabel;
class QPushButton;

// "Select COM Port": the port selector with the device it stands for, the connection test and
// the remembered port, the port doctor's line, and the buttons of the transfers and of "Edit
// parameters", which the window wires to its commands.
class PortPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit PortPanel(Prompts &prompts, QWidget *parent = nullptr);

    // Start-up: fills the port list, tests the saved port and reports it.
    void Start();
    void LoadPortSetting(int &port);
    bool TestConnection(int port);
    // The port doctor's line: why the meter was not reached on the port (openFailure: the open's
    // errno, 0 when it opened); cleared, and the adapter remembered for the port, when it answered.
    void ShowPortDiagnosis(int port, const QString &devicePath, bool answered, int openFailure);

    int Connected() const { return m_connected; }
    // Port number of the selected combo entry (index + 1); 0 when nothing is selected.
    int SelectedPort() const;
    QComboBox *PortCombo() const { return m_portCombo; }
    QLabel *DeviceLabel() const { return m_deviceLabel; }
    PortStatusLabel *PortStatus() const { return m_portStatus; }

public slots:
    void OnPortSelChange();

signals:
    void loadSoftwareClicked();
    void readParametersClicked();
    void writeParametersClicked();
    void editParametersClicked();

private:
    void ShowDevice(int port);
    void ShowDiagnosisDetails();

    int m_connected = 0;
    Prompts &m_prompts;
    QComboBox *m_portCombo = nullptr;
    QLabel *m_deviceLabel = nullptr;
    PortStatusLabel *m_portStatus = nullptr;
};
