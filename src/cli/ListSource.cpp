#include "cli/ListSource.h"

#include "cli/ExitCode.h"
#include "cli/FetchCommand.h"
#include "exchange/ExchangeFiles.h"
#include "fetch/ListUrl.h"

#include <QCoreApplication>

ExchangeData ListSource::Read(const QString &source, int *code)
{
    *code = EXIT_FILE;
    if (ListUrl::IsRemote(source)) {
        QString why;
        const QUrl url = ListUrl::Parse(source, &why);
        if (!url.isValid()) {
            *code = EXIT_USAGE;
            return ExchangeData::Fail(QStringLiteral("%1: %2").arg(source, why));
        }
        FetchResult fetched;
        if (const int failed = FetchCommand::Obtain(url, FetchOptions(), false, fetched); failed >= 0) {
            *code = failed;
            return ExchangeData::Fail(QCoreApplication::translate("Cli", "%1: no list was read").arg(source));
        }
        return fetched.list;
    }
    ExchangeData data = ExchangeFiles::Read(source);
    if (!data.Ok())
        data.error = QStringLiteral("%1: %2").arg(source, data.error);
    return data;
}
