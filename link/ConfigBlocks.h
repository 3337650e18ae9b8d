// Typed views of the command blocks the session's fixed requests move. Each
// struct has the layout the codec gives the block (table order, natural
// alignment): a get's reply fields from ConfigReply::body, a set's
// parameters from ConfigRequest::params. Copy with memcpy.
#pragma once

#include <cstdint>

// 0x1104: device information.
struct CFG_DEVICE_INFO {
    uint32_t dwDeviceTime;
    char szModel[16];
    char szVersion1[32]; // hardware
    char szVersion2[32]; // firmware
    char szSerial[24];
    uint32_t dwIpAddress;
    uint8_t byMac[6];
    uint8_t byReserved[2];
    char szTitle[32];
    uint16_t wRevision; // only in a 154-byte reply
};

// 0x1301 / 0x0302: network settings.
struct CFG_IP_CONFIG {
    uint32_t dwAddress;
    uint32_t dwMask;
    uint32_t dwBroadcast;
    uint32_t dwGateway;
    uint32_t dwDns[3];
    uint32_t dwInterval; // registration interval, seconds
    char szRegServer[64];
    char szGroupId[16];
    uint8_t byExtra; // sent when the length is 145
};

// 0x1108 / 0x0107: device clock and zone offset.
struct CFG_TIME_ZONE {
    int32_t nDeviceTime; // seconds since 1970, negative when invalid
    int32_t nZoneOffset; // seconds
};

// 0x1A01 / 0x0A02 (first and second port) and 0x1A03 / 0x0A04 (mode, port).
struct CFG_PORT_PAIR {
    uint32_t dwFirst;
    uint32_t dwSecond;
};

// 0x1501 / 0x0502: address filter and frame encryption key.
struct CFG_SECURITY {
    uint32_t dwFlags; // 0x80 filtering on, 0x40 allow policy
    char szKey[32];
    uint32_t dwReserved;
    struct Range {
        uint32_t dwEnabled;
        uint32_t dwStart;
        uint32_t dwEnd;
    } ranges[10];
};

// 0x1401 / 0x0402: per-channel camera settings.
struct CFG_CHANNEL_ENTRY {
    uint8_t byFlags; // 0x80 present, 0x10 25-frame standard, 0x08 mirrored
    uint8_t byValue1;
    uint16_t wValue2;
    uint32_t dwValue3;
    uint8_t byValue4;
    uint8_t byValue5;
    uint16_t wMotion; // non-zero: motion detection available
};
struct CFG_CHANNEL_CONFIG {
    CFG_CHANNEL_ENTRY entries[5];
    uint8_t byPtzModels; // reply only
    char szPtzModel[1][32]; // byPtzModels names follow
};

// 0x1D03 / 0x0D04: the stream server's contents.
struct tagContentInfo {
    char szUrl[128];
    char szName[24];
    char szCodec[12];
    uint32_t dwValue1;
    uint32_t dwValue2;
    char szText[24];
    uint32_t dwValues[7];
    uint8_t byFlag;
    uint8_t byReserved[3];
    uint32_t dwTail[3];
};
static_assert(sizeof(tagContentInfo) == 240);
struct CFG_STREAM_SERVER {
    uint32_t dwCount;
    tagContentInfo contents[10];
    uint32_t dwValue; // reply only, after the room of ten
    uint32_t dwMaxConnections; // reply only
};
