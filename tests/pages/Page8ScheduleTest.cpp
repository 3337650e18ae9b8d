// The four-channel schedule page and its day-plan dialog against simulated
// cameras of families 0 and 3.
#include "pages/Page8Schedule.h"
#include "dialogs/FrameRates.h"
#include "link/ByteOrder.h"
#include "pages/CamScheduleDlg.h"
#include "pages/QualityBoxDlg.h"
#include "pages/SheetFactory.h"
#include "platform/ui/DateTimeCtrl.h"
#include "tests/pages/PageFixture.h"
#include "tests/pages/ScheduleTestTools.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstdlib>
#include <memory>

namespace
{

class Page8ScheduleTest : public PageTest
{
protected:
    // With `camera`, the camera's stream beside it and the quality box the
    // view links to the day-plan dialog.
    CPage8Schedule* Open(uint32_t family, const char* firmware = nullptr, bool camera = false)
    {
        auto& profile = Profile(family);
        if (firmware)
            profile.version2 = firmware;
        StartDevice();
        if (camera)
            StartCamera();
        auto* schedule = ShowPage<CPage8Schedule>();
        // The view keeps the day-plan dialog for the sheet and links it.
        dialog.reset(static_cast<CCamScheduleDlg*>(CreateSheetDialog(SLOT_CamScheduleDlg)));
        const BYTE block[16] = {};
        dialog->SetConfigView(&view, block, block);
        dialog->SetSheetLink(LINK_SchedulePage, schedule);
        schedule->SetSheetLink(LINK_ScheduleDialog, dialog.get());
        if (camera) {
            qualityBox.reset(static_cast<CQualityBoxDlg*>(CreateSheetDialog(SLOT_QualityBoxDlg)));
            dialog->SetSheetLink(LINK_QualityBox, qualityBox.get());
            qualityBox->SetSheetLink(LINK_ScheduleDialog, dialog.get());
        }
        return schedule;
    }
    // Runs the dialog of a channel with a script that works it.
    void EditChannel(int button, const std::function<void(CDialog*)>& script)
    {
        ScriptedDialogRunner runner(script);
        ScopedService<IModalDialogRunner> scope(&runner);
        Click(button);
        EXPECT_EQ(runner.runs, 1);
    }
    void TearDown() override
    {
        PageTest::TearDown();
        dialog.reset();
        qualityBox.reset();
    }
    std::unique_ptr<CCamScheduleDlg> dialog;
    std::unique_ptr<CQualityBoxDlg> qualityBox;
};

TEST_F(Page8ScheduleTest, ActivationReadsThePlansAndDrawsThemAsBars)
{
    Open(0);
    EXPECT_EQ(Text(IDC_SCHED_POST_ALARM), "10");
    // Family 0 switches its relay output on with the sensors as read.
    ASSERT_EQ(Sent(0x0B02).size(), 1u);
    EXPECT_EQ(Sent(0x0B02)[0].params, (sim::Bytes { 0, 0, 1, 0 }));
    // The camera uses slots 0, 2 and 3: CH 4 is off.
    EXPECT_EQ(Sent(0x0701).size(), 3u);
    EXPECT_TRUE(Enabled(IDC_SCHED_CH1) && Enabled(IDC_SCHED_CH2) && Enabled(IDC_SCHED_CH3));
    EXPECT_FALSE(Enabled(IDC_SCHED_CH4));
    EXPECT_TRUE(Sent(0x070C).empty()) << "older firmware has no relay row";
    EXPECT_FALSE(Shown(IDC_SCHED_RELAY));

    // CH 1's second row, 7:00 to 19:00 at 10 f/s with 15 f/s on motion.
    const QImage picture = Grab();
    EXPECT_EQ(DayTimeX(7 * 3600), 175);
    EXPECT_EQ(DayTimeX(19 * 3600) + 1, 356);
    EXPECT_TRUE(Shows(picture, 250, 85, QColor(32, 32, 32))) << "normal save, 10 f/s";
    EXPECT_TRUE(Shows(picture, 250, 97, QColor(255, 16, 16))) << "event save, 15 f/s";
    EXPECT_TRUE(Shows(picture, 120, 85, QColor(80, 80, 80))) << "the night at 1 f/s";
    // CH 4 is only its outline.
    EXPECT_FALSE(Shows(picture, 250, 220, QColor(32, 32, 32)));
    EXPECT_TRUE(Shows(picture, 70, 100, QColor(0, 0, 0))) << "the 0:00 line";
    SavePicture("page8_schedule.png");
}

TEST_F(Page8ScheduleTest, DayAxisAndShades)
{
    EXPECT_EQ(DayTimeX(0), 70);
    EXPECT_EQ(DayTimeX(86400), 430) << "24:00 ends at x 431 once its bar adds one";
    EXPECT_EQ(DayTimeX(9 * 3600 + 4 * 60), 205) << "minutes 0 to 4 add nothing";
    EXPECT_EQ(DayTimeX(9 * 3600 + 55 * 60), 220) << "minutes 55 to 59 add a whole step";
    EXPECT_EQ(DayTimeX(9 * 3600 + 30 * 60), 212);
    EXPECT_EQ(WholeHourX(17 * 3600 + 45 * 60), 325);
    EXPECT_EQ(NormalShade(14), RGB(224, 224, 224));
    EXPECT_EQ(EventShade(0), RGB(255, 0, 0));
}

TEST_F(Page8ScheduleTest, AnEditedPlanIsWrittenByApplyAndReadBackAsWritten)
{
    CPage8Schedule* schedule = Open(0);
    EditChannel(IDC_SCHED_CH2, [this](CDialog* dlg) {
        EXPECT_EQ(Text(IDC_SCHEDULE_END1, dlg), "7:00");
        EXPECT_FALSE(Enabled(IDOK, dlg));
        // Row 1 now ends at 6:00; row 3 runs at 2 f/s.
        SetPickerTime(IDC_SCHEDULE_END1, 6, 0, dlg);
        EXPECT_EQ(Text(IDC_SCHEDULE_START2, dlg), "6:00");
        SelectCombo(IDC_SCHEDULE_RATE3, 4, dlg);
        EXPECT_TRUE(Enabled(IDOK, dlg));
        SavePicture("cam_schedule_dlg.png", dlg);
        Click(IDOK, dlg);
    });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0702).size(), 1u);
    const sim::Exchange sent = Sent(0x0702)[0];
    EXPECT_EQ(sent.length, 196u);
    ASSERT_EQ(sent.params.size(), 164u);
    EXPECT_EQ(WireU32(sent.params, 0), 2u) << "CH 2 is slot 2";
    EXPECT_EQ(WireU32(sent.params, 4 + 4), 21600u) << "row 1 ends at 6:00";
    EXPECT_EQ(WireU32(sent.params, 4 + 32), 21600u) << "row 2 starts there";
    EXPECT_EQ(WireU32(sent.params, 4 + 64 + 8), 0x02000000u) << "row 3 at 2 f/s";
    EXPECT_EQ(WireU32(sent.params, 4 + 64 + 4), 86400u);
    EXPECT_TRUE(Sent(0x0704).empty()) << "only the changed group is written";

    // What the device keeps is what the page reads on its next activation.
    tagScheduleEntry written[SCHEDULE_ROW_COUNT];
    std::copy_n(&schedule->m_Schedule[2 * SCHEDULE_ROW_COUNT], SCHEDULE_ROW_COUNT, written);
    std::fill_n(&schedule->m_Schedule[2 * SCHEDULE_ROW_COUNT], SCHEDULE_ROW_COUNT, tagScheduleEntry {});
    ClearSent();
    schedule->LoadSettings();
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        tagScheduleEntry read = schedule->m_Schedule[2 * SCHEDULE_ROW_COUNT + r];
        read.reserved = written[r].reserved; // the day plan travels without it
        EXPECT_EQ(std::memcmp(&read, &written[r], sizeof read), 0) << "row " << r + 1;
    }
}

