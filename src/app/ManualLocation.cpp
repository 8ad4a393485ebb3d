#include "app/ManualLocation.h"

#include <QDir>
#include <QFileInfo>

QString ManualLocation::Find(const QString &programDir)
{
    const QDir program(programDir);
    for (const QString &folder : {QDir::currentPath(), program.path(), program.filePath(QStringLiteral("../share/doc/orbivane"))}) {
        const QFileInfo manual(QDir(folder).filePath(FileName()));
        if (manual.isFile())
            return QDir::cleanPath(manual.absoluteFilePath());
    }
    return {};
}
