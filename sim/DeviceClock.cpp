#include "sim/DeviceClock.h"

#include <chrono>

namespace sim
{

int64_t HostClock()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// clang-format off
const DaylightRule kDaylightRules[kDaylightRuleCount] = {
    // Last Sunday of March to the last Sunday of October, 01:00 UTC.
    { "Europe", 3, 5, 0, 1, 0, 10, 5, 0, 1, 0, 1, 60 },
    // Second Sunday of March 02:00 to the first Sunday of November 02:00
    // daylight time (01:00 standard time).
    { "North America", 3, 2, 0, 2, 0, 11, 1, 0, 1, 0, 0, 60 },
};
// clang-format on

uint8_t ZoneRuleNumber(uint32_t zone)
{
    switch (zone) {
    case 25: // London
    case 26: // Amsterdam, Berlin
    case 27: // Prague
    case 28: // Paris
    case 29: // Warsaw
    case 31: // Athens
    case 32: // Bucharest
    case 35: // Helsinki
        return 1;
    case 3: // Alaska
    case 4: // Pacific
    case 6: // Mountain
    case 8: // Central
    case 12: // Eastern
    case 14: // Atlantic
    case 17: // Newfoundland
        return 2;
    default:
        return 0;
    }
}

namespace
{

constexpr int64_t kDay = 86400;

// Days since 1970-01-01 of a civil date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

int64_t YearOf(int64_t days)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    return static_cast<int64_t>(yoe) + era * 400 + (mp >= 10 ? 1 : 0);
}

// The day of the week-th weekday of a month (week 5: the last).
int64_t NthWeekday(int64_t year, unsigned month, unsigned week, unsigned weekday)
{
    if (week >= 5) {
        const int64_t next = month == 12 ? DaysFromCivil(year + 1, 1, 1) : DaysFromCivil(year, month + 1, 1);
        const int64_t last = next - 1;
        const int64_t lastWeekday = ((last % 7) + 7 + 4) % 7; // 1970-01-01 was a Thursday
        return last - ((lastWeekday - weekday + 7) % 7);
    }
    const int64_t first = DaysFromCivil(year, month, 1);
    const int64_t firstWeekday = ((first % 7) + 7 + 4) % 7;
    return first + ((weekday - firstWeekday + 7) % 7) + 7 * (week - 1);
}

} // namespace

bool InDaylightSaving(const DaylightRule& r, int64_t utc, int32_t zoneOffset)
{
    const int64_t standard = utc + zoneOffset;
    const int64_t year = YearOf((standard >= 0 ? standard : standard - kDay + 1) / kDay);
    const int64_t shift = r.inUtc ? 0 : zoneOffset;
    const int64_t start = NthWeekday(year, r.startMonth, r.startWeek, r.startWeekday) * kDay
        + r.startHour * 3600 + r.startMinute * 60 - shift;
    const int64_t end = NthWeekday(year, r.endMonth, r.endWeek, r.endWeekday) * kDay + r.endHour * 3600
        + r.endMinute * 60 - shift;
    return start <= end ? utc >= start && utc < end : utc >= start || utc < end;
}

const DaylightRule* DeviceClock::Rule() const
{
    const uint8_t number = ZoneRuleNumber(zone);
    return number ? &kDaylightRules[number - 1] : nullptr;
}

bool DeviceClock::DaylightNow() const
{
    const DaylightRule* rule = Rule();
    return automatic && rule && InDaylightSaving(*rule, Utc(), offset);
}

int64_t DeviceClock::Local() const
{
    const DaylightRule* rule = Rule();
    return Utc() + offset + (DaylightNow() ? rule->shiftMinutes * 60 : 0);
}

} // namespace sim
