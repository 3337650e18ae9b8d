// The login bar's layout and the checks of its fields, apart from the window
// so that the rules stay testable alone.
#pragma once

#include "platform/base/Types.h"
#include "resources/setup/Resource.h"

#include <array>

struct LoginBarItem {
    int id;
    int x, y, cx, cy;
};

struct LoginBarLayout {
    std::array<LoginBarItem, 12> items;
};

// Every control of the login bar, in creation order.
extern const int kLoginBarIds[12];

// Places the login bar in a client area of width x height pixels.
LoginBarLayout LayoutLoginBar(int width, int height);

// A port text: decimal digits only, 1 to 65535 (an empty text is 0).
BOOL ParsePortText(const char* text, DWORD* pPort);