TEST_F(Page8ScheduleTest, OkWithAChangedPlanWritesItBeforeTheSessionEnds)
{
    Open(3);
    EditChannel(IDC_SCHED_CH1, [this](CDialog* dlg) {
        SelectCombo(IDC_SCHEDULE_QUALITY1, 9, dlg);
        Click(IDOK, dlg);
    });
    ClearSent();
    Click(IDC_PAGE_OK);
    ASSERT_EQ(Sent(0x0702).size(), 1u);
    EXPECT_EQ(WireU32(Sent(0x0702)[0].params, 0), 1u) << "family 3's CH 1 is its external input";
    EXPECT_EQ(Sent(0x0702)[0].params[4 + 13], 9) << "row 1's quality";
}

TEST_F(Page8ScheduleTest, PostAlarmOutsideItsRangeIsRefusedBeforeTheChangeIsDropped)
{
    Open(0);
    ClearSent();
    SetText(IDC_SCHED_POST_ALARM, "61");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "Please enter an integer between 1 and 60 in Post Alarm." });
    EXPECT_TRUE(Sent(0x0704).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << "the change stays for the user to mend";
    SetText(IDC_SCHED_POST_ALARM, "45");
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0704).size(), 1u);
    EXPECT_EQ(Sent(0x0704)[0].params, (sim::Bytes { 0, 0, 0, 0, 0, 0, 0, 45 }));
}

