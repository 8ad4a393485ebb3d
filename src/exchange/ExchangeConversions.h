#pragma once

#include "document/TransponderRow.h"
#include "exchange/ExchangeData.h"

#include <QString>

#include <optional>

class DatabaseDocument;

// Between receiver lists and the meter's values. Polarisation: horizontal is Hori, vertical is
// Vert; the meter knows no circular polarisation, so both circular ones become Auto (the meter
// picks the LNB supply itself). Auto is written to satellites.xml without a polarization (see
// SatellitesXmlWriter) and to CSV as "Auto"; both read back as Auto. Hori, Vert and Auto
// therefore come back from either format as they left.
class ExchangeConversions
{
public:
    static constexpr int FULL_CIRCLE = 3600; // tenths
    // The most the satellite dialog takes: whole degrees up to 360, so 360.9.
    static constexpr int MAX_ENTERED_POSITION = 3609;
    static constexpr int NO_POSITION = -1; // a list's position that the dialog would refuse

    static Polar PolarForMeter(ExchangePolar polar);
    static ExchangePolar PolarFromMeter(Polar polar);

    // A list's tenths East, or West when negative, as the satellite dialog would store them:
    // East 0..3609 as it is, West up to a full turn turned round (-50 is 3550); anything else
    // is NO_POSITION, which an import leaves out, rather than some other place on the arc.
    static int EastTenths(qint64 tenths);
    // Who wrote a position. In a list's cell a spreadsheet's leading apostrophe is dropped, and a
    // sign and a letter count both ("-5W" is 5E); typed by a person, they say two things at once
    // and are refused.
    enum class PositionSource { ListCell, Typed };
    // Degrees East ("19.2", "19.2E", "183") or West ("5W", "177.0°W", "-177"), a degree sign
    // anywhere left out, as EastTenths gives them (NO_POSITION for no place on the arc); nullopt
    // for what is no number of degrees.
    static std::optional<int> PositionFromText(QString text, PositionSource source);
    // A list's decimal value (MHz, kS/s) in thousandths, such that rounding them to whole units
    // gives the value's own nearest whole unit: 11494.4999 is 11494499, not 11494500, which
    // would round up a second time.
    static qint64 Thousandths(double units);
    // satellites.xml's position for the meter's: East up to 180.0, then West (negative) up to
    // 359.9; 360.0 and more (the field allows them) as they are, so that they come back.
    static int XmlPosition(int position);

    // The row the file's transponder becomes: whole MHz and kS/s (rounded), the meter's
    // polarisation. No clamp: the plan tells what lies outside the meter's ranges.
    static TransponderRow RowFromTransponder(const ExchangeTransponder &tp);

    // Every satellite of the document with its transponders, in listing order, in the lists'
    // units: what both writers write.
    static std::vector<ExchangeSatellite> FromDocument(const DatabaseDocument &doc);
};
