#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <csignal>
#include <functional>
#include <vector>

#include <sys/resource.h>

// Points the settings store (XDG_CONFIG_HOME and XDG_CONFIG_DIRS) at fresh temporary folders
// and clears every ORBIVANE_COM<n> mapping for the life of the object.
class TempSettings
{
public:
    TempSettings();
    ~TempSettings();
    QString UserDir() const { return m_user.path(); }
    QString SystemDir() const { return m_system.path(); }

private:
    QTemporaryDir m_user;
    QTemporaryDir m_system;
    QByteArray m_oldHome;
    QByteArray m_oldDirs;
};

// Points XDG_DATA_HOME (where saves and reads are backed up) at a fresh temporary folder for the
// life of the object, so that no test writes into the real home.
class TempDataHome
{
public:
    TempDataHome() : m_old(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path())); }
    ~TempDataHome() { qputenv("XDG_DATA_HOME", m_old); }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// Spins the event loop until cond() holds or timeoutMs have passed; returns cond().
bool WaitUntil(const std::function<bool()> &cond, int timeoutMs = 5000);

// Descriptors this process holds, to show that a port was closed.
inline int OpenDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::Files).size()); }

// What f writes to standard error, kept from the test's own output.
QByteArray StderrOf(const std::function<void()> &f);

// Whole files planted or inspected by tests (an empty array when the file cannot be read).
struct TestFile {
    static QByteArray Read(const QString &path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
    static bool Write(const QString &path, const QByteArray &bytes) { QFile f(path); return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(); }
};

// n bytes that differ with the seed; a vector's bytes.
QByteArray Pattern(qsizetype n, uint32_t seed = 1);
inline QByteArray Bytes(const std::vector<uint8_t> &v) { return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size())); }

// An update file: the identity word little-endian, then an image of `image` pattern bytes.
QByteArray UpdateFile(uint32_t word, qsizetype image, uint32_t seed = 1);

// Writes past the given size fail with EFBIG, as on a full disk, while the object lives.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, handler); }
    rlimit old{};
    void (*handler)(int);
};
