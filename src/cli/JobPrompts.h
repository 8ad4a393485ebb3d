#pragma once

#include "common/Prompts.h"

class ProgressBoard;

// The prompts of one meter's transfer: every message goes to standard error under the meter's
// name; a question is answered Yes only when the user gave --force.
class JobPrompts final : public Prompts
{
public:
    JobPrompts(ProgressBoard &board, const QString &label, bool force);

    void Message(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override;
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }

private:
    ProgressBoard &m_board;
    const QString m_label;
    const bool m_force;
};
