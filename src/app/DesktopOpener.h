#pragma once

#include <QString>

#include <functional>

class QObject;

// Opens a file or folder with the desktop's own program. On X11 and Wayland Qt hands the file to
// xdg-open and reports only that xdg-open started: a desktop with no viewer for it would stay
// silent. There we run xdg-open ourselves and listen to its exit status.
class DesktopOpener
{
public:
    // notOpened runs on the GUI thread, while context lives, when no program took path.
    static void Open(const QString &path, QObject *context, const std::function<void()> &notOpened);
    // The program run in xdg-open's place (tests); empty: the desktop's own choice.
    static void SetProgram(const QString &program);

private:
    static QString &Override();
    static QString Program();
};
