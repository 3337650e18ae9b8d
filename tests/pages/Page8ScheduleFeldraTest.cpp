// The Home/Night/Outing schedule page against a simulated four-channel
// camera that keeps its plans by mode: the mode chart, the device's mode,
// the channel and relay dialogs, the sensor switches and what Apply writes.
#include "pages/Page8ScheduleFeldra.h"
#include "controls/CheckMarkGrid.h"
#include "dialogs/ChannelScheduleDlg.h"
#include "dialogs/RelayModeDlg.h"
#include "tests/pages/PageFixture.h"
#include "tests/pages/ScheduleTestTools.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstdlib>

namespace
{

// A channel's plan by mode, as the device sends it: Home at 10 f/s with
// event saving at 15 f/s on motion, Night saving nothing but events of no
// source, Outing one frame an hour and events on sensor 1 at full rate
// (the cameras of the simulator are 25-frame ones).
sim::Bytes ModePlan(uint32_t slot)
{
    sim::Body plan;
    plan.U32(slot);
    plan.U32(0).U32(0);
    // Home.
    plan.U32(0x0A000000).U8(2).U8(6).U8(0x83).U8(0x11).U32(0x0F000000).U8(3).U8(7).U8(0x22).U8(0x80);
    plan.U32(0).U16(100).U16(60).U16(300).U16(200);
    plan.U32(0x33).U32(0x44);
    // Night.
    plan.U32(0).U8(0).U8(0).U8(0).U8(0).U32(0x05000000).U8(1).U8(1).U8(0).U8(0);
    plan.U32(0).U16(0).U16(0).U16(0).U16(0);
    plan.U32(0).U32(0);
    // Outing.
    plan.U32(0x00001234).U8(4).U8(9).U8(0).U8(0).U32(0x19000000).U8(4).U8(9).U8(0).U8(0x01);
    plan.U32(0).U16(0).U16(0).U16(0).U16(0);
    plan.Zero(2 * 36);
    return plan.bytes;
}

class Page8ScheduleFeldraTest : public PageTest
{
protected:
    CPage8ScheduleFeldra* Open()
    {
        Profile(0);
        StartDevice();
        sim::SettingsStore& store = Server().Store();
        // The device is in Night mode.
        store.Store(0x0B07, 0, sim::Body().U8(1).U8(5).U16(0x0607).Zero(128).bytes);
        // Sensor 2 and the motion switch of camera 1 on.
        store.Store(0x0B01, 0, sim::Body().U8(0x02).U8(0xAA).U8(0xBB).U8(0xCC).U32(0x01).bytes);
        for (uint32_t slot : { 0u, 2u, 3u })
            store.Store(0x0701, slot, ModePlan(slot));
        // Relay 2 follows motion of camera 1 at Night.
        sim::Body relays;
        relays.U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
        relays.U32(0).U32(0).U32(0).U32(0x00100000).U32(0).U32(0);
        relays.Zero(3 * 24);
        store.Store(0x070C, 0, relays.bytes);
        return ShowPage<CPage8ScheduleFeldra>();
    }
};

TEST_F(Page8ScheduleFeldraTest, ActivationReadsTheModePlansAndDrawsThemAsCells)
{
    CPage8ScheduleFeldra* schedule = Open();
    EXPECT_EQ(Text(IDC_SCHED_MODE), "Night");
    EXPECT_EQ(Text(IDC_SCHED_POST_ALARM), "10");
    EXPECT_EQ(Sent(0x0701).size(), 3u) << "slots 0, 2 and 3";
    EXPECT_TRUE(Enabled(IDC_SCHED_CH3));
    EXPECT_FALSE(Enabled(IDC_SCHED_CH4));
    EXPECT_EQ(schedule->m_SensorGrid.GetItemImage(1, 1), CHECK_TICKED) << "S2";
    EXPECT_EQ(schedule->m_SensorGrid.GetItemImage(1, 4), CHECK_TICKED) << "MD1";
    EXPECT_EQ(schedule->m_SensorGrid.GetItemImage(1, 0), CHECK_CLEAR);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    const QImage picture = Grab();
    // CH 1: Home at 10 f/s with events at 15 f/s.
    EXPECT_TRUE(Shows(picture, 130, 75, QColor(32, 32, 32)));
    EXPECT_TRUE(Shows(picture, 130, 87, QColor(255, 16, 16)));
    // Night saves nothing, and its events have no source.
    EXPECT_TRUE(Shows(picture, 250, 75, QColor(255, 255, 255)));
    EXPECT_TRUE(Shows(picture, 250, 87, QColor(255, 255, 255)));
    // Outing: one frame an hour; sensor 1 starts events at full rate.
    EXPECT_TRUE(Shows(picture, 370, 75, QColor(224, 224, 224)));
    EXPECT_TRUE(Shows(picture, 370, 87, QColor(255, 0, 0)));
    // The relay works at Night only.
    EXPECT_TRUE(Shows(picture, 130, 257, QColor(255, 255, 255)));
    EXPECT_TRUE(Shows(picture, 250, 257, QColor(255, 150, 150)));
    // CH 4 is only its outline.
    EXPECT_FALSE(Shows(picture, 130, 210, QColor(32, 32, 32)));
    EXPECT_TRUE(Shows(picture, 190, 150, QColor(0, 0, 0))) << "the guide between Home and Night";
    SavePicture("page8_schedule_feldra.png");

    // The hint of a cell after its delay.
    schedule->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(130, 87));
    schedule->SendMessage(WM_TIMER, HINT_TIMER_ID);
    ASSERT_TRUE(schedule->m_Hint.IsShowing());
    EXPECT_EQ(std::string(static_cast<LPCTSTR>(schedule->m_Hint.Window()->m_strText)),
        "15f/s, HALF(720X243), Quality: 7");
}

