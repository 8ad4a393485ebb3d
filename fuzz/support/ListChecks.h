#pragma once
// What every receiver list read must hold, whatever the bytes: refused with a reason and no
// satellites, or within the limits ExchangeFiles sets, with polarisations that exist.
#include "exchange/ExchangeData.h"
#include "exchange/ExchangeFiles.h"

#include <cstdio>
#include <cstdlib>

inline void CheckList(const ExchangeData &data, const char *reader)
{
    auto check = [reader](bool ok, const char *what) {
        if (!ok) {
            std::fprintf(stderr, "%s: %s\n", reader, what);
            std::abort();
        }
    };
    if (!data.Ok()) {
        check(data.satellites.empty(), "a refused list still has satellites");
        return;
    }
    check(data.satellites.size() <= size_t(ExchangeFiles::MAX_SATELLITES), "more satellites than the limit");
    check(data.TransponderCount() <= ExchangeFiles::MAX_TRANSPONDERS, "more transponders than the limit");
    for (const ExchangeSatellite &sat : data.satellites) {
        check(sat.transponders.size() <= size_t(ExchangeFiles::MAX_TRANSPONDERS_PER_SATELLITE),
              "more transponders on a satellite than the limit");
        for (const ExchangeTransponder &tp : sat.transponders)
            check(int(tp.polar) >= 0 && int(tp.polar) <= int(ExchangePolar::Auto), "a polarisation that does not exist");
    }
}
