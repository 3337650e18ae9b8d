// The three-channel schedule page and its day-plan dialog against a
// simulated camera of family 1.
#include "pages/Page8Schedule2.h"
#include "pages/CamScheduleDlg2.h"
#include "pages/QualityBoxDlg2.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"
#include "tests/pages/ScheduleTestTools.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstdlib>
#include <memory>

namespace
{

class Page8Schedule2Test : public PageTest
{
protected:
    CPage8Schedule2* Open(bool camera = false)
    {
        Profile(1);
        StartDevice();
        if (camera)
            StartCamera();
        auto* schedule = ShowPage<CPage8Schedule2>();
        dialog.reset(static_cast<CCamScheduleDlg2*>(CreateSheetDialog(SLOT_CamScheduleDlg2)));
        const BYTE block[16] = {};
        dialog->SetConfigView(&view, block, block);
        dialog->SetSheetLink(LINK_SchedulePage, schedule);
        schedule->SetSheetLink(LINK_ScheduleDialog, dialog.get());
        if (camera) {
            qualityBox.reset(static_cast<CQualityBoxDlg2*>(CreateSheetDialog(SLOT_QualityBoxDlg2)));
            dialog->SetSheetLink(LINK_QualityBox, qualityBox.get());
        }
        return schedule;
    }
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
    std::unique_ptr<CCamScheduleDlg2> dialog;
    std::unique_ptr<CQualityBoxDlg2> qualityBox;
};

TEST_F(Page8Schedule2Test, ActivationReadsThreeChannelsAndDrawsWholeHours)
{
    CPage8Schedule2* schedule = Open();
    EXPECT_EQ(Sent(0x0701).size(), 3u);
    for (uint16_t unused : { 0x0B02, 0x0D05, 0x0112, 0x010F, 0x0110, 0x070C })
        EXPECT_TRUE(Sent(unused).empty()) << std::hex << unused;
    EXPECT_TRUE(Enabled(IDC_SCHED_CH1) && Enabled(IDC_SCHED_CH2) && Enabled(IDC_SCHED_CH3));
    CRect apply;
    schedule->GetDlgItem(IDC_PAGE_APPLY)->GetWindowRect(&apply);
    schedule->ScreenToClient(&apply);
    EXPECT_EQ(apply.top, 505) << "this page's buttons stand lower";

    const QImage picture = Grab();
    EXPECT_TRUE(Shows(picture, 250, 85, QColor(32, 32, 32)));
    EXPECT_TRUE(Shows(picture, 250, 97, QColor(255, 16, 16)));
    EXPECT_EQ(WholeHourX(9 * 3600 + 30 * 60), 205);
    EXPECT_EQ(WholeHourX(17 * 3600 + 45 * 60) + 1, 326);
    SavePicture("page8_schedule2.png");
}

TEST_F(Page8Schedule2Test, AnEndBeforeItsRowsStartIsRefusedAtOnce)
{
    Open();
    EditChannel(IDC_SCHED_CH1, [this](CDialog* dlg) {
        CString title;
        dlg->GetWindowText(title);
        EXPECT_EQ(std::string(static_cast<LPCTSTR>(title)), "CH1");
        // Row 3 starts at 19:00.
        SetPickerTime(IDC_SCHEDULE_END3, 18, 0, dlg);
        EXPECT_EQ(Text(IDC_SCHEDULE_END3, dlg), "0:00");
        EXPECT_FALSE(Enabled(IDOK, dlg)) << "a refused change does not modify";
        Click(IDCANCEL, dlg);
    });
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "The time you entered is out of range. Please re-enter time properly." });
}

TEST_F(Page8Schedule2Test, ALevelFiveRowComesBackAsLevelFive)
{
    CPage8Schedule2* schedule = Open();
    schedule->m_Schedule[1].normalFlags = 0x85; // row 2 of slot 0
    EditChannel(IDC_SCHED_CH1, [this](CDialog* dlg) {
        SelectCombo(IDC_SCHEDULE_QUALITY1, 8, dlg);
        Click(IDOK, dlg);
    });
    EXPECT_EQ(schedule->m_Schedule[1].normalFlags, 0x85);
    EXPECT_EQ(schedule->m_Schedule[0].normalQuality, 8);
}

TEST_F(Page8Schedule2Test, AmendingMovesTheLaterRowsUpAndOkWritesThePlan)
{
    CPage8Schedule2* schedule = Open();
    EditChannel(IDC_SCHED_CH1, [this](CDialog* dlg) {
        // Row 1 up to row 2's end: row 3 becomes row 2.
        SetPickerTime(IDC_SCHEDULE_END1, 19, 0, dlg);
        EXPECT_EQ(Text(IDC_SCHEDULE_START2, dlg), "19:00");
        EXPECT_EQ(Text(IDC_SCHEDULE_END2, dlg), "0:00");
        SavePicture("cam_schedule_dlg2.png", dlg);
        Click(IDOK, dlg);
    });
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you want to amend existing schedule?" });
    const tagScheduleEntry* rows = &schedule->m_Schedule[0];
    EXPECT_EQ(rows[0].end, 68400u);
    EXPECT_EQ(rows[1].start, 68400u);
    EXPECT_EQ(rows[1].end, 86400u);
    EXPECT_EQ(rows[2].end, 0u);
    ClearSent();
    Click(IDC_PAGE_OK);
    ASSERT_EQ(Sent(0x0702).size(), 1u);
    const sim::Bytes sent = Sent(0x0702)[0].params;
    EXPECT_EQ(WireU32(sent, 0), 0u);
    EXPECT_EQ(WireU32(sent, 4 + 4), 68400u);
    EXPECT_EQ(WireU32(sent, 4 + 32 + 4), 86400u);
}

TEST_F(Page8Schedule2Test, PostAlarmIsCheckedAndLeavingDropsChangesWithoutAsking)
{
    CPage8Schedule2* schedule = Open();
    ClearSent();
    SetText(IDC_SCHED_POST_ALARM, "0");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "Please enter an integer between 1 and 60 in Post Alarm." });
    EXPECT_TRUE(Sent(0x0704).empty());
    EXPECT_TRUE(schedule->OnKillActive());
    EXPECT_TRUE(TakeMessages().empty()) << "this page never asks";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

} // namespace

TEST_F(Page8Schedule2Test, TheQualityBoxGetsTheRowsLevelAsItIsAndGivesTheNewOne)
{
    Open(true);
    ScriptedDialogRunner runner([this](CDialog* dlg) {
        if (auto* box = dynamic_cast<CQualityBoxDlg2*>(dlg)) {
            EXPECT_EQ(box->m_nPeriod, 1);
            EXPECT_EQ(box->m_nQuality, 2) << "level 3";
            Click(IDC_QUALITY_LEVEL4, box);
            Click(IDOK, box);
            return;
        }
        ClickMiddle(IDC_SCHEDULE_AREA2, dlg);
        Click(IDOK, dlg);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    Click(IDC_SCHED_CH1);
    EXPECT_EQ(runner.runs, 2);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0702).size(), 1u);
    EXPECT_EQ(Sent(0x0702)[0].params[4 + 32 + 14], 0x84) << "box on at level 4";
}
