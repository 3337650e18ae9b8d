// The records that callers hand to the DVR stream clients and get back from
// them. Frames are allocated by the client and freed by whoever receives
// them (FreeStreamFrame).
#pragma once

#include "ferrockExport.h"
#include "platform/base/Types.h"

#include <cstddef>
#include <cstdint>

namespace ferrock
{

// Room for the messages of one connection, header included.
constexpr uint32_t kReceiveRoom = 0x20000;

// Local error codes; 0xF3xx are statuses the DVR sends.
constexpr uint16_t kErrConnectFailed = 0xF401;
constexpr uint16_t kErrConnectionClosed = 0xF402;
constexpr uint16_t kErrSendReceive = 0xF403;
constexpr uint16_t kErrTimeout = 0xF405;
// The DVR's "no more frames of this kind" status of a frame message.
constexpr uint16_t kStatusNoFrame = 0xF304;

// Frames are delivered here on the connection thread instead of being posted
// (user data, frame kind or a status, the frame or null).
using StreamFrameCallback = void (*)(LPARAM lUserData, uint16_t wKind, void* pFrame);

struct tagMsgHandlerInfo {
    int nPostToThread = 0; // 0: PostMessage to hWnd; else PostThreadMessage to dwThreadId
    HWND hWnd = nullptr;
    DWORD dwThreadId = 0;
    StreamFrameCallback pfnCallback = nullptr;
    LPARAM lUserData = 0;
};

struct UserInfoParm {
    char user[16];
    char password[16];
};

// The 12-byte parameter block of a service entry.
struct tagServiceParm {
    uint8_t by0, by1, by2, by3;
    uint32_t dw0, dw1;
};

struct tagServiceEntry {
    uint16_t wService; // kind << 8 | channel
    uint16_t wParmLength; // written by the client: 12 in mode 0, else 0
    tagServiceParm* pParm;
};

constexpr uint16_t kServiceLive = 0x02;
constexpr uint16_t kServiceAlternative = 0x0D;

// The DVR form of the service request.
struct tagReqServiceParm {
    uint32_t dwMode; // 0: every entry carries its parameter block
    uint32_t dwCount;
    tagServiceEntry* pEntries;
};

constexpr uint32_t kVideoPayloadRoom = 0x20000;
constexpr uint32_t kEtcDataRoom = 65536;

// Frame kinds.
constexpr int kFrameVideo = 0;
constexpr int kFrameAudio = 1;
constexpr int kFrameText = 2;
constexpr int kFrameLog = 7;
// A video frame delivered with the DVR's last-frame status.
constexpr int kFrameVideoLast = 15;

struct tagVIDEOFRAME {
    int nKind; // 0
    uint8_t byInfoLow; // low byte of the message's information word
    uint8_t bySub0; // first byte of the sub-frame
    int nInfoBit9; // bit 9 of the information word
    uint32_t dwLength; // payload length, at most kVideoPayloadRoom
    uint32_t dwSubWord0;
    uint32_t dwSubWord1;
    uint32_t dwTime; // seconds
    uint32_t dwPayloadWord; // payload bytes 8-11
    uint32_t dwFlagLow; // low 16 bits of the flag word
    uint8_t bySub1; // second byte of the sub-frame
    uint8_t byResolution; // picture size code
    uint8_t byFlag2Low; // bits 0-4 of the second flag word
    int bNtsc; // bit 19 of the flag word clear
    int bFlagBit22;
    int bFlagBit23; // both set: the camera can be moved
    int bRotate; // the picture is upside down
    int bFlagBit26;
    int bNoDraw; // bit 5 of the second flag word
    int bFlag2Bit6Clear;
    int bFlag2Bit7Clear;
    int nFlag2Bits8to15;
    uint16_t wFlag2High;
    uint8_t reserved[2];
    uint8_t payload[kVideoPayloadRoom];
};
static_assert(offsetof(tagVIDEOFRAME, payload) == 80);

struct tagETCFRAME {
    int nKind; // 1 audio, 2 text, 7 log
    uint8_t byInfoLow;
    uint8_t bySub0;
    uint8_t bySub1; // kept for log frames of the playback client only
    int nInfoBit9;
    uint32_t dwLength; // at most kEtcDataRoom
    uint32_t dwValue0; // sub-frame words
    uint32_t dwValue1;
    uint8_t data[kEtcDataRoom];
};

// Frees a frame handed over with the given kind (0 or 15 video, else an
// other frame); null is ignored.
FERROCK_EXPORT void FreeStreamFrame(int nKind, void* pFrame);

// The PTZ move request.
constexpr uint16_t kPtzMoveStart = 0xE011;
constexpr uint16_t kPtzMoveContinue = 0xE012;
constexpr uint16_t kPtzMoveStop = 0xE013;

struct req_eptz_act_move_t {
    uint16_t wOpcode;
    uint16_t wReserved;
    int32_t nFour; // callers set 4; not sent
    uint16_t wCamera; // overwritten with the client's camera
    uint16_t wSelector; // 0 pan and tilt, 1 zoom, 2 focus
    uint8_t byValue1;
    uint8_t byValue2;
};

// The preset and tour lists of a PTZ list reply.
struct tagPtzPreset {
    char name[24];
    uint8_t byValue;
};
struct tagPtzTour {
    char name[24];
    uint8_t byValue;
    uint8_t reserved[3];
    uint32_t dwValue;
};
struct tagPtzList {
    uint8_t byCount1;
    tagPtzPreset* pList1; // null when the count is 0
    uint8_t byCount2;
    tagPtzTour* pList2;
};
// Frees a list record of WM_PTZ_INFO with its lists.
FERROCK_EXPORT void FreePtzList(tagPtzList* pList);

// The playback control request.
struct tagPBCtrlParm {
    uint32_t dwCtrl[6];
    uint32_t dwDataLength;
    const uint8_t* pData;
};

} // namespace ferrock
