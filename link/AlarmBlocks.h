// Blocks of a recorder's alarm outputs: which sources switch the relays in
// each of the four periods, the alarm actions of model class 4 with their
// durations, and the e-mail notice.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// One period of the relay mapping: the special-time flags and a source
// mask per relay output.
struct RELAY_PERIOD {
    uint8_t byFlags; // 0x80: stays active in special time
    uint16_t wRelays[4];
};
constexpr int kAlarmPeriods = 4;
// 0x170A / 0x070B: the first block holds the sensors (and, below 16
// channels, the motion inputs); the second the motion inputs of 16-channel
// recorders.
struct CFG_RELAY_MAPPING {
    RELAY_PERIOD first[kAlarmPeriods];
    RELAY_PERIOD second[kAlarmPeriods];
};
static_assert(sizeof(CFG_RELAY_MAPPING) == 80);
constexpr ConfigGet<CFG_RELAY_MAPPING> GET_RELAY_MAPPING { 0x070A, CONFIG_CRED_SIZE };
// Recorders below 16 channels take the first block only.
constexpr ConfigSet<CFG_RELAY_MAPPING> SET_RELAY_MAPPING { 0x070B, CONFIG_CRED_SIZE + 36 };
constexpr ConfigSet<CFG_RELAY_MAPPING> SET_RELAY_MAPPING_16 { 0x070B, CONFIG_CRED_SIZE + 72 };

// One period of an alarm action: which sensors, motion inputs and text
// events trigger it.
struct ACTION_PERIOD {
    uint8_t byFlags; // 0x80 in Relay1's entry: "Disable in Special Time "
    uint16_t wSensors; // bit n-1: sensor n; 0xFFFF any
    uint16_t wMotion; // bit n-1: channel n; 0xFFFF any
    uint16_t wText; // 1 when text events trigger
};
// 0x1710-0x1715 / 0x0711-0x0715: an action's four periods behind its number.
struct CFG_ALARM_ACTION {
    uint8_t byAction;
    ACTION_PERIOD periods[kAlarmPeriods];
};
static_assert(sizeof(CFG_ALARM_ACTION) == 34);
struct CFG_ACTION_INDEX {
    uint8_t byAction;
};
constexpr ConfigBlock<CFG_ACTION_INDEX, CFG_ALARM_ACTION> GET_RELAY_ACTION { 0x0710, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_ALARM_ACTION> SET_RELAY_ACTION { 0x0711, CONFIG_CRED_SIZE + 29 };
constexpr ConfigBlock<CFG_ACTION_INDEX, CFG_ALARM_ACTION> GET_BUZZER_ACTION { 0x0712, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_ALARM_ACTION> SET_BUZZER_ACTION { 0x0713, CONFIG_CRED_SIZE + 29 };
constexpr ConfigBlock<CFG_ACTION_INDEX, CFG_ALARM_ACTION> GET_EMAIL_ACTION { 0x0714, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_ALARM_ACTION> SET_EMAIL_ACTION { 0x0715, CONFIG_CRED_SIZE + 29 };

// 0x1316 / 0x0317: how long each relay stays on (0 off, 255 latch, else
// seconds), then twelve bytes sent as zero.
struct CFG_RELAY_DURATIONS {
    uint8_t byRelays[4];
    uint8_t byReserved[12];
};
constexpr ConfigGet<CFG_RELAY_DURATIONS> GET_RELAY_DURATIONS { 0x0316, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_RELAY_DURATIONS> SET_RELAY_DURATIONS { 0x0317, CONFIG_CRED_SIZE + 16 };

// 0x1318 / 0x0319: the buzzer's duration, coded as a relay's.
struct CFG_BUZZER_DURATION {
    uint8_t byDuration;
};
constexpr ConfigGet<CFG_BUZZER_DURATION> GET_BUZZER_DURATION { 0x0318, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_BUZZER_DURATION> SET_BUZZER_DURATION { 0x0319, CONFIG_CRED_SIZE + 1 };

// 0x131A / 0x031B: the e-mail notice: sending interval in minutes (0 off),
// recipient and SMTP server, zero-filled.
struct CFG_ALARM_MAIL {
    uint8_t byInterval;
    char szAddress[128];
    char szServer[64];
};
static_assert(sizeof(CFG_ALARM_MAIL) == 193);
constexpr ConfigGet<CFG_ALARM_MAIL> GET_ALARM_MAIL { 0x031A, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_ALARM_MAIL> SET_ALARM_MAIL { 0x031B, CONFIG_CRED_SIZE + 193 };
