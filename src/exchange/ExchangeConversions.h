#pragma once

#include "document/TransponderRow.h"
#include "exchange/ExchangeData.h"

#include <QString>

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
    static constexpr int MAX_POSITION = 0xFFF; // the position field is 12 bits wide
    // The most the satellite dialog takes: whole degrees up to 360, so 360.9.
    static constexpr int MAX_ENTERED_POSITION = 3609;
    static constexpr int NO_POSITION = -1; // a list's position that the dialog would refuse

    static Polar PolarForMeter(ExchangePolar polar);
    static ExchangePolar PolarFromMeter(Polar polar);

    // A list's tenths East, or West when negative, as the satellite dialog would store them:
    // East 0..3609 as it is, West up to a full turn turned round (-50 is 3550); anything else
    // is NO_POSITION, which an import leaves out, rather than some other place on the arc.
    static int EastTenths(qint64 tenths);
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
