#pragma once

#include "common/Prompts.h"

#include <utility>

// Prompts that nobody sees: the database's own reports (a refused file, a failed write) are kept
// so that the document can hand them back as values.
class MessageCatcher : public Prompts
{
public:
    void Message(const QString &text, const QString &, Icon) override { m_last = text; }
    bool AskYesNo(const QString &, const QString &, Icon) override { return false; }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }

    // The last message since Take, and forgets it.
    QString Take() { return std::exchange(m_last, QString()); }

private:
    QString m_last;
};
