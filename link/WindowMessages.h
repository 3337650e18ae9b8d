// The register of the program's own window messages: every message of the
// WM_USER and WM_APP ranges that a part of the program sends or posts to
// another (or to itself) is defined here, once, so that a new one cannot take
// a number that is already in use unnoticed. The framework's own messages
// (DM_*, the list's in-place edit) stay with the framework.
#pragma once

#include "platform/msg/Messages.h"

#include <span>

// Caption-button manager to the main frame (posted): wParam = button id,
// lParam = the lParam of the release that completed the click.
constexpr UINT WM_CAPTION_BUTTON = WM_USER + 1;
// The socket of a stream object to the object's own hidden window: wParam
// the socket, lParam the event (low word) and the error (high word).
constexpr UINT WM_SOCKET_NOTIFY = WM_USER + 1;

// Stream clients to their owner (posted). Camera client: wParam 0 and
// lParam the frame slot, which stays the client's; or wParam a device status
// and lParam 0.
constexpr UINT WM_STREAM_FRAME = WM_USER + 6;
// A stream object's socket to the object's own hidden window: wParam the
// event (FD_*) | WSA error << 16, lParam the socket's tag.
constexpr UINT WM_STREAM_SOCKET = WM_USER + 2;
// To the camera client's own window, sent from its owner's thread: run the
// call that lParam points at on the client's thread; the result is the
// call's.
constexpr UINT WM_STREAM_CALL = WM_USER + 3;
// To the camera client's network thread (thread message): requests wait in
// its queue.
constexpr UINT WM_STREAM_SEND_QUEUED = WM_USER + 4;
// Stream client to its owner: wParam a device status or local error code.
constexpr UINT WM_STREAM_ERROR = WM_USER + 8;
// Stream client to its owner: wParam the id of the accepted reply.
constexpr UINT WM_STREAM_ACK = WM_USER + 9;
// PTZ client to its owner: wParam a refused reply's id or a local code.
constexpr UINT WM_PTZ_ERROR = WM_USER + 10;
// PTZ client to its owner: wParam the id of the accepted reply.
constexpr UINT WM_PTZ_ACK = WM_USER + 11;
// PTZ lists to the owner: wParam status or reply id, lParam the list record
// (the receiver owns it) or 0.
constexpr UINT WM_PTZ_INFO = WM_USER + 12;
// Camera client to its owner. Reply to the output control: wParam status,
// lParam the reply's 32-bit value (or 0). Reply to the install information:
// wParam 0, lParam its 32-bit value. Version query done: wParam status.
constexpr UINT WM_STREAM_DOUT = WM_USER + 13;
constexpr UINT WM_STREAM_INSTALL_INFO = WM_USER + 14;
constexpr UINT WM_STREAM_VERSION = WM_USER + 15;
// DVR stream client to its owner: wParam the id of the accepted reply.
constexpr UINT WM_DVR_ACK = WM_USER + 19;
// The DVR live client to its owner: wParam 0, lParam a 32-bit value the DVR
// reported (reply 0x2109).
constexpr UINT WM_DVR_VALUE = WM_USER + 13;
// The DVR playback client to its owner. Login: wParam the zone value or a
// status, lParam the daylight flag or -1. Version, contents, disk status:
// wParam a status, lParam the record (the receiver deletes it) or 0. Range: the play
// position is outside the recording, wParam its end, lParam its start.
// Region size: wParam the second value or a status, lParam the first or 0.
// Rights: lParam the function-rights bits.
constexpr UINT WM_PB_LOGIN = WM_USER + 21;
constexpr UINT WM_PB_VERSION = WM_USER + 22;
constexpr UINT WM_PB_CONTENTS = WM_USER + 23;
constexpr UINT WM_PB_DISK = WM_USER + 24;
constexpr UINT WM_PB_RANGE = WM_USER + 25;
constexpr UINT WM_PB_REGION = WM_USER + 26;
constexpr UINT WM_PB_RIGHTS = WM_USER + 28;
// The DVR viewer to itself: a decoded picture waits to be painted.
constexpr UINT WM_VIEWER_PICTURE = WM_USER + 30;
// Zoom or focus lever to its target: wParam selector << 16 | opcode,
// lParam the level 0..127.
constexpr UINT WM_PTZ_MOVE = 0x2448;

// Device tree to the views, which forward them to each other.
// wParam: the folder's node or 0; lParam 0.
constexpr UINT WM_DEVICE_CLEAR = WM_USER + 100;
// wParam: SELECTED_DEVICE*, deleted by the sender when SendMessage returns.
constexpr UINT WM_DEVICE_SELECT = WM_USER + 101;
// wParam: SELECTED_DEVICE* with serial, IPv4 number and MAC only.
constexpr UINT WM_DEVICE_INFO = WM_USER + 102;
// The tree control to itself: save the tree file.
constexpr UINT WM_DEVICE_SAVE_TREE = WM_USER + 103;
constexpr UINT WM_DEVICE_REPLY = WM_USER + 104;
// wParam: SELECTED_DEVICE*; lParam 1 = the device selected at start
// answered, 0 = the current device answered after an address change.
constexpr UINT WM_DEVICE_UPDATE = WM_USER + 105;
// wParam: SELECTED_DEVICE* of the last-selected device found at start.
constexpr UINT WM_DEVICE_SELECT_IN_FAMILY = WM_USER + 106;
// wParam: new IPv4 number; lParam: its text (const char*).
constexpr UINT WM_DEVICE_CHANGE_IP = WM_USER + 109;

