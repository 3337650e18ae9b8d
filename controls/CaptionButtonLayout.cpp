#include "controls/CaptionButtonLayout.h"

RECT CaptionSlotRect(const RECT& window, int slot, DWORD style, DWORD exStyle, const CaptionMetrics& metrics,
    const RECT* menuItem)
{
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    const int buttonWidth = tool ? metrics.cxSmSize : metrics.cxSize;
    const int buttonHeight = tool ? metrics.cySmSize : metrics.cySize;
    const bool sizing = (style & WS_THICKFRAME) != 0;
    const int frameWidth = sizing ? metrics.cxFrame : metrics.cxDlgFrame;
    const int frameHeight = sizing ? metrics.cyFrame : metrics.cyDlgFrame;

    RECT rect;
    rect.left = window.right - slot * buttonWidth - frameWidth;
    rect.right = rect.left + buttonWidth;
    rect.top = window.top + frameHeight;
    rect.bottom = rect.top + buttonHeight;
    if (menuItem != nullptr && menuItem->bottom != 0) {
        rect.bottom = menuItem->top - 1;
        rect.top = rect.bottom - buttonHeight;
    }
    return rect;
}

POINT CaptionImageOffset(int bitmapWidth, int bitmapHeight, const CaptionMetrics& metrics)
{
    POINT offset;
    offset.x = (metrics.cxSize - bitmapWidth) / 2;
    offset.y = (metrics.cySize - bitmapHeight) / 2;
    return offset;
}
