// The schedule zone page against the simulated recorder: the zones as read,
// the exact record written, and that a zone it could not read is never
// overwritten.
#include "pages/Page6ScheduleZone.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page6ScheduleZoneTest : public PageTest
{
protected:
    void Open()
    {
        Profile(4, 2);
        StartDevice();
        ShowPage<CPage6ScheduleZone>();
    }
    static int Start(int row) { return IDC_ZONE_SPECIAL_FIRST + 2 * row; }
    static int End(int row) { return IDC_ZONE_SPECIAL_FIRST + 2 * row + 1; }
};

TEST_F(Page6ScheduleZoneTest, ShowsTheZonesAndWritesThemBackExactly)
{
    Open();
    EXPECT_EQ(ComboSelection(IDC_ZONE_WEEKDAY_START), 0);
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_START), "Monday");
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_END), "Friday");
    EXPECT_EQ(PickerTime(IDC_ZONE_DAY_START), "09:00");
    EXPECT_EQ(PickerTime(IDC_ZONE_DAY_END), "18:00");
    EXPECT_EQ(PickerTime(Start(0)), "12:00");
    EXPECT_EQ(PickerTime(End(0)), "13:00");
    EXPECT_EQ(PickerTime(Start(3)), "00:00");
    // The weekend follows from the week.
    EXPECT_FALSE(Enabled(IDC_ZONE_WEEKEND_START));
    EXPECT_FALSE(Enabled(IDC_ZONE_WEEKEND_END));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page6_schedule_zone.png");

    SelectCombo(IDC_ZONE_WEEKDAY_END, 5);
    SetPickerTime(IDC_ZONE_DAY_START, 8, 30);
    // A period that ends before it starts goes as entered.
    SetPickerTime(Start(3), 22, 15);
    SetPickerTime(End(3), 6, 45);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    const auto sent = Sent(0x010E);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 59u);
    // Mode as read, Monday to Saturday, the weekend bytes at the end zero.
    const sim::Bytes expected
        = { 1, 0, 5, 8, 30, 18, 0, 12, 0, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 22, 15, 6, 45, 0, 0, 0, 0 };
    EXPECT_EQ(sent[0].params, expected);
    // The next activation reads what was written.
    ShowPage<CPage6ScheduleZone>();
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_END), "Saturday");
    EXPECT_EQ(PickerTime(End(3)), "06:45");
}

TEST_F(Page6ScheduleZoneTest, NothingIsWrittenWithoutAReadOrAChange)
{
    Open();
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sent(0x010E).empty());

    Server().SetFault(0x010D, { .closeWithoutReply = true });
    ShowPage<CPage6ScheduleZone>();
    ClearSent();
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x010E).empty());
}

TEST_F(Page6ScheduleZoneTest, RefusalsAndLostConnectionsAndLeaving)
{
    Open();
    // A refusal is told and the page may be left.
    Server().SetFault(0x010E, { .status = 0xF309 });
    SetPickerTime(IDC_ZONE_DAY_END, 17, 0);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid value" });
    // No answer keeps the change for another try.
    Server().SetFault(0x010E, { .closeWithoutReply = true });
    SetPickerTime(IDC_ZONE_DAY_END, 16, 0);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Connection failed." });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Server().ClearFaults();
    // Leaving asks; OK applies.
    boxes.Answer(IDOK);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you like to confirm the new configuration?" });
    ASSERT_FALSE(Sent(0x010E).empty());
    EXPECT_EQ(Sent(0x010E).back().params[5], 16);
    // WM_PAGE_CANCEL is Cancel here: nothing is sent.
    ClearSent();
    SelectCombo(IDC_ZONE_WEEKDAY_START, 1);
    page->SendMessage(WM_PAGE_CANCEL);
    EXPECT_TRUE(Sent(0x010E).empty());
}

} // namespace
