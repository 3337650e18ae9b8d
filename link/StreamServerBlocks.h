// Blocks of the streaming server: its stream contents.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// One content of 0x1D03 / 0x0D04.
struct tagContentInfo {
    char szUrl[128]; // the content's name
    char szName[24];
    char szCodec[12];
    uint32_t dwValue1;
    uint32_t dwValue2;
    char szText[24];
    uint32_t dwValues[7];
    uint8_t byFlag; // switched on
    uint8_t byReserved[3];
    uint32_t dwTail[3];
};
static_assert(sizeof(tagContentInfo) == 240);

// 0x1D03 / 0x0D04: the contents; the two values after the room of ten come
// only in the reply.
struct CFG_STREAM_SERVER {
    uint32_t dwCount;
    tagContentInfo contents[10];
    uint32_t dwValue;
    uint32_t dwMaxConnections;
};

constexpr ConfigGet<CFG_STREAM_SERVER> GET_STREAM_SERVER { 0x0D03, CONFIG_CRED_SIZE };

// 0x1E03 / 0x0E04: per stream content, the users that may watch it (bit 2
// user 1 to bit 5 user 4). The write always carries ten words.
struct CFG_CONTENT_ACCESS {
    uint32_t dwCount;
    uint32_t dwAccess[10];
};
constexpr ConfigGet<CFG_CONTENT_ACCESS> GET_CONTENT_ACCESS { 0x0E03, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_CONTENT_ACCESS> SET_CONTENT_ACCESS { 0x0E04, CONFIG_CRED_SIZE + 44 };

// The seven numbers of a content (tagContentInfo::dwValues), in order.
enum ContentValue {
    CONTENT_AUDIO_BITRATE,
    CONTENT_PACKET_SIZE,
    CONTENT_INTRA_PERCENT,
    CONTENT_MIN_Q,
    CONTENT_MAX_Q,
    CONTENT_INTRA_PERIOD,
    CONTENT_SCENE_THRESHOLD,
};
constexpr uint32_t CONTENT_ROOM = 10;
constexpr uint32_t CONTENT_RECORD_SIZE = 240;

// 0x0D04: the contents as they stand in the list; the length follows the count.
struct CFG_STREAM_CONTENTS {
    uint32_t dwCount;
    tagContentInfo contents[CONTENT_ROOM];
};
constexpr ConfigSet<CFG_STREAM_CONTENTS> SET_STREAM_SERVER { 0x0D04, CONFIG_CRED_SIZE + 4, true,
    [](const CFG_STREAM_CONTENTS& c) { return CONFIG_CRED_SIZE + 4 + c.dwCount * CONTENT_RECORD_SIZE; } };

// 0x0E06: the most connections the server takes at once.
struct CFG_MAX_CONNECTIONS {
    uint32_t dwMaxConnections;
};
constexpr ConfigSet<CFG_MAX_CONNECTIONS> SET_MAX_CONNECTIONS { 0x0E06, CONFIG_CRED_SIZE + 4 };

// 0x0E05: the server's status report as text (the reply owns the text until
// the next request of its record).
struct CFG_STATUS_REQUEST {
    uint32_t dwValue;
};
constexpr ConfigBlock<CFG_STATUS_REQUEST, CFG_STATUS_TEXT> GET_STREAM_STATUS { 0x0E05, CONFIG_CRED_SIZE + 4 };
