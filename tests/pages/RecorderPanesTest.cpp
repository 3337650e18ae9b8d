// The system events, remote access and period panes on a window of their
// own: what each shows of its record, what it hands back and when it tells
// its page of an edit.
#include "dialogs/PeriodPanes.h"
#include "dialogs/RemoteAccessDlg.h"
#include "dialogs/SystemEventsDlg.h"
#include "tests/pages/PageFixture.h"

#include <cstring>

namespace
{

class RecorderPanesTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_TRUE(
            host.CreateEx(0, nullptr, "Panes", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr));
        host.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (host.GetSafeHwnd())
            host.DestroyWindow();
        PageTest::TearDown();
    }
    PaneHost host;
};

PERIOD_RECORD Record()
{
    PERIOD_RECORD r;
    for (int i = 0; i < 27; ++i)
        r.bytes[i] = BYTE(i % 24);
    return r;
}

TEST_F(RecorderPanesTest, SystemEventsToggleTheirBitsAndKeepTheRest)
{
    CSystemEventsDlg dlg(&host);
    ASSERT_TRUE(dlg.CreatePane(&host));
    dlg.ShowWindow(SW_SHOW);
    // Word 1 = 0x8000 (Relay1: fan), word 5 = 0x6012 (Email: video loss, disk).
    dlg.SetEvents(0x80000000u, 0, 0x60120000u);
    EXPECT_EQ(std::string(dlg.m_Grid.GetItemText(1, 0)), "Relay1");
    EXPECT_EQ(std::string(dlg.m_Grid.GetItemText(5, 0)), "Email");
    EXPECT_EQ(std::string(dlg.m_Grid.GetItemText(0, 2)), "Video Loss");
    EXPECT_EQ(dlg.m_Grid.GetItemImage(1, 1), 1);
    EXPECT_EQ(dlg.m_Grid.GetItemImage(1, 2), 0);
    EXPECT_EQ(dlg.m_Grid.GetItemImage(5, 3), 1);
    ClickCell(IDC_EVENTS_GRID, 1, 1, &dlg);
    ClickCell(IDC_EVENTS_GRID, 3, 3, &dlg);
    ClickCell(IDC_EVENTS_GRID, 3, 0, &dlg); // a title: nothing
    EXPECT_EQ(host.edits, 2);
    BYTE events[12];
    EXPECT_TRUE(dlg.GetEvents(events));
    const BYTE expected[12] = { 0, 0, 0, 0, 0, 0, 0, 0x20, 0, 0, 0x12, 0x60 };
    EXPECT_EQ(std::memcmp(events, expected, 12), 0);
}

TEST_F(RecorderPanesTest, RemoteAccessHasItsTwoSwitches)
{
    CRemoteAccessDlg dlg(&host);
    ASSERT_TRUE(dlg.CreatePane(&host));
    EXPECT_EQ(Text(IDC_REMOTE_SETUP, &dlg), "Remote Setup");
    Click(IDC_REMOTE_RELAY, &dlg);
    EXPECT_TRUE(Checked(IDC_REMOTE_RELAY, &dlg));
    EXPECT_EQ(host.edits, 0);
}

TEST_F(RecorderPanesTest, ZonesShowTheirClocksAndHandBackTheRest)
{
    CZonePeriodsDlg dlg(&host);
    ASSERT_TRUE(dlg.CreatePane(&host));
    dlg.ShowWindow(SW_SHOW);
    const PERIOD_RECORD in = Record();
    dlg.SetZones(in);
    EXPECT_EQ(PickerTime(IDC_ZONE_SPECIAL_FIRST, &dlg), "07:08");
    EXPECT_EQ(PickerTime(IDC_ZONE_SPECIAL_FIRST + 7, &dlg), "21:22");
    // Unchanged, except the tail that goes back as zero.
    PERIOD_RECORD out {};
    EXPECT_TRUE(dlg.GetZones(&out));
    EXPECT_EQ(std::memcmp(out.bytes, in.bytes, 23), 0);
    EXPECT_EQ(out.bytes[23] | out.bytes[24] | out.bytes[25] | out.bytes[26], 0);
    EXPECT_FALSE(dlg.GetZones(&out)) << "read back again: nothing changed";
    SetPickerTime(IDC_ZONE_SPECIAL_FIRST + 3, 23, 45, &dlg);
    EXPECT_EQ(host.edits, 1);
    EXPECT_TRUE(dlg.GetZones(&out));
    EXPECT_EQ(out.bytes[13], 23);
    EXPECT_EQ(out.bytes[14], 45);
    EXPECT_EQ(out.bytes[0], in.bytes[0]);
}

TEST_F(RecorderPanesTest, TheDaylightSavingPeriodEditsItsSevenBytes)
{
    CDstPeriodDlg dlg(&host);
    ASSERT_TRUE(dlg.CreatePane(&host));
    dlg.ShowWindow(SW_SHOW);
    PERIOD_RECORD in = Record();
    in.bytes[1] = 6;
    in.bytes[2] = 0;
    dlg.SetDstPeriod(in);
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_START, &dlg), "Sunday");
    EXPECT_EQ(Text(IDC_ZONE_WEEKDAY_END, &dlg), "Monday");
    EXPECT_EQ(PickerTime(IDC_ZONE_DAY_START, &dlg), "03:04");
    PERIOD_RECORD out {};
    EXPECT_FALSE(dlg.GetDstPeriod(&out));
    EXPECT_EQ(std::memcmp(out.bytes, in.bytes, 27), 0);
    SelectCombo(IDC_ZONE_WEEKDAY_END, 4, &dlg);
    SetPickerTime(IDC_ZONE_DAY_END, 2, 30, &dlg);
    EXPECT_EQ(host.edits, 2);
    EXPECT_TRUE(dlg.GetDstPeriod(&out));
    EXPECT_EQ(out.bytes[2], 4);
    EXPECT_EQ(out.bytes[5], 2);
    EXPECT_EQ(out.bytes[6], 30);
    EXPECT_EQ(std::memcmp(out.bytes + 7, in.bytes + 7, 20), 0);
}

} // namespace
