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
