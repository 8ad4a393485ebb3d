#include "protocol/TransferEstimate.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QString KiB(int64_t bytes)
{
    return QString::number(double(bytes) / 1024.0, 'f', 1);
}

} // namespace

void TransferEstimate::Start(int64_t nowMs)
{
    *this = TransferEstimate();
    m_startMs = nowMs;
}

void TransferEstimate::Update(int64_t done, int64_t total, int64_t nowMs)
{
    if (m_reports++ == 0) {
        m_firstMs = nowMs;
        m_firstDone = done;
    }
    m_done = done;
    m_total = total;
    m_lastMs = nowMs;
}

double TransferEstimate::Rate() const
{
    if (m_done > m_firstDone && m_lastMs > m_firstMs)
        return double(m_done - m_firstDone) * 1000.0 / double(m_lastMs - m_firstMs);
    if (m_done > 0 && m_lastMs > m_startMs)
        return double(m_done) * 1000.0 / double(m_lastMs - m_startMs);
    return 0.0;
}

int64_t TransferEstimate::RemainingMs(int64_t nowMs) const
{
    if (m_reports && m_done >= m_total)
        return 0;
    const double rate = Rate();
    if (rate <= 0)
        return -1;
    const auto atLast = int64_t(double(m_total - m_done) * 1000.0 / rate);
    return std::max<int64_t>(0, atLast - std::max<int64_t>(0, nowMs - m_lastMs));
}

QString TransferEstimate::Final() const
{
    if (!m_reports)
        return {};
    QString text = QCoreApplication::translate("Transfer", "%1 of %2 KiB").arg(KiB(m_done), KiB(m_total));
    const double rate = Rate();
    if (rate > 0)
        text += QCoreApplication::translate("Transfer", ", %1 KiB/s").arg(KiB(int64_t(rate)));
    return text;
}

QString TransferEstimate::Describe(int64_t nowMs) const
{
    if (!m_reports)
        return {};
    QString text = Final();
    const int64_t left = RemainingMs(nowMs);
    if (left >= 0) {
        const int64_t s = (left + 999) / 1000;
        text += QCoreApplication::translate("Transfer", ", %1:%2 left").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}