TEST_F(Page8ScheduleTest, NewestFirmwareShowsTheRelayRowAndWritesTheSensorSwitches)
{
    CPage8Schedule* schedule = Open(3, "2.3.0");
    EXPECT_EQ(Sent(0x070C).size(), 1u);
    EXPECT_TRUE(Shown(IDC_SCHED_RELAY));
    EXPECT_TRUE(Shown(IDC_SCHED_S4));
    // The relay follows sensor 1 by night: a pale red period from 0:00 to 7:00.
    const QImage picture = Grab();
    // Looked at beside the current-time marker, which crosses the row.
    const int x = std::abs(schedule->m_fTimeX - 120) < 5 ? 150 : 120;
    EXPECT_TRUE(Shows(picture, x, 267, QColor(255, 150, 150)));
    SavePicture("page8_schedule_relay.png");
    // Family 3's relay table has a column per relay output in each period.
    ScriptedDialogRunner runner([this](CDialog* dlg) {
        EXPECT_TRUE(Checked(IDC_RELAY_S1_P1_R1, dlg));
        SavePicture("relay_table_dlg.png", dlg);
        Click(IDCANCEL, dlg);
    });
    {
        ScopedService<IModalDialogRunner> scope(&runner);
        Click(IDC_SCHED_RELAY);
    }
    EXPECT_EQ(runner.runs, 1);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)) << "Cancel changes nothing";

    ClearSent();
    Click(IDC_SCHED_S2);
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0B02).size(), 1u);
    EXPECT_EQ(Sent(0x0B02)[0].params[1], 0x0F);
    EXPECT_EQ(Sent(0x0B02)[0].params[0] & 0x02, 0x02) << "S2 switched on";
}

TEST_F(Page8ScheduleTest, TheHintShowsTheBarUnderThePointerAfterItsDelay)
{
    CPage8Schedule* schedule = Open(0);
    schedule->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(250, 85));
    EXPECT_TRUE(schedule->m_Hint.IsTimerRunning());
    EXPECT_FALSE(schedule->m_Hint.IsShowing());
    schedule->SendMessage(WM_TIMER, HINT_TIMER_ID);
    ASSERT_TRUE(schedule->m_Hint.IsShowing());
    const std::string resolution = static_cast<LPCTSTR>(ResolutionName(2));
    EXPECT_EQ(std::string(static_cast<LPCTSTR>(schedule->m_Hint.Window()->m_strText)),
        "2 Interval, 12h, " + std::string(static_cast<LPCTSTR>(RateText(RATES_DAY, 2, true))) + ", "
            + resolution + ", Quality: 6");
    // Off the bars the hint goes.
    schedule->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_FALSE(schedule->m_Hint.IsShowing());
}

