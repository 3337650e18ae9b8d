#include "resources/setup/SetupResources.h"

HINSTANCE SetupResourceModule()
{
    static const ResourceTables tables {
        .moduleName = "Setup",
        .dialogs = SetupDialogs(),
        .strings = SetupStrings(),
        .menus = SetupMenus(),
        .bitmaps = SetupBitmaps(),
        .raw = SetupRawResources(),
        .icons = SetupIcons(),
    };
    static HINSTANCE module = RegisterResourceModule(&tables);
    return module;
}
