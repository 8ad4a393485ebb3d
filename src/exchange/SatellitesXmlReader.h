#pragma once

#include "exchange/ExchangeData.h"

#include <QByteArray>

// Reads a receivers' satellites.xml: <satellites> holding <sat name position> elements holding
// <transponder frequency symbol_rate polarization> elements. Attributes and elements it does not
// use are skipped; malformed XML, or a <sat> or <transponder> without a number it needs, refuses
// the whole file with the line and column.
class SatellitesXmlReader
{
public:
    static ExchangeData Read(const QByteArray &xml);
};
