#pragma once

#include "exchange/ExchangeData.h"
#include "exchange/ReadProgress.h"

#include <QByteArray>

// Reads a receivers' satellites.xml: <satellites> holding <sat name position> elements holding
// <transponder frequency symbol_rate polarization> elements. Attributes and elements it does not
// use are skipped; malformed XML, or a <sat> or <transponder> without a number it needs, refuses
// the whole file with the line and column; so do an element with far more attributes than a
// list has, more than a few namespace declarations, attribute defaults (these would make reading
// take minutes), elements nested deeper or attribute values longer than a list has (these would
// take much memory), and more satellites or transponders than ExchangeFiles::Excess allows.
// Time and memory grow linearly with the file. progress (may be null) is told how far it got and
// can stop it.
class SatellitesXmlReader
{
public:
    static ExchangeData Read(const QByteArray &xml, ReadProgress *progress = nullptr);
};
