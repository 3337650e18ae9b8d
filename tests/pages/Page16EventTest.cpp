// The event page and the motion detect dialog against a simulated
// four-camera recorder: each camera's alarm input bit and sensitivity, the
// 16 x 16 area drawn over the live picture and stored as row words, and the
// dialog's 8 x 8 form with its threshold.
#include "pages/Page16Event.h"
#include "dialogs/MotionDetectDlg.h"
#include "link/CurrentDevice.h"
#include "pages/SheetFactory.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"
#include "viewer/quenby/BriselViewer.h"

#include <memory>
#include <string>

namespace
{

class EventPage : public PageTest
{
protected:
    CPage16Event* Start(bool video = false)
    {
        Profile(4, 0);
        StartDevice();
        // Camera 1's alarm input on, "Standard", a square in its area.
        sim::Body event;
        event.U16(0x2000).U8(1).Zero(8 + 6).U32(0);
        for (int row = 0; row < 16; ++row)
            event.U16(row >= 4 && row < 8 ? 0x0FF0 : 0);
        Server().Store().Store(0x0708, 0, event.bytes);
        if (video)
            StartDvrVideo();
        return ShowPage<CPage16Event>();
    }
    CPage16Event* Page() { return static_cast<CPage16Event*>(page); }
    // A press and release in the viewer, from one point to another.
    static void Drag(quenby::CBriselViewer* viewer, CPoint from, CPoint to)
    {
        viewer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        viewer->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        viewer->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }
};

TEST_F(EventPage, EachCameraHasItsOwnAlarmInputBit)
{
    Start();
    EXPECT_EQ(int(page->SendDlgItemMessage(IDC_EVENT_CAMERAS, LB_GETCOUNT)), 4);
    EXPECT_EQ(Sent(0x0708).size(), 4u);
    EXPECT_TRUE(Checked(IDC_EVENT_ALARM_INPUT)) << "camera 1: bit 0x2000 of its own entry";
    EXPECT_EQ(ComboSelection(IDC_EVENT_MD), 1);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page16_event.png");

    SelectList(IDC_EVENT_CAMERAS, 3);
    EXPECT_FALSE(Checked(IDC_EVENT_ALARM_INPUT));
    Click(IDC_EVENT_ALARM_INPUT);
    SelectCombo(IDC_EVENT_MD, 3);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    SelectList(IDC_EVENT_CAMERAS, 0);
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> written = Sent(0x0709);
    ASSERT_EQ(written.size(), 4u);
    EXPECT_EQ(written[3].length, 86u);
    // Camera, flags, sensitivity, then the rest of the entry as read.
    EXPECT_EQ(HexOf(written[3].params, 0, 4), "03840003") << "camera 4: bit 0x0400, High; the rest kept";
    EXPECT_EQ(HexOf(written[0].params, 0, 4), "00200001");
    EXPECT_EQ(HexOf(written[0].params, 22, 4), "00000000");
    EXPECT_EQ(HexOf(written[0].params, 30, 4), "0ff00ff0") << "the area rows, untouched";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(EventPage, TheAreaDrawnOverThePictureIsStoredAsRowWords)
{
    Start(true);
    SelectList(IDC_EVENT_CAMERAS, 1);
    dialogs.script = [this](CDialog* dlg) {
        auto* md = dynamic_cast<CMotionDetectDlg*>(dlg);
        ASSERT_NE(md, nullptr);
        EXPECT_FALSE(Shown(IDC_MD_THRESHOLD, md)) << "the event page hides the threshold";
        quenby::CBriselViewer* viewer = md->Viewer();
        ASSERT_NE(viewer, nullptr);
        ASSERT_TRUE(WaitFor([&] { return viewer->PictureSize().cx > 0; })) << "the live picture";
        CRect client;
        viewer->GetClientRect(&client);
        const CSize cell = viewer->Grid().CellSize(client.Width(), client.Height());
        auto centre = [&](int index) { return viewer->Grid().CellRect(index, cell).CenterPoint(); };
        // From the first cell to the third of the third row, then the last
        // cell of the first row.
        Drag(viewer, centre(0), centre(2 * 16 + 2));
        Drag(viewer, centre(15), centre(15));
        viewer->Redraw();
        viewer->GetSurface()->copy().save(SUITE_BUILD_DIR "/pictures/motion_detect_16x12.png");
        md->SendMessage(WM_COMMAND, IDOK);
    };
    Click(IDC_EVENT_CUSTOM_AREA);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> written = Sent(0x0709);
    ASSERT_EQ(written.size(), 4u);
    // The rows follow the camera, flags, sensitivity and 18 other bytes.
    EXPECT_EQ(HexOf(written[1].params, 22, 8), "e001e000e0000000");
    // What the device stored is what the next activation reads.
    ShowPage<CPage16Event>();
    EXPECT_EQ(Page()->Entry(1).wArea[0], 0xE001);
    EXPECT_EQ(Page()->Entry(1).wArea[2], 0xE000);
}

TEST_F(EventPage, CancellingTheDialogKeepsAreaAndApply)
{
    Start();
    dialogs.script = [](CDialog* dlg) {
        dlg->SendMessage(WM_COMMAND, IDC_MD_SET_ALL);
        dlg->SendMessage(WM_COMMAND, IDCANCEL);
    };
    Click(IDC_EVENT_CUSTOM_AREA);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(Page()->Entry(0).wArea[4], 0x0FF0);
}

TEST_F(EventPage, AFailedReadIsNeverWrittenBack)
{
    Profile(4, 0);
    StartDevice();
    Server().SetFault(0x0708, { .closeWithoutReply = true });
    ShowPage<CPage16Event>();
    Server().ClearFaults();
    Click(IDC_EVENT_ALARM_INPUT);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0709).empty());
}

