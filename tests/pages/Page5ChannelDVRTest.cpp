// The recorder's camera page against a simulated recorder: the camera list,
// reading a camera when it is first shown, writing only the cameras that
// changed, both camera panes, the network-camera guard and the live picture.
#include "pages/Page5ChannelDVR.h"
#include "link/CurrentDevice.h"
#include "tests/pages/PageFixture.h"
#include "viewer/quenby/BriselViewer.h"

#include <QImage>

#include <string>

namespace
{

class ChannelDvrPage : public PageTest
{
protected:
    void TearDown() override
    {
        PageTest::TearDown();
        g_nDeviceRevision = 0;
    }
    CPage5ChannelDVR* Start(int recorderClass, bool video = false)
    {
        Profile(4, recorderClass);
        StartDevice();
        g_nDeviceRevision = 22;
        if (video)
            StartDvrVideo();
        return ShowPage<CPage5ChannelDVR>();
    }
    CPage5ChannelDVR* Page() { return static_cast<CPage5ChannelDVR*>(page); }
    std::string Row(int index)
    {
        CString text;
        static_cast<CListBox*>(page->GetDlgItem(IDC_CAMDVR_LIST))->GetText(index, text);
        return static_cast<LPCTSTR>(text);
    }
    int Rows() { return int(page->SendDlgItemMessage(IDC_CAMDVR_LIST, LB_GETCOUNT)); }
    // The camera numbers the writes of `command` carried, in order.
    std::vector<int> Written(uint16_t command)
    {
        std::vector<int> cameras;
        for (const sim::Exchange& e : Sent(command))
            cameras.push_back(e.params.empty() ? -1 : e.params[0]);
        return cameras;
    }
};

TEST_F(ChannelDvrPage, ListsAnalogueThenNetworkCamerasAndReadsOnlyTheFirst)
{
    Start(4);
    ASSERT_EQ(Rows(), 16);
    EXPECT_EQ(Row(0), "Cam1");
    EXPECT_EQ(Row(11), "Cam12");
    EXPECT_EQ(Row(12), "IPCam13") << "numbered over all cameras";
    EXPECT_EQ(Written(0x0404), std::vector<int> { 0 });
    EXPECT_TRUE(Sent(0x0406).empty());
    EXPECT_EQ(Text(IDC_CAMDVR_NAME), "Entrance");
    EXPECT_TRUE(Checked(IDC_CAMDVR_ON));
    EXPECT_EQ(Text(IDC_CAMDVR_GAIN_LABEL), "AGC");
    EXPECT_TRUE(Shown(IDC_CAMDVR_AGC));
    EXPECT_FALSE(Shown(IDC_CAMDVR_GAIN));
    // The serial ports: the name lists, then each port's settings.
    std::vector<sim::Exchange> parameters = Sent(0x0B06);
    ASSERT_GE(parameters.size(), 2u);
    EXPECT_EQ(HexOf(parameters[0].params, 0, 6), "000300030000");
    EXPECT_EQ(int(parameters.size()), 1 + Page()->SerialPortCount());
    CCameraDlg* pane = Page()->CameraPane();
    EXPECT_EQ(int(pane->SendDlgItemMessage(IDC_CAM_PTZ_PORT, CB_GETCOUNT)), Page()->SerialPortCount());
    EXPECT_TRUE(Shown(IDC_CAM_PTZ_HOME, pane)) << "model class 4 has the PTZ home return";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page5_channel_dvr.png");

    // Nothing changed: Apply and OK write nothing.
    Click(IDC_PAGE_APPLY);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0405).empty());
}

TEST_F(ChannelDvrPage, OnlyTheCameraThatChangedIsWritten)
{
    Start(2);
    SelectList(IDC_CAMDVR_LIST, 4);
    CCameraDlg* pane = Page()->CameraPane();
    SetText(IDC_CAM_PTZ_ADDRESS, "513", pane);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    SelectList(IDC_CAMDVR_LIST, 8);
    EXPECT_EQ(Written(0x0404), (std::vector<int> { 0, 4, 8 }));
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> written = Sent(0x0405);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].params[0], 4);
    EXPECT_EQ(written[0].length, 32u + 1 + 42);
    EXPECT_EQ(HexOf(written[0].params, 41, 2), "0201") << "address 513";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    // The device keeps it: shown again after the next activation.
    ClearSent();
    ShowPage<CPage5ChannelDVR>();
    SelectList(IDC_CAMDVR_LIST, 4);
    EXPECT_EQ(Text(IDC_CAM_PTZ_ADDRESS, Page()->CameraPane()), "513");
}

