#pragma once

#include <QApplication>

// The application: creates the main window, runs it, and ends when it closes.
class CMeterApp : public QApplication
{
    Q_OBJECT
public:
    CMeterApp(int &argc, char **argv);
    // Runs the window; a file given is opened for editing once it is up (a bad one is told, and
    // the window stays as it starts).
    static int InitInstance(const QString &file = QString());
};
