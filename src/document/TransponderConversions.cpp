#include "document/TransponderConversions.h"

#include "database/TransponderRecord.h"

#include <algorithm>

QString TransponderConversions::PolarText(Polar polar)
{
    switch (polar) {
    case Polar::Vert: return QStringLiteral("Vert");
    case Polar::Hori: return QStringLiteral("Hori");
    case Polar::Auto: break;
    }
    return QStringLiteral("Auto");
}

Polar TransponderConversions::PolarFromText(const QString &text)
{
    const QString head = text.left(POLAR_CHARS);
    return head == QLatin1String("Hori")   ? Polar::Hori
           : head == QLatin1String("Vert") ? Polar::Vert
                                           : Polar::Auto;
}

Polar TransponderConversions::PolarFromStored(int polarisation)
{
    return polarisation == 0 ? Polar::Vert : polarisation == 1 ? Polar::Hori : Polar::Auto;
}

int TransponderConversions::CellNumber(const QString &text, int maxChars)
{
    const QString head = text.left(maxChars);
    int i = 0;
    const int n = int(head.size());
    auto isBlank = [](QChar c) {
        return c == QLatin1Char(' ') || (c.unicode() >= 9 && c.unicode() <= 13);
    };
    while (i < n && isBlank(head[i]))
        ++i;
    bool negative = false;
    if (i < n && (head[i] == QLatin1Char('+') || head[i] == QLatin1Char('-'))) {
        negative = head[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0; // maxChars is small; the bound only guards a careless caller
    while (i < n && head[i] >= QLatin1Char('0') && head[i] <= QLatin1Char('9')) {
        if (value < 1000000000LL)
            value = value * 10 + (head[i].unicode() - '0');
        ++i;
    }
    value = std::min(value, 2147483647LL);
    return int(negative ? -value : value);
}

namespace {

quint32 Clamp(int value, quint32 lo, quint32 hi)
{
    const quint32 v = quint32(value);
    return v > hi ? hi : v < lo ? lo : v;
}

} // namespace

quint32 TransponderConversions::StoredFrequency(int megahertz)
{
    return Clamp(megahertz, MIN_FREQUENCY, MAX_FREQUENCY) * 1000;
}

quint32 TransponderConversions::StoredSymbolRate(int kilosymbols)
{
    return Clamp(kilosymbols, MIN_SYMBOL_RATE, MAX_SYMBOL_RATE) * 1000;
}

TransponderRow TransponderConversions::RowFromRecord(int record, const TransponderRecord &r)
{
    TransponderRow row;
    row.record = record;
    row.frequency = int(r.Frequency() / 1000);
    row.symbolRate = int(r.SymbolRate() / 1000);
    row.polar = PolarFromStored(r.Polarisation());
    return row;
}

void TransponderConversions::StoreRow(const TransponderRow &row, TransponderRecord &r)
{
    r.SetInUse(1);
    r.SetFrequency(StoredFrequency(row.frequency));
    r.SetSymbolRate(StoredSymbolRate(row.symbolRate));
    r.SetPolarisation(int(row.polar));
    r.SetSpareBits(0);
}
