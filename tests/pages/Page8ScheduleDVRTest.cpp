// The recording page against the simulated recorders of model classes 0 to
// 3: cameras read when chosen, presets filling speed and quality, the
// trigger boxes and grid, the exact records written, and a camera whose
// write was refused sent again by the next Apply.
#include "pages/Page8ScheduleDVR.h"
#include "dialogs/MotionDetectDlg.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page8ScheduleDVRTest : public PageTest
{
protected:
    CPage8ScheduleDVR* Open(int modelClass)
    {
        Profile(4, modelClass);
        StartDevice();
        return ShowPage<CPage8ScheduleDVR>();
    }
    CPage8ScheduleDVR* Page() { return static_cast<CPage8ScheduleDVR*>(page); }
    bool Ticked(int col) { return Page()->m_Grid.GetItemImage(1, col) == 1; }
    std::vector<int> Cameras(uint16_t command)
    {
        std::vector<int> cameras;
        for (const auto& sent : Sent(command))
            cameras.push_back(sent.params.empty() ? -1 : sent.params[0]);
        return cameras;
    }
};

TEST_F(Page8ScheduleDVRTest, TriggerMaskBitsOfTheGrid)
{
    EXPECT_EQ(TriggerMaskBit(0), 0x80000000u);
    EXPECT_EQ(TriggerMaskBit(1), 0x20000000u);
    EXPECT_EQ(TriggerMaskBit(16), 0x00004000u);
    EXPECT_EQ(TriggerMaskBit(17), 0x00002000u);
    EXPECT_EQ(TriggerMaskBit(18), 0u);
    EXPECT_EQ(TriggerMaskBit(-1), 0u);
}

TEST_F(Page8ScheduleDVRTest, SixteenChannelsUseTheTriggerGridAndWriteTheMask)
{
    Open(2);
    auto* list = static_cast<CListBox*>(page->GetDlgItem(IDC_REC_CAMERA_LIST));
    ASSERT_EQ(list->GetCount(), 16);
    // Only the first camera is read on activation.
    EXPECT_EQ(Cameras(0x0706), std::vector<int> { 0 });
    EXPECT_EQ(Cameras(0x0708), std::vector<int> { 0 });
    EXPECT_EQ(Text(IDC_REC_TYPE), "Standard");
    EXPECT_EQ(Text(IDC_REC_SPEED), "7");
    EXPECT_FALSE(Enabled(IDC_REC_SPEED));
    EXPECT_EQ(Text(IDC_REC_ALARM_TYPE), "Standard");
    EXPECT_EQ(Text(IDC_REC_PRE_ALARM), "3");
    EXPECT_EQ(Text(IDC_REC_POST_ALARM), "10");
    EXPECT_FALSE(Shown(IDC_REC_TRIGGER_MD));
    EXPECT_FALSE(Shown(IDC_REC_TRIGGER_NETWORK));
    CGridCtrl& grid = Page()->m_Grid;
    ASSERT_EQ(grid.GetColumnCount(), 18);
    EXPECT_EQ(std::string(grid.GetItemText(0, 1)), "S1");
    EXPECT_EQ(std::string(grid.GetItemText(0, 17)), "Text");
    EXPECT_TRUE(Ticked(0));
    EXPECT_FALSE(Ticked(1));
    SavePicture("page8_schedule_dvr_16.png");

    // Camera 3: S1 and text start alarm recording; "Low" normal recording.
    SelectListEntry(IDC_REC_CAMERA_LIST, 2);
    EXPECT_EQ(Cameras(0x0706), (std::vector<int> { 0, 2 }));
    ClickCell(IDC_REC_TRIGGER_GRID, 1, 1);
    ClickCell(IDC_REC_TRIGGER_GRID, 1, 17);
    SelectCombo(IDC_REC_TYPE, 1);
    EXPECT_EQ(Text(IDC_REC_SPEED), "3");
    EXPECT_EQ(Text(IDC_REC_QUALITY), "Low");
    // Alarm "High" takes its preset; touching its quality makes it custom.
    SelectCombo(IDC_REC_ALARM_TYPE, 2);
    EXPECT_EQ(Text(IDC_REC_ALARM_SPEED), "MAX");
    EXPECT_FALSE(Enabled(IDC_REC_ALARM_SPEED));
    SelectCombo(IDC_REC_ALARM_QUALITY, 0);
    EXPECT_EQ(Text(IDC_REC_ALARM_TYPE), "Custom");
    EXPECT_TRUE(Enabled(IDC_REC_ALARM_SPEED));
    SelectCombo(IDC_REC_POST_ALARM, 13); // 25
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Cameras(0x0707), std::vector<int> { 2 });
    const auto normal = Sent(0x0707);
    ASSERT_EQ(normal.size(), 1u);
    EXPECT_EQ(sim::Bytes(normal[0].params.begin() + 1, normal[0].params.begin() + 7),
        (sim::Bytes { 0x80, 4, 1, 3, 1, 1 }));
    const auto alarm = Sent(0x0709);
    ASSERT_EQ(alarm.size(), 1u);
    EXPECT_EQ(alarm[0].length, 54u);
    const sim::Bytes expected
        = { 2, 0x80, 0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 4, 13, 0, 0, 3, 25, 0xA0, 0x00, 0x20, 0x00 };
    EXPECT_EQ(alarm[0].params, expected);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page8ScheduleDVRTest, FourChannelsUseTheTriggerBoxes)
{
    Open(0);
    EXPECT_FALSE(Shown(IDC_REC_TRIGGER_GRID));
    EXPECT_TRUE(Shown(IDC_REC_TRIGGER_MD));
    EXPECT_TRUE(Checked(IDC_REC_TRIGGER_MD));
    EXPECT_FALSE(Checked(IDC_REC_TRIGGER_S1));
    EXPECT_FALSE(Shown(IDC_REC_TRIGGER_NETWORK));
    SavePicture("page8_schedule_dvr_4.png");
    Click(IDC_REC_TRIGGER_S1);
    Click(IDC_REC_TRIGGER_TEXT);
    Click(IDC_REC_TRIGGER_MD);
    Click(IDC_PAGE_APPLY);
    const auto alarm = Sent(0x0709);
    ASSERT_EQ(alarm.size(), 1u);
    EXPECT_EQ(alarm[0].length, 50u);
    ASSERT_EQ(alarm[0].params.size(), 18u);
    EXPECT_EQ(alarm[0].params[1], 0x22) << "S1 and text, motion off";
    // Read back.
    ShowPage<CPage8ScheduleDVR>();
    EXPECT_TRUE(Checked(IDC_REC_TRIGGER_S1));
    EXPECT_FALSE(Checked(IDC_REC_TRIGGER_MD));
}

