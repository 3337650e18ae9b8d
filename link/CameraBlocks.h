// Blocks of the channels and cameras. A recorder numbers its analogue
// cameras first and its network cameras after them.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1401 / 0x0402: per-channel camera settings of a camera device.
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
    char szPtzModel[255][32]; // room for every count the byte can say
};

// 0x1403: camera counts of a recorder.
struct CFG_CAMERA_COUNTS {
    uint8_t analogue;
    uint8_t network;
    uint8_t networkSetup;
};

// 0x0404 / 0x0406: which camera, counted within its kind.
struct CFG_CAMERA_INDEX {
    uint8_t byCamera;
};

// A recorder camera's On switch: bit 7 of the second byte of its flags.
constexpr uint16_t CAMERA_ON = 0x0080;

// 0x1404: an analogue camera's settings.
struct CFG_CAMERA {
    uint16_t wFlags; // CAMERA_ON: the camera is on
    char szName[32];
    uint8_t byGain;
    uint8_t byBrightness;
    uint8_t byContrast;
    uint8_t byPicture[2];
    uint8_t byValue;
    uint16_t wValue;
};
static_assert(sizeof(CFG_CAMERA) == 42);

// 0x1406: a network camera's settings; the last byte from revision 22 on.
struct CFG_NET_CAMERA {
    uint16_t wFlags; // CAMERA_ON: the camera is on
    uint16_t wValue1;
    char szName[32];
    char szText2[32];
    char szText3[32];
    uint8_t byValues[5];
    char szSource[128];
    uint16_t wValue2;
    uint16_t wValue3;
    uint8_t byRevision22;
};
static_assert(sizeof(CFG_NET_CAMERA) == 240);

constexpr ConfigGet<CFG_CHANNEL_CONFIG> GET_CHANNEL_CONFIG { 0x0401, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_CAMERA_COUNTS> GET_CAMERA_COUNTS { 0x0403, CONFIG_CRED_SIZE };
// The per-camera reads use the stored address as it is.
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_CAMERA> GET_CAMERA { 0x0404, CONFIG_CRED_SIZE + 1, false };
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_NET_CAMERA> GET_NET_CAMERA { 0x0406, CONFIG_CRED_SIZE + 1,
    false };

// 0x0402: the five channel entries as written (the model list is read only).
struct CFG_CHANNEL_ENTRIES {
    CFG_CHANNEL_ENTRY entries[5];
};
constexpr ConfigSet<CFG_CHANNEL_ENTRIES> SET_CHANNEL_CONFIG { 0x0402, CONFIG_CRED_SIZE + 60 };

// 0x1B01 / 0x0B02: the external devices (sensors and relay outputs); which
// byte and bit is which device depends on the family.
struct CFG_EXT_DEVICE {
    uint8_t bySetting[4];
    uint32_t dwExtra; // sent only by some devices; never written
};
constexpr ConfigGet<CFG_EXT_DEVICE> GET_EXT_DEVICE { 0x0B01, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_EXT_DEVICE> SET_EXT_DEVICE { 0x0B02, CONFIG_CRED_SIZE + 4 };
