#pragma once

#include "common/Prompts.h"

#include <QStringList>

#include <mutex>

class ProgressBoard;

// The prompts of one meter's transfer: every message goes to standard error under the meter's
// name and is kept, so the job can tell afterwards why the transfer failed; a question is
// answered Yes only when the user gave --force, and a No is remembered as a refusal.
class JobPrompts final : public Prompts
{
public:
    JobPrompts(ProgressBoard &board, const QString &label, bool force);

    void Message(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override;
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }

    QStringList Messages() const;
    QStringList Captions() const;
    bool Refused() const;

private:
    ProgressBoard &m_board;
    const QString m_label;
    const bool m_force;
    mutable std::mutex m_mutex;
    QStringList m_messages;
    QStringList m_captions;
    bool m_refused = false;
};