TEST_F(Page8ScheduleDVRTest, SetupEditsTheMotionAreaAndThresholdOfTheCameraShown)
{
    Open(0);
    // Cancel changes nothing.
    dialogs.script = [](CDialog* d) {
        d->SendMessage(WM_COMMAND, IDC_MD_SET_ALL);
        d->SendMessage(WM_COMMAND, IDCANCEL);
    };
    Click(IDC_REC_SETUP);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    dialogs.script = [this](CDialog* d) {
        auto* md = dynamic_cast<CMotionDetectDlg*>(d);
        ASSERT_NE(md, nullptr);
        EXPECT_EQ(md->m_nChannel, 1);
        EXPECT_TRUE(Shown(IDC_MD_THRESHOLD, d));
        SelectCombo(IDC_MD_THRESHOLD, 2, d);
        d->SendMessage(WM_COMMAND, IDC_MD_SET_ALL);
        d->SendMessage(WM_COMMAND, IDOK);
    };
    Click(IDC_REC_SETUP);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    const auto alarm = Sent(0x0709);
    ASSERT_EQ(alarm.size(), 1u);
    ASSERT_EQ(alarm[0].params.size(), 18u);
    // Camera, triggers, threshold, then the eight area rows.
    EXPECT_EQ(alarm[0].params[3], 2) << "\"High\"";
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(alarm[0].params[4 + row], 0xFF) << row;
    // The next activation shows what the device stored.
    ShowPage<CPage8ScheduleDVR>();
    EXPECT_EQ(Page()->m_Cameras.Find(0)->record.alarm.byThreshold, 2);
    EXPECT_EQ(Page()->m_Cameras.Find(0)->record.alarm.byArea[7], 0xFF);
}

TEST_F(Page8ScheduleDVRTest, AnAlarmTypeOfZeroIsCustomAndNetworkCamerasAskForTheirSetup)
{
    Profile(4, 1);
    StartDevice();
    Server().Store().Store(0x0403, 0, { 8, 2, 0 });
    sim::Body alarm;
    alarm.U16(0x8000).U8(1).Zero(8).U8(0).U8(2).U8(0).U8(1).U8(0).U8(0);
    Server().Store().Store(0x0708, 0, alarm.bytes);
    ShowPage<CPage8ScheduleDVR>();
    EXPECT_EQ(Text(IDC_REC_ALARM_TYPE), "Custom");
    EXPECT_TRUE(Enabled(IDC_REC_ALARM_SPEED));
    auto* list = static_cast<CListBox*>(page->GetDlgItem(IDC_REC_CAMERA_LIST));
    ASSERT_EQ(list->GetCount(), 10);
    CString entry;
    list->GetText(8, entry);
    EXPECT_EQ(std::string(entry), "IPCam9");
    SelectListEntry(IDC_REC_CAMERA_LIST, 9);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Network Camera setup is not enabled." });
    EXPECT_EQ(list->GetCurSel(), 0);
}

TEST_F(Page8ScheduleDVRTest, ACameraIsDoneOnlyWhenBothRecordsWereTaken)
{
    Open(2);
    SelectListEntry(IDC_REC_CAMERA_LIST, 1);
    SelectCombo(IDC_REC_PRE_ALARM, 5);
    // The device refuses the alarm recording: the camera stays changed.
    Server().SetFault(0x0709, { .status = 0xF309 });
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid value" });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Server().ClearFaults();
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Cameras(0x0707), std::vector<int> { 1 });
    EXPECT_EQ(Cameras(0x0709), std::vector<int> { 1 });
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // And the same when the normal recording is the one refused.
    SelectCombo(IDC_REC_SPECIAL, 0);
    Server().SetFault(0x0707, { .status = 0xF309 });
    Click(IDC_PAGE_APPLY);
    TakeMessages();
    Server().ClearFaults();
    ClearSent();
    boxes.Answer(IDOK);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(Cameras(0x0707), std::vector<int> { 1 });
    EXPECT_EQ(Cameras(0x0709), std::vector<int> { 1 });
}

TEST_F(Page8ScheduleDVRTest, ACameraThatCouldNotBeReadIsNeverWritten)
{
    Profile(4, 3);
    StartDevice();
    Server().SetFault(0x0708, { .closeWithoutReply = true });
    ShowPage<CPage8ScheduleDVR>();
    SelectCombo(IDC_REC_TYPE, 0);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0707).empty());
    EXPECT_TRUE(Sent(0x0709).empty());
}

} // namespace
