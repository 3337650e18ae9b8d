// Which keys are held, as the windows of the thread have heard of them.
#pragma once

#include "platform/ui/UiExport.h"
#include "platform/ui/WindowStyles.h"

// The high bit of the result is set while the key is held: after its key
// message went down and before it came up, or while Qt reports the
// modifier held (Shift, Ctrl, Alt).
PLATFORM_UI_API SHORT GetKeyState(int nVirtKey);
