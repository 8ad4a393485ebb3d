#pragma once
// A serial port whose far end is a fixed script: reads are served from the script's bytes,
// writes are kept for the harness to look at. When the script runs out, the line is gone: the
// port reports a device fault (a hang-up) or, if asked, cancels itself, so every run ends.
#include "common/Prompts.h"
#include "serial/CComPort.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

class ScriptedPort final : public CComPort
{
public:
    enum class AtEnd { HangUp, Cancel };

    // The writes go to sent when given (emptied first): one buffer reused by every input is
    // not grown again for each.
    ScriptedPort(const uint8_t *data, size_t size, AtEnd atEnd = AtEnd::HangUp, std::vector<uint8_t> *sent = nullptr)
        : m_data(data), m_size(size), m_atEnd(atEnd), m_sent(sent ? *sent : m_ownSent)
    {
        m_sent.clear();
    }

    bool Read(void *buffer, uint32_t count, uint32_t &got) override
    {
        got = 0;
        SetLastError(0);
        if (IsCancelled())
            return false;
        if (m_pos >= m_size && count > 0) {
            if (m_atEnd == AtEnd::Cancel) {
                Cancel();
            } else {
                SetLastError(EIO);
            }
            return false;
        }
        const size_t n = std::min<size_t>(count, m_size - m_pos);
        if (n)
            std::memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
        got = uint32_t(n);
        return true;
    }

    bool Write(const void *buffer, uint32_t count, uint32_t &written) override
    {
        written = 0;
        SetLastError(0);
        if (IsCancelled())
            return false;
        const auto *p = static_cast<const uint8_t *>(buffer);
        m_sent.insert(m_sent.end(), p, p + count);
        written = count;
        return true;
    }

    bool Exhausted() const { return m_pos >= m_size; }
    size_t Consumed() const { return m_pos; }
    const std::vector<uint8_t> &Sent() const { return m_sent; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
    AtEnd m_atEnd;
    std::vector<uint8_t> m_ownSent;
    std::vector<uint8_t> &m_sent;
};

// Prompts that answer Yes/No from a script of bits and count what was shown.
class ScriptedPrompts final : public Prompts
{
public:
    explicit ScriptedPrompts(unsigned answers = 0) : m_answers(answers) {}
    void Message(const QString &, const QString &, Icon) override { ++messages; }
    bool AskYesNo(const QString &, const QString &, Icon) override
    {
        const bool yes = (m_answers >> (questions++ % 8)) & 1;
        return yes;
    }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }

    int messages = 0;
    int questions = 0;

private:
    unsigned m_answers;
};
