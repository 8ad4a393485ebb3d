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
    struct Shown {
        QString text;
        QString caption;
        Icon icon;
    };

    void Message(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override;
    QString OpenFileName(const QString &filter) override;
    QString SaveFileName(const QString &filter) override { return OpenFileName(filter); }

    void QueueAnswer(bool yes);
    void QueueFileName(const QString &path);

    std::vector<Shown> Messages() const;
    std::vector<Shown> Questions() const;
    QStringList MessageTexts() const;
    int MessageCount() const { return int(Messages().size()); }
    void Clear();

private:
    mutable std::mutex m_mutex;
    std::vector<Shown> m_messages;
    std::vector<Shown> m_questions;
    std::deque<bool> m_answers;
    std::deque<QString> m_files;
};
