#pragma once

// orbivane-cli: picks the command from the first argument and runs it. The whole tool, so that
// a test program can run it as a child of itself.
class CliApp
{
public:
    static int Main(int argc, char **argv);
};
