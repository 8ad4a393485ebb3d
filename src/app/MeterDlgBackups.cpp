// The main window's File menu and the backups: every save and every read kept in the archive,
// and a kept version put back.
#include "app/CMeterDlg.h"
#include "app/CRestoreDlg.h"
#include "app/CTransponderList.h"

#include "common/Prompts.h"
#include "document/BackupArchive.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>

#include <utility>

void CMeterDlg::BuildFileMenu(QMenuBar *menuBar)
{
    m_archive = std::make_unique<BackupArchive>();
    m_doc.SetArchive(m_archive.get());

    auto *file = new QMenu(QStringLiteral("&File"), menuBar);
    file->addAction(QStringLiteral("&Restore a backup..."), this, &CMeterDlg::OnRestoreBackup);
    // First, before Edit.
    menuBar->insertMenu(menuBar->actions().value(0), file);
}

void CMeterDlg::TellBackup(const FileResult &kept)
{
    // The user asked for a save or a read, and gets it.
    if (kept || std::exchange(m_backupTold, true))
        return;
    m_prompts.Message(QStringLiteral("A backup copy could not be kept:\n%1\n\nWhat you asked for goes ahead all "
                                     "the same. This is told once per session.")
                          .arg(kept.error),
                      QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
}

void CMeterDlg::KeepBeforeRead(const QString &path)
{
    TellBackup(m_archive->KeepBeforeSave(path, {}));
}

void CMeterDlg::KeepReadImage(const QString &path, uint32_t identityWord)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        TellBackup(m_archive->KeepRead(file.readAll(), identityWord));
}

void CMeterDlg::OnRestoreBackup()
{
    CRestoreDlg dlg(*m_archive, m_doc.IsOpen(), this);
    connect(&dlg, &CRestoreDlg::compareRequested, this, [this, &dlg](const QString &file) { CompareWithFile(file, &dlg); });
    if (dlg.exec() == QDialog::Accepted && !dlg.ChosenFile().isEmpty())
        RestoreBackup(dlg.ChosenFile());
}

bool CMeterDlg::RestoreBackup(const QString &archivedFile)
{
    const QString caption = QString::fromLatin1(kAppTitle);
    QFile file(archivedFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompts.Message(QDir::toNativeSeparators(archivedFile) + QLatin1Char('\n') + file.errorString(), caption,
                          Prompts::Icon::Warning);
        return false;
    }
    const QByteArray image = file.readAll();
    if (!m_doc.IsOpen()) {
        // Nothing is being edited: the version becomes a file the user names, opened as any
        // other. The archive's own copy is never edited in place.
        const QString path = m_prompts.SaveFileName(QString::fromLatin1(kDataFileFilter));
        if (path.isEmpty())
            return false;
        TellBackup(m_archive->KeepBeforeSave(path, image));
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
            m_prompts.Message(QDir::toNativeSeparators(path) + QLatin1Char('\n') + out.errorString(), caption,
                              Prompts::Icon::Warning);
            return false;
        }
        const DocumentResult opened = m_doc.Open(path);
        if (!opened) {
            Warn(opened);
            return false;
        }
        ShowDatabasePanels(true);
        FillSatelliteList();
        m_tpList->InsertTransponderColumns();
        ShowTransponders(SelectedSlot());
        return true;
    }
    if (!m_tpList->EndEdit())
        return false;
    if (m_tpList->IsModified()
        && !m_prompts.AskYesNoDefaultNo(QStringLiteral("The transponder list has changes that have not been applied; "
                                              "restoring the backup drops them.\n\nRestore it anyway?"),
                               caption)) {
        return false;
    }
    const DocumentResult restored = m_doc.ReplaceImage(QStringLiteral("Restore backup"), image);
    if (!restored) {
        Warn(restored);
        return false;
    }
    ShowDocument();
    UpdateEditMenu();
    return true;
}
