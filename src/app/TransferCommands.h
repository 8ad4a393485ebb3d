#pragma once

#include <QObject>

class Backups;
class PortPanel;
class Prompts;
class QWidget;

// The transfers with the meter on the port panel's port: load software, read and write
// parameters, each in a transfer dialog owned by the window. What a read replaces, and the
// image it read, go into the backups.
class TransferCommands : public QObject
{
    Q_OBJECT
public:
    TransferCommands(PortPanel &port, Backups &backups, Prompts &prompts, QWidget *window);

    void OnLoadSoftware();
    void OnReadParameters();
    void OnWriteParameters();

private:
    PortPanel &m_port;
    Backups &m_backups;
    Prompts &m_prompts;
    QWidget *m_window;
};
