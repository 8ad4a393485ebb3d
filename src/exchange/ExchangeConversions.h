#pragma once

#include "document/TransponderRow.h"
#include "exchange/ExchangeData.h"

#include <QString>

class DatabaseDocument;

// Between receiver lists and the meter's values. Polarisation: horizontal is Hori, vertical is
// Vert; the meter knows no circular polarisation, so both circular ones become Auto (the meter
// picks the LNB supply itself), and Auto is written to satellites.xml as circular left (2).
// Hori, Vert and Auto therefore come back from either format as they left.
class ExchangeConversions
{
public:
    static constexpr int FULL_CIRCLE = 3600; // tenths
    static constexpr int MAX_POSITION = 0xFFF; // the position field is 12 bits wide

    static Polar PolarForMeter(ExchangePolar polar);
    static ExchangePolar PolarFromMeter(Polar polar);

    // Tenths East, or West when negative, as the meter's field holds them: West turned round
    // (-50 is 3550), East kept as it is up to the field's 4095, anything else taken modulo a turn.
    static int EastTenths(qint64 tenths);
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
