// Icons: pictures of a resource module in two sizes, the large one for
// dialogs and drawing, the small one for a window's title bar. A loaded
// icon is shared and lives as long as the process, so a handle may be kept
// and handed around without being destroyed.
#pragma once

#include "platform/base/Types.h"
#include "platform/ui/UiExport.h"

struct HICON__;
using HICON = HICON__*;

// The sides of the two pictures, in pixels.
constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;

// Icon `id` of a module or its fallbacks; null when it is absent or its
// picture is not an image.
PLATFORM_UI_API HICON LoadIcon(HINSTANCE module, UINT id);
