#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"

#include "document/SatelliteConversions.h"
#include "exchange/ExchangeConversions.h"
#include "exchange/ExchangeFiles.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QUtf8StringView>

#include <cmath>
#include <optional>

namespace {

constexpr qsizetype PROGRESS_STEP = qsizetype(1) << 16; // bytes between reports
// A row of empty cells takes 24 bytes a comma: without a bound, 64 MB of commas take 1.5 GB.
constexpr qsizetype MAX_CELLS = 1000;
// Bytes; a name is copied into the plan, its preview and the dialog's rows.
constexpr qsizetype MAX_CELL = 4096;

struct Record {
    int row = 0;
    QStringList cells;
};

// Hands out one record at a time, so that a large file never stands in memory as cells all at
// once. RFC 4180: a record ends at CRLF, LF or a lone CR (old Mac files), where the last line
// may have none; a cell in quotes may hold commas, quotes ("") and line ends. Empty lines
// count as rows but give no record. Takes the bytes as valid UTF-8: its delimiters are ASCII,
// which never occurs inside a multi-byte sequence.
class Records
{
public:
    explicit Records(QByteArrayView bytes) : m_bytes(bytes) {}

    enum class Got { Record, End, Error };
    Got Next(Record &rec)
    {
        const qsizetype n = m_bytes.size();
        while (m_at < n) {
            rec.row = m_row++;
            rec.cells.clear();
            m_cell.clear();
            bool quoted = false;
            bool afterQuote = false;
            while (m_at < n && m_cell.size() <= MAX_CELL) {
                const char c = m_bytes[m_at++];
                if (quoted) {
                    if (c != '"') {
                        m_cell += c;
                    } else if (m_at < n && m_bytes[m_at] == '"') {
                        m_cell += c;
                        ++m_at;
                    } else {
                        quoted = false;
                        afterQuote = true;
                    }
                } else if (c == ',') {
                    if (rec.cells.size() + 2 > MAX_CELLS) { // this one and the one the comma starts
                        m_error = QCoreApplication::translate("Exchange", "row %1: more than %2 cells").arg(rec.row).arg(MAX_CELLS);
                        return Got::Error;
                    }
                    rec.cells << QString::fromUtf8(m_cell);
                    m_cell.clear();
                    afterQuote = false;
                } else if (c == '\n' || c == '\r') {
                    if (c == '\r' && m_at < n && m_bytes[m_at] == '\n')
                        ++m_at;
                    break;
                } else if (afterQuote) {
                    m_error = QCoreApplication::translate("Exchange", "row %1: text after a closing quote").arg(rec.row);
                    return Got::Error;
                } else if (c == '"' && m_cell.isEmpty()) {
                    quoted = true;
                } else {
                    m_cell += c;
                }
            }
            if (m_cell.size() > MAX_CELL) {
                m_error = QCoreApplication::translate("Exchange", "row %1: a cell longer than %2 bytes").arg(rec.row).arg(MAX_CELL);
                return Got::Error;
            }
            if (quoted) {
                m_error = QCoreApplication::translate("Exchange", "row %1: a quote is not closed").arg(rec.row);
                return Got::Error;
            }
            rec.cells << QString::fromUtf8(m_cell);
            if (rec.cells.size() > 1 || !rec.cells.front().isEmpty() || afterQuote)
                return Got::Record;
        }
        return Got::End;
    }

