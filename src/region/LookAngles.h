#pragma once

#include "region/Site.h"

// Where a dish at a site points for a geostationary satellite: the standard spherical formulas
// on an Earth of radius 6378.137 km and an orbit of radius 42164.2 km, with
// dL the satellite's longitude less the site's (-180..180) and f the site's latitude:
//   elevation = atan2(cos f cos dL - Re/Rs, sqrt(1 - (cos f cos dL)^2))
//   azimuth   = atan2(sin dL, -sin f cos dL), turned into 0..360 clockwise from true north
//   skew      = atan2(D sin dL cos f, sin f (Rs - Re cos f cos dL)), folded into -90..90,
// where D is the distance from the site to the satellite. The skew is the angle from the local
// horizontal to the satellite's horizontal polarisation (which lies parallel to the equator),
// across the beam: POSITIVE means the LNB is turned COUNTER-CLOCKWISE as seen from behind the
// dish looking towards the satellite (clockwise as seen from in front of the dish). In the
// northern hemisphere a satellite east of the site's meridian has a positive skew, one west of
// it a negative skew; in the southern hemisphere the other way round. On the equator the belt
// runs through the zenith and the skew of any satellite off the site's meridian is 90.
//
// Straight overhead (a site on the equator at the satellite's longitude) the elevation is 90 and
// the azimuth, which any direction would be, is given as 0. A satellite below the horizon gets
// its angles all the same, with a negative elevation.
struct LookAngles
{
    static constexpr double EARTH_RADIUS_KM = 6378.137;
    static constexpr double ORBIT_RADIUS_KM = 42164.2;
    // The plan's default for a satellite worth proposing.
    static constexpr double DEFAULT_MINIMUM_ELEVATION = 10.0;

    double elevation = 0.0; // degrees above the horizon, -90..90
    double azimuth = 0.0;   // degrees clockwise from true north, 0 <= azimuth < 360
    double skew = 0.0;      // degrees, -90 < skew <= 90, the sign as above

    // At or above the minimum elevation (a billionth of a degree below it still counts, so
    // that a satellite placed exactly at the minimum is not lost to rounding).
    bool Visible(double minimumElevation) const { return elevation >= minimumElevation - 1e-9; }

    // For the satellite over longitude degrees East (West negative; any value, taken round the
    // circle).
    static LookAngles Towards(const Site &site, double satelliteLongitude);
    // For the satellite at a stored position: tenths of a degree East, as the database and the
    // lists' readers hold it (a West position turned round: 3550 is 5.0W; 1800 is 180.0;
    // values of 3600 and more, which the field allows, go round again).
    static LookAngles ForPosition(const Site &site, int position);
    // The longitude of a stored position, -180 < longitude <= 180 (East positive).
    static double LongitudeOfPosition(int position);
    // Where a stored position lies, as every table and sheet names it: "19.2E", "5.0W", "0.0",
    // "180.0".
    static QString PlaceName(int position);
};
