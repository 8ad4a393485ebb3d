#include "cli/Console.h"

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
} // namespace

std::mutex &Console::Lock()
{
    static std::mutex mutex;
    return mutex;
}

void Console::Out(const QString &text)
{
    std::lock_guard<std::mutex> lock(Lock());
    Write(stdout, text, true);
}

void Console::Err(const QString &text)
{
    std::lock_guard<std::mutex> lock(Lock());
    Write(stderr, text, true);
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
