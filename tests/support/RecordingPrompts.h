#pragma once

#include "common/Prompts.h"

#include <QStringList>

#include <deque>
#include <mutex>

// Prompts for tests: remembers every message and question, answers questions and file choosers
// from queues (No and "cancelled" when a queue is empty). Safe to call from worker threads.
class RecordingPrompts final : public Prompts
{
public:
    struct Shown { QString text, caption; Icon icon; };

    void Message(const QString &text, const QString &caption, Icon icon) override { Lock l(m_mutex); m_messages.push_back({text, caption, icon}); }
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override;
    QString OpenFileName(const QString &filter) override;
    QString SaveFileName(const QString &filter) override { return OpenFileName(filter); }

    void QueueAnswer(bool yes) { Lock l(m_mutex); m_answers.push_back(yes); }
    void QueueFileName(const QString &path) { Lock l(m_mutex); m_files.push_back(path); }

    std::vector<Shown> Messages() const { Lock l(m_mutex); return m_messages; }
    std::vector<Shown> Questions() const { Lock l(m_mutex); return m_questions; }
    QStringList MessageTexts() const;
    int MessageCount() const { return int(Messages().size()); }
    void Clear();

private:
    using Lock = std::lock_guard<std::mutex>;
    mutable std::mutex m_mutex;
    std::vector<Shown> m_messages;
    std::vector<Shown> m_questions;
    std::deque<bool> m_answers;
    std::deque<QString> m_files;
};
