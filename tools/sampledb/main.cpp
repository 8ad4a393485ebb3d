// orbivane-sampledb: writes a sample parameter database file for trying the editor and the
// emulator without a meter.
#include "SampleDatabase.h"

#include "common/Prompts.h"
#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orbivane-sampledb"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a consistent sample database image."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Database file to write."));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption sats(QStringLiteral("satellites"), QStringLiteral("Satellites."),
                                  QStringLiteral("n"), QStringLiteral("12"));
    const QCommandLineOption tps(QStringLiteral("transponders"),
                                 QStringLiteral("Most transponders per satellite."),
                                 QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption chs(QStringLiteral("channels"), QStringLiteral("Channels."),
                                 QStringLiteral("n"), QStringLiteral("800"));
    parser.addOptions({seed, sats, tps, chs});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    SampleDatabase::Options o;
    o.seed = parser.value(seed).toUInt();
    o.satellites = parser.value(sats).toInt();
    o.maxTranspondersPerSatellite = parser.value(tps).toInt();
    o.channels = parser.value(chs).toInt();

    ParamDatabase db;
    SampleDatabase::Fill(db, o);
    const QStringList problems = DatabaseChecker::Check(db);
    for (const QString &p : problems)
        std::fprintf(stderr, "%s\n", qPrintable(p));
    if (!problems.isEmpty())
        return 1;
    const FileResult saved = db.SaveAs(parser.positionalArguments().first());
    if (!saved)
        Prompts::Default().Message(saved.error, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
    return saved ? 0 : 1;
}
