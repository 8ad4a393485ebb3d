#include "document/SatelliteConversions.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

float SatelliteConversions::DegreesFromPosition(int position)
{
    return float(position) * 0.1f;
}

float SatelliteConversions::WholeDegreesFromPosition(int position)
{
    return float(position / 10); // NOLINT(bugprone-integer-division)
}

int SatelliteConversions::PositionFromDegrees(float degrees)
{
    const float tenths = degrees * 10.0f;
    if (!std::isfinite(tenths) || std::fabs(tenths) >= 2147483520.0f)
        return 0;
    return int(tenths) & POSITION_MASK;
}

QString SatelliteConversions::FormatDegrees(float degrees)
{
    return QString::number(double(degrees), 'g', 6);
}

QString SatelliteConversions::NameFromField(const QByteArray &field)
{
    QByteArray bytes = field.left(NAME_BYTES);
    const int zero = int(bytes.indexOf('\0'));
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromLatin1(bytes);
}

QByteArray SatelliteConversions::FieldFromName(const QString &name)
{
    QByteArray field = name.left(NAME_BYTES).toLatin1();
    field.truncate(NAME_BYTES);
    field.append(QByteArray(NAME_BYTES - field.size(), '\0'));
    return field;
}

bool SatelliteConversions::IsStorableName(const QString &name)
{
    for (QChar c : name) {
        if (c.unicode() > 0xFF || c.unicode() == 0)
            return false;
    }
    return true;
}

SatelliteConversions::Check SatelliteConversions::CheckDegrees(const QString &text, float &degrees)
{
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?[ \\t]*$"));
    if (!number.match(text).hasMatch())
        return Check::NotANumber;
    const float value = float(text.trimmed().toDouble());
    // Whole degrees 0..360, so up to 360.9. A negative fraction such as -0.5 would pass a check
    // of the truncated value alone and wrap round to 409.1 degrees in the 12-bit field.
    if (!std::isfinite(value) || value < 0.0f || std::trunc(value) > MAX_DEGREES)
        return Check::OutOfRange;
    degrees = value;
    return Check::Ok;
}

SatelliteConversions::Check SatelliteConversions::CheckName(const QString &name)
{
    if (name.isEmpty())
        return Check::Empty;
    if (name.size() > NAME_BYTES)
        return Check::TooLong;
    // The field holds one byte per character: refuse what would not come back as typed.
    return IsStorableName(name) ? Check::Ok : Check::NotLatin1;
}

QString SatelliteConversions::CheckText(Check check)
{
    switch (check) {
    case Check::Ok: break;
    case Check::Empty: return QCoreApplication::translate("SatelliteConversions", "Please input a satillite name.");
    case Check::NotANumber: return QCoreApplication::translate("SatelliteConversions", "Please enter a number.");
    case Check::OutOfRange: return QCoreApplication::translate("SatelliteConversions", "Please enter a number between 0 and 360.");
    case Check::TooLong: return QCoreApplication::translate("SatelliteConversions", "Please enter no more than 16 characters.");
    case Check::NotLatin1:
        return QCoreApplication::translate("SatelliteConversions", "The satellite name can only hold Latin-1 characters "
                                                                   "(letters, digits and the common signs of Western European "
                                                                   "languages).");
    }
    return {};
}
