// The records that owners hand to Plinto's camera client and PTZ client and
// receive from them. They are memory records of this program, never sent
// as they lie: the codec marshals each field.
#pragma once

#include "platform/base/Types.h"

namespace plinto
{

// Local error codes of the clients; codes 0xF3xx are device statuses.
constexpr WORD ERR_CONNECT_FAILED = 0xF401;
constexpr WORD ERR_CONNECTION_CLOSED = 0xF402;
constexpr WORD ERR_SEND_RECEIVE = 0xF403;
constexpr WORD ERR_TIME_OUT = 0xF405;
constexpr WORD ERR_PASSWORD_REFUSED = 0xF308;
// The device has no video on the channel (status of a frame reply).
constexpr WORD STATUS_NO_VIDEO = 0xF304;

constexpr int DEFAULT_STREAM_PORT = 8001;

// A live service request (the camera form).
struct tagReqServiceParm {
    DWORD nOwnerIsThread; // 0: owner messages go to the window hOwner; else to the thread id hOwner
    DWORD_PTR hOwner; // owner window handle or thread id
    char szIpAddr[20]; // dotted IPv4 text
    char szUserName[16]; // zero-padded
    char szPassword[16]; // zero-padded
    // The stream-parameter block, laid out as tagReqChangeParm.
    BYTE byChannel; // camera input
    BYTE byReserved; // never sent (goes out as 0)
    BYTE byParm1; // callers pass 2
    BYTE byParm2; // callers pass 2
    DWORD dwParm3; // 0x0F000000 (preview) or 0x04000000 (quality boxes)
    DWORD dwParm4; // callers pass the value of dwParm3
    WORD wParm5; // callers pass 0
    BYTE byPad[2];
};

// New stream parameters for changeService.
struct tagReqChangeParm {
    BYTE byChannel;
    BYTE byReserved; // never sent
    BYTE byParm1;
    BYTE byParm2;
    DWORD dwParm3;
    DWORD dwParm4;
    WORD wParm5;
    BYTE byPad[2];
};

struct UserInfoParm {
    char szUserName[16];
    char szPassword[16];
};

struct tagReqPasswordParm {
    BYTE byUnused[20]; // never sent
    char szUserName[16];
    char szOldPassword[16];
    char szNewPassword[16];
};

// Two version texts; the device's first text lands in szText2, its second
// in szText1.
struct tagONLINEVERSION2 {
    char szText1[32];
    char szText2[32];
};

// Channel information as the device sends it: a length and its bytes.
constexpr int CHINFO_ROOM = 1024;
struct tagCHINFOSET {
    WORD wLength;
    BYTE byInfo[CHINFO_ROOM];
};

// One slot of the client's frame ring. The owner reads it, never frees it,
// and asks for the next frame (reqNextFrame) once it has used it.
constexpr DWORD FRAME_PAYLOAD_ROOM = 0x20000;
constexpr int FRAME_RING_SLOTS = 6;
struct tagONLINEFRAME {
    BYTE byInfo0; // first byte of the frame information
    BYTE byKind; // resolution kind 0..4
    BYTE byUnused2[2];
    int nNtsc; // 1 for a 525-line frame (bit 19 of the flag word clear), 0 for PAL
    int nRotated; // 1 when bits 24-25 of the flag word equal 2 (upside down)
    WORD wWidth; // picture width by kind
    WORD wHeight; // picture height by kind and standard
    BYTE byInfo16;
    BYTE byInfo17;
    BYTE byUnused18[2];
    DWORD dwInfo20;
    BYTE byUnused24[8];
    DWORD dwPayloadLength; // bytes in byPayload
    WORD wInfo36;
    BYTE byUnused38[2];
    BYTE byPayload[FRAME_PAYLOAD_ROOM]; // the compressed picture as received
};
static_assert(sizeof(tagONLINEFRAME) == 0x20028);

// The PTZ lists of reply 0x2117 (the receiver of WM_PTZ_INFO owns the record
// and frees it with FreePtzInfo).
struct tagPTZINFOENTRY1 {
    DWORD dwValue;
    char szName[24];
};
struct tagPTZINFOENTRY2 {
    DWORD dwValue1;
    DWORD dwValue2;
    char szName[24];
};
struct tagPTZINFO {
    int nCount1;
    tagPTZINFOENTRY1* pList1; // null when nCount1 is 0
    int nCount2;
    tagPTZINFOENTRY2* pList2; // null when nCount2 is 0
};

// The move request of the PTZ client.
constexpr WORD PTZ_MOVE_START = 0xE011;
constexpr WORD PTZ_MOVE_CONTINUE = 0xE012;
constexpr WORD PTZ_MOVE_STOP = 0xE013;
struct req_eptz_act_move_t {
    WORD wOpcode; // PTZ_MOVE_START, _CONTINUE or _STOP
    WORD wReserved; // not sent
    int32_t nParm; // callers set 4; not sent
    WORD wCamera; // move() writes the client's camera here
    WORD wSelector; // 0 pan and tilt, 1 zoom, 2 focus
    BYTE byValue1; // pan, zoom or focus value; 64 is no movement
    BYTE byValue2; // tilt value
};

// One queued request of the camera client.
struct tagOnLineMsgType {
    WORD wMsgId;
    BYTE byUnused[6];
    // The request's own record: tagReqServiceParm (0x2002), tagReqChangeParm
    // (0x2004), UserInfoParm (0x2001, 0x2006), a DWORD (0x2008, 0x2017) or a
    // WORD (0x2302).
    union {
        tagReqServiceParm service;
        tagReqChangeParm change;
        UserInfoParm user;
        DWORD dwValue;
        WORD wValue;
    } parm;
};

enum MSG_PRIORITY { MSG_PRIORITY_LOW = 0, MSG_PRIORITY_NORMAL = 1, MSG_PRIORITY_HIGH = 2 };

} // namespace plinto