    qsizetype At() const { return m_at; }
    const QString &Error() const { return m_error; }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    int m_row = 1;
    QByteArray m_cell;
    QString m_error;
};

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

ExchangeData CsvReader::Read(const QByteArray &csv, ReadProgress *progress)
{
    QByteArrayView bytes(csv);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (!QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8())
        return ExchangeData::Fail(QCoreApplication::translate("Exchange", "the file is not UTF-8 text"));
    Records records(bytes);
    Record rec;
    Records::Got got = records.Next(rec);
    int at[COLUMNS];
    if (got == Records::Got::Error)
        return ExchangeData::Fail(records.Error());
    if (got == Records::Got::End || !FindColumns(rec.cells, at))
        return ExchangeData::Fail(QCoreApplication::translate("Exchange", "row 1: the header must name the columns Satellite, "
                                                                          "Position, Frequency, Symbol rate and Polarisation"));

    ExchangeData data;
    QHash<QString, size_t> index; // name and position -> satellite
    qsizetype reported = 0;
    qint64 transponders = 0;
    while ((got = records.Next(rec)) == Records::Got::Record) {
        if (records.At() - reported >= PROGRESS_STEP) {
            reported = records.At();
            if (!ReadProgress::Report(progress, reported, bytes.size()))
                return ExchangeData::Fail(QCoreApplication::translate("Exchange", "reading was cancelled"));
        }
        auto fail = [&](const QString &what) {
            return ExchangeData::Fail(QCoreApplication::translate("Exchange", "row %1: %2").arg(rec.row).arg(what));
        };
        auto cell = [&](Column c) { return at[c] < rec.cells.size() ? rec.cells[at[c]] : QString(); };
        if (rec.cells.size() < COLUMNS)
            return fail(QCoreApplication::translate("Exchange", "%n cells, 5 wanted", nullptr, int(rec.cells.size())));
        const QString name = Unprotect(cell(NAME));
        if (name.isEmpty())
            return fail(QCoreApplication::translate("Exchange", "no satellite name"));
        if (!SatelliteConversions::IsStorableName(name))
            return fail(QCoreApplication::translate("Exchange", "the satellite name \"%1\" holds characters beyond Latin-1, which the "
                                                                "meter cannot store").arg(name));
        const std::optional<int> tenths =
            ExchangeConversions::PositionFromText(cell(POSITION), ExchangeConversions::PositionSource::ListCell);
        if (!tenths)
            return fail(QCoreApplication::translate("Exchange", "the position \"%1\" is no number of degrees").arg(cell(POSITION)));
        const int position = *tenths;

        const QString key = name + QLatin1Char('\n') + QString::number(position);
        auto it = index.find(key);
        if (it == index.end()) {
            it = index.insert(key, data.satellites.size());
            data.satellites.push_back({name, position, cell(POSITION).trimmed(), rec.row, {}});
            const QString excess = ExchangeFiles::Excess(data.satellites.size(), transponders, data.satellites.back());
            if (!excess.isEmpty())
                return fail(excess);
        }
        if (cell(FREQUENCY).trimmed().isEmpty() && cell(SYMBOL_RATE).trimmed().isEmpty()
            && cell(POLAR).trimmed().isEmpty())
            continue; // a satellite without transponders
        const std::optional<double> mhz = Number(cell(FREQUENCY));
        if (!mhz)
            return fail(QCoreApplication::translate("Exchange", "the frequency \"%1\" is no number of MHz").arg(cell(FREQUENCY)));
        const std::optional<double> ks = Number(cell(SYMBOL_RATE));
        if (!ks)
            return fail(QCoreApplication::translate("Exchange", "the symbol rate \"%1\" is no number of kS/s").arg(cell(SYMBOL_RATE)));
        const std::optional<ExchangePolar> polar = PolarFromCell(Unprotect(cell(POLAR)));
        if (!polar)
            return fail(QCoreApplication::translate("Exchange", "the polarisation \"%1\" is none of H, V, L, R, Auto").arg(cell(POLAR)));
        ExchangeSatellite &sat = data.satellites[*it];
        sat.transponders.push_back({ExchangeConversions::Thousandths(*mhz), ExchangeConversions::Thousandths(*ks), *polar, rec.row});
        const QString excess = ExchangeFiles::Excess(data.satellites.size(), ++transponders, sat);
        if (!excess.isEmpty())
            return fail(excess);
    }
    if (got == Records::Got::Error)
        return ExchangeData::Fail(records.Error());
    ReadProgress::Report(progress, bytes.size(), bytes.size());
    return data;
}
