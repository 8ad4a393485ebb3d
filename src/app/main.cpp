#include "app/CMeterApp.h"

int main(int argc, char **argv)
{
    CMeterApp app(argc, argv);
    return app.InitInstance();
}
