#pragma once

#include "exchange/ExchangeData.h"

#include <QString>

// Where sky and fit read a receiver list from: a file (satellites.xml or CSV), or a URL.
class ListSource
{
public:
    // http:// or https:// (any case).
    static bool IsUrl(const QString &source);
    // The list, or why not (the error names the source). A URL is where a published list is
    // fetched into the cache and read from there; this build refuses it, pointing to
    // `orbivane-cli fetch`.
    static ExchangeData Read(const QString &source);
};
