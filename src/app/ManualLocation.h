#pragma once

#include <QString>

// Where Help > Manual finds help.pdf: in the working directory first, as the program always
// looked; then beside the program (a build tree); then where `cmake --install` and the package
// put it (<prefix>/share/doc/orbivane, the program being in <prefix>/bin), so that a menu entry
// started from anywhere finds it too.
class ManualLocation
{
public:
    static QString FileName() { return QStringLiteral("help.pdf"); }
    // The absolute path of the manual for a program in programDir, or empty when there is none.
    static QString Find(const QString &programDir);
};
