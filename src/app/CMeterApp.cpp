#include "app/CMeterApp.h"

#include "app/CMeterDlg.h"
#include "app/EditorPanel.h"
#include "app/GuiPrompts.h"

#include <QFileInfo>

CMeterApp::CMeterApp(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Orbivane"));
    setOrganizationName(QStringLiteral("Tarnwell"));
    setWindowIcon(QIcon(QStringLiteral(":/orbivane.png")));
    // Ties the window to the installed desktop entry (its icon and name in the dock, on Wayland).
    setDesktopFileName(QStringLiteral("com.tarnwell.Orbivane"));
}

int CMeterApp::InitInstance(const QString &file)
{
    GuiPrompts prompts;
    Prompts::SetDefault(&prompts);
    int result = 0;
    {
        CMeterDlg dlg(prompts);
        prompts.SetWindow(&dlg);
        dlg.OnInitDialog();
        if (!file.isEmpty())
            dlg.Editor().OpenAndShow(QFileInfo(file).absoluteFilePath());
        result = dlg.exec();
    }
    Prompts::SetDefault(nullptr);
    return result == QDialog::Accepted || result == QDialog::Rejected ? 0 : result;
}
