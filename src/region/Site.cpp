#include "region/Site.h"

#include "common/SettingsStore.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <QCoreApplication>

namespace {

const char kSettingKey[] = "Region/Site";

QString Example()
{
    return QCoreApplication::translate("Region", "write it as 52.52,13.40 or 52.52N 13.40E");
}

bool IsControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// The fewest decimal places that read back as the same number, never an exponent or "-0".
QString Number(double value)
{
    const QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

Site::Parsed Fail(const QString &error)
{
    Site::Parsed p;
    p.error = error;
    return p;
}

Site::Parsed Checked(double latitude, double longitude, const QString &latText, const QString &lonText)
{
    if (!(std::fabs(latitude) <= Site::MAX_LATITUDE))
        return Fail(QCoreApplication::translate("Region", "the latitude %1 lies beyond 90 degrees North or South").arg(latText));
    if (!(std::fabs(longitude) <= Site::MAX_LONGITUDE))
        return Fail(QCoreApplication::translate("Region", "the longitude %1 lies beyond 180 degrees East or West").arg(lonText));
    Site::Parsed p;
    p.site = Site::FromDegrees(latitude, longitude);
    return p;
}

} // namespace

std::optional<Site> Site::FromDegrees(double latitude, double longitude)
{
    if (!(std::fabs(latitude) <= MAX_LATITUDE) || !(std::fabs(longitude) <= MAX_LONGITUDE))
        return std::nullopt; // NaN fails both comparisons too
    // Kept to a billionth of a degree (0.1 mm): any site then writes in a few characters and reads
    // back as itself (a typed 1e-60 would write 60 zeros, longer than a site may be). -0 and 0 are
    // one place, and compare equal after a round trip through the text.
    const auto kept = [](double degrees) { return std::round(degrees * 1e9) / 1e9 + 0.0; };
    return Site(kept(latitude), kept(longitude));
}

Site::Parsed Site::Parse(const QString &text)
{
    if (text.size() > MAX_TEXT)
        return Fail(QCoreApplication::translate("Region", "the site is %n characters long; a site takes at most %1", nullptr, int(text.size()))
                        .arg(MAX_TEXT));
    for (const QChar c : text) {
        if (IsControl(c))
            return Fail(QCoreApplication::translate("Region", "the site holds a control character; %1").arg(Example()));
    }
    QString t = text.trimmed();
    t.remove(QChar(0x00B0)); // the degree sign
    if (t.isEmpty())
        return Fail(QCoreApplication::translate("Region", "no site given; %1").arg(Example()));

    // A number has digits on at least one side of its point; no exponent, no "inf" or "nan".
    static const QString number = QStringLiteral("(\\d+(?:\\.\\d*)?|\\.\\d+)");
    static const QRegularExpression signedPair(
        QStringLiteral("^([+-]?)%1\\s*(?:,|\\s)\\s*([+-]?)%1$").arg(number));
    static const QRegularExpression letteredPair(
        QStringLiteral("^%1\\s*([NSEWnsew])\\s*,?\\s*%1\\s*([NSEWnsew])$").arg(number));

    if (const QRegularExpressionMatch m = signedPair.match(t); m.hasMatch()) {
        const QString latText = m.captured(1) + m.captured(2);
        const QString lonText = m.captured(3) + m.captured(4);
        return Checked(latText.toDouble(), lonText.toDouble(), latText, lonText);
    }
    if (const QRegularExpressionMatch m = letteredPair.match(t); m.hasMatch()) {
        QString a = m.captured(1);
        QChar aLetter = m.captured(2).at(0).toUpper();
        QString b = m.captured(3);
        QChar bLetter = m.captured(4).at(0).toUpper();
        const auto isLatitude = [](QChar c) { return c == QLatin1Char('N') || c == QLatin1Char('S'); };
        if (isLatitude(aLetter) == isLatitude(bLetter))
            return Fail((isLatitude(aLetter) ? QCoreApplication::translate("Region", "\"%1\" gives two latitudes; %2")
                                             : QCoreApplication::translate("Region", "\"%1\" gives two longitudes; %2"))
                            .arg(t, Example()));
        if (!isLatitude(aLetter)) {
            std::swap(a, b);
            std::swap(aLetter, bLetter);
        }
        const double latitude = aLetter == QLatin1Char('S') ? -a.toDouble() : a.toDouble();
        const double longitude = bLetter == QLatin1Char('W') ? -b.toDouble() : b.toDouble();
        return Checked(latitude, longitude, a + aLetter, b + bLetter);
    }
    if (t.contains(QRegularExpression(QStringLiteral("[+-]\\s*[\\d.]+\\s*[NSEWnsew]"))))
        return Fail(QCoreApplication::translate("Region", "\"%1\" gives a sign and a hemisphere letter on one number; %2").arg(t, Example()));
    return Fail(QCoreApplication::translate("Region", "\"%1\" is no latitude and longitude; %2").arg(t, Example()));
}

QString Site::Text() const
{
    return Number(m_latitude) + QLatin1Char(',') + Number(m_longitude);
}

QString Site::Display() const
{
    return Number(std::fabs(m_latitude)) + (m_latitude < 0 ? QLatin1Char('S') : QLatin1Char('N')) + QLatin1Char(' ')
           + Number(std::fabs(m_longitude)) + (m_longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'));
}

std::optional<Site> Site::ReadSetting()
{
    const QString kept = SettingsStore::ReadText(QString::fromLatin1(kSettingKey));
    return kept.isEmpty() ? std::nullopt : Parse(kept).site;
}

bool Site::WriteSetting() const
{
    return SettingsStore::WriteText(QString::fromLatin1(kSettingKey), Text());
}
