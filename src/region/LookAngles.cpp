#include "region/LookAngles.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees)
{
    return degrees * kPi / 180.0;
}

double Degrees(double radians)
{
    return radians * 180.0 / kPi;
}

// Into -180 < degrees <= 180.
double Turned(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d > 180.0)
        d -= 360.0;
    else if (d <= -180.0)
        d += 360.0;
    return d;
}

} // namespace

double LookAngles::LongitudeOfPosition(int position)
{
    // Tenths as the field holds them, in double: the dialog's float degrees (19.2f is
    // 19.20000076) would move a satellite that lies exactly at the minimum elevation below it.
    return Turned(double(position) / 10.0);
}

QString LookAngles::PlaceName(int position)
{
    const double east = LongitudeOfPosition(position);
    QString degrees = QString::number(std::fabs(east), 'f', 1);
    if (degrees == QLatin1String("0.0") || degrees == QLatin1String("180.0"))
        return degrees;
    return degrees + (east < 0 ? QLatin1Char('W') : QLatin1Char('E'));
}

LookAngles LookAngles::ForPosition(const Site &site, int position)
{
    return Towards(site, LongitudeOfPosition(position));
}

LookAngles LookAngles::Towards(const Site &site, double satelliteLongitude)
{
    LookAngles a;
    if (!std::isfinite(satelliteLongitude))
        return a;
    const double f = Radians(site.Latitude());
    const double dl = Radians(Turned(satelliteLongitude - site.Longitude()));
    const double re = EARTH_RADIUS_KM;
    const double rs = ORBIT_RADIUS_KM;

    // The angle at the Earth's centre between the site and the point under the satellite.
    const double cosCentral = std::cos(f) * std::cos(dl);
    const double sinCentral = std::sqrt(std::max(0.0, 1.0 - cosCentral * cosCentral));
    a.elevation = Degrees(std::atan2(cosCentral - re / rs, sinCentral));

    const double east = std::sin(dl);
    const double north = -std::sin(f) * std::cos(dl);
    if (std::fabs(east) < 1e-12 && std::fabs(north) < 1e-12)
        return a; // straight overhead (or underfoot): every direction is one, skew none
    double azimuth = Degrees(std::atan2(east, north));
    if (azimuth < 0.0)
        azimuth += 360.0;
    a.azimuth = azimuth >= 360.0 ? 0.0 : azimuth;

    const double distance = std::sqrt(rs * rs + re * re - 2.0 * re * rs * cosCentral);
    double skew = Degrees(std::atan2(distance * std::sin(dl) * std::cos(f), std::sin(f) * (rs - re * cosCentral)));
    // A polarisation has no direction: -120 and 60 turn the LNB alike.
    if (skew > 90.0)
        skew -= 180.0;
    else if (skew <= -90.0)
        skew += 180.0;
    a.skew = skew + 0.0; // never -0
    return a;
}
