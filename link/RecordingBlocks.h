// Blocks of a recorder's recording settings: the schedule zones, the
// exception days, the recording options with their presets, the normal and
// the alarm recording of one camera, and the other brand's recording plan.
#pragma once

#include "link/CameraBlocks.h"
#include "link/ConfigBlock.h"

#include <cstdint>

// 0x110D / 0x010E: the division of the week and the day. Times are an hour
// and a minute each.
struct CFG_SCHEDULE_ZONE {
    uint8_t byMode; // kept as read
    uint8_t byWeekdayStart;
    uint8_t byWeekdayEnd;
    uint8_t byDayStartHour;
    uint8_t byDayStartMinute;
    uint8_t byDayEndHour;
    uint8_t byDayEndMinute;
    uint8_t bySpecial[4][4]; // start hour, start minute, end hour, end minute
    uint8_t byReserved[4]; // sent as zero
};
static_assert(sizeof(CFG_SCHEDULE_ZONE) == 27);
constexpr ConfigGet<CFG_SCHEDULE_ZONE> GET_SCHEDULE_ZONE { 0x010D, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_SCHEDULE_ZONE> SET_SCHEDULE_ZONE { 0x010E, CONFIG_CRED_SIZE + 27 };

// 0x1340 / 0x0341: the exception days, each switching to a profile for a
// number of minutes. The page shows 30; all 32 travel.
struct CFG_EXCEPTION_DAY {
    uint8_t byMonth;
    uint8_t byDay;
    uint8_t byHour;
    uint8_t byMinute;
    uint16_t wDuration; // minutes
    uint8_t byProfile;
};
constexpr int kExceptionDaySlots = 32;
struct CFG_EXCEPTION_DAYS {
    CFG_EXCEPTION_DAY days[kExceptionDaySlots];
};
constexpr ConfigGet<CFG_EXCEPTION_DAYS> GET_EXCEPTION_DAYS { 0x0340, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_EXCEPTION_DAYS> SET_EXCEPTION_DAYS { 0x0341, CONFIG_CRED_SIZE + 224 };

// 0x1705 (CFG_NAME_LISTS): list 0 the speeds, list 1 the qualities, list 3
// the recording types with one 3-byte preset each (speed index, middle
// value, quality index) in `extra`.
constexpr ConfigGet<CFG_NAME_LISTS> GET_RECORDING_OPTIONS { 0x0705, CONFIG_CRED_SIZE };

// One period of the normal recording (0x1706 / 0x0707).
struct NORMAL_PERIOD {
    uint8_t byFlags; // 0x80: event recording on; the other bits kept
    uint8_t bySpecialType;
    uint8_t byType;
    uint8_t bySpeed;
    uint8_t byMiddle; // the preset's middle value
    uint8_t byQuality;
};
constexpr int kRecordingPeriods = 4;
struct CFG_NORMAL_RECORDING {
    NORMAL_PERIOD periods[kRecordingPeriods];
};
static_assert(sizeof(CFG_NORMAL_RECORDING) == 24);
struct CFG_NORMAL_RECORDING_SET {
    uint8_t byCamera;
    CFG_NORMAL_RECORDING record;
};
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_NORMAL_RECORDING> GET_NORMAL_RECORDING { 0x0706,
    CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_NORMAL_RECORDING_SET> SET_NORMAL_RECORDING { 0x0707, CONFIG_CRED_SIZE + 25 };

// 0x1708: the alarm recording of one camera. The 16-bit's high byte holds
// the trigger flags; the 32-bit trigger mask comes only from 16-channel
// recorders.
struct CFG_ALARM_RECORDING {
    uint16_t wTriggers;
    uint32_t dwTriggerMask;
    uint8_t byThreshold;
    uint8_t byArea[8]; // a row a byte, leftmost cell in the top bit
    uint8_t byType; // combo index + 1; 0 = custom
    uint8_t bySpeed;
    uint8_t byReserved;
    uint8_t byQuality;
    uint8_t byPreAlarm; // seconds
    uint8_t byPostAlarm; // seconds
    uint16_t wExtra[16]; // carried through
};
static_assert(sizeof(CFG_ALARM_RECORDING) == 56);
// 0x0709: the same fields behind the camera.
struct CFG_ALARM_RECORDING_SET {
    uint8_t byCamera;
    uint16_t wTriggers;
    uint32_t dwTriggerMask;
    uint8_t byThreshold;
    uint8_t byArea[8];
    uint8_t byType;
    uint8_t bySpeed;
    uint8_t byReserved;
    uint8_t byQuality;
    uint8_t byPreAlarm;
    uint8_t byPostAlarm;
    uint16_t wExtra[16];
};
static_assert(sizeof(CFG_ALARM_RECORDING_SET) == 56);
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_ALARM_RECORDING> GET_ALARM_RECORDING { 0x0708,
    CONFIG_CRED_SIZE + 1 };
// Recorders below 16 channels take the record without the trigger mask.
constexpr ConfigSet<CFG_ALARM_RECORDING_SET> SET_ALARM_RECORDING { 0x0709, CONFIG_CRED_SIZE + 18 };
constexpr ConfigSet<CFG_ALARM_RECORDING_SET> SET_ALARM_RECORDING_MASK { 0x0709, CONFIG_CRED_SIZE + 22 };

// 0x170E / 0x070F: the alarm recording of a recorder of model class 4. The
// words hold two bytes each as the device lays them out: the text flag in
// the low byte of the third, the type and the speed in the fourth.
struct CFG_ALARM_SOURCES {
    uint8_t byCamera;
    uint16_t wSensors; // bit b: sensor b + 1; 0xFFFF all
    uint16_t wMotion; // bit b: motion input b + 1; 0xFFFF all
    uint16_t wText; // low byte: 1 when the text input starts recording
    uint16_t wTypeSpeed; // low byte: type index + 1 (0 = custom), high byte: speed
    uint8_t byReserved;
    uint8_t byQuality;
    uint8_t byPreAlarm;
    uint8_t byPostAlarm;
    uint8_t byTail[2]; // carried through
};
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_ALARM_SOURCES> GET_ALARM_SOURCES { 0x070E, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_ALARM_SOURCES> SET_ALARM_SOURCES { 0x070F, CONFIG_CRED_SIZE + 15 };

// 0x131C / 0x031D: the PTZ preset each alarm source of a camera calls.
struct CFG_ALARM_PRESETS {
    uint8_t byCamera;
    uint8_t bySensors[16]; // 0 none, 1 to 16
    uint8_t byMotion[16];
    uint8_t byText;
};
static_assert(sizeof(CFG_ALARM_PRESETS) == 34);
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_ALARM_PRESETS> GET_ALARM_PRESETS { 0x031C, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_ALARM_PRESETS> SET_ALARM_PRESETS { 0x031D, CONFIG_CRED_SIZE + 34 };

// 0x171A / 0x071B: the other brand's recording plan of one camera: per
// period the normal, input and motion rates, their qualities, the pre-event
// and the recording time (list indexes).
struct CFG_RECORD_PLAN {
    uint8_t byPeriods[kRecordingPeriods][8];
};
static_assert(sizeof(CFG_RECORD_PLAN) == 32);
struct CFG_RECORD_PLAN_SET {
    uint8_t byCamera;
    CFG_RECORD_PLAN plan;
};
constexpr ConfigBlock<CFG_CAMERA_INDEX, CFG_RECORD_PLAN> GET_RECORD_PLAN { 0x071A, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_RECORD_PLAN_SET> SET_RECORD_PLAN { 0x071B, CONFIG_CRED_SIZE + 33 };
