#include "protocol/TransferLogFolder.h"

#include "protocol/TransferLog.h"

#include "common/OwnedFolder.h"
#include "common/SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <cerrno>

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
            *error = QCoreApplication::translate("Transfer", "Can not create %1").arg(folder);
        return {};
    }
    const QDir dir(folder);
    // Named by the time (UTC, which never goes back an hour), so that names sort oldest first;
    // two in the same millisecond take the next free one, which keeps that order. Made new,
    // never through a name that exists: a link put under the next name is not followed.
    QDateTime when = QDateTime::currentDateTimeUtc();
    const QByteArray text = log.Text();
    QString path;
    QString why;
    int err = EEXIST;
    for (int tries = 0; err == EEXIST && tries < 1000; ++tries, when = when.addMSecs(1)) {
        const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        if (!dir.entryList({stamp + QStringLiteral("-*.log")}, QDir::AllEntries | QDir::System).isEmpty())
            continue;
        path = dir.filePath(QStringLiteral("%1-%2.log").arg(stamp, what));
        err = OwnedFolder::CreateNew(path, text, false, &why);
    }
    if (err != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return {};
    }
    // Only our own logs count and go: the user may keep notes in the folder.
    static const QRegularExpression ours(QStringLiteral("^\\d{8}-\\d{6}-\\d{3}-(read|write|load)\\.log$"));
    QStringList logs = dir.entryList({QStringLiteral("*.log")}, QDir::Files | QDir::NoSymLinks, QDir::Name)
                           .filter(ours);
    while (logs.size() > kKeep)
        QFile::remove(dir.filePath(logs.takeFirst()));
    return path;
}
