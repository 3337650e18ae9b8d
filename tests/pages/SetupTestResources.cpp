#include "tests/pages/SetupTestResources.h"

#include "platform/base/String.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"

void UseSetupResources()
{
    AfxSetResourceHandle(SetupResourceModule());
    SetStringLoader([](UINT id, CString& text) {
        const std::string found = LoadResourceString(id);
        if (found.empty())
            return false;
        text = found.c_str();
        return true;
    });
}
