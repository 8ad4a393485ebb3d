#include "app/CMeterApp.h"
#include "app/StartArguments.h"
#include "common/Translations.h"

#include <algorithm>
#include <cstdio>

namespace {

int Finish(const StartArguments &start)
{
    std::fputs(start.text.toLocal8Bit().append('\n').constData(), start.exitCode == 0 ? stdout : stderr);
    return start.exitCode;
}

} // namespace

int main(int argc, char **argv)
{
    const QString version = QStringLiteral(ORBIVANE_VERSION);
    // --help and --version are answered before the application exists, so that they need no
    // display. Qt's own options (-platform...) are known only to the application: the rest is
    // read once it has taken those out.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const StartArguments early = StartArguments::Parse(raw, version);
    const bool qtOptions = std::any_of(raw.cbegin() + 1, raw.cend(), [](const QString &arg) {
        return arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("--");
    });
    if (early.exitCode == 0 || (early.exitCode > 0 && !qtOptions))
        return Finish(early);
    CMeterApp app(argc, argv);
    InstallTranslations(app);
    const StartArguments start = StartArguments::Parse(QCoreApplication::arguments(), version);
    if (start.exitCode >= 0)
        return Finish(start);
    return app.InitInstance(start.file);
}
