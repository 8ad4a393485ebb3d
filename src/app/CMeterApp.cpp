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

// Qt lays the window out right to left when a translation answers "RTL" here; listed so that
// each language's file carries it.
[[maybe_unused]] static const char *const kLayoutDirection[] = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left "
    "languages (such as Hebrew and Arabic) to get proper widget layout.");

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
