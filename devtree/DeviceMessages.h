// Messages with which the device tree tells its owner view what the user
// picked; the views forward them to each other.
#pragma once

#include "platform/msg/Messages.h"

// wParam: the folder's node or 0; lParam 0.
constexpr UINT WM_DEVICE_CLEAR = WM_USER + 100;
// wParam: SELECTED_DEVICE*, deleted by the sender when SendMessage returns.
constexpr UINT WM_DEVICE_SELECT = WM_USER + 101;
// wParam: SELECTED_DEVICE* with serial, IPv4 number and MAC only.
constexpr UINT WM_DEVICE_INFO = WM_USER + 102;
// The tree to itself: save the tree file.
constexpr UINT WM_DEVICE_SAVE_TREE = WM_USER + 103;
constexpr UINT WM_DEVICE_REPLY = WM_USER + 104;
// wParam: SELECTED_DEVICE*; lParam 1 = the device selected at start
// answered, 0 = the current device answered after an address change.
constexpr UINT WM_DEVICE_UPDATE = WM_USER + 105;
// wParam: SELECTED_DEVICE* of the last-selected device found at start.
constexpr UINT WM_DEVICE_SELECT_IN_FAMILY = WM_USER + 106;
// wParam: new IPv4 number; lParam: its text (const char*).
constexpr UINT WM_DEVICE_CHANGE_IP = WM_USER + 109;