TEST_F(ChannelDvrPage, AMovedSliderStaysWithItsCameraAndBothAreWritten)
{
    Start(0);
    EXPECT_TRUE(Shown(IDC_CAMDVR_GAIN)) << "model class 0: gain is a slider";
    EXPECT_FALSE(Shown(IDC_CAMDVR_AGC));
    EXPECT_FALSE(Shown(IDC_CAM_PTZ_HOME, Page()->CameraPane()));
    MoveSlider(IDC_CAMDVR_BRIGHTNESS, 15);
    SelectList(IDC_CAMDVR_LIST, 2);
    MoveSlider(IDC_CAMDVR_CONTRAST, 3);
    MoveSlider(IDC_CAMDVR_GAIN, 18);
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> written = Sent(0x0405);
    ASSERT_EQ(written.size(), 2u);
    // Gain, brightness and contrast follow the flags word and the name.
    EXPECT_EQ(written[0].params[0], 0);
    EXPECT_EQ(HexOf(written[0].params, 35, 3), "090f09");
    EXPECT_EQ(written[1].params[0], 2);
    EXPECT_EQ(HexOf(written[1].params, 35, 3), "120903");
}

TEST_F(ChannelDvrPage, SwitchNameAndAgcGoIntoTheRecord)
{
    Start(2);
    SetText(IDC_CAMDVR_NAME, "A name of more than twenty-two letters");
    SelectCombo(IDC_CAMDVR_AGC, 1);
    Click(IDC_CAMDVR_ON);
    EXPECT_FALSE(Checked(IDC_CAMDVR_ON));
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> written = Sent(0x0405);
    ASSERT_EQ(written.size(), 1u);
    const sim::Bytes& p = written[0].params;
    EXPECT_EQ(HexOf(p, 1, 2), "0000") << "switched off";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p[3])), "A name of more than tw");
    EXPECT_EQ(p[35], 1) << "\"Disable\" is stored as 1";
}

TEST_F(ChannelDvrPage, NetworkCamerasNeedTheDevicesSetUp)
{
    Profile(4, 4);
    StartDevice();
    sim::Bytes counts = Server().Store().Stored(0x0403);
    counts[2] = 0;
    Server().Store().Store(0x0403, 0, counts);
    ShowPage<CPage5ChannelDVR>();
    SelectList(IDC_CAMDVR_LIST, 13);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Network Camera setup is not enabled." });
    EXPECT_EQ(int(page->SendDlgItemMessage(IDC_CAMDVR_LIST, LB_GETCURSEL)), 0);
    EXPECT_TRUE(Sent(0x0406).empty());
}

TEST_F(ChannelDvrPage, NetworkCameraPaneEditsTheSourceAndCutsCredentials)
{
    Start(4);
    SelectList(IDC_CAMDVR_LIST, 13);
    EXPECT_EQ(Written(0x0406), std::vector<int> { 1 }) << "network camera 2 of the device";
    CIpCameraDlg* pane = Page()->IpCameraPane();
    EXPECT_TRUE(Shown(IDC_IPCAM_SOURCE, pane));
    EXPECT_FALSE(Shown(IDC_CAMDVR_BRIGHTNESS));
    EXPECT_EQ(Text(IDC_IPCAM_SOURCE, pane), "192.168.1.52");
    EXPECT_EQ(Text(IDC_IPCAM_PORT, pane), "8001");
    EXPECT_TRUE(Shown(IDC_IPCAM_BANDWIDTH, pane)) << "revision 22";
    SavePicture("page5_channel_dvr_network.png");

    SelectCombo(IDC_IPCAM_CHANNEL, 4, pane);
    SelectCombo(IDC_IPCAM_TYPE, 1, pane);
    EXPECT_EQ(Text(IDC_IPCAM_PORT, pane), "8080");
    EXPECT_EQ(ComboSelection(IDC_IPCAM_CHANNEL, pane), 4) << "a channel below six is kept";
    SetText(IDC_IPCAM_USER_ID, "0123456789012345678901234567890123456789", pane);
    EXPECT_EQ(Text(IDC_IPCAM_USER_ID, pane), "0123456789012345678901234567890");
    SetText(IDC_IPCAM_PASSWORD, "secret", pane);
    SelectCombo(IDC_IPCAM_BANDWIDTH, 3, pane);
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> written = Sent(0x0407);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].length, 32u + 1 + 238);
    const sim::Bytes& p = written[0].params;
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(HexOf(p, 3, 2), "00fe") << "general Sarnok, model 0";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p[37])), "0123456789012345678901234567890");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p[69])), "secret");
    EXPECT_EQ(HexOf(p, 234, 5),
        "0004"
        "1f90"
        "03")
        << "channel, port 8080, bandwidth";
}

