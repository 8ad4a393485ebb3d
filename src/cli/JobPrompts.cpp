#include "cli/JobPrompts.h"

#include "cli/ProgressBoard.h"

#include <QCoreApplication>

JobPrompts::JobPrompts(ProgressBoard &board, const QString &label, bool force)
    : m_board(board), m_label(label), m_force(force) {}

void JobPrompts::Message(const QString &text, const QString &caption, Icon)
{
    m_board.Note(m_label, caption == QLatin1String(kAppTitle) ? text : caption + QStringLiteral(": ") + text);
}

bool JobPrompts::AskYesNo(const QString &text, const QString &, Icon)
{
    if (m_force) {
        m_board.Note(m_label, text + QCoreApplication::translate("Cli", " Yes (--force)"));
        return true;
    }
    m_board.Note(m_label, text + QCoreApplication::translate("Cli", " No (refused; --force answers Yes)"));
    return false;
}
