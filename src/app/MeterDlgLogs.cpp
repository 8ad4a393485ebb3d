// The main window's Help > Show transfer logs: the folder where every transfer leaves its log.
#include "app/CMeterDlg.h"

#include "protocol/TransferLogFolder.h"

#include <QDir>
#include <QMenu>

void CMeterDlg::AddTransferLogsItem(QMenu *help)
{
    QAction *show = help->addAction(QStringLiteral("Show transfer &logs"), this, [this] {
        // Made when missing, so that the file manager has something to open before any transfer.
        const QString folder = TransferLogFolder::Path();
        QDir().mkpath(folder);
        OpenOnDesktop(folder, QStringLiteral("the transfer logs folder"));
    });
    show->setObjectName(QStringLiteral("showTransferLogs"));
}
