#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"

#include "document/SatelliteConversions.h"
#include "exchange/ExchangeConversions.h"

#include <QHash>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

struct Record {
    int row = 0;
    QStringList cells;
};

// RFC 4180: records end at CRLF or LF; a cell in quotes may hold commas, quotes ("") and line
// ends. Fails with the row of an open quote or of text after a closing one.
bool SplitRecords(const QString &text, std::vector<Record> &records, QString &error)
{
    Record rec{1, {}};
    QString cell;
    bool quoted = false;
    bool afterQuote = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                cell += c;
            else if (i + 1 < n && text[i + 1] == QLatin1Char('"'))
                cell += text[++i];
            else {
                quoted = false;
                afterQuote = true;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            rec.cells << std::exchange(cell, QString());
            afterQuote = false;
        } else if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))) {
            i += c == QLatin1Char('\r') ? 1 : 0;
            rec.cells << std::exchange(cell, QString());
            if (rec.cells.size() > 1 || !rec.cells.front().isEmpty() || afterQuote)
                records.push_back(rec);
            rec = Record{rec.row + 1, {}};
            afterQuote = false;
        } else if (afterQuote) {
            error = QStringLiteral("row %1: text after a closing quote").arg(rec.row);
            return false;
        } else if (c == QLatin1Char('"') && cell.isEmpty()) {
            quoted = true;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        error = QStringLiteral("row %1: a quote is not closed").arg(rec.row);
        return false;
    }
    rec.cells << cell;
    if (rec.cells.size() > 1 || !rec.cells.front().isEmpty() || afterQuote)
        records.push_back(rec);
    return true;
}

// The apostrophe CsvWriter put before a cell that would run as a formula.
QString Unprotect(const QString &cell)
{
    return cell.size() >= 2 && cell[0] == QLatin1Char('\'') && CsvWriter::RunsAsFormula(cell[1]) ? cell.mid(1) : cell;
}

std::optional<double> Number(QString cell)
{
    cell = cell.trimmed();
    if (cell.startsWith(QLatin1Char('\'')))
        cell.remove(0, 1);
    bool ok = false;
    const double value = QLocale::c().toDouble(cell.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e12)
        return std::nullopt;
    return value;
}

std::optional<ExchangePolar> PolarFromCell(const QString &cell)
{
    static const QHash<QString, ExchangePolar> names{
        {QStringLiteral("h"), ExchangePolar::Horizontal}, {QStringLiteral("hori"), ExchangePolar::Horizontal},
        {QStringLiteral("horizontal"), ExchangePolar::Horizontal}, {QStringLiteral("v"), ExchangePolar::Vertical},
        {QStringLiteral("vert"), ExchangePolar::Vertical}, {QStringLiteral("vertical"), ExchangePolar::Vertical},
        {QStringLiteral("l"), ExchangePolar::CircularLeft}, {QStringLiteral("left"), ExchangePolar::CircularLeft},
        {QStringLiteral("r"), ExchangePolar::CircularRight}, {QStringLiteral("right"), ExchangePolar::CircularRight},
        {QStringLiteral("auto"), ExchangePolar::Auto}};
    const auto it = names.find(cell.trimmed().toLower());
    return it == names.end() ? std::nullopt : std::optional<ExchangePolar>(*it);
}

enum Column { NAME, POSITION, FREQUENCY, SYMBOL_RATE, POLAR, COLUMNS };

// Which cell holds which column, from the header's names.
bool FindColumns(const QStringList &header, int (&at)[COLUMNS])
{
    static const char *const keys[COLUMNS] = {"sat", "pos", "freq", "symbol", "pol"};
    for (int c = 0; c < COLUMNS; ++c) {
        at[c] = -1;
        for (int i = 0; i < header.size() && at[c] < 0; ++i) {
            if (header[i].trimmed().toLower().startsWith(QLatin1String(keys[c])))
                at[c] = i;
        }
        if (at[c] < 0)
            return false;
    }
    return true;
}

} // namespace

ExchangeData CsvReader::Read(const QByteArray &csv)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(csv);
    if (utf8.hasError())
        return ExchangeData::Fail(QStringLiteral("the file is not UTF-8 text"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    std::vector<Record> records;
    QString error;
    if (!SplitRecords(text, records, error))
        return ExchangeData::Fail(error);
    int at[COLUMNS];
    if (records.empty() || !FindColumns(records.front().cells, at))
        return ExchangeData::Fail(QStringLiteral("row 1: the header must name the columns Satellite, "
                                                 "Position, Frequency, Symbol rate and Polarisation"));

    ExchangeData data;
    QHash<QString, size_t> index; // name and position -> satellite
    for (size_t r = 1; r < records.size(); ++r) {
        const Record &rec = records[r];
        auto fail = [&](const QString &what) {
            return ExchangeData::Fail(QStringLiteral("row %1: %2").arg(rec.row).arg(what));
        };
        auto cell = [&](Column c) { return at[c] < rec.cells.size() ? rec.cells[at[c]] : QString(); };
        if (rec.cells.size() < COLUMNS)
            return fail(QStringLiteral("%1 cells, 5 wanted").arg(rec.cells.size()));
        const QString name = Unprotect(cell(NAME));
        if (name.isEmpty())
            return fail(QStringLiteral("no satellite name"));
        if (!SatelliteConversions::IsStorableName(name))
            return fail(QStringLiteral("the satellite name \"%1\" holds characters beyond Latin-1, which the "
                                       "meter cannot store").arg(name));
        QString where = cell(POSITION).remove(QChar(0xB0)).trimmed(); // 19.2°E
        const bool west = where.endsWith(QLatin1Char('W'), Qt::CaseInsensitive);
        if (west || where.endsWith(QLatin1Char('E'), Qt::CaseInsensitive))
            where.chop(1);
        const std::optional<double> degrees = Number(where);
        if (!degrees)
            return fail(QStringLiteral("the position \"%1\" is no number of degrees").arg(cell(POSITION)));
        const int position = ExchangeConversions::EastTenths(std::llround(*degrees * (west ? -10 : 10)));

        const QString key = name + QLatin1Char('\n') + QString::number(position);
        auto it = index.find(key);
        if (it == index.end()) {
            it = index.insert(key, data.satellites.size());
            data.satellites.push_back({name, position, cell(POSITION).trimmed(), rec.row, {}});
        }
        if (cell(FREQUENCY).trimmed().isEmpty() && cell(SYMBOL_RATE).trimmed().isEmpty()
            && cell(POLAR).trimmed().isEmpty())
            continue; // a satellite without transponders
        const std::optional<double> mhz = Number(cell(FREQUENCY));
        if (!mhz)
            return fail(QStringLiteral("the frequency \"%1\" is no number of MHz").arg(cell(FREQUENCY)));
        const std::optional<double> ks = Number(cell(SYMBOL_RATE));
        if (!ks)
            return fail(QStringLiteral("the symbol rate \"%1\" is no number of kS/s").arg(cell(SYMBOL_RATE)));
        const std::optional<ExchangePolar> polar = PolarFromCell(Unprotect(cell(POLAR)));
        if (!polar)
            return fail(QStringLiteral("the polarisation \"%1\" is none of H, V, L, R, Auto").arg(cell(POLAR)));
        data.satellites[*it].transponders.push_back(
            {ExchangeConversions::Thousandths(*mhz), ExchangeConversions::Thousandths(*ks), *polar, rec.row});
    }
    return data;
}
