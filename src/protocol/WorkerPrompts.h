#pragma once

#include "common/Prompts.h"

#include <functional>

class TransferLog;

// Prompts as a worker sees them: silent once the transfer is being stopped, so that nothing
// pops up for a dialog that is going away. What is shown goes into the log too.
class WorkerPrompts final : public Prompts
{
public:
    WorkerPrompts(Prompts &inner, std::function<bool()> stopped, TransferLog *log);

    void Message(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNoDefaultNo(const QString &text, const QString &caption, Icon icon) override;
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }

private:
    bool Logged(const QString &question, bool yes);

    Prompts &m_inner;
    std::function<bool()> m_stopped;
    TransferLog *m_log;
};
