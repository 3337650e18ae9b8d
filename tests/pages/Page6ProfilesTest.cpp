// The profiles page against the simulated recorder: the zones and the
// thirty exception days as read, Modify on the chosen row, the exact
// records written, and records that could not be read left alone.
#include "pages/Page6Profiles.h"
#include "platform/ui/DateTimeCtrl.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page6ProfilesTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 2);
        StartDevice();
    }
    CPage6Profiles* Page() { return static_cast<CPage6Profiles*>(page); }
    std::string Row(int row, int column)
    {
        return static_cast<LPCTSTR>(Page()->m_List.GetItemText(row, column));
    }
    // A click on a row of the list.
    void ChooseRow(int row)
    {
        Page()->m_List.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        NMHDR hdr { Page()->m_List.GetSafeHwnd(), UINT_PTR(IDC_PROFILE_LIST), NM_CLICK };
        page->SendMessage(WM_NOTIFY, IDC_PROFILE_LIST, reinterpret_cast<LPARAM>(&hdr));
    }
    void SetStart(int month, int day, int hour, int minute)
    {
        SYSTEMTIME time { 2026, WORD(month), 0, WORD(day), WORD(hour), WORD(minute), 0, 0 };
        static_cast<CDateTimeCtrl*>(page->GetDlgItem(IDC_PROFILE_START))->SetTime(&time);
    }
};

TEST_F(Page6ProfilesTest, ShowsTheZonesAndThirtyExceptionDays)
{
    ShowPage<CPage6Profiles>();
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_START), "Monday");
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_END), "Friday");
    EXPECT_EQ(PickerTime(IDC_ZONE_DAY_END), "18:00");
    ASSERT_EQ(Page()->m_List.GetItemCount(), 30);
    EXPECT_EQ(Row(0, 0), "1");
    EXPECT_EQ(Row(0, 1), "03-31 14:00");
    EXPECT_EQ(Row(0, 2), "240");
    EXPECT_EQ(Row(0, 3), "Night");
    EXPECT_EQ(Row(1, 3), "Outing");
    EXPECT_EQ(Row(29, 0), "30");
    EXPECT_EQ(Row(29, 1), "00-00 00:00");
    EXPECT_EQ(Row(29, 3), "Home");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page6_profiles.png");
}

TEST_F(Page6ProfilesTest, ModifyChangesTheChosenRowAndApplyWritesBothRecords)
{
    ShowPage<CPage6Profiles>();
    // No row chosen: nothing.
    Click(IDC_PROFILE_MODIFY);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(Row(4, 2), "0");

    ChooseRow(4);
    SetStart(7, 14, 8, 45);
    SetText(IDC_PROFILE_DURATION, "90");
    SelectCombo(IDC_PROFILE, 2);
    Click(IDC_PROFILE_MODIFY);
    EXPECT_EQ(Row(4, 1), "07-14 08:45");
    EXPECT_EQ(Row(4, 2), "90");
    EXPECT_EQ(Row(4, 3), "Outing");
    // Out of range: the framework's message, nothing changes.
    ChooseRow(5);
    SetText(IDC_PROFILE_DURATION, "10");
    Click(IDC_PROFILE_MODIFY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Please enter an integer between 15 and 1440." });
    EXPECT_EQ(Row(5, 2), "0");
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x010E).size(), 1u);
    EXPECT_EQ(Sent(0x010E)[0].params[2], 4) << "the week as read";
    const auto days = Sent(0x0341);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].length, 256u);
    ASSERT_EQ(days[0].params.size(), 224u);
    EXPECT_EQ(sim::Bytes(days[0].params.begin() + 28, days[0].params.begin() + 35),
        (sim::Bytes { 7, 14, 8, 45, 0, 90, 2 }));
    EXPECT_EQ(days[0].params[0], 3) << "other days as read";
    // Read back.
    ShowPage<CPage6Profiles>();
    EXPECT_EQ(Row(4, 1), "07-14 08:45");
}

TEST_F(Page6ProfilesTest, RecordsThatCouldNotBeReadAreNotWritten)
{
    Server().SetFault(0x0340, { .closeWithoutReply = true });
    ShowPage<CPage6Profiles>();
    Server().ClearFaults();
    SelectCombo(IDC_ZONE_WEEKDAY_END, 5);
    Click(IDC_PAGE_OK);
    EXPECT_EQ(Sent(0x010E).size(), 1u);
    EXPECT_TRUE(Sent(0x0341).empty());
}

} // namespace
