#pragma once

#include <QDialog>

class BackupArchive;
class QPushButton;
class QTreeWidget;

// File > Restore a backup...: every version the archive keeps, newest first, with the file (or
// meter) it belongs to, when it was kept, why (saved over / read from meter) and, for a
// database, what it holds. "Open" closes the dialog with the chosen version.
class CRestoreDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CRestoreDlg(const BackupArchive &archive, QWidget *parent = nullptr);

    // The archived file of the selected row; empty when none is selected.
    QString ChosenFile() const;
    QTreeWidget *List() const { return m_list; }
    QPushButton *OpenButton() const { return m_open; }

private:
    QTreeWidget *m_list = nullptr;
    QPushButton *m_open = nullptr;
};
