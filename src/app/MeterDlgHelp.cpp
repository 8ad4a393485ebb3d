// The main window's Help menu: the manual and the About box.
#include "app/CAboutDlg.h"
#include "app/CMeterDlg.h"
#include "app/DesktopOpener.h"
#include "app/ManualLocation.h"

#include "common/Prompts.h"

#include <QCoreApplication>
#include <QDir>

void CMeterDlg::OnManual()
{
    const QString manual = ManualLocation::Find(QCoreApplication::applicationDirPath());
    if (manual.isEmpty()) {
        m_prompts.Message(QStringLiteral("Can not find ") + ManualLocation::FileName(), QStringLiteral("Attention"));
        return;
    }
    OpenOnDesktop(manual, QStringLiteral("the manual"));
}

void CMeterDlg::OpenOnDesktop(const QString &path, const QString &what)
{
    // The desktop finds no program for it (no viewer, no file manager, no xdg-open): say where
    // it is, so that the person can open it another way.
    DesktopOpener::Open(path, this, [this, path, what] {
        m_prompts.Message(QStringLiteral("No program on this system could open %1:\n%2")
                              .arg(what, QDir::toNativeSeparators(path)),
                          kAppTitle, Prompts::Icon::Warning);
    });
}

void CMeterDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
