#pragma once

#include "exchange/ExchangeData.h"

#include <QString>

// Where sky and fit read a receiver list from: a file (satellites.xml or CSV), or a URL.
class ListSource
{
public:
    // The list, or why not (the error names the source). A URL is fetched as `fetch` does it
    // (the cached copy standing in when the server fails), its progress and failure told on
    // standard error. *code is the exit code a failure ends the command with.
    static ExchangeData Read(const QString &source, int *code);
};
