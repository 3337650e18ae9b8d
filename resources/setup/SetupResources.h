// The program's own resource module.
#pragma once

#include "platform/ui/ResourceModule.h"

// The module's tables, registered on first use.
HINSTANCE SetupResourceModule();

// The module's parts, one file each.
std::span<const StringEntry> SetupStrings();
std::span<const DialogTemplate> SetupDialogs();
std::span<const BitmapEntry> SetupBitmaps();
std::span<const IconEntry> SetupIcons();
std::span<const MenuTemplate> SetupMenus();
std::span<const RawEntry> SetupRawResources();
