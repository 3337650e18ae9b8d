#include "explorer/MorrikResources.h"

#include "platform/base/Services.h"
#include "platform/ui/ResourceModule.h"
#include "resources/morrik/MorrikTables.h"

namespace morrik
{

HINSTANCE MorrikModule()
{
    static const ResourceTables tables { .moduleName = "Morrik", .strings = MorrikStrings() };
    static HINSTANCE module = RegisterResourceModule(&tables);
    return module;
}

int MorrikMessageBox(UINT id, UINT type)
{
    // From the library's own table, whatever the host has loaded.
    char text[512] = {};
    LoadString(MorrikModule(), id, text, int(sizeof text));
    return AfxMessageBox(text, type);
}

} // namespace morrik
