// Blocks of the camera schedules: the day plan of a channel slot, the
// post-alarm time, the relay time table and the current schedule mode (the
// sensor and relay switches are CameraBlocks.h's external devices).
#pragma once

#include "link/CameraBlocks.h"
#include "link/ConfigBlock.h"

#include <cstdint>

// One row of a day plan (36 bytes); times in seconds after midnight, 86400 =
// midnight at the end of the day, start = end = 0 for an unused row.
struct tagScheduleEntry {
    uint32_t start;
    uint32_t end;
    uint32_t normalRate; // frames per second in 8.24 fixed point; 0 = no save
    uint8_t normalResolution; // 0 to 4
    uint8_t normalQuality; // 0 to 9
    uint8_t normalFlags; // 0x80 quality box on; low bits: box level 1 to 5
    uint8_t motionTrigger;
    uint32_t alarmRate;
    uint8_t alarmResolution;
    uint8_t alarmQuality;
    uint8_t alarmFlags; // 0x80 quality box on
    uint8_t triggers;
    uint32_t reserved; // kept as read
    uint16_t boxLeft;
    uint16_t boxTop;
    uint16_t boxRight;
    uint16_t boxBottom;
};
static_assert(sizeof(tagScheduleEntry) == 36);

constexpr int SCHEDULE_ROW_COUNT = 5;

// 0x0701 parameters.
struct CFG_SCHEDULE_SLOT {
    uint32_t slot;
};
// 0x1701 / 0x0702: a slot's plan.
struct CFG_SCHEDULE {
    uint32_t slot;
    tagScheduleEntry rows[SCHEDULE_ROW_COUNT];
};

// A channel's plan by mode (Home, Night, Outing): the same 180 bytes as a
// day plan's five rows, read otherwise. Mode m keeps its settings where row
// m keeps its own from the normal rate to the quality box: the quality-box
// byte in the normal flags, the alarm sources in the trigger byte (0x80
// motion, bits 0 to 3 sensors 1 to 4) and the further sensors 5 to 20 in the
// reserved word. The row times are passed through.
struct tagChannelSchedule {
    tagScheduleEntry row[SCHEDULE_ROW_COUNT];
};
static_assert(sizeof(tagChannelSchedule) == 180);

// 0x1703 / 0x0704: the post-alarm time in seconds, in the second field.
struct CFG_POST_ALARM {
    uint32_t dwFirst;
    int32_t nPostAlarm;
};

// One period of the relay time table (32 bytes): four trigger masks, one
// per relay output, and four words the day plans pass through (the mode
// plans keep their 32-bit masks there).
struct tagRelayPeriod {
    uint32_t start;
    uint32_t end;
    uint16_t trigger[4];
    uint32_t extra[4];
};
struct tagRelayTable {
    tagRelayPeriod period[SCHEDULE_ROW_COUNT];
};
static_assert(sizeof(tagRelayTable) == 160);

// 0x1B07 / 0x0B08: the current schedule mode (0 Home, 1 Night, 2 Outing).
struct CFG_SCHEDULE_MODE {
    uint8_t byMode;
    uint8_t byValue;
    uint16_t wValue;
    char szText[128]; // reply only
};

constexpr ConfigBlock<CFG_SCHEDULE_SLOT, CFG_SCHEDULE> GET_SCHEDULE { 0x0701, CONFIG_CRED_SIZE + 4 };
// The day plan goes without the rows' reserved words; the mode plan with them.
constexpr ConfigSet<CFG_SCHEDULE> SET_SCHEDULE { 0x0702, CONFIG_CRED_SIZE + 4 + 5 * 32 };
constexpr ConfigSet<CFG_SCHEDULE> SET_CHANNEL_SCHEDULE { 0x0702, CONFIG_CRED_SIZE + 4 + 5 * 36 };
constexpr ConfigGet<CFG_POST_ALARM> GET_POST_ALARM { 0x0703, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_POST_ALARM> SET_POST_ALARM { 0x0704, CONFIG_CRED_SIZE + 8 };
constexpr ConfigGet<tagRelayTable> GET_RELAY_TABLE { 0x070C, CONFIG_CRED_SIZE };
// 16-bit masks for the day plans, 32-bit ones for the mode plans.
constexpr ConfigSet<tagRelayTable> SET_RELAY_TABLE { 0x070D, CONFIG_CRED_SIZE + 5 * 16 };
constexpr ConfigSet<tagRelayTable> SET_RELAY_MODES { 0x070D, CONFIG_CRED_SIZE + 5 * 24 };
constexpr ConfigGet<CFG_SCHEDULE_MODE> GET_SCHEDULE_MODE { 0x0B07, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_SCHEDULE_MODE> SET_SCHEDULE_MODE { 0x0B08, CONFIG_CRED_SIZE + 4 };
// The sensor and motion switches of the mode plans: the word after the
// switch byte is written too.
constexpr ConfigSet<CFG_EXT_DEVICE> SET_EXT_DEVICE_MODES { 0x0B02, CONFIG_CRED_SIZE + 8 };
