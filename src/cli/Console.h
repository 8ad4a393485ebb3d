#pragma once

#include <QString>
#include <QStringList>

#include <mutex>

// Standard output (results) and standard error (failures, progress) for every thread of the
// tool: each call writes whole lines under one lock, so meters in parallel do not mix characters.
// Names come from files and devices anyone may have made: what goes to a terminal has its
// control characters escaped, so that no name can move the cursor, retitle or clear the screen.
class Console
{
public:
    static void Out(const QString &text); // a newline is added; line ends are kept, other controls escaped
    static void Err(const QString &text); // a newline is added; line ends are kept, other controls escaped
    // One element a line: a line end inside an element is escaped too.
    static void OutLines(const QStringList &lines);
    // Text that escapes its own characters (JSON): written as it is.
    static void OutExact(const QString &text);
    // Raw text on stderr, no newline (the progress bar redraws its own lines).
    static void ErrRaw(const QString &text);
    static bool ErrIsTerminal();
    static std::mutex &Lock();

    // Every C0 control (with keepNewlines, all but the line feed), DEL and every C1 control as
    // \xHH: "\x1b" for ESC.
    static QString Printable(const QString &text, bool keepNewlines = false);
};
