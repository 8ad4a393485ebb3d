// The main window's Help menu: the manual and the About box.
#include "app/CAboutDlg.h"
#include "app/CMeterDlg.h"
#include "app/ManualLocation.h"

#include "common/Prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

void CMeterDlg::OnManual()
{
    const QString manual = ManualLocation::Find(QCoreApplication::applicationDirPath());
    if (manual.isEmpty()) {
        m_prompts.Message(QStringLiteral("Can not find ") + ManualLocation::FileName(), QStringLiteral("Attention"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

void CMeterDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
