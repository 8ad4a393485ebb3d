#pragma once

#include <QByteArray>
#include <QString>

// Between satellite records and what the user types: degrees and the position field in tenths,
// the 16-byte name field, and the checks (with their texts) an entry must pass.
class SatelliteConversions
{
public:
    // Size of the record's name field; a shorter name is followed by a zero byte.
    static constexpr int NAME_BYTES = 16;
    static constexpr int POSITION_MASK = 0xFFF; // the position field is 12 bits wide
    static constexpr float MAX_DEGREES = 360.0f;

    // Editing a stored satellite: degrees = position x 0.1, a float product, so that the shown
    // value converts back to the same tenths.
    static float DegreesFromPosition(int position);
    // A satellite being added is offered in whole degrees: position / 10.
    static float WholeDegreesFromPosition(int position);
    // Tenths, truncated toward zero, low 12 bits; 0 for what no cast can hold.
    static int PositionFromDegrees(float degrees);
    // Up to six significant digits: 130.5, 0.7, 360.
    static QString FormatDegrees(float degrees);
    // A stored position (tenths) as FormatDegrees writes it.
    static QString FormatPosition(int position) { return FormatDegrees(DegreesFromPosition(position)); }

    // The name up to its first zero byte, at most 16 bytes, one character per byte.
    static QString NameFromField(const QByteArray &field);
    // Exactly 16 bytes, zero-padded. Characters beyond Latin-1 (which CheckName refuses) would
    // become '?'.
    static QByteArray FieldFromName(const QString &name);
    // Whether every character fits one byte of the name field (Latin-1, no zero).
    static bool IsStorableName(const QString &name);

    enum class Check { Ok, Empty, NotANumber, OutOfRange, TooLong, NotLatin1 };
    // A decimal number, blanks around it allowed, whose whole degrees lie in 0..360.
    static Check CheckDegrees(const QString &text, float &degrees);
    // Not empty, at most 16 characters, each one byte of the field.
    static Check CheckName(const QString &name);
    // The prompt that tells the user about a failed check; empty for Ok.
    static QString CheckText(Check check);
};
