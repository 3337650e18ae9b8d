// The device clock as the pages show and set it: seconds since 1970 shown as
// plain (UTC) calendar fields, the time-zone tables looked up by offset and
// by index, the daylight-saving rules the device reports, the computer's own
// offset from UTC and the time pickers of the schedule editors.
#pragma once

#include "link/ClockBlocks.h"
#include "platform/base/String.h"
#include "platform/base/Time.h"

#include <cstdint>
#include <vector>

// A negative device clock is reported this long after the page shows.
constexpr UINT_PTR TIMER_TIME_ERROR = 100;
constexpr UINT TIME_ERROR_DELAY_MS = 500;

// Seconds since 1970 as calendar fields, with no time zone applied.
SYSTEMTIME UtcFields(int64_t seconds);
// The day of `date` and the time of day of `time` as seconds since 1970,
// counted as if they were UTC.
int64_t SecondsOfFields(const SYSTEMTIME& date, const SYSTEMTIME& time);

// What the device's clock shows on its own wall: the clock plus the zone's
// offset and, while daylight saving is in force, its shift. FALSE when
// nothing is to be shown (a date in 1970).
BOOL ShownDeviceTime(int64_t deviceTime, int32_t zoneOffset, int32_t daylightShift, SYSTEMTIME* shown);

// The computer's own offset from UTC now, seconds east (the clock service's
// time, in the computer's time zone).
int32_t LocalUtcOffset();

// The first g_TimeZoneOffsets entry with that offset, -1 for none.
int FindZoneOffsetEntry(int32_t offset);
// The first g_TimeZones entry with that offset, -1 for none.
int FindZoneEntry(int32_t offset);

// The daylight-saving rule number (from 1; 0 = none) a zone of g_TimeZones
// has on this device; 0 for an index outside the table.
uint32_t ZoneRuleNumber(uint32_t zone);
void SetZoneRuleNumber(uint32_t zone, uint32_t rule);
// The rule numbers of a 0x0112 reply into g_TimeZones (at most the table's).
void StoreZoneRules(const CFG_ZONE_RULES& rules);

// One daylight-saving rule of a 0x010F reply.
struct DaylightRule {
    CString name;
    uint8_t fields[13]; // start and end month, day, week, weekday, hour, minute; UTC flag
    int32_t shift; // seconds
};
// The rules of a 0x010F reply, each checked against the tables' bounds.
std::vector<DaylightRule> ReadDaylightRules(const CFG_DST_RULES& reply);
// The shift of the zone's rule; 0 for a zone or rule outside the tables.
int32_t ZoneDaylightShift(uint32_t zone, const std::vector<DaylightRule>& rules);
// A line that tells what the rule does, by date or by weekday.
CString DescribeDaylightRule(const DaylightRule& rule);

// The time pickers of the schedule editors hold a time of day on
// 2000-01-01; the seconds after midnight, and the picker value for them.
int PickerSecondsOfDay(const SYSTEMTIME& picker);
SYSTEMTIME PickerTimeOfDay(int seconds);
