#include "pages/common/DeviceTime.h"

#include "pages/common/TimeZones.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <cstring>
#include <ctime>

namespace
{

constexpr int64_t kDay = 86400;
constexpr int kRuleNameSize = 64;
constexpr int kRuleSize = 15;

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}

void CivilFromDays(int64_t z, int* y, unsigned* m, unsigned* d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    *d = doy - (153 * mp + 2) / 5 + 1;
    *m = mp < 10 ? mp + 3 : mp - 9;
    *y = int(int64_t(yoe) + era * 400 + (*m <= 2));
}

// The rule number lives in the last four bytes of the zone's name field.
constexpr size_t kRuleSlot = sizeof g_TimeZones[0].text - 4;

CString WeekText(uint8_t week)
{
    if (week == 0)
        return LoadText(IDS_WEEK_LAST);
    CString text;
    text.Format("%dth", int(week));
    return text;
}

CString WeekdayText(uint8_t weekday)
{
    return weekday <= 6 ? LoadText(IDS_WEEKDAY_SUNDAY + weekday) : CString("?");
}

CString MonthText(uint8_t month)
{
    return month >= 1 && month <= 12 ? LoadText(IDS_MONTH_JANUARY + month - 1) : CString("?");
}

} // namespace

SYSTEMTIME UtcFields(int64_t seconds)
{
    int64_t days = seconds / kDay;
    int64_t rest = seconds % kDay;
    if (rest < 0) {
        rest += kDay;
        --days;
    }
    int y = 0;
    unsigned m = 0, d = 0;
    CivilFromDays(days, &y, &m, &d);
    SYSTEMTIME st {};
    st.wYear = WORD(y);
    st.wMonth = WORD(m);
    st.wDay = WORD(d);
    // 1970-01-01 was a Thursday.
    st.wDayOfWeek = WORD(((days % 7) + 11) % 7);
    st.wHour = WORD(rest / 3600);
    st.wMinute = WORD(rest / 60 % 60);
    st.wSecond = WORD(rest % 60);
    return st;
}

int64_t SecondsOfFields(const SYSTEMTIME& date, const SYSTEMTIME& time)
{
    return DaysFromCivil(date.wYear, date.wMonth, date.wDay) * kDay + int64_t(time.wHour) * 3600
        + int64_t(time.wMinute) * 60 + time.wSecond;
}

BOOL ShownDeviceTime(int64_t deviceTime, int32_t zoneOffset, int32_t daylightShift, SYSTEMTIME* shown)
{
    const SYSTEMTIME st = UtcFields(deviceTime + zoneOffset + daylightShift);
    if (st.wYear == 1970)
        return FALSE;
    if (shown)
        *shown = st;
    return TRUE;
}

int32_t LocalUtcOffset()
{
    const time_t now = Service<IClock>().Now();
    struct tm local {
    };
    if (!localtime_r(&now, &local))
        return 0;
    return int32_t(timegm(&local) - now);
}

int FindZoneOffsetEntry(int32_t offset)
{
    for (int i = 0; i < TIME_ZONE_OFFSET_COUNT; ++i)
        if (g_TimeZoneOffsets[i].offset == offset)
            return i;
    return -1;
}

int FindZoneEntry(int32_t offset)
{
    for (int i = 0; i < TIME_ZONE_COUNT; ++i)
        if (g_TimeZones[i].offset == offset)
            return i;
    return -1;
}

uint32_t ZoneRuleNumber(uint32_t zone)
{
    if (zone >= uint32_t(TIME_ZONE_COUNT))
        return 0;
    uint32_t rule = 0;
    std::memcpy(&rule, g_TimeZones[zone].text + kRuleSlot, sizeof rule);
    return rule;
}

void SetZoneRuleNumber(uint32_t zone, uint32_t rule)
{
    if (zone < uint32_t(TIME_ZONE_COUNT))
        std::memcpy(g_TimeZones[zone].text + kRuleSlot, &rule, sizeof rule);
}

void StoreZoneRules(const CFG_ZONE_RULES& rules)
{
    const uint32_t count = std::min<uint32_t>(rules.count, uint32_t(sizeof rules.rule));
    for (uint32_t zone = 0; zone < count; ++zone)
        SetZoneRuleNumber(zone, rules.rule[zone]);
}

std::vector<DaylightRule> ReadDaylightRules(const CFG_DST_RULES& reply)
{
    std::vector<DaylightRule> rules;
    if (!reply.names || !reply.rules)
        return rules;
    for (uint32_t i = 0; i < reply.count; ++i) {
        DaylightRule rule;
        char name[kRuleNameSize + 1] = {};
        std::memcpy(name, reply.names + size_t(i) * kRuleNameSize, kRuleNameSize);
        rule.name = name;
        const uint8_t* record = reply.rules + size_t(i) * kRuleSize;
        std::memcpy(rule.fields, record, sizeof rule.fields);
        rule.shift = int32_t(int16_t((record[13] << 8) | record[14])) * 60;
        rules.push_back(rule);
    }
    return rules;
}

int32_t ZoneDaylightShift(uint32_t zone, const std::vector<DaylightRule>& rules)
{
    // Rule numbers count from 1; 0 is a zone without a rule.
    const uint32_t rule = ZoneRuleNumber(zone);
    return rule >= 1 && rule <= rules.size() ? rules[rule - 1].shift : 0;
}

CString DescribeDaylightRule(const DaylightRule& rule)
{
    const uint8_t* f = rule.fields;
    const char* utc = f[12] ? "UTC" : "";
    CString text;
    if (f[1] != 0) {
        // By date: month, day.
        text.Format("%s ( %s,%d at %02d:%02d ~ %s,%d at %02d:%02d %s)", rule.name.GetString(),
            MonthText(f[0]).GetString(), f[1], f[4], f[5], MonthText(f[6]).GetString(), f[7], f[10], f[11],
            utc);
    } else {
        text.Format("%s ( %s %s in %s at %02d:%02d ~ %s %s in %s at %02d:%02d %s)", rule.name.GetString(),
            WeekText(f[2]).GetString(), WeekdayText(f[3]).GetString(), MonthText(f[0]).GetString(), f[4],
            f[5], WeekText(f[8]).GetString(), WeekdayText(f[9]).GetString(), MonthText(f[6]).GetString(),
            f[10], f[11], utc);
    }
    return text;
}

int PickerSecondsOfDay(const SYSTEMTIME& picker)
{
    return picker.wHour * 3600 + picker.wMinute * 60 + picker.wSecond;
}

SYSTEMTIME PickerTimeOfDay(int seconds)
{
    if (seconds < 0)
        seconds = 0;
    return UtcFields(DaysFromCivil(2000, 1, 1) * kDay + seconds % kDay);
}
