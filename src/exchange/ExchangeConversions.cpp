#include "exchange/ExchangeConversions.h"

#include "document/DatabaseDocument.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

Polar ExchangeConversions::PolarForMeter(ExchangePolar polar)
{
    switch (polar) {
    case ExchangePolar::Horizontal: return Polar::Hori;
    case ExchangePolar::Vertical: return Polar::Vert;
    case ExchangePolar::CircularLeft:
    case ExchangePolar::CircularRight:
    case ExchangePolar::Auto: break;
    }
    return Polar::Auto;
}

ExchangePolar ExchangeConversions::PolarFromMeter(Polar polar)
{
    switch (polar) {
    case Polar::Hori: return ExchangePolar::Horizontal;
    case Polar::Vert: return ExchangePolar::Vertical;
    case Polar::Auto: break;
    }
    return ExchangePolar::Auto;
}

int ExchangeConversions::EastTenths(qint64 tenths)
{
    if (tenths >= 0 && tenths <= MAX_ENTERED_POSITION)
        return int(tenths);
    if (tenths < 0 && tenths >= -FULL_CIRCLE)
        return int(tenths + FULL_CIRCLE) % FULL_CIRCLE;
    return NO_POSITION;
}

std::optional<int> ExchangeConversions::PositionFromText(QString text, PositionSource source)
{
    text = text.remove(QChar(0xB0)).trimmed();
    const bool west = text.endsWith(QLatin1Char('W'), Qt::CaseInsensitive);
    const bool lettered = west || text.endsWith(QLatin1Char('E'), Qt::CaseInsensitive);
    if (lettered)
        text.chop(1);
    text = text.trimmed();
    if (source == PositionSource::ListCell) {
        if (text.startsWith(QLatin1Char('\'')))
            text = text.mid(1).trimmed();
    } else if (lettered && (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))) {
        return std::nullopt;
    }
    bool ok = false;
    const double degrees = QLocale::c().toDouble(text, &ok);
    // Far beyond any place; bounded so that the tenths fit 64 bits.
    if (!ok || !std::isfinite(degrees) || std::fabs(degrees) > 1e12)
        return std::nullopt;
    return EastTenths(std::llround(degrees * (west ? -10 : 10)));
}

qint64 ExchangeConversions::Thousandths(double units)
{
    // Callers bound the value (|units| <= 1e12), so both products fit 64 bits.
    const qint64 whole = std::llround(units);
    const qint64 fine = std::llround(units * 1000.0);
    // RowFromTransponder rounds halves away from zero: keep the thousandths on the side of the
    // half that the value itself lies on.
    return std::clamp(fine, whole * 1000 - (whole > 0 ? 500 : 499), whole * 1000 + (whole < 0 ? 500 : 499));
}

int ExchangeConversions::XmlPosition(int position)
{
    // 360.0 degrees and beyond (the dialog takes up to 360.9) stay as they are, so they return.
    return position > FULL_CIRCLE / 2 && position < FULL_CIRCLE ? position - FULL_CIRCLE : position;
}

TransponderRow ExchangeConversions::RowFromTransponder(const ExchangeTransponder &tp)
{
    // Rounded to the nearest whole unit; values far beyond any int stay far out of range.
    auto whole = [](qint64 value) {
        // A list may say anything that fits 64 bits: bound it before rounding can overflow.
        value = std::clamp<qint64>(value, -1'000'000'000'000'000, 1'000'000'000'000'000);
        const qint64 w = (value + (value < 0 ? -500 : 500)) / 1000;
        return int(std::clamp<qint64>(w, -1000000000, 1000000000));
    };
    TransponderRow row;
    row.frequency = whole(tp.frequency);
    row.symbolRate = whole(tp.symbolRate);
    row.polar = PolarForMeter(tp.polar);
    return row;
}

std::vector<ExchangeSatellite> ExchangeConversions::FromDocument(const DatabaseDocument &doc)
{
    std::vector<ExchangeSatellite> out;
    for (const SatelliteValue &sat : doc.Satellites()) {
        ExchangeSatellite s;
        s.name = sat.name;
        s.position = sat.position;
        for (const TransponderRow &row : doc.TransponderRows(sat.slot))
            s.transponders.push_back({qint64(row.frequency) * 1000, qint64(row.symbolRate) * 1000,
                                      PolarFromMeter(row.polar), 0});
        out.push_back(std::move(s));
    }
    return out;
}
