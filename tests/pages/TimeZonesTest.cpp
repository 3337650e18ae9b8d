#include "pages/common/TimeZones.h"

#include "resources/setup/SetupResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

// The tables come from the program's own module.
void LoadFromSetup()
{
    AfxSetInstanceHandle(SetupResourceModule());
    LoadTimeZoneTables();
}

TEST(TimeZones, TablesHoldEveryZoneInOrder)
{
    LoadFromSetup();
    const RawEntry* zones = FindRawResource(SetupResourceModule(), "MYTIME_ZONE", 172);
    const RawEntry* offsets = FindRawResource(SetupResourceModule(), "MYTIME_ZONE", 173);
    ASSERT_NE(zones, nullptr);
    ASSERT_NE(offsets, nullptr);
    EXPECT_EQ(zones->bytes.size(), 74u * 212u);
    EXPECT_EQ(offsets->bytes.size(), 33u * 308u);
    EXPECT_EQ(sizeof g_TimeZones, 15688u);
    EXPECT_EQ(sizeof g_TimeZoneOffsets, 10164u);

    EXPECT_EQ(g_TimeZones[0].offset, -43200);
    EXPECT_STREQ(g_TimeZones[0].text, "(GMT-12:00) Eniwetok, Kwajalein");
    EXPECT_EQ(g_TimeZones[25].offset, 0);
    EXPECT_STREQ(g_TimeZones[25].text, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London");
    EXPECT_EQ(g_TimeZones[48].offset, 20700);
    EXPECT_STREQ(g_TimeZones[48].text, "(GMT+05:45) Kathmandu");
    EXPECT_EQ(g_TimeZones[73].offset, 46800);
    EXPECT_STREQ(g_TimeZones[73].text, "(GMT+13:00) Nuku'alofa");

    EXPECT_EQ(g_TimeZoneOffsets[5].offset, -25200);
    EXPECT_STREQ(g_TimeZoneOffsets[5].text, "(GMT-07:00) Mountain Time (US & Canada)/Arizona");
    EXPECT_EQ(g_TimeZoneOffsets[31].offset, 43200);
    EXPECT_STREQ(
        g_TimeZoneOffsets[31].text, "(GMT+12:00) Fiji, Kamchatka, Marshall Is./Auckland, Wellington");
    EXPECT_EQ(std::strlen(g_TimeZoneOffsets[14].text), 216u) << "the longest text";
}

TEST(TimeZones, IndexesOffsetsAndSortOrderAgree)
{
    LoadFromSetup();
    for (int i = 0; i < TIME_ZONE_COUNT; ++i) {
        EXPECT_EQ(g_TimeZones[i].index, static_cast<uint32_t>(i));
        if (i > 0) {
            EXPECT_LE(g_TimeZones[i - 1].offset, g_TimeZones[i].offset) << i;
        }
    }
    // One offset entry per distinct zone offset, ascending, each naming its zones.
    int next = 0;
    for (int i = 0; i < TIME_ZONE_COUNT; ++i) {
        if (i > 0 && g_TimeZones[i].offset == g_TimeZones[i - 1].offset)
            continue;
        ASSERT_LT(next, TIME_ZONE_OFFSET_COUNT);
        EXPECT_EQ(g_TimeZoneOffsets[next].index, static_cast<uint32_t>(next));
        EXPECT_EQ(g_TimeZoneOffsets[next].offset, g_TimeZones[i].offset);
        ++next;
    }
    EXPECT_EQ(next, TIME_ZONE_OFFSET_COUNT);
    for (const auto& zone : g_TimeZones) {
        std::string places = std::string(zone.text).substr(std::string(zone.text).find(')') + 2);
        bool found = false;
        for (const auto& entry : g_TimeZoneOffsets)
            if (entry.offset == zone.offset && std::string(entry.text).find(places) != std::string::npos)
                found = true;
        EXPECT_TRUE(found) << zone.text;
    }
}

} // namespace
