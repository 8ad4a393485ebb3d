// orbivane-cli: every meter and file job of Orbivane from a terminal, on the core alone.
#include "cli/CliApp.h"

int main(int argc, char **argv)
{
    return CliApp::Main(argc, argv);
}
