#include "link/ClockBlocks.h"
#include "tests/link/BlockRoundTrip.h"

#include <cstring>

namespace blocks
{
namespace
{

void CheckRules(const CFG_DST_RULES& rules)
{
    ASSERT_EQ(rules.count, 2u);
    ASSERT_NE(rules.names, nullptr);
    ASSERT_NE(rules.rules, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(rules.names), "Europe");
    EXPECT_STREQ(reinterpret_cast<const char*>(rules.names + 64), "US");
    CFG_DST_RULE rule[2];
    std::memcpy(rule, rules.rules, sizeof rule);
    EXPECT_EQ(rule[0].byFields[12], 0x0A);
    EXPECT_EQ(rule[0].byShift[0], 0x00);
    EXPECT_EQ(rule[0].byShift[1], 0x3C);
    EXPECT_EQ(rule[1].byFields[0], 0x0B);
    EXPECT_EQ(rule[1].byShift[1], 0xC4);
}

// clang-format off
const BlockRow kRows[] = {
    Row("time zone", GET_TIME_ZONE, {}, nullptr, CFG_TIME_ZONE { 1784110830, 3600 }, "6a575eee 00000e10"),
    ListRow("daylight saving rules", GET_DST_RULES, {}, nullptr,
        "00000002 'Europe' 00*58 'US' 00*62 0a*13 003c 0b*13 ffc4", CheckRules),
    Row("device clock", GET_DEVICE_CLOCK, {}, nullptr, CFG_DEVICE_CLOCK { 1784110830, 12, { 0, 0 }, 1 },
        "6a575eee 0000000c 00000000 00000000 00000001"),
    Row("zone rules", GET_ZONE_RULES, {}, nullptr, CFG_ZONE_RULES { 3, { 0, 2, 1 } }, "00000003 000201"),
    Row("daylight saving", GET_DAYLIGHT_SAVING, {}, nullptr, CFG_DAYLIGHT_SAVING { 1 }, "00000001"),
    Row("daylight saving set", SET_DAYLIGHT_SAVING, CFG_DAYLIGHT_SAVING { 1 }, "00000001", {}, nullptr),
    Row("time zone set", SET_TIME_ZONE, CFG_TIME_ZONE { 1784110830, -18000 }, "6a575eee ffffb9b0", {}, nullptr),
    Row("device clock set", SET_DEVICE_CLOCK, CFG_DEVICE_CLOCK_SET { 1784114430, 26, 3600, 1 },
        "6a576cfe 0000001a 00000e10 00000001", {}, nullptr),
    Row("ntp", GET_NTP, {}, nullptr, tagNtpSetting { { 1, 0, 1, 0 }, 0xC0A80105, 1440 },
        "01000100 c0a80105 000005a0"),
    Row("ntp set", SET_NTP, tagNtpSetting { { 1, 1, 0, 0 }, 0x0A000001, 60 }, "01010000 0a000001 0000003c", {},
        nullptr),
    Row("ntp by address type", GET_NTP_IP_TYPE, {}, nullptr, tagNtpSetting { { 2, 1, 0, 0 }, 0xC0A80001, 180 },
        "02010000 c0a80001 000000b4"),
    Row("ntp by address type set", SET_NTP_IP_TYPE, tagNtpSetting { { 1, 0, 0, 0 }, 0, 720 },
        "01000000 00000000 000002d0", {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Clock, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
