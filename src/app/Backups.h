#pragma once

#include "document/BackupArchive.h"

#include <QString>

#include <cstdint>

class Prompts;

// Where saves and reads are kept, and the one word said when a copy could not be kept.
class Backups
{
public:
    explicit Backups(Prompts &prompts) : m_prompts(prompts) {}

    BackupArchive &Archive() { return m_archive; }
    // A backup that could not be kept: told once per session, not at every Apply.
    void Tell(const FileResult &kept);
    // What path holds now, before next replaces it.
    void KeepBeforeSave(const QString &path, const QByteArray &next = {});
    // The image a read left in path, under the meter's identity word.
    void KeepReadImage(const QString &path, uint32_t identityWord);

private:
    Prompts &m_prompts;
    BackupArchive m_archive;
    bool m_told = false;
};