// The live preview to its parent (posted, wParam 0, lParam 0): the left
// button was released after the area rectangle was edited.
constexpr UINT WM_PREVIEW_AREA_SELECTED = WM_USER + 108;

// Registration-server lookup. To its thread: wParam = slot index of the query
// record to fetch. To the owner: wParam = ZPT_NODE (malloc, the receiver
// frees it), lParam 0.
constexpr UINT WM_REGSERVER_FETCH = WM_USER + 110;
constexpr UINT WM_REGSERVER_RECORD = WM_USER + 111;

// Settings pages, from the view and from a page's child panes (wParam 0,
// lParam 0): close without saving; an edit was made.
constexpr UINT WM_PAGE_CANCEL = WM_USER + 112;
constexpr UINT WM_PAGE_MODIFIED = WM_USER + 113;

// Dial-up connection to its owner: wParam 1, lParam status text: progress
// (sent, the dialling thread waits for it); wParam 0, lParam status text:
// dialling has ended, the owner reads m_nResult (posted); wParam 2, lParam 0:
// cancelled (posted).
constexpr UINT WM_DIAL_STATUS = WM_USER + 900;

// The viewer client's receive thread to its notify window (posted, wParam 0,
// lParam 0): the stream broke after login and reception has ended.
constexpr UINT WM_STREAM_FAILED = 0x07E9;

// The auto-detect dialog's socket to its owner: lParam a DiscoveredDevice
// made with new, which the receiver owns.
constexpr UINT WM_DETECT_RESULT = WM_USER + 216;

// The configuration view to itself: delete the sheet objects of an ended
// session.
constexpr UINT WM_DELETE_RETIRED = WM_APP + 1;
// An in-place edit to the list that owns it: Return, Delete or Escape
// reached the edit; the tree-in-list control then forgets its delayed-edit
// flag.
constexpr UINT WM_INPLACE_EDIT_KEY = WM_APP + 0x150;

struct RegisteredMessage {
    const char* name;
    UINT number;
};

// Every message above, for the check that no two share a number.
inline std::span<const RegisteredMessage> RegisteredWindowMessages()
{
    static constexpr RegisteredMessage messages[] = {
        { "WM_CAPTION_BUTTON", WM_CAPTION_BUTTON },
        { "WM_SOCKET_NOTIFY", WM_SOCKET_NOTIFY },
        { "WM_STREAM_FRAME", WM_STREAM_FRAME },
        { "WM_STREAM_SOCKET", WM_STREAM_SOCKET },
        { "WM_STREAM_CALL", WM_STREAM_CALL },
        { "WM_STREAM_SEND_QUEUED", WM_STREAM_SEND_QUEUED },
        { "WM_STREAM_ERROR", WM_STREAM_ERROR },
        { "WM_STREAM_ACK", WM_STREAM_ACK },
        { "WM_PTZ_ERROR", WM_PTZ_ERROR },
        { "WM_PTZ_ACK", WM_PTZ_ACK },
        { "WM_PTZ_INFO", WM_PTZ_INFO },
        { "WM_STREAM_DOUT", WM_STREAM_DOUT },
        { "WM_STREAM_INSTALL_INFO", WM_STREAM_INSTALL_INFO },
        { "WM_STREAM_VERSION", WM_STREAM_VERSION },
        { "WM_DVR_ACK", WM_DVR_ACK },
        { "WM_PTZ_MOVE", WM_PTZ_MOVE },
        { "WM_DEVICE_CLEAR", WM_DEVICE_CLEAR },
        { "WM_DEVICE_SELECT", WM_DEVICE_SELECT },
        { "WM_DEVICE_INFO", WM_DEVICE_INFO },
        { "WM_DEVICE_SAVE_TREE", WM_DEVICE_SAVE_TREE },
        { "WM_DEVICE_REPLY", WM_DEVICE_REPLY },
        { "WM_DEVICE_UPDATE", WM_DEVICE_UPDATE },
        { "WM_DEVICE_SELECT_IN_FAMILY", WM_DEVICE_SELECT_IN_FAMILY },
        { "WM_DEVICE_CHANGE_IP", WM_DEVICE_CHANGE_IP },
        { "WM_PREVIEW_AREA_SELECTED", WM_PREVIEW_AREA_SELECTED },
        { "WM_REGSERVER_FETCH", WM_REGSERVER_FETCH },
        { "WM_REGSERVER_RECORD", WM_REGSERVER_RECORD },
        { "WM_DVR_VALUE", WM_DVR_VALUE },
        { "WM_PB_LOGIN", WM_PB_LOGIN },
        { "WM_PB_VERSION", WM_PB_VERSION },
        { "WM_PB_CONTENTS", WM_PB_CONTENTS },
        { "WM_PB_DISK", WM_PB_DISK },
        { "WM_PB_RANGE", WM_PB_RANGE },
        { "WM_PB_REGION", WM_PB_REGION },
        { "WM_PB_RIGHTS", WM_PB_RIGHTS },
        { "WM_VIEWER_PICTURE", WM_VIEWER_PICTURE },
        { "WM_PAGE_CANCEL", WM_PAGE_CANCEL },
        { "WM_PAGE_MODIFIED", WM_PAGE_MODIFIED },
        { "WM_DIAL_STATUS", WM_DIAL_STATUS },
        { "WM_STREAM_FAILED", WM_STREAM_FAILED },
        { "WM_DETECT_RESULT", WM_DETECT_RESULT },
        { "WM_DELETE_RETIRED", WM_DELETE_RETIRED },
        { "WM_INPLACE_EDIT_KEY", WM_INPLACE_EDIT_KEY },
    };
    return messages;
}
