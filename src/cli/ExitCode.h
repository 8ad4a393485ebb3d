#pragma once

#include <QCoreApplication>
#include <QString>

// The exit codes of orbivane-cli, as --help and the man page list them. Several meters: the
// first meter's failure in the order the ports were given.
enum ExitCode : int {
    EXIT_OK = 0,
    EXIT_FOUND = 1,        // check: problems found; diff: the files differ
    EXIT_USAGE = 2,        // bad command line
    EXIT_FILE = 3,         // a file cannot be read, written, is not the kind asked for, or would lose what it holds;
                           // fetch: no list from the server and none cached
    EXIT_PORT = 4,         // the port cannot be opened
    EXIT_NO_ANSWER = 5,    // the meter does not answer (or stopped answering)
    EXIT_TRANSFER = 6,     // the transfer failed; the message names the meter's code
    EXIT_REFUSED = 7,      // load's questions, export, fetch or sheet over a file (No without --force); an import or fit that does not fit
    EXIT_INTERRUPTED = 130 // SIGINT or SIGTERM
};

// The table of exit codes, for the end of every --help.
inline QString ExitCodeHelp()
{
    return QCoreApplication::translate("Cli",
        "Exit codes:\n"
        "  0    done\n"
        "  1    check found problems; diff found differences\n"
        "  2    usage error\n"
        "  3    file error (cannot read or write it, not the right kind of file, or replacing it\n"
        "       would lose what it holds); fetch: no list from the server and none cached\n"
        "  4    the port cannot be opened\n"
        "  5    the meter does not answer\n"
        "  6    the transfer failed (the message gives the meter's code and its meaning)\n"
        "  7    refused: load asks a question (model differs, version not higher), export, fetch or\n"
        "       sheet would replace a file (--force answers Yes); import or fit does not fit the meter's tables\n"
        "  130  interrupted (SIGINT, SIGTERM)\n"
        "With several ports, the code of the first port that failed.\n");
}
