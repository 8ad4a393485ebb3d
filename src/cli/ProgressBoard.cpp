#include "cli/ProgressBoard.h"

#include "cli/Console.h"

#include <chrono>

namespace {

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString KiB(int64_t bytes)
{
    return QString::number(double(bytes) / 1024.0, 'f', 1);
}

constexpr int kBarWidth = 24;

} // namespace

ProgressBoard::ProgressBoard(bool quiet, bool terminal) : m_quiet(quiet), m_terminal(terminal) {}

int ProgressBoard::Add(const QString &label, int64_t totalBytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // The bars are drawn raw: a device's name must not bring its own terminal controls.
    m_lines.push_back({Console::Printable(label), totalBytes, -1, {}});
    m_lines.back().estimate.Start(NowMs());
    return int(m_lines.size()) - 1;
}

void ProgressBoard::SetBytes(int index, int64_t done, int64_t total)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.at(size_t(index)).estimate.Update(done, total, NowMs());
}

void ProgressBoard::Set(int index, int percent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Line &line = m_lines.at(size_t(index));
    const int before = line.percent;
    if (percent == before)
        return;
    line.percent = percent;
    if (m_quiet || m_finished)
        return;
    if (m_terminal) {
        DrawLocked();
    } else if (percent / 10 > before / 10 && percent >= 10) {
        Console::Err(QStringLiteral("%1: %2% (%3 of %4 KiB)")
                         .arg(line.label)
                         .arg(percent / 10 * 10)
                         .arg(KiB(line.total * (percent / 10 * 10) / 100), KiB(line.total)));
    }
}

void ProgressBoard::Note(const QString &label, const QString &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QString message = text.trimmed();
    if (!label.isEmpty())
        message = label + QStringLiteral(": ") + message;
    if (m_terminal && m_drawn > 0 && !m_finished) {
        Console::ErrRaw(QStringLiteral("\x1b[%1A\r\x1b[J").arg(m_drawn));
        m_drawn = 0;
        Console::Err(message);
        DrawLocked();
        return;
    }
    Console::Err(message);
}

void ProgressBoard::Tick()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_terminal && !m_quiet && !m_finished && m_drawn > 0)
        DrawLocked();
}

void ProgressBoard::Finish()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
}

QString ProgressBoard::Render(const Line &line, int64_t nowMs) const
{
    const int percent = qBound(0, line.percent, 100);
    const TransferEstimate &e = line.estimate;
    const int64_t done = e.Known() ? e.Done() : line.total * percent / 100;
    const int filled = percent * kBarWidth / 100;
    const double rate = e.Rate();
    const int64_t leftMs = percent == 100 ? 0 : e.RemainingMs(nowMs);
    QString left = QStringLiteral("--:--");
    if (leftMs >= 0) {
        const int64_t s = (leftMs + 999) / 1000;
        left = QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1 [%2%3] %4% %5/%6 KiB %7 KiB/s %8 left")
        .arg(line.label, QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char('-')))
        .arg(percent, 3)
        .arg(KiB(done), KiB(line.total), KiB(int64_t(rate)), left);
}

void ProgressBoard::DrawLocked()
{
    QString text;
    if (m_drawn > 0)
        text += QStringLiteral("\x1b[%1A").arg(m_drawn);
    const int64_t now = NowMs();
    for (const Line &line : m_lines)
        text += QStringLiteral("\r\x1b[K") + Render(line, now) + QLatin1Char('\n');
    m_drawn = int(m_lines.size());
    Console::ErrRaw(text);
}
