// Alarm-source masks as numbers and back, and the duplicate check.
#include "pages/common/AlarmSourceMask.h"
#include "pages/common/RecordingPresets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{

struct MaskCase {
    uint16_t mask;
    std::vector<int> shown;
    uint16_t hidden;
};

TEST(AlarmSourceMask, MasksShowTheirFourLowestSourcesAndKeepTheRest)
{
    const MaskCase cases[] = {
        { 0x0000, {}, 0 },
        { 0x0001, { 1 }, 0 },
        { 0x8000, { 16 }, 0 },
        { 0x0044, { 3, 7 }, 0 },
        { 0x000F, { 1, 2, 3, 4 }, 0 },
        { 0x801F, { 1, 2, 3, 4 }, 0x8010 },
        { 0xFFFE, { 2, 3, 4, 5 }, 0xFFE0 },
        // "Any" shows no numbers and hides nothing.
        { kAnySource, {}, 0 },
    };
    for (const MaskCase& c : cases) {
        int sources[kShownSources] = {};
        const int count = SourcesOfMask(c.mask, sources);
        EXPECT_EQ(std::vector<int>(sources, sources + count), c.shown) << std::hex << c.mask;
        EXPECT_EQ(HiddenSources(c.mask), c.hidden) << std::hex << c.mask;
        if (c.mask != kAnySource) {
            EXPECT_EQ(MaskOfSources(sources, count) | HiddenSources(c.mask), c.mask) << std::hex << c.mask;
        }
    }
}

TEST(AlarmSourceMask, NumbersGiveTheirBitsAndBlanksNothing)
{
    const int numbers[] = { 0, 16, 1, 17, -3, 5 };
    EXPECT_EQ(MaskOfSources(numbers, 6), 0x8011);
    const int blanks[] = { 0, 0, 0, 0 };
    EXPECT_EQ(MaskOfSources(blanks, 4), 0);
}

TEST(AlarmSourceMask, OnlyARepeatedNumberIsADuplicate)
{
    const int twice[] = { 3, 0, 3, 0 };
    EXPECT_TRUE(HasDuplicateSources(twice, 4));
    const int blanks[] = { 0, 5, 0, 6 };
    EXPECT_FALSE(HasDuplicateSources(blanks, 4));
    const int last[] = { 1, 2, 4, 4 };
    EXPECT_TRUE(HasDuplicateSources(last, 4));
}

// The device's lists are copied and its presets cut to ten.
TEST(RecordingPresets, OptionsAreCopiedAndPresetsBounded)
{
    std::vector<uint8_t> speeds(3 * 16, 0), types(12 * 16, 0), extra(12 * 3, 0);
    std::memcpy(&speeds[16], "MAX-SPEED-16CHAR", 16); // no terminator
    for (int i = 0; i < 12; ++i)
        extra[size_t(i) * 3] = uint8_t(i);
    CFG_NAME_LISTS lists {};
    lists.list[0] = { 3, speeds.data() };
    lists.list[3] = { 12, types.data() };
    lists.extra = extra.data();
    const RecordingOptions options = DecodeRecordingOptions(lists);
    ASSERT_EQ(options.speeds.size(), 3u);
    EXPECT_EQ(options.speeds[1], CString("MAX-SPEED-16CHAR"));
    EXPECT_TRUE(options.qualities.empty());
    EXPECT_EQ(options.types.size(), 12u);
    ASSERT_EQ(options.presets.size(), size_t(kMaxRecordingPresets));
    EXPECT_EQ(options.presets[9].speed, 9);
    EXPECT_EQ(options.Preset(10), nullptr);
    EXPECT_EQ(options.Preset(-1), nullptr);

    // A type list without presets gives none.
    lists.extra = nullptr;
    EXPECT_TRUE(DecodeRecordingOptions(lists).presets.empty());
}

} // namespace