TEST_F(ChannelDvrPage, ARecorderWithoutCamerasOrOnlyNetworkCameras)
{
    Profile(4, 2);
    StartDevice();
    Server().Store().Store(0x0403, 0, { 0, 0, 0 });
    ShowPage<CPage5ChannelDVR>();
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(Sent(0x0404).empty());
    EXPECT_TRUE(Sent(0x0B06).empty());
    EXPECT_TRUE(Shown(IDC_CAMDVR_BRIGHTNESS)) << "the analogue layout";

    Server().Store().Store(0x0403, 0, { 0, 2, 1 });
    Server().Store().Store(0x0406, 0, sim::Bytes(238, 0));
    ShowPage<CPage5ChannelDVR>();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Row(0), "IPCam1");
    EXPECT_FALSE(Shown(IDC_CAMDVR_BRIGHTNESS)) << "the network layout from the start";
    EXPECT_TRUE(Shown(IDC_IPCAM_TYPE, Page()->IpCameraPane()));
}

TEST_F(ChannelDvrPage, AFailedReadIsNeverWrittenBack)
{
    Profile(4, 2);
    StartDevice();
    Server().SetFault(0x0404, { .closeWithoutReply = true });
    ShowPage<CPage5ChannelDVR>();
    Server().ClearFaults();
    MoveSlider(IDC_CAMDVR_BRIGHTNESS, 4);
    SelectList(IDC_CAMDVR_LIST, 1);
    Click(IDC_PAGE_OK);
    // The camera that could not be read is not written with what the page
    // made up for it.
    EXPECT_EQ(Written(0x0404), (std::vector<int> { 0, 1 }));
    EXPECT_TRUE(Sent(0x0405).empty());
}

TEST_F(ChannelDvrPage, TheLiveViewShowsTheShownCameraAndFollowsItsSwitch)
{
    Start(2, true);
    quenby::CBriselViewer* viewer = Page()->Viewer();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(WaitFor([&] { return viewer->PictureSize().cx > 0; }));
    EXPECT_TRUE(WaitFor([&] { return viewer->GetSurface()->copy().pixel(20, 20) != qRgb(0, 0, 0); }))
        << "a frame is shown";
    SavePicture("page5_channel_dvr_live.png");

    Click(IDC_CAMDVR_ON);
    Click(IDC_PAGE_APPLY);
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(viewer->GetSurface()->copy().pixel(20, 20), qRgb(0, 0, 0)) << "switched off: black";
}

// The analogue pane sits inside the camera set-up group, below its title,
// with its PTZ group inside the pane; the live picture's group follows; the
// "Name" label shows its whole text.
TEST_F(ChannelDvrPage, ThePanesSitInsideTheirGroupsAndLabelsShowWhole)
{
    for (int recorderClass : { 2, 4 }) {
        SCOPED_TRACE(recorderClass);
        Start(recorderClass);
        auto place = [this](CWnd* wnd) {
            CRect rect;
            wnd->GetWindowRect(&rect);
            page->ScreenToClient(&rect);
            return rect;
        };
        const CRect source = place(page->GetDlgItem(IDC_CAMDVR_SOURCE_GROUP));
        const CRect pane = place(Page()->CameraPane());
        const CRect ptz = place(Page()->CameraPane()->GetDlgItem(IDC_CAM_PTZ_GROUP));
        const CRect video = place(page->GetDlgItem(IDC_CAMDVR_VIDEO_GROUP));
        EXPECT_GE(pane.top, source.top + 16) << "below the group's title";
        EXPECT_GT(pane.left, source.left);
        EXPECT_LT(pane.right, source.right);
        EXPECT_LT(pane.bottom, source.bottom);
        EXPECT_LE(ptz.bottom, pane.bottom);
        EXPECT_LE(ptz.right, pane.right);
        EXPECT_LE(source.bottom, video.top);

        // Each label as wide as its text and clear of the control it names.
        struct Label {
            CWnd* parent;
            int id, next;
            const char* text;
        };
        CWnd* camera = Page()->CameraPane();
        const Label labels[] = {
            { page, IDC_CAMDVR_NAME_LABEL, IDC_CAMDVR_NAME, "Name" },
            { camera, IDC_CAM_PTZ_HOME_LABEL, IDC_CAM_PTZ_HOME, "PTZ Home" },
            { camera, IDC_CAM_IDLE_LABEL, IDC_CAM_IDLE_TIME, "Idle Time" },
        };
        for (const Label& l : labels) {
            CWnd* label = l.parent->GetDlgItem(l.id);
            CDC dc;
            dc.CreateCompatibleDC(nullptr);
            dc.SelectObject(label->GetFont());
            EXPECT_GE(place(label).Width(), dc.GetTextExtent(l.text).cx) << l.text;
            EXPECT_LE(place(label).right, place(l.parent->GetDlgItem(l.next)).left) << l.text;
        }
        SavePicture(recorderClass == 4 ? "page5_channel_dvr_layout4.png" : "page5_channel_dvr_layout2.png");
        Close();
    }
}

} // namespace
