#pragma once

#include <QString>

#include <cstdint>

// Bytes moved, rate and time left of one transfer, from the byte counts the worker reports and
// the times they arrive (any monotonic clock in milliseconds; tests bring their own).
// The rate is taken from the first report on: the greeting before it, however slow the meter is
// to answer, does not drag the estimate down. With one report only, the time since Start stands
// in, so that the estimate shows from the first chunk. Between reports the time left counts down.
class TransferEstimate
{
public:
    void Start(int64_t nowMs);
    void Update(int64_t done, int64_t total, int64_t nowMs);

    bool Known() const { return m_reports > 0; }
    int64_t Done() const { return m_done; }
    // Bytes a second; 0 while there is nothing to go by.
    double Rate() const;
    // Milliseconds still to go; -1 while there is nothing to go by.
    int64_t RemainingMs(int64_t nowMs) const;
    // "48.0 of 235.6 KiB, 11.2 KiB/s, 0:17 left"; empty before the first report.
    QString Describe(int64_t nowMs) const;
    // Once the transfer has ended, the figures of the last report without a time left:
    // "235.6 of 235.6 KiB, 11.2 KiB/s"; empty before the first report.
    QString Final() const;

private:
    int64_t m_startMs = 0;
    int64_t m_firstMs = 0;
    int64_t m_firstDone = 0;
    int64_t m_lastMs = 0;
    int64_t m_done = 0;
    int64_t m_total = 0;
    int m_reports = 0;
};
