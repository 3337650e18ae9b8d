// The clock of a simulated device: the host's clock (or a test's) moved by
// what the device was last set to, in the device's time zone, with the
// daylight-saving rules the device knows.
#pragma once

#include <cstdint>
#include <functional>

namespace sim
{

// Seconds since 1970 UTC.
using ClockSource = std::function<int64_t()>;
int64_t HostClock();

// A daylight-saving rule as the device stores it: a start and an end, each a
// month, a week (1 to 4, 5 the last), a weekday (0 Sunday) and a time of
// day, counted in UTC or in the zone's standard time; and the shift.
struct DaylightRule {
    const char* name;
    uint8_t startMonth, startWeek, startWeekday, startHour, startMinute;
    uint8_t endMonth, endWeek, endWeekday, endHour, endMinute;
    uint8_t inUtc; // 1: the times are UTC; 0: the zone's standard time
    int16_t shiftMinutes;
};

// The rules the device offers; a zone's rule number is 1-based, 0 for none.
constexpr int kDaylightRuleCount = 2;
extern const DaylightRule kDaylightRules[kDaylightRuleCount];
// The rule number of each of the 74 zones of the zone table.
uint8_t ZoneRuleNumber(uint32_t zone);

bool InDaylightSaving(const DaylightRule& rule, int64_t utc, int32_t zoneOffset);

struct DeviceClock {
    ClockSource source; // empty: the host's clock
    int64_t skew = 0; // device time minus the source's time
    uint32_t zone = 0; // index into the zone table
    int32_t offset = 0; // seconds east of UTC
    bool automatic = true; // daylight saving follows the zone's rule

    int64_t Utc() const { return (source ? source() : HostClock()) + skew; }
    // The device is set to this UTC time.
    void SetUtc(int64_t utc) { skew = utc - (source ? source() : HostClock()); }
    // The zone's rule, when it has one and the device follows it.
    const DaylightRule* Rule() const;
    bool DaylightNow() const;
    // Wall-clock time on the device as seconds since 1970.
    int64_t Local() const;
};

} // namespace sim
