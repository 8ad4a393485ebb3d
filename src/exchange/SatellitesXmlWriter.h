#pragma once

#include "exchange/ExchangeSatellite.h"

#include <QByteArray>

#include <vector>

// Writes satellites.xml (UTF-8): position in tenths, West negative; frequency in kHz;
// symbol_rate in symbols per second; polarization 0..3 (Auto as 2, see ExchangeConversions).
// fec_inner, system and modulation, which the meter does not keep, are written as automatic
// FEC, DVB-S, QPSK so that receivers take the list.
class SatellitesXmlWriter
{
public:
    static QByteArray Write(const std::vector<ExchangeSatellite> &satellites);
};
