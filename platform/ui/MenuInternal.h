// What lies behind a menu handle; for the layer's own code.
#pragma once

#include "platform/ui/Menu.h"

#include <memory>
#include <string>
#include <vector>

struct MenuData {
    struct Item {
        UINT flags;
        UINT id;
        std::string text;
        HMENU popup; // owned
    };
    std::vector<Item> items;
    std::vector<std::unique_ptr<CMenu>> wrappers; // GetSubMenu's objects
};

inline MenuData* MenuOf(HMENU h)
{
    return reinterpret_cast<MenuData*>(h);
}
// True when `id` is an enabled command somewhere in the menu.
bool IsEnabledCommand(HMENU menu, UINT id);
