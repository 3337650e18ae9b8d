// The login bar's layout and the checks of its fields, apart from the window
// so that the rules stay testable alone.
#pragma once

#include "platform/base/Types.h"

#include <array>

// Login-bar controls.
constexpr int IDC_USER_NAME_LABEL = 1170;
constexpr int IDC_USER_NAME = 1169;
constexpr int IDC_PASSWORD_LABEL = 1;
constexpr int IDC_PASSWORD = 371;
constexpr int IDC_PORT_LABEL = 1278;
constexpr int IDC_PORT = 1171;
constexpr int IDC_SAVE_PASSWORD = 1082;
constexpr int IDC_CHANGE_IP = 101;
constexpr int IDC_DEVICE_ADDRESS = 1079;
constexpr int IDC_LOGIN = 1205;
constexpr int IDC_EXIT = 1206;
constexpr int IDC_LOGIN_HIDDEN = 1207;

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
