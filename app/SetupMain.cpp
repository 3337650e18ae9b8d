// Setup's entry point: its own options first, then the application object.
#include "app/ConfigApp.h"
#include "app/SetupOptions.h"

#include <cstdio>

CConfigApp theApp;

int main(int argc, char** argv)
{
    const SetupOptions options = ParseSetupOptions(argc, argv);
    if (options.help) {
        std::puts(SetupUsage());
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "%s\n", options.error.c_str());
        return 2;
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "Setup: no display is available (set DISPLAY, or QT_QPA_PLATFORM=offscreen).\n");
        return 1;
    }
    CConfiguredNetwork network(options);
    ScopedService<INetworkEnvironment> useNetwork(&network);
    return AfxWinMain(argc, argv);
}
