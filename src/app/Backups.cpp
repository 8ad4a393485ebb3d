#include "app/Backups.h"

#include "common/Prompts.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

void Backups::Tell(const FileResult &kept)
{
    // The user asked for a save or a read, and gets it.
    if (kept || std::exchange(m_told, true))
        return;
    m_prompts.Message(QCoreApplication::translate("Backups", "A backup copy could not be kept:\n%1\n\nWhat you asked for goes ahead all "
                                                             "the same. This is told once per session.")
                          .arg(kept.error),
                      QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
}

void Backups::KeepBeforeSave(const QString &path, const QByteArray &next)
{
    Tell(m_archive.KeepBeforeSave(path, next));
}

void Backups::KeepReadImage(const QString &path, uint32_t identityWord)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Tell(m_archive.KeepRead(file.readAll(), identityWord));
}
