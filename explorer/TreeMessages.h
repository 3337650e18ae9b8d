// Window messages of the tree-grid to its parent and to itself, and the
// device record it hands over with some of them.
#pragma once

#include "platform/base/Types.h"

#include <cstdint>

namespace morrik
{

// To the grid itself: write the tree file.
constexpr UINT WM_TREE_SAVE = 0x464;
// A click on a row: wParam the device record (or 0), lParam 0 device, 1 device
// icon, 2 folder, 3 the "My DVR" root.
constexpr UINT WM_TREE_ITEM_CLICK = 0x467;
// To the owner: add a device (the owner opens its add dialog).
constexpr UINT WM_TREE_INSERT_DEVICE = 0x468;
// lParam: a copy of the selected row's data to edit (the receiver frees it).
constexpr UINT WM_TREE_EDIT_ITEM = 0x46D;
// lParam: a copy of the row's data whose address is to change (the receiver
// frees it).
constexpr UINT WM_TREE_CHANGE_IP = 0x473;
// A row came into (wParam 1, lParam its row data) or left (wParam 0) the
// "My DVR" root by drag and drop.
constexpr UINT WM_TREE_ITEM_MOVED = 0x46B;
// lParam: a copy of the row data of a device about to be deleted, valid
// for the call.
constexpr UINT WM_TREE_DELETE_ITEM = 0x46C;
// wParam: a copy of the renamed row's data, valid for the call.
constexpr UINT WM_TREE_RENAME_CHANNEL = 0x470;
// wParam: the device record of the row a drag starts with.
constexpr UINT WM_TREE_DRAG_BEGIN = 0x471;
constexpr UINT WM_TREE_DROP = 0x472;

// Images of the device tree's rows.
constexpr int IMAGE_OPEN = 0;
constexpr int IMAGE_CLOSED = 1;
constexpr int IMAGE_SEEN = 2;
constexpr int IMAGE_MY_DEVICE = 3;
constexpr int IMAGE_MY_ROOT = 8;
constexpr int IMAGE_CHANNEL_OFF = 9;
constexpr int IMAGE_CHANNEL_ON = 10;
constexpr int IMAGE_NOT_SEEN = 11;

// The device record of a click or a drag start (364 bytes, zero-filled).
constexpr size_t TREE_DEVICE_RECORD_SIZE = 364;
namespace DeviceRecord
{
constexpr size_t Name = 0; // char[50]
constexpr size_t Discovery = 50; // four 32-bit values
constexpr size_t Model = 66; // char[32]
constexpr size_t Version = 98; // char[32]
constexpr size_t Serial = 130; // char[24]
constexpr size_t Ip = 156;
constexpr size_t Address = 160; // char[128]
constexpr size_t Mac = 288;
constexpr size_t LookupServer = 294; // char[32]
constexpr size_t LookupSettings = 326; // 16 bytes
constexpr size_t HasLookupText = 342;
constexpr size_t InFile = 343;
constexpr size_t Service1Port = 344;
constexpr size_t Service2Port = 348;
constexpr size_t ConfigPort = 352;
constexpr size_t Channel = 356;
constexpr size_t ChannelOn = 360;
}

} // namespace morrik
