// A picture shown in a window straight away, as a blit onto the screen
// shows it: the pixels land on the window's surface without a WM_PAINT of
// the window, and stay until the window paints that area again. Video
// renderers draw so from their own threads.
#pragma once

#include "platform/ui/GdiTypes.h"
#include "platform/ui/UiExport.h"

// Where the picture goes in a client area of the given size; called on the
// window's thread.
using BlitPlacement = RECT (*)(const RECT& client, int width, int height);

// Shows a top-down picture of 32-bit pixels (bytes B, G, R, 0; rows
// `stride` bytes apart) scaled into the rectangle that `place` gives for
// the window's client area (null: the whole client area). From another
// thread the call waits while the window's thread draws, as SendMessage
// does. FALSE when the window is gone, the picture is empty or the window
// has no surface of its own.
PLATFORM_UI_API BOOL BlitToWindow(
    HWND hWnd, const void* bits, int width, int height, int stride, BlitPlacement place = nullptr);
