#include "TestEnv.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSettings>
#include <QThread>

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

QByteArray TestFile::Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestFile::Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
