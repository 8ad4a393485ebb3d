#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>

// sheet DB OUT.pdf [--site LAT,LON] [--min-elevation DEG] [--force]: the pointing sheet of DB's
// satellites for the site, as a PDF.
class SheetCommand
{
public:
    // The application object the command needs: laying out the PDF's text takes the fonts of a
    // GUI application, on the offscreen platform, so that no display is needed.
    static std::unique_ptr<QCoreApplication> Application(int &argc, char **argv);
    static int Run(const QStringList &arguments);
};
