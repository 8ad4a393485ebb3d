#pragma once

#include <QDialog>

class Prompts;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

// The main window: COM port selection with its connection test, the transfer commands, and the
// satellite and transponder lists of the offline editor.
class CMeterDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CMeterDlg(Prompts &prompts, QWidget *parent = nullptr);
    ~CMeterDlg() override;

    // Start-up: fills the port list, tests the saved port, reports it, shows the compact window.
    bool OnInitDialog();
    void ShowDatabasePanels(bool expanded);

    void LoadPortSetting(int &port);
    bool TestConnection(int port);

    int Connected() const { return m_connected; }
    QComboBox *PortCombo() const { return m_portCombo; }
    QLabel *DeviceLabel() const { return m_deviceLabel; }
    // Port number of the selected combo entry (index + 1); 0 when nothing is selected.
    int SelectedPort() const;

public slots:
    void OnPortSelChange();
    void OnLoadSoftware();
    void OnReadParameters();
    void OnWriteParameters();
    void OnEditParameters();
    void OnSatSelChange();
    void OnEditSatellite();
    void OnApply();
    void OnAddTransponder();
    void OnDeleteTransponder();
    void OnAddSatellite();
    void OnDeleteSatellite();
    void OnManual();
    void OnAbout();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildWindow();
    void ShowDevice(int port);

    int m_connected = 0;
    Prompts &m_prompts;
    QListWidget *m_satList = nullptr;
    QTableView *m_tpList = nullptr;
    QComboBox *m_portCombo = nullptr;
    QLabel *m_deviceLabel = nullptr;
    QGroupBox *m_satGroup = nullptr;
    QGroupBox *m_tpGroup = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_readButton = nullptr;
    QPushButton *m_writeButton = nullptr;
    QPushButton *m_editButton = nullptr;
};
