#include "cli/Console.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
void Write(FILE *stream, const QString &text, bool newline)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    if (newline)
        std::fputc('\n', stream);
    std::fflush(stream);
}

bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}
} // namespace

QString Console::Printable(const QString &text, bool keepNewlines)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return IsControl(c.unicode()); }))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (IsControl(u) && !(keepNewlines && u == u'\n'))
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

std::mutex &Console::Lock()
{
    static std::mutex mutex;
    return mutex;
}

void Console::Out(const QString &text)
{
    OutExact(Printable(text, true));
}

void Console::OutLines(const QStringList &lines)
{
    QStringList printable;
    printable.reserve(lines.size());
    for (const QString &line : lines)
        printable << Printable(line);
    OutExact(printable.join(QLatin1Char('\n')));
}

void Console::OutExact(const QString &text)
{
    std::lock_guard<std::mutex> lock(Lock());
    Write(stdout, text, true);
}

void Console::Err(const QString &text)
{
    const QString printable = Printable(text, true);
    std::lock_guard<std::mutex> lock(Lock());
    Write(stderr, printable, true);
}

void Console::ErrRaw(const QString &text)
{
    std::lock_guard<std::mutex> lock(Lock());
    Write(stderr, text, false);
}

bool Console::ErrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}