TEST_F(EventPage, CreatableByItsClassName)
{
    std::unique_ptr<CConfigPage> created(CreatePageByClassName("CPage16Event"));
    EXPECT_NE(dynamic_cast<CPage16Event*>(created.get()), nullptr);
}

// The dialog's 8 x 8 form, as the recording page and the motion pane use it.
class MotionDetect : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 2);
        StartDevice();
        ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 720, nullptr, nullptr));
    }
};

TEST_F(MotionDetect, TheMaskComesBackAsItWentInAndSetAllFillsIt)
{
    const uint8_t mask[8] = { 0x81, 0, 0, 0x18, 0, 0, 0, 0x01 };
    CMotionDetectDlg dlg(&host);
    dlg.SetMdArea(3, 1, mask);
    EXPECT_EQ(dlg.m_abCells[0], 1);
    EXPECT_EQ(dlg.m_abCells[7], 1) << "0x81: the leftmost and the rightmost cell";
    EXPECT_EQ(dlg.m_abCells[1], 0);
    dialogs.script = [this](CDialog* d) {
        EXPECT_TRUE(Shown(IDC_MD_THRESHOLD, d));
        EXPECT_EQ(ComboSelection(IDC_MD_THRESHOLD, d), 1);
        SelectCombo(IDC_MD_THRESHOLD, 2, d);
        d->SendMessage(WM_COMMAND, IDOK);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(std::vector<uint8_t>(dlg.m_abMask8, dlg.m_abMask8 + 8), std::vector<uint8_t>(mask, mask + 8));
    EXPECT_EQ(dlg.m_nThreshold, 2);

    CMotionDetectDlg all(&host);
    all.SetMdArea(1, 0, mask);
    dialogs.script = [](CDialog* d) {
        d->SendMessage(WM_COMMAND, IDC_MD_SET_ALL);
        d->SendMessage(WM_COMMAND, IDOK);
    };
    ASSERT_EQ(all.DoModal(), IDOK);
    for (uint8_t row : all.m_abMask8)
        EXPECT_EQ(row, 0xFF);
}

TEST_F(MotionDetect, CancelKeepsTheCallersValuesAndTheDialogRunsAgain)
{
    const uint16_t mask[16] = { 0x8001 };
    CMotionDetectDlg dlg(&host);
    dlg.SetMdArea16(2, 1, mask);
    dlg.SetMdBlockSize(true, 16, 16, 22, 15);
    dialogs.script = [](CDialog* d) {
        d->SendMessage(WM_COMMAND, IDC_MD_CLEAR_ALL);
        d->SendMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_awMask16[0], 0x8001);
    EXPECT_EQ(dlg.m_nThreshold, 1);
    // A second run gets a viewer of its own.
    dialogs.script = [](CDialog* d) {
        d->SendMessage(WM_COMMAND, IDC_MD_SET_ALL);
        d->SendMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_awMask16[15], 0xFFFF);
}

} // namespace
