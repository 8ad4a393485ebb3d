#pragma once

#include <QString>

// The lock the writers of one file take around read-check-write, so that no save overwrites a
// change it has not seen, across processes. An advisory flock on the file itself (no lock file
// beside it: the folder may not let us make one). A writer that replaces the file by renaming a
// new one over it leaves the lock on the old inode; Lock notices and locks the file now there.
class FileLock
{
public:
    // Long enough for another save or import to finish, short enough for a window to wait.
    static constexpr int DEFAULT_WAIT_MS = 10000;

    explicit FileLock(const QString &path) : m_path(path) {}
    ~FileLock() { Unlock(); }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to waitMs for the lock. True when held, and when there is no file to lock (nothing
    // there can be lost). False when another writer held it throughout, or the file cannot be
    // opened; ErrorString says which.
    bool Lock(int waitMs = DEFAULT_WAIT_MS);
    void Unlock();
    bool IsHeld() const { return m_fd >= 0; }
    QString ErrorString() const { return m_error; }
    // The last Lock failed because another writer held the lock throughout.
    bool Contended() const { return m_contended; }

private:
    QString m_path;
    QString m_error;
    int m_fd = -1;
    bool m_contended = false;
};

// Whether two names lead to one file (the same name, a symbolic or a hard link): the same device
// and inode. False when either cannot be looked up.
bool SameFile(const QString &a, const QString &b);
