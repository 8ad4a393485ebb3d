#include "protocol/TransferLogFolder.h"

#include "protocol/TransferLog.h"

#include "common/SettingsStore.h"

#include <QDateTime>
#include <QDir>

QString TransferLogFolder::Path()
{
    QString state = SettingsStore::OwnFolder(QStringLiteral("state"));
    if (state.isEmpty())
        state = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules: a relative path in the variable is to be ignored.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QStringLiteral("/orbivane/logs"));
}

QString TransferLogFolder::Keep(const TransferLog &log, const QString &what, QString *error)
{
    const QString folder = Path();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Can not create %1").arg(folder);
        return {};
    }
    const QDir dir(folder);
    // Named by the time (UTC, which never goes back an hour), so that names sort oldest first;
    // two in the same millisecond take the next free one, which keeps that order.
    QDateTime when = QDateTime::currentDateTimeUtc();
    QString stamp;
    do {
        stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        when = when.addMSecs(1);
    } while (!dir.entryList({stamp + QStringLiteral("-*.log")}, QDir::Files).isEmpty());
    QString path = dir.filePath(QStringLiteral("%1-%2.log").arg(stamp, what));
    if (!log.Save(path, error))
        return {};
    QStringList logs = dir.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
    while (logs.size() > kKeep)
        QFile::remove(dir.filePath(logs.takeFirst()));
    return path;
}
