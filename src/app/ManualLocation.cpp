#include "app/ManualLocation.h"

#include <QDir>
#include <QFileInfo>

QString ManualLocation::Find(const QString &programDir)
{
    // The build tree first: a developer running build/src/orbivane wants the manual just built,
    // not an older installed one.
    for (const QString &folder : {QStringLiteral("."), QStringLiteral("../share/doc/orbivane")}) {
        const QFileInfo manual(QDir(programDir).filePath(folder + QLatin1Char('/') + FileName()));
        if (manual.isFile())
            return manual.absoluteFilePath();
    }
    return {};
}