TEST_F(Page8ScheduleFeldraTest, EditedPlansAreWrittenByApplyAndReadBackAsWritten)
{
    CPage8ScheduleFeldra* schedule = Open();
    {
        ScriptedDialogRunner runner([this](CDialog* dlg) {
            auto* channel = dynamic_cast<CChannelScheduleDlg*>(dlg);
            ASSERT_NE(channel, nullptr);
            CString caption;
            channel->GetWindowText(caption);
            EXPECT_EQ(std::string(caption), "Channel 2");
            EXPECT_EQ(std::string(channel->m_RecordGrid.GetItemText(3, 1)), "1f/1h");
            ClickCell(channel->m_TriggerGrid, 2, 3); // Night: S2
            Click(IDOK, dlg);
        });
        ScopedService<IModalDialogRunner> scope(&runner);
        Click(IDC_SCHED_CH2);
    }
    {
        ScriptedDialogRunner runner([this](CDialog* dlg) {
            auto* relays = dynamic_cast<CRelayModeDlg*>(dlg);
            ASSERT_NE(relays, nullptr);
            EXPECT_EQ(relays->m_Grid[1].GetItemImage(2, 2), CHECK_TICKED);
            ClickCell(relays->m_Grid[2], 4, 1); // Outing: relay 4 by hand
            Click(IDOK, dlg);
        });
        ScopedService<IModalDialogRunner> scope(&runner);
        Click(IDC_SCHED_RELAY);
    }
    ClickCell(IDC_SCHEDULE_GRID, 1, 0); // S1 on
    SelectCombo(IDC_SCHED_MODE, 2);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));

    // The mode changed by hand is asked about; No keeps everything.
    ClearSent();
    boxes.Answer(IDNO);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "Current schedule mode is changed manually! Are you sure?" });
    EXPECT_TRUE(Sent(0x0B08).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));

    boxes.Answer(IDYES);
    Click(IDC_PAGE_APPLY);
    TakeMessages();
    ASSERT_EQ(Sent(0x0B08).size(), 1u);
    EXPECT_EQ(Sent(0x0B08)[0].length, 36u);
    EXPECT_EQ(Sent(0x0B08)[0].params, (sim::Bytes { 2, 0, 0, 0 }));
    ASSERT_EQ(Sent(0x0B02).size(), 1u);
    EXPECT_EQ(Sent(0x0B02)[0].length, 40u);
    EXPECT_EQ(Sent(0x0B02)[0].params, (sim::Bytes { 0x03, 0xAA, 0xBB, 0xCC, 0, 0, 0, 1 }))
        << "S1 and S2, the bytes read, MD1";
    ASSERT_EQ(Sent(0x0704).size(), 1u);
    ASSERT_EQ(Sent(0x0702).size(), 3u) << "every present channel";
    const sim::Exchange ch2 = Sent(0x0702)[1];
    EXPECT_EQ(ch2.length, 216u);
    EXPECT_EQ(WireU32(ch2.params, 0), 2u);
    EXPECT_EQ(ch2.params[4 + 36 + 8 + 15], 0x02) << "Night's sensor 2";
    sim::Bytes expected = ModePlan(2);
    expected[4 + 36 + 8 + 15] = 0x02;
    ASSERT_EQ(ch2.params.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(ch2.params[i], expected[i]) << "byte " << i << ": the rest of the record as read";
    ASSERT_EQ(Sent(0x070D).size(), 1u);
    EXPECT_EQ(Sent(0x070D)[0].length, 152u);
    EXPECT_EQ(WireU32(Sent(0x070D)[0].params, 2 * 24 + 8 + 12), 0x80000000u) << "Outing: relay 4 by hand";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(schedule->m_nDeviceMode, 2);

    // What was written is what the device reports next.
    Close(false);
    ClearSent();
    auto* again = ShowPage<CPage8ScheduleFeldra>();
    EXPECT_EQ(Text(IDC_SCHED_MODE), "Outing");
    EXPECT_EQ(again->m_ChannelSchedule[1].row[1].triggers, 0x02);
    EXPECT_EQ(CRelayModeDlg::ModeMask(again->m_RelaySchedule, 2, 3), 0x80000000u);
    EXPECT_EQ(again->m_SensorGrid.GetItemImage(1, 0), CHECK_TICKED);
}

TEST_F(Page8ScheduleFeldraTest, ThePostAlarmTimeIsCheckedAndAStoredZeroBecomesOne)
{
    Profile(0);
    StartDevice();
    Server().Store().Store(0x0703, 0, sim::Body().U32(0).U32(0).bytes);
    ShowPage<CPage8ScheduleFeldra>();
    EXPECT_EQ(Text(IDC_SCHED_POST_ALARM), "1");
    ASSERT_EQ(Sent(0x0704).size(), 1u);
    EXPECT_EQ(WireU32(Sent(0x0704)[0].params, 4), 1u);

    ClearSent();
    SetText(IDC_SCHED_POST_ALARM, "61");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "Please enter an integer between 1 and 60 in Post Alarm." });
    EXPECT_TRUE(Sent(0x0704).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
}

} // namespace
