#include "link/RecordingBlocks.h"
#include "link/AlarmBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

void CheckOptions(const CFG_NAME_LISTS& lists)
{
    ASSERT_EQ(lists.list[0].count, 2);
    EXPECT_STREQ(reinterpret_cast<const char*>(lists.list[0].items + 16), "MAX");
    ASSERT_EQ(lists.list[3].count, 1);
    ASSERT_NE(lists.extra, nullptr);
    EXPECT_EQ(lists.extra[0], 7);
    EXPECT_EQ(lists.extra[2], 2);
}

CFG_ALARM_RECORDING_SET AlarmSet()
{
    CFG_ALARM_RECORDING_SET set {};
    set.byCamera = 3;
    set.wTriggers = 0x8200;
    set.dwTriggerMask = 0xA0000000;
    set.byThreshold = 1;
    set.byArea[0] = 0xFF;
    set.byType = 2;
    set.bySpeed = 5;
    set.byQuality = 1;
    set.byPreAlarm = 3;
    set.byPostAlarm = 20;
    return set;
}

const BlockRow kRows[] = {
    Row("schedule zone", GET_SCHEDULE_ZONE, {}, nullptr,
        CFG_SCHEDULE_ZONE { 1, 1, 5, 9, 0, 18, 30, { { 1, 2, 3, 4 } }, {} },
        "01 01 05 09 00 12 1e 01020304 00*16"),
    Row("schedule zone set", SET_SCHEDULE_ZONE, CFG_SCHEDULE_ZONE { 2, 0, 4, 8, 15, 17, 45, {}, {} },
        "02 00 04 08 0f 11 2d 00*20", {}, nullptr),
    Row("exception days", GET_EXCEPTION_DAYS, {}, nullptr,
        CFG_EXCEPTION_DAYS { { { 12, 24, 18, 0, 90, 2 } } }, "0c 18 12 00 005a 02 00*217"),
    Row("exception days set", SET_EXCEPTION_DAYS, CFG_EXCEPTION_DAYS { { { 1, 1, 0, 30, 1440, 1 } } },
        "01 01 00 1e 05a0 01 00*217", {}, nullptr),
    ListRow("recording options", GET_RECORDING_OPTIONS, {}, nullptr,
        "02 '1'00*15 'MAX'00*13 00 00 01 'Low'00*13 070102", CheckOptions),
    Row("normal recording", GET_NORMAL_RECORDING, CFG_CAMERA_INDEX { 4 }, "04",
        CFG_NORMAL_RECORDING { { { 0x80, 4, 1, 5, 6, 2 } } }, "80 04 01 05 06 02 00*18"),
    Row("normal recording set", SET_NORMAL_RECORDING,
        CFG_NORMAL_RECORDING_SET { 2, { { {}, {}, {}, { 0x81, 0, 4, 12, 0, 1 } } } },
        "02 00*18 81 00 04 0c 00 01", {}, nullptr),
    Row("alarm recording of 16 channels", GET_ALARM_RECORDING, CFG_CAMERA_INDEX { 1 }, "01",
        CFG_ALARM_RECORDING { 0x8200, 0xA0000000, 1, { 0xFF }, 2, 5, 0, 1, 3, 20, {} },
        "8200 01 ff 00*7 02 05 00 01 03 14 a0000000 00*32"),
    Row("alarm recording set", SET_ALARM_RECORDING, AlarmSet(), "03 8200 01 ff 00*7 02 05 00 01 03 14", {},
        nullptr),
    Row("alarm recording set with its mask", SET_ALARM_RECORDING_MASK, AlarmSet(),
        "03 8200 01 ff 00*7 02 05 00 01 03 14 a0000000", {}, nullptr),
    Row("alarm sources", GET_ALARM_SOURCES, CFG_CAMERA_INDEX { 2 }, "02",
        CFG_ALARM_SOURCES { 2, 0x0044, 0xFFFF, 1, 0x0502, 0, 1, 3, 10, {} },
        "02 0044 ffff 0001 0502 00 01 03 0a 0000"),
    Row("alarm sources set", SET_ALARM_SOURCES,
        CFG_ALARM_SOURCES { 5, 0x0020, 0, 0, 0x0004, 0, 2, 0, 60, {} },
        "05 0020 0000 0000 0004 00 02 00 3c 0000", {}, nullptr),
    Row("alarm presets", GET_ALARM_PRESETS, CFG_CAMERA_INDEX { 0 }, "00",
        CFG_ALARM_PRESETS { 0, { 1, 2 }, { 0, 0, 16 }, 4 }, "00 0102 00*14 000010 00*13 04"),
    Row("alarm presets set", SET_ALARM_PRESETS, CFG_ALARM_PRESETS { 7, {}, { 3 }, 9 }, "07 00*16 03 00*15 09",
        {}, nullptr),
    Row("recording plan", GET_RECORD_PLAN, CFG_CAMERA_INDEX { 3 }, "03",
        CFG_RECORD_PLAN { { { 1, 2, 3, 0, 1, 2, 29, 35 } } }, "0102030001021d23 00*24"),
    Row("recording plan set", SET_RECORD_PLAN,
        CFG_RECORD_PLAN_SET { 1, { { {}, { 4, 0, 0, 2, 0, 0, 1, 1 } } } }, "01 00*8 0400000200000101 00*16",
        {}, nullptr),
    // The alarm outputs.
    Row("relay mapping of 16 channels", GET_RELAY_MAPPING, {}, nullptr,
        CFG_RELAY_MAPPING { { { 0x80, { 0x8000, 0, 0, 1 } } }, { {}, { 0x80, { 0, 0x4000, 0, 0 } } } },
        "80 8000000000000001 00*27 00 0000000000000000 80 0000400000000000 00*18"),
    Row("relay mapping set", SET_RELAY_MAPPING,
        CFG_RELAY_MAPPING { { {}, {}, {}, { 0, { 0x0040, 0, 0, 0 } } }, {} }, "00*27 00 0040000000000000", {},
        nullptr),
    Row("relay mapping set of 16 channels", SET_RELAY_MAPPING_16,
        CFG_RELAY_MAPPING { {}, { {}, {}, {}, { 0x80, { 0, 0, 0, 0x0001 } } } },
        "00*36 00*27 80 0000000000000001", {}, nullptr),
    Row("relay action", GET_RELAY_ACTION, CFG_ACTION_INDEX { 2 }, "02",
        CFG_ALARM_ACTION { 2, { { 0x80, 0xFFFF, 0x0005, 1 } } }, "02 80 ffff 0005 0001 00*21"),
    Row("relay action set", SET_RELAY_ACTION, CFG_ALARM_ACTION { 3, { {}, { 0, 0x0100, 0, 0 } } },
        "03 00*7 00 0100 0000 0000 00*14", {}, nullptr),
    Row("buzzer action", GET_BUZZER_ACTION, CFG_ACTION_INDEX { 0 }, "00", CFG_ALARM_ACTION { 0, {} },
        "00 00*28"),
    Row("buzzer action set", SET_BUZZER_ACTION, CFG_ALARM_ACTION { 0, { { 0, 1, 2, 0 } } },
        "00 00 0001 0002 0000 00*21", {}, nullptr),
    Row("e-mail action", GET_EMAIL_ACTION, CFG_ACTION_INDEX { 0 }, "00", CFG_ALARM_ACTION { 0, {} },
        "00 00*28"),
    Row("e-mail action set", SET_EMAIL_ACTION, CFG_ALARM_ACTION { 0, {} }, "00 00*28", {}, nullptr),
    Row("relay durations", GET_RELAY_DURATIONS, {}, nullptr, CFG_RELAY_DURATIONS { { 0, 255, 5, 60 }, {} },
        "00ff053c 00*12"),
    Row("relay durations set", SET_RELAY_DURATIONS, CFG_RELAY_DURATIONS { { 10, 0, 0, 255 }, {} },
        "0a0000ff 00*12", {}, nullptr),
    Row("buzzer duration", GET_BUZZER_DURATION, {}, nullptr, CFG_BUZZER_DURATION { 30 }, "1e"),
    Row("buzzer duration set", SET_BUZZER_DURATION, CFG_BUZZER_DURATION { 255 }, "ff", {}, nullptr),
    Row("alarm mail", GET_ALARM_MAIL, {}, nullptr, CFG_ALARM_MAIL { 5, "a@b", "smtp" },
        "05 'a@b'00*125 'smtp'00*60"),
    Row("alarm mail set", SET_ALARM_MAIL, CFG_ALARM_MAIL { 0, "", "mail" }, "00 00*128 'mail'00*60", {},
        nullptr),
};

INSTANTIATE_TEST_SUITE_P(Recording, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
