#pragma once

#include <QString>

#include <optional>

// Where the dishes stand: latitude and longitude in degrees, North and East positive.
//
// Typed as two signed decimal numbers, latitude first, apart by a comma or blanks ("52.52,13.40",
// "-33.9, 18.4", "52.52 13.40"), or as two unsigned ones each followed by its hemisphere letter,
// in either order ("52.52N 13.40E", "33.9S,18.4E", "18.4E 33.9S"; a degree sign may stand
// before the letter). A letter and a sign on one number, exponents, "nan" and "inf", a decimal
// comma, control characters and texts over MAX_TEXT characters are refused, each with its own
// message; so is a latitude beyond 90 or a longitude beyond 180 degrees either way.
class Site
{
public:
    static constexpr int MAX_TEXT = 64;
    static constexpr double MAX_LATITUDE = 90.0;
    static constexpr double MAX_LONGITUDE = 180.0;

    struct Parsed;

    Site() = default; // 0N 0E

    // A site at these degrees; nothing when either is out of range or not a finite number.
    static std::optional<Site> FromDegrees(double latitude, double longitude);
    static Parsed Parse(const QString &text);

    double Latitude() const { return m_latitude; }
    double Longitude() const { return m_longitude; }

    // "52.52,13.4": as few decimal places as read back as the same numbers; Parse reads it back.
    QString Text() const;
    // "52.52N 13.4E", as the hemisphere letters write it; Parse reads it back as well.
    QString Display() const;

    // The site kept in the settings ("Region/Site", written as Text()); nothing when none is
    // kept or what is kept does not read as a site.
    static std::optional<Site> ReadSetting();
    // False when the settings file refused the write.
    bool WriteSetting() const;

    friend bool operator==(const Site &a, const Site &b)
    {
        return a.m_latitude == b.m_latitude && a.m_longitude == b.m_longitude;
    }
    friend bool operator!=(const Site &a, const Site &b) { return !(a == b); }

private:
    Site(double latitude, double longitude) : m_latitude(latitude), m_longitude(longitude) {}

    double m_latitude = 0.0;
    double m_longitude = 0.0;
};

// What reading a site came to: the site, or the message that tells the user why not.
struct Site::Parsed {
    std::optional<Site> site;
    QString error;

    bool Ok() const { return site.has_value(); }
};
