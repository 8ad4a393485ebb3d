// The main window's Help menu: the manual and the About box.
#include "app/CAboutDlg.h"
#include "app/CMeterDlg.h"

#include "common/Prompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void CMeterDlg::OnManual()
{
    // Looked up in the current directory only, wherever the program itself lies.
    const QString name = QStringLiteral("help.pdf");
    const QFileInfo manual(QDir::current(), name);
    if (!manual.isFile()) {
        m_prompts.Message(QStringLiteral("Can not find ") + name, QStringLiteral("Attention"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual.absoluteFilePath()));
}

void CMeterDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
