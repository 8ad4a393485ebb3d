#include "app/TransferCommands.h"

#include "app/Backups.h"
#include "app/CTransferDlg.h"
#include "app/PortPanel.h"
#include "common/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// Returns the meter's identity word after a successful transfer, nothing otherwise.
std::optional<uint32_t> RunTransferDialog(QWidget *window, PortPanel &portPanel, Prompts &prompts, TransferKind kind,
                                          const QString &path)
{
    const int port = portPanel.SelectedPort();
    CTransferDlg dlg(prompts, window);
    dlg.SetTransfer(kind, path, port);
    // The port doctor's line says why the port did not open.
    QObject::connect(&dlg, &CTransferDlg::portFailed, &portPanel,
                     [&portPanel, port](const QString &device, int failure) {
                         portPanel.ShowPortDiagnosis(port, device, false, failure);
                     });
    dlg.exec();
    return dlg.Succeeded() ? std::optional<uint32_t>(dlg.IdentityWord()) : std::nullopt;
}

} // namespace

TransferCommands::TransferCommands(PortPanel &port, Backups &backups, Prompts &prompts, QWidget *window)
    : QObject(window), m_port(port), m_backups(backups), m_prompts(prompts), m_window(window)
{
}

void TransferCommands::OnLoadSoftware()
{
    const QString path = m_prompts.OpenFileName(QCoreApplication::translate("Prompts", kDataFileFilter));
    if (path.isEmpty())
        return;
    RunTransferDialog(m_window, m_port, m_prompts, TK_LOAD_SOFTWARE, path);
}

void TransferCommands::OnReadParameters()
{
    const QString path = m_prompts.SaveFileName(QCoreApplication::translate("Prompts", kDataFileFilter));
    if (path.isEmpty())
        return;
    // A file the backups cannot keep would be gone for good: replaced only when the user says so.
    const QFileInfo target(path);
    if (target.isFile() && !BackupArchive::Keeps(target.size())
        && !m_prompts.AskYesNoDefaultNo(
            tr("%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would "
               "replace it with no copy kept.\n\nReplace it anyway?")
                .arg(QDir::toNativeSeparators(path)).arg(target.size()).arg(BackupArchive::MAX_KEPT_BYTES >> 20),
            kAppTitle)) {
        return;
    }
    m_backups.KeepBeforeSave(path);
    if (const auto identity = RunTransferDialog(m_window, m_port, m_prompts, TK_READ_PARAMS, path))
        m_backups.KeepReadImage(path, *identity);
}

void TransferCommands::OnWriteParameters()
{
    if (m_port.Connected() == 0) {
        m_prompts.Message(tr("please choose one correct COM port to connect your meter."),
                          kAppTitle);
        return;
    }
    const QString path = m_prompts.OpenFileName(QCoreApplication::translate("Prompts", kDataFileFilter));
    if (path.isEmpty())
        return;
    RunTransferDialog(m_window, m_port, m_prompts, TK_WRITE_PARAMS, path);
}
