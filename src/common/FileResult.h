#pragma once

#include <QDir>
#include <QString>

// What a file operation came to: done, or why not, in the words the user is shown (the file's
// name and the system's reason, or the refusal's own text). The caller decides who sees it.
struct [[nodiscard]] FileResult
{
    bool ok = true;
    QString error;

    bool Ok() const { return ok; }
    explicit operator bool() const { return ok; }
    static FileResult Fail(const QString &error) { return {false, error}; }
    // The file's name over the system's reason, as the boxes tell a file's failure.
    static QString Report(const QString &path, const QString &reason)
    {
        return path.isEmpty() ? reason : QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), reason);
    }
};
