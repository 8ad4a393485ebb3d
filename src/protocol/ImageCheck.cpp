#include "protocol/ImageCheck.h"

#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QCoreApplication>
#include <QFile>

namespace {
// Enough to show what is wrong without a box taller than the screen.
constexpr int kProblemsShown = 4;
} // namespace

QString DamagedDatabaseQuestion(QFile &file)
{
    if (!file.seek(0))
        return {};
    const QByteArray bytes = file.readAll();
    file.seek(0);
    const auto db = ParamDatabase::FromImage(bytes); // taking bytes over and checking them tell nobody anything
    if (!db)
        return {}; // the length check has its own message
    const QStringList problems = DatabaseChecker::Check(*db, kProblemsShown);
    if (problems.isEmpty())
        return {};
    return QCoreApplication::translate("Transfer", "This database file is damaged:\n\n- %1\n\nWrite it anyway?")
        .arg(problems.join(QStringLiteral("\n- ")));
}
