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
// The other bits of an analogue camera's second flag byte; its first byte is
// the PTZ home idle time in seconds.
constexpr uint16_t CAMERA_PTZ_HOME = 0x0001;
constexpr uint16_t CAMERA_VIDEO_LOSS = 0x0002;
constexpr uint16_t CAMERA_COLOUR_MODE2 = 0x0008;
constexpr uint16_t CAMERA_75_OHM = 0x0010;
constexpr uint16_t CAMERA_MONOCHROME = 0x0020;
constexpr uint16_t CAMERA_PAL = 0x0040;

// A recorder camera's name: 22 characters and a terminator in its field.
constexpr int kRecorderCameraNameLength = 22;

// 0x1404 / 0x0405: an analogue camera's settings (42 bytes).
struct CFG_CAMERA {
    uint16_t wFlags; // idle time << 8 | CAMERA_* bits
    char szName[32];
    uint8_t byGain; // gain 0..18, or the AGC choice (0 enable, 1 disable)
    uint8_t byBrightness; // 0..18
    uint8_t byContrast; // 0..18
    uint8_t byPicture[2];
    uint8_t byPtzPort; // 0 none, else the serial port's list entry + 1
    uint16_t wPtzAddress;
};
static_assert(sizeof(CFG_CAMERA) == 42);

// 0x1406 / 0x0407: a network camera's source; the last byte from revision
// 22 on.
struct CFG_NET_CAMERA {
    uint16_t wFlags; // CAMERA_ON: the camera is on
    uint16_t wModel; // model index << 8 | model group (0xFF, 0xFE: the general types)
    char szName[32];
    char szUserId[32];
    char szPassword[32];
    char szAccessToken[5];
    char szSource[128]; // the address or URL in its first 97 bytes
    uint16_t wChannel; // channel list index
    uint16_t wPort;
    uint8_t byBandwidth; // maximum bandwidth list index
};
static_assert(sizeof(CFG_NET_CAMERA) == 240);

// The writes carry the camera, counted within its kind, in front.
struct CFG_CAMERA_SET {
    uint8_t byCamera;
    CFG_CAMERA camera;
};
struct CFG_NET_CAMERA_SET {
    uint8_t byCamera;
    CFG_NET_CAMERA camera;
};

constexpr ConfigGet<CFG_CHANNEL_CONFIG> GET_CHANNEL_CONFIG { 0x0401, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_CAMERA_COUNTS> GET_CAMERA_COUNTS { 0x0403, CONFIG_CRED_SIZE };
// The per-camera reads use the stored address as it is.
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_CAMERA> GET_CAMERA { 0x0404, CONFIG_CRED_SIZE + 1, false };
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_NET_CAMERA> GET_NET_CAMERA { 0x0406, CONFIG_CRED_SIZE + 1,
    false };
constexpr ConfigSet<CFG_CAMERA_SET> SET_CAMERA { 0x0405, CONFIG_CRED_SIZE + 1 + 42 };
// The bandwidth byte travels only to devices of revision 22 or newer.
constexpr ConfigSet<CFG_NET_CAMERA_SET> SET_NET_CAMERA { 0x0407, CONFIG_CRED_SIZE + 1 + 237 };
constexpr ConfigSet<CFG_NET_CAMERA_SET> SET_NET_CAMERA_REV22 { 0x0407, CONFIG_CRED_SIZE + 1 + 238 };

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
