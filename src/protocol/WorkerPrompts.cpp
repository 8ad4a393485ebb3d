#include "protocol/WorkerPrompts.h"

#include "protocol/TransferLog.h"

#include <utility>

WorkerPrompts::WorkerPrompts(Prompts &inner, std::function<bool()> stopped, TransferLog *log)
    : m_inner(inner), m_stopped(std::move(stopped)), m_log(log) {}

void WorkerPrompts::Message(const QString &text, const QString &caption, Icon icon)
{
    if (m_stopped())
        return;
    if (m_log)
        m_log->Message(text);
    m_inner.Message(text, caption, icon);
}

bool WorkerPrompts::AskYesNo(const QString &text, const QString &caption, Icon icon)
{
    return Logged(text, !m_stopped() && m_inner.AskYesNo(text, caption, icon));
}

bool WorkerPrompts::AskYesNoDefaultNo(const QString &text, const QString &caption, Icon icon)
{
    return Logged(text, !m_stopped() && m_inner.AskYesNoDefaultNo(text, caption, icon));
}

bool WorkerPrompts::Logged(const QString &question, bool yes)
{
    if (m_log)
        m_log->Message(question + (yes ? QStringLiteral(" (Yes)") : QStringLiteral(" (No)")));
    return yes;
}
