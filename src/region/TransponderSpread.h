#pragma once

#include "exchange/ExchangeTransponder.h"

#include <vector>

// The order in which a satellite's transponders go into a share of the meter's table, such that
// the first n of it, for any n, are spread over the satellite's bands and polarisations: with as
// many transponders as the satellite has polarisations (Kinds) it keeps one of each, and the
// meter can lock onto it whichever way the LNB is switched.
//
// The transponders fall into groups by polarisation (H, V, L, R, none) and band (low Ku below
// 11700 MHz, high Ku from 11700 MHz, C band and anything else below 10000 MHz). The groups are
// taken in turn, one transponder each round: first the low Ku groups of each polarisation, then
// the high Ku ones, then C band, so that the polarisations alternate before the bands do. Within
// a group the lowest frequency comes first, then the highest, then the middle, then the middles
// of the halves and so on: a few of them already span the band.
class TransponderSpread
{
public:
    enum class Band { KuLow, KuHigh, Other };
    static constexpr int KU_FROM = 10000;      // MHz
    static constexpr int KU_HIGH_FROM = 11700; // MHz

    static Band BandOf(qint64 kilohertz);
    // Indices into transponders, each once, in the order shares take them.
    static std::vector<int> Order(const std::vector<ExchangeTransponder> &transponders);
    // The polarisations the transponders use (0 for none): the least share that keeps them all.
    static int Kinds(const std::vector<ExchangeTransponder> &transponders);
};
