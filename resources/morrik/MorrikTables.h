// The tables of the explorer library's own resource module.
#pragma once

#include "platform/ui/ResourceData.h"

#include <span>

std::span<const StringEntry> MorrikStrings();
std::span<const DialogTemplate> MorrikDialogs();
std::span<const MenuTemplate> MorrikMenus();
std::span<const BitmapEntry> MorrikBitmaps();
std::span<const IconEntry> MorrikIcons();
