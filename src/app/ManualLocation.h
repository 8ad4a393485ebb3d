#pragma once

#include <QString>

// Where Help > Manual finds help.pdf: beside the program in a build tree, or where
// `cmake --install` and the package put it (<prefix>/share/doc/orbivane, the program being in
// <prefix>/bin). The working directory plays no part, so a menu entry or a shortcut started
// from anywhere finds it.
class ManualLocation
{
public:
    static QString FileName() { return QStringLiteral("help.pdf"); }
    // The absolute path of the manual for a program in programDir, or empty when there is none.
    static QString Find(const QString &programDir);
};
