// The main window's transfer commands: load software, read and write parameters.
#include "app/CMeterDlg.h"

#include "app/CTransferDlg.h"
#include "common/Prompts.h"
#include "document/BackupArchive.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// Returns the meter's identity word after a successful transfer, nothing otherwise.
std::optional<uint32_t> RunTransferDialog(CMeterDlg &main, Prompts &prompts, TransferKind kind, const QString &path, int port)
{
    CTransferDlg dlg(prompts, &main);
    // The port doctor's line says why the port did not open.
    QObject::connect(&dlg, &CTransferDlg::portFailed, &main, [&main, port](const QString &device, int failure) {
        main.ShowPortDiagnosis(port, device, false, failure);
    });
    dlg.SetTransfer(kind, path, port);
    dlg.exec();
    return dlg.Succeeded() ? std::optional<uint32_t>(dlg.IdentityWord()) : std::nullopt;
}

} // namespace

void CMeterDlg::OnLoadSoftware()
{
    const QString path = m_prompts.OpenFileName(kDataFileFilter);
    if (path.isEmpty())
        return;
    RunTransferDialog(*this, m_prompts, TK_LOAD_SOFTWARE, path, SelectedPort());
}

void CMeterDlg::OnReadParameters()
{
    const QString path = m_prompts.SaveFileName(kDataFileFilter);
    if (path.isEmpty())
        return;
    // A file the backups cannot keep would be gone for good: replaced only when the user says so.
    const QFileInfo target(path);
    if (target.isFile() && target.size() > BackupArchive::MAX_KEPT_BYTES
        && !m_prompts.AskYesNoDefaultNo(
            QStringLiteral("%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would "
                           "replace it with no copy kept.\n\nReplace it anyway?")
                .arg(QDir::toNativeSeparators(path)).arg(target.size()).arg(BackupArchive::MAX_KEPT_BYTES >> 20),
            kAppTitle)) {
        return;
    }
    KeepBeforeRead(path);
    if (const auto identity = RunTransferDialog(*this, m_prompts, TK_READ_PARAMS, path, SelectedPort()))
        KeepReadImage(path, *identity);
}

void CMeterDlg::OnWriteParameters()
{
    if (m_connected == 0) {
        m_prompts.Message(QStringLiteral("please choose one correct COM port to connect your meter."),
                          kAppTitle);
        return;
    }
    const QString path = m_prompts.OpenFileName(kDataFileFilter);
    if (path.isEmpty())
        return;
    RunTransferDialog(*this, m_prompts, TK_WRITE_PARAMS, path, SelectedPort());
}
