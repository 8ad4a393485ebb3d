#pragma once

#include <QApplication>

// The application: creates the main window, runs it, and ends when it closes.
class CMeterApp : public QApplication
{
    Q_OBJECT
public:
    CMeterApp(int &argc, char **argv);
    int InitInstance();
};
