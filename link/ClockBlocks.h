// Blocks of the device clock: the clock with its zone offset and daylight
// saving, and for recorders and the newest cameras the zone table's rules.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1108 / 0x0107: device clock and zone offset.
struct CFG_TIME_ZONE {
    int32_t nDeviceTime; // seconds since 1970, negative when invalid
    int32_t nZoneOffset; // seconds
};

// 0x0111: the clock by the zone table. A zero time leaves the clock as it
// runs; else it is the wall-clock time as seconds since 1970.
struct CFG_DEVICE_CLOCK_SET {
    int32_t deviceTime;
    uint32_t zoneIndex; // into g_TimeZones
    int32_t zoneOffset; // seconds
    uint32_t automatic; // daylight saving follows the zone's rule
};

// 0x130E / 0x030F and 0x1D07 / 0x0D08: how the device synchronises its
// clock. The meaning of the first bytes depends on the pane that edits it;
// on 0x0D07 bytes 2 and 3 travel as one 16-bit field and are zero.
struct tagNtpSetting {
    uint8_t byField[4];
    uint32_t dwAddress; // server IPv4, first octet most significant
    uint32_t dwInterval; // minutes
};
static_assert(sizeof(tagNtpSetting) == 12);
// The recorders' time synchronisation (server on, role, location, carried).
using tagTimeSyncSetting = tagNtpSetting;

// 0x1110: clock, zone index and, in the fifth field, daylight saving.
struct CFG_DEVICE_CLOCK {
    int32_t deviceTime;
    uint32_t zoneIndex; // into g_TimeZones
    uint32_t reserved[2];
    uint32_t daylightSaving;
};

// 0x1112: daylight-saving rule number per time zone (from 1; 0 = none).
struct CFG_ZONE_RULES {
    uint32_t count;
    uint8_t rule[74];
};

// 0x1D05 / 0x0D06: daylight saving in force.
struct CFG_DAYLIGHT_SAVING {
    uint32_t dwEnabled; // 1 = on
};

// 0x110F: the rule tables (CFG_DST_RULES) are lists the reply record owns.
struct CFG_DST_RULE {
    uint8_t byFields[13];
    uint8_t byShift[2]; // minutes, most significant byte first
};
static_assert(sizeof(CFG_DST_RULE) == 15);

constexpr ConfigGet<CFG_TIME_ZONE> GET_TIME_ZONE { 0x0108, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_DST_RULES> GET_DST_RULES { 0x010F, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_DEVICE_CLOCK> GET_DEVICE_CLOCK { 0x0110, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_ZONE_RULES> GET_ZONE_RULES { 0x0112, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_DAYLIGHT_SAVING> GET_DAYLIGHT_SAVING { 0x0D05, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_DAYLIGHT_SAVING> SET_DAYLIGHT_SAVING { 0x0D06, CONFIG_CRED_SIZE + 4 };
constexpr ConfigSet<CFG_TIME_ZONE> SET_TIME_ZONE { 0x0107, CONFIG_CRED_SIZE + 8 };
constexpr ConfigSet<CFG_DEVICE_CLOCK_SET> SET_DEVICE_CLOCK { 0x0111, CONFIG_CRED_SIZE + 16 };
constexpr ConfigGet<tagNtpSetting> GET_NTP { 0x030E, CONFIG_CRED_SIZE };
constexpr ConfigSet<tagNtpSetting> SET_NTP { 0x030F, CONFIG_CRED_SIZE + 12 };
constexpr ConfigGet<tagNtpSetting> GET_NTP_IP_TYPE { 0x0D07, CONFIG_CRED_SIZE };
constexpr ConfigSet<tagNtpSetting> SET_NTP_IP_TYPE { 0x0D08, CONFIG_CRED_SIZE + 12 };
