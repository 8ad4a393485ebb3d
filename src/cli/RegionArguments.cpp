#include "cli/RegionArguments.h"

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"

#include <QRegularExpression>

#include <cmath>
#include <QCoreApplication>

namespace {

double Hundredths(double value)
{
    return std::round(value * 100.0) / 100.0 + 0.0;
}

} // namespace

RegionArguments::RegionArguments(CommandLine &cl)
    : m_cl(cl),
      m_site(QStringLiteral("site"),
             QCoreApplication::translate("Cli", "Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East "
                            "positive). Default: the site the window keeps."),
             QStringLiteral("LAT,LON")),
      m_minimum(QStringLiteral("min-elevation"),
                QCoreApplication::translate("Cli", "The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10."),
                QStringLiteral("DEG"), QStringLiteral("10"))
{
    cl.Parser().addOptions({m_site, m_minimum});
}

int RegionArguments::Read(RegionPlan::Options &options) const
{
    const QCommandLineParser &parser = m_cl.Parser();
    if (parser.isSet(m_site)) {
        const Site::Parsed parsed = Site::Parse(parser.value(m_site));
        if (!parsed.Ok())
            return m_cl.UsageError(QStringLiteral("--site: %1").arg(parsed.error));
        options.site = *parsed.site;
    } else if (const std::optional<Site> kept = Site::ReadSetting()) {
        options.site = *kept;
    } else {
        return m_cl.UsageError(QCoreApplication::translate("Cli", "give the site: --site LAT,LON (none is kept in the settings)"));
    }
    const QString text = parser.value(m_minimum);
    static const QRegularExpression number(QStringLiteral("^\\s*[+]?(\\d{1,3}(\\.\\d*)?|\\.\\d+)\\s*$"));
    const double degrees = text.trimmed().toDouble();
    if (!number.match(text).hasMatch() || degrees > 90.0)
        return m_cl.UsageError(QCoreApplication::translate("Cli", "--min-elevation takes degrees from 0 to 90, not '%1'").arg(text));
    options.minimumElevation = degrees;
    return -1;
}

QString RegionArguments::ColumnsHead()
{
    return QStringLiteral("elevation  azimuth   skew");
}

QString RegionArguments::Columns(const LookAngles &angles)
{
    const double skew = std::round(angles.skew * 10.0) / 10.0 + 0.0;
    double azimuth = std::round(angles.azimuth * 10.0) / 10.0;
    if (azimuth >= 360.0)
        azimuth = 0.0; // 359.96 is north as well
    return QStringLiteral("%1  %2  %3")
        .arg(angles.elevation, 9, 'f', 1)
        .arg(azimuth, 7, 'f', 1)
        .arg((skew > 0 ? QStringLiteral("+") : QString()) + QString::number(skew, 'f', 1), 5);
}

QJsonObject RegionArguments::Json(const LookAngles &angles)
{
    return QJsonObject{{QStringLiteral("elevation"), Hundredths(angles.elevation)},
                       {QStringLiteral("azimuth"), Hundredths(angles.azimuth)},
                       {QStringLiteral("skew"), Hundredths(angles.skew)}};
}

QJsonObject RegionArguments::SiteJson(const RegionPlan::Options &options)
{
    return QJsonObject{{QStringLiteral("latitude"), options.site.Latitude()},
                       {QStringLiteral("longitude"), options.site.Longitude()},
                       {QStringLiteral("minimumElevation"), options.minimumElevation}};
}

QString RegionArguments::SiteLine(const RegionPlan::Options &options)
{
    return QCoreApplication::translate("Cli", "Site %1, minimum elevation %2 degrees")
        .arg(options.site.Display(), QString::number(options.minimumElevation));
}
