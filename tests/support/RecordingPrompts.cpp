#include "RecordingPrompts.h"

bool RecordingPrompts::AskYesNo(const QString &text, const QString &caption, Icon icon)
{
    Lock l(m_mutex);
    m_questions.push_back({text, caption, icon});
    const bool yes = !m_answers.empty() && m_answers.front();
    if (!m_answers.empty())
        m_answers.pop_front();
    return yes;
}

QString RecordingPrompts::OpenFileName(const QString &)
{
    Lock l(m_mutex);
    QString path = m_files.empty() ? QString() : m_files.front();
    if (!m_files.empty())
        m_files.pop_front();
    return path;
}

QStringList RecordingPrompts::MessageTexts() const
{
    QStringList texts;
    for (const Shown &m : Messages())
        texts << m.text;
    return texts;
}

void RecordingPrompts::Clear()
{
    Lock l(m_mutex);
    m_messages.clear();
    m_questions.clear();
    m_answers.clear();
    m_files.clear();
}
