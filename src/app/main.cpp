#include "app/CMeterApp.h"
#include "app/StartArguments.h"
#include "common/Translations.h"

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
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const StartArguments early = StartArguments::Parse(raw, version);
    if (early.FinalBeforeApplication(raw))
        return Finish(early);
    CMeterApp app(argc, argv);
    InstallTranslations(app);
    const StartArguments start = StartArguments::Parse(QCoreApplication::arguments(), version);
    if (start.exitCode >= 0)
        return Finish(start);
    return CMeterApp::InitInstance(start.file);
}
