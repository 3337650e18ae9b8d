// Where the caption-button manager puts its buttons: slot n counted from the
// right end of the frame's top edge, left of the reserved slots.
#pragma once

#include "platform/base/Types.h"
#include "platform/ui/WindowStyles.h"

// The system metrics the slot geometry reads; the frame supplies the values
// its own decoration uses.
struct CaptionMetrics {
    int cxSize = 18, cySize = 18; // caption buttons
    int cxSmSize = 12, cySmSize = 14; // caption buttons of a tool window
    int cxFrame = 4, cyFrame = 4; // sizing border
    int cxDlgFrame = 3, cyDlgFrame = 3; // fixed border
};

// The rectangle of slot `slot` (1 = rightmost) of a frame whose window
// rectangle is `window`. `menuItem`, when given and its bottom is not zero,
// is the frame's first menu item: the button then stands right above it.
RECT CaptionSlotRect(const RECT& window, int slot, DWORD style, DWORD exStyle, const CaptionMetrics& metrics,
    const RECT* menuItem = nullptr);

// The offset that centres a bitmap of the given size in a caption box,
// rounded toward zero on each axis.
POINT CaptionImageOffset(int bitmapWidth, int bitmapHeight, const CaptionMetrics& metrics);
