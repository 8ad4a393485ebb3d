#pragma once

#include "region/LookAngles.h"
#include "region/RegionPlan.h"

#include <QCommandLineOption>
#include <QJsonObject>
#include <QString>

class CommandLine;

// The site options of sky and fit (--site LAT,LON, --min-elevation DEG) and how both commands
// show a satellite's look angles.
class RegionArguments
{
public:
    // Adds the options to cl's parser.
    explicit RegionArguments(CommandLine &cl);

    // After cl.Parse: the site (--site, else the one kept in the settings) and the minimum
    // elevation into options. -1 to go on, else the exit code, the mistake told.
    int Read(RegionPlan::Options &options) const;

    // "elevation azimuth skew" columns, one decimal place, the skew signed.
    static QString Columns(const LookAngles &angles);
    static QString ColumnsHead();
    // elevation, azimuth and skew, rounded to hundredths.
    static QJsonObject Json(const LookAngles &angles);
    static QJsonObject SiteJson(const RegionPlan::Options &options);
    // "Site 52.52N 13.4E, minimum elevation 10 degrees"
    static QString SiteLine(const RegionPlan::Options &options);

private:
    CommandLine &m_cl;
    QCommandLineOption m_site;
    QCommandLineOption m_minimum;
};
