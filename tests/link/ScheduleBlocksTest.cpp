#include "link/ScheduleBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

// Row 1 of a plan: 0:00 to 8:00 at 10 f/s, event save at 15 f/s on motion,
// with a quality box.
constexpr tagScheduleEntry kMorning { 0, 28800, 0x0A000000, 2, 5, 0x83, 0, 0x0F000000, 2, 7, 0x80, 0x02,
    0x11223344, 100, 60, 300, 200 };

CFG_SCHEDULE Plan()
{
    CFG_SCHEDULE plan {};
    plan.slot = 2;
    plan.rows[0] = kMorning;
    return plan;
}

tagRelayTable Relays()
{
    tagRelayTable table {};
    table.period[0] = { 0, 28800, { 0x0101, 0x8000, 0, 0x0008 }, { 0x80000001, 0, 0, 0x00100000 } };
    return table;
}

// clang-format off
const BlockRow kRows[] = {
    Row("schedule", GET_SCHEDULE, CFG_SCHEDULE_SLOT { 2 }, "00000002", Plan(),
        "00000002 00000000 00007080 0a000000 02058300 0f000000 02078002 11223344 0064 003c 012c 00c8 00*144"),
    Row("schedule set", SET_SCHEDULE, Plan(),
        "00000002 00000000 00007080 0a000000 02058300 0f000000 02078002 0064 003c 012c 00c8 00*128", {}, nullptr),
    Row("mode schedule set", SET_CHANNEL_SCHEDULE, Plan(),
        "00000002 00000000 00007080 0a000000 02058300 0f000000 02078002 11223344 0064 003c 012c 00c8 00*144", {},
        nullptr),
    Row("post alarm", GET_POST_ALARM, {}, nullptr, CFG_POST_ALARM { 0, 10 }, "00000000 0000000a"),
    Row("post alarm set", SET_POST_ALARM, CFG_POST_ALARM { 0, 60 }, "00000000 0000003c", {}, nullptr),
    Row("relay table set", SET_RELAY_TABLE, Relays(), "00000000 00007080 0101 8000 0000 0008 00*64", {}, nullptr),
    Row("relay modes set", SET_RELAY_MODES, Relays(),
        "00000000 00007080 80000001 00000000 00000000 00100000 00*96", {}, nullptr),
    Row("mode switches set", SET_EXT_DEVICE_MODES, CFG_EXT_DEVICE { { 0x03, 0xAA, 0xBB, 0xCC }, 0x11 },
        "03aabbcc 00000011", {}, nullptr),
    Row("schedule mode set", SET_SCHEDULE_MODE, CFG_SCHEDULE_MODE { 1, 0, 0, {} }, "01000000", {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Schedule, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
