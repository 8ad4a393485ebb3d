#include "RecordingPrompts.h"

void RecordingPrompts::Message(const QString &text, const QString &caption, Icon icon)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back({text, caption, icon});
}

bool RecordingPrompts::AskYesNo(const QString &text, const QString &caption, Icon icon)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_questions.push_back({text, caption, icon});
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

QString RecordingPrompts::OpenFileName(const QString &)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_files.empty())
        return {};
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

void RecordingPrompts::QueueAnswer(bool yes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(yes);
}

void RecordingPrompts::QueueFileName(const QString &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_files.push_back(path);
}

std::vector<RecordingPrompts::Shown> RecordingPrompts::Messages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

std::vector<RecordingPrompts::Shown> RecordingPrompts::Questions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_questions;
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
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.clear();
    m_questions.clear();
    m_answers.clear();
    m_files.clear();
}
