#pragma once

#include "exchange/ExchangeSatellite.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

// Writes satellites.xml (UTF-8): position in tenths, West negative; frequency in kHz;
// symbol_rate in symbols per second; polarization 0 (H) or 1 (V), none for Auto (see Write).
// fec_inner, system and modulation, which the meter does not keep, are written as automatic
// FEC, DVB-S, QPSK so that receivers take the list.
// XML cannot hold control characters other than tab, line feed and carriage return: each one in
// a name is written as '?', and NameChanges tells which names that changed.
class SatellitesXmlWriter
{
public:
    static QByteArray Write(const std::vector<ExchangeSatellite> &satellites);
    // The name as Write writes it.
    static QString XmlName(const QString &name);
    // One line for each satellite whose name Write changes, naming it with its control
    // characters spelt out (\x1b), so that the line is safe to print on a terminal.
    static QStringList NameChanges(const std::vector<ExchangeSatellite> &satellites);
};
