#pragma once

#include <QDialog>

#include <atomic>
#include <thread>

class BackupArchive;
class QPushButton;
class QTreeWidget;

// File > Restore a backup...: every version the archive keeps, newest first, with the file (or
// meter) it belongs to, when it was kept, why (saved over / read from meter) and, for a
// database, what it holds (read and checked on a worker thread, each row filled in as it comes,
// so that a full archive opens at once). "Open" closes the dialog with the chosen version; "Compare" (offered
// while a database is open) asks for the compare window and leaves the dialog open.
class CRestoreDlg : public QDialog
{
    Q_OBJECT
public:
    CRestoreDlg(const BackupArchive &archive, bool canCompare, QWidget *parent = nullptr);
    ~CRestoreDlg() override;
    CRestoreDlg(const CRestoreDlg &) = delete;
    CRestoreDlg &operator=(const CRestoreDlg &) = delete;

    // The archived file of the selected row; empty when none is selected.
    QString ChosenFile() const;
    QTreeWidget *List() const { return m_list; }
    QPushButton *OpenButton() const { return m_open; }
    QPushButton *CompareButton() const { return m_compare; }
    // Every row's contents are filled in.
    bool IsDescribed() const { return m_pending == 0; }

signals:
    void compareRequested(const QString &archivedFile);

private:
    QTreeWidget *m_list = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_compare = nullptr;
    int m_pending = 0; // rows whose contents are still to come
    std::atomic<bool> m_stop{false};
    std::thread m_describer;
};