TEST_F(Page8ScheduleTest, TheDialogRefusesEndsOutOfOrderAndKeepsRowsOnNo)
{
    Open(0);
    boxes.Answer(IDNO);
    EditChannel(IDC_SCHED_CH1, [this](CDialog* dlg) {
        // Row 1 past row 2's end would replace it: No puts 7:00 back.
        SetPickerTime(IDC_SCHEDULE_END1, 20, 0, dlg);
        EXPECT_EQ(Text(IDC_SCHEDULE_END1, dlg), "7:00");
        // Row 2 ending before row 1 is refused at OK.
        SetPickerTime(IDC_SCHEDULE_END2, 5, 0, dlg);
        Click(IDOK, dlg);
        EXPECT_FALSE(dlg->IsModalEnded());
        Click(IDCANCEL, dlg);
    });
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> { "Do you want to replace the existing schedule?",
            "Time table2 is invalid. Please re-enter time properly. " }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)) << "Cancel leaves the plan untouched";
}

TEST_F(Page8ScheduleTest, TheRelayPlanIsEditedInItsTableAndWrittenWithSixteenBitMasks)
{
    Open(0, "2.3.0");
    ScriptedDialogRunner runner([this](CDialog* dlg) {
        // Family 0's one relay: also motion on CH 2 by night.
        Click(IDC_RELAY_MD2_P1_R1, dlg);
        SavePicture("relay_table_dlg2.png", dlg);
        Click(IDOK, dlg);
    });
    {
        ScopedService<IModalDialogRunner> scope(&runner);
        Click(IDC_SCHED_RELAY);
    }
    EXPECT_EQ(runner.runs, 1);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x070D).size(), 1u);
    const sim::Exchange sent = Sent(0x070D)[0];
    EXPECT_EQ(sent.length, 112u);
    // Period 1 (0:00 to 7:00): sensor 1, and now motion on CH 2.
    EXPECT_EQ(sent.params[8], 0x02);
    EXPECT_EQ(sent.params[9], 0x01);
    EXPECT_EQ(sent.params[16 + 8], 0x80) << "the day stays manual";
}

} // namespace

TEST_F(Page8ScheduleTest, ARowsAreaOpensTheQualityBoxOnTheCameraAndTheBoxAndLevelAreWritten)
{
    Open(0, nullptr, true);
    RECT drawn {};
    ScriptedDialogRunner runner([&](CDialog* dlg) {
        if (auto* box = dynamic_cast<CQualityBoxDlg*>(dlg)) {
            EXPECT_EQ(box->m_nPeriod, 1);
            EXPECT_EQ(box->m_nQuality, 2) << "level 3";
            EXPECT_EQ(CRect(box->m_rcBox), CRect(180, 120, 540, 360));
            EXPECT_EQ(box->m_nChannel, 2) << "CH 2 keeps its plan in slot 2";
            Click(IDC_QUALITY_LEVEL5, box);
            Click(IDOK, box);
            drawn = box->m_rcBox;
            return;
        }
        EXPECT_FALSE(Enabled(IDOK, dlg));
        ClickMiddle(IDC_SCHEDULE_AREA2, dlg);
        EXPECT_TRUE(Enabled(IDOK, dlg));
        Click(IDOK, dlg);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    Click(IDC_SCHED_CH2);
    EXPECT_EQ(runner.runs, 2);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0702).size(), 1u);
    const sim::Bytes plan = Sent(0x0702)[0].params;
    const size_t row2 = 4 + 32;
    EXPECT_EQ(plan[row2 + 14], 0x85) << "box on at level 5";
    const auto word = [&plan](size_t at) { return LONG(plan[at] << 8 | plan[at + 1]); };
    EXPECT_EQ(CRect(word(row2 + 24), word(row2 + 26), word(row2 + 28), word(row2 + 30)), CRect(drawn));
}
