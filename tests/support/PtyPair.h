#pragma once

#include <QByteArray>
#include <QString>

// A bare pseudo-terminal for tests that play the far end of the line byte by byte.
// The test keeps a slave descriptor of its own, so line settings can be read back and the
// master does not see a hang-up between opens.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair() { HangUp(); }
    bool IsValid() const { return m_master >= 0 && m_slave >= 0; }
    QString SlavePath() const { return m_path; }
    int SlaveFd() const { return m_slave; }

    bool Send(const QByteArray &bytes);
    // Far end reads what has arrived within timeoutMs (returns early once `want` bytes are in).
    QByteArray Receive(int want, int timeoutMs);
    // The far end goes away: both our descriptors close.
    void HangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
