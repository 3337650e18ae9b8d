#include "resources/setup/SetupResources.h"

HINSTANCE SetupResourceModule()
{
    static const ResourceTables tables {
        .moduleName = "Setup",
        .dialogs = SetupDialogs(),
        .strings = SetupStrings(),
        .bitmaps = SetupBitmaps(),
    };
    static HINSTANCE module = RegisterResourceModule(&tables);
    return module;
}
