#pragma once

#include <QStringList>

// fetch URL [OUT]: a published receiver list into the cache, and into OUT.
class FetchCommand
{
public:
    static int Run(const QStringList &arguments);
};
