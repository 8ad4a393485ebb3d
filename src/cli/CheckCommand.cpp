#include "cli/CheckCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/DatabaseFile.h"
#include "cli/ExitCode.h"
#include "database/DatabaseChecker.h"

#include <QCoreApplication>

int CheckCommand::Run(const QStringList &arguments)
{
    CommandLine cl(QStringLiteral("check"), QStringLiteral("FILE"),
                   QCoreApplication::translate("Cli", "Checks the structure of a database file: every chain whole and linked both "
                                                      "ways, every count right, every record in use or free. One line per violation."));
    cl.Parser().addPositionalArgument(QStringLiteral("FILE"), QString());
    if (const int code = cl.Parse(arguments, 1, 1); code >= 0)
        return code;
    const QString path = cl.Parser().positionalArguments().at(0);
    DatabaseDocument doc;
    if (!DatabaseFile::Open(doc, path))
        return EXIT_FILE;
    const QStringList problems = DatabaseChecker::Check(doc.Database(), 1000);
    for (const QString &problem : problems)
        Console::Out(QStringLiteral("%1: %2").arg(path, problem));
    return problems.isEmpty() ? EXIT_OK : EXIT_FOUND;
}
