// Blocks of a recorder's alarm sources: the sensor inputs' contact types,
// each camera's motion detection and the four-camera recorders' events.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1312 / 0x0313: one contact type per sensor input: 0 off, 1 normally
// open, 2 normally closed.
struct CFG_SENSOR_TYPES {
    uint8_t byType[16];
};
constexpr ConfigGet<CFG_SENSOR_TYPES> GET_SENSOR_TYPES { 0x0312, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_SENSOR_TYPES> SET_SENSOR_TYPES { 0x0313, CONFIG_CRED_SIZE + 16 };

// One camera's motion detection: sensitivity (0 off, 1 low, 2 standard,
// 3 high), the 8 x 8 area a byte a row (most significant bit leftmost) and
// whether video loss counts as an alarm.
struct tagMotionEntry {
    uint8_t bySensitivity;
    uint8_t byArea[8];
    uint8_t byVideoLoss;
};
static_assert(sizeof(tagMotionEntry) == 10);

struct CFG_MOTION_CAMERA {
    uint8_t byCamera;
};
// 0x1314 answers with the camera in front; 0x0315 writes it the same way.
struct CFG_MOTION {
    uint8_t byCamera;
    tagMotionEntry entry;
};
constexpr ConfigBlock<CFG_MOTION_CAMERA, CFG_MOTION> GET_MOTION { 0x0314, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_MOTION> SET_MOTION { 0x0315, CONFIG_CRED_SIZE + 11 };

// 0x1708: a camera's event entry (56 bytes); the area rows are 16-bit words,
// bit 15 leftmost.
struct CFG_EVENT {
    uint16_t wFlags; // alarm input of camera c (1-4): 0x2000 >> (c - 1)
    uint8_t byReserved1[2];
    uint32_t dwValue;
    uint8_t bySensitivity; // 0 off, 1 standard, 2 medium, 3 high
    uint8_t byArea8[8];
    uint8_t byValues[6];
    uint8_t byReserved2;
    uint16_t wArea[16];
};
static_assert(sizeof(CFG_EVENT) == 56);
// 0x0709: the same fields with the camera in front of the flags.
struct CFG_EVENT_SET {
    uint8_t byCamera;
    uint8_t byReserved1;
    uint16_t wFlags;
    uint32_t dwValue;
    uint8_t bySensitivity;
    uint8_t byArea8[8];
    uint8_t byValues[6];
    uint8_t byReserved2;
    uint16_t wArea[16];
};
static_assert(sizeof(CFG_EVENT_SET) == 56);

constexpr uint16_t kEventAlarmInputFirst = 0x2000;

constexpr ConfigBlock<CFG_MOTION_CAMERA, CFG_EVENT> GET_EVENT { 0x0708, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_EVENT_SET> SET_EVENT { 0x0709, CONFIG_CRED_SIZE + 54 };
