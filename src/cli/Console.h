#pragma once

#include <QString>

#include <mutex>

// Standard output (results) and standard error (failures, progress) for every thread of the
// tool: each call writes whole lines under one lock, so meters in parallel do not mix characters.
class Console
{
public:
    static void Out(const QString &text); // a newline is added
    static void Err(const QString &text); // a newline is added
    // Raw text on stderr, no newline (the progress bar redraws its own lines).
    static void ErrRaw(const QString &text);
    static bool ErrIsTerminal();
    static std::mutex &Lock();
};
