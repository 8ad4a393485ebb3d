#include "cli/JobPrompts.h"

#include "cli/ProgressBoard.h"

JobPrompts::JobPrompts(ProgressBoard &board, const QString &label, bool force)
    : m_board(board), m_label(label), m_force(force) {}

void JobPrompts::Message(const QString &text, const QString &caption, Icon)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_messages << text;
        m_captions << caption;
    }
    m_board.Note(m_label, caption == QLatin1String(kAppTitle) ? text : caption + QStringLiteral(": ") + text);
}

bool JobPrompts::AskYesNo(const QString &text, const QString &, Icon)
{
    if (m_force) {
        m_board.Note(m_label, text + QStringLiteral(" Yes (--force)"));
        return true;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_refused = true;
        m_messages << text;
        m_captions << QString();
    }
    m_board.Note(m_label, text + QStringLiteral(" No (refused; --force answers Yes)"));
    return false;
}

QStringList JobPrompts::Messages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

QStringList JobPrompts::Captions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_captions;
}

bool JobPrompts::Refused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_refused;
}
