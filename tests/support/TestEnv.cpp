#include "TestEnv.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QThread>

#include <cstdio>
#include <unistd.h>

TempSettings::TempSettings()
    : m_oldHome(qgetenv("XDG_CONFIG_HOME")), m_oldDirs(qgetenv("XDG_CONFIG_DIRS"))
{
    qputenv("XDG_CONFIG_HOME", m_user.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_system.path().toLocal8Bit());
    // QSettings caches its search paths; make it read the variables again.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_user.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_system.path());
    for (int n = 0; n <= 11; ++n)
        qunsetenv(QStringLiteral("ORBIVANE_COM%1").arg(n).toLatin1().constData());
}

TempSettings::~TempSettings()
{
    qputenv("XDG_CONFIG_HOME", m_oldHome);
    qputenv("XDG_CONFIG_DIRS", m_oldDirs);
}

bool WaitUntil(const std::function<bool()> &cond, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!cond()) {
        if (deadline.hasExpired())
            return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

QByteArray StderrOf(const std::function<void()> &f)
{
    QTemporaryFile file;
    const int saved = ::dup(STDERR_FILENO);
    if (!file.open() || ::dup2(file.handle(), STDERR_FILENO) < 0)
        return {};
    f();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO), ::close(saved);
    return TestFile::Read(file.fileName());
}

QByteArray Pattern(qsizetype n, uint32_t seed)
{
    QByteArray b(n, '\0');
    for (uint32_t i = 0, x = seed | 1; i < uint32_t(n); ++i)
        b[i] = char((x = x * 1664525u + 1013904223u) >> 24);
    return b;
}

QByteArray UpdateFile(uint32_t word, qsizetype image, uint32_t seed)
{
    const char head[4] = {char(word), char(word >> 8), char(word >> 16), char(word >> 24)};
    return QByteArray(head, 4) + Pattern(image, seed);
}
