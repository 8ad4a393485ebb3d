#include "app/CMeterApp.h"
#include "common/Translations.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // Answered before the application exists, so that it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("orbivane %s\n", ORBIVANE_VERSION);
            return 0;
        }
    }
    CMeterApp app(argc, argv);
    InstallTranslations(app);
    return app.InitInstance();
}
