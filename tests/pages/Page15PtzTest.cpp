// The PTZ page against a simulated recorder and camera: the presets of each
// camera, going to a preset as it is selected, the enable marks and names an
// Apply writes, the preset actions, the auxiliary outputs, and a camera's
// wide lists through its preview window.
#include "pages/Page15Ptz.h"
#include "dialogs/AuxSetupDlg.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"
#include "viewer/quenby/BriselViewer.h"

#include <string>

namespace
{

class PtzPage : public PageTest
{
protected:
    CPage15Ptz* Start(uint32_t family, bool video = false)
    {
        Profile(family, 0);
        StartDevice();
        if (video)
            StartDvrVideo();
        return ShowPage<CPage15Ptz>();
    }
    CPage15Ptz* Page() { return static_cast<CPage15Ptz*>(page); }
    // The camera and preset of each action of `command`.
    std::vector<std::string> Actions(uint16_t command)
    {
        std::vector<std::string> actions;
        for (const sim::Exchange& e : Sent(command))
            actions.push_back(HexOf(e.params, 0, 2));
        return actions;
    }
};

TEST_F(PtzPage, ARecordersCameraGoesToItsFirstPresetAndShowsItsList)
{
    Start(4, true);
    EXPECT_EQ(int(page->SendDlgItemMessage(IDC_PTZPAGE_CAMERAS, LB_GETCOUNT)), 4);
    EXPECT_EQ(Sent(0x0324).size(), 1u);
    EXPECT_EQ(Sent(0x0326).size(), 1u);
    EXPECT_EQ(Actions(0x0330), std::vector<std::string> { "0000" });
    EXPECT_EQ(Text(IDC_PTZPAGE_NAME), "Door");
    EXPECT_EQ(Page()->Presets().cameras[0].byCount, 16);
    quenby::CBriselViewer* viewer = Page()->Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(WaitFor([&] { return viewer->PictureSize().cx > 0; })) << "live video of camera 1";
    SavePicture("page15_ptz_recorder.png");

    // Another row goes to its preset; the current row does not again.
    ClickCell(IDC_PTZPAGE_GRID, 2, 1);
    ClickCell(IDC_PTZPAGE_GRID, 2, 1);
    EXPECT_EQ(Actions(0x0330), (std::vector<std::string> { "0000", "0002" }));
    EXPECT_EQ(Text(IDC_PTZPAGE_NAME), "Till");
    Click(IDC_PTZPAGE_SET);
    Click(IDC_PTZPAGE_CLEAR);
    EXPECT_EQ(Actions(0x0328), std::vector<std::string> { "0002" });
    EXPECT_EQ(Actions(0x0329), std::vector<std::string> { "0002" });
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)) << "preset actions act at once";

    SelectList(IDC_PTZPAGE_CAMERAS, 3);
    EXPECT_EQ(Actions(0x0330).back(), "0300");
}

TEST_F(PtzPage, MarksAndNamesAreWrittenWithTheirTables)
{
    Start(4);
    ClickCell(IDC_PTZPAGE_GRID, 5, 0);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    ClickCell(IDC_PTZPAGE_GRID, 1, 1);
    SetText(IDC_PTZPAGE_NAME, "A name of thirty characters!!");
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> presets = Sent(0x0325);
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0].length, 33u + 4 * (1 + 16 * 25));
    const sim::Bytes& p = presets[0].params;
    // Camera 1's list: its count, then 25 bytes a preset.
    EXPECT_EQ(p[0], 4);
    EXPECT_EQ(p[1], 16);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p[2 + 25])), "A name of thirty charac") << "23 kept";
    EXPECT_EQ(p[2 + 5 * 25 + 24], 1) << "preset 6 enabled";
    ASSERT_EQ(Sent(0x0327).size(), 1u);
    EXPECT_EQ(Sent(0x0327)[0].length, 33u + 4 * (1 + 16 * 29));

    // What the device keeps is read again.
    ShowPage<CPage15Ptz>();
    EXPECT_EQ(Page()->Presets().cameras[0].presets[5].byEnable, 1);
}

TEST_F(PtzPage, TheAuxiliaryOutputsGoThroughTheirDialog)
{
    Start(4);
    SelectList(IDC_PTZPAGE_CAMERAS, 1);
    dialogs.script = [](CDialog* dlg) {
        auto* aux = dynamic_cast<CAuxSetupDlg*>(dlg);
        ASSERT_NE(aux, nullptr);
        EXPECT_STREQ(aux->m_Entries[0].szName, "Wiper 1");
        aux->m_Entries[0].dwValue = 250;
        dlg->EndDialog(IDOK);
    };
    Click(IDC_PTZPAGE_AUX_SETUP);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(dialogs.captions.size(), 1u);
}

TEST_F(PtzPage, ACameraUsesItsFourChannelsAndTheWideLists)
{
    Start(0);
    EXPECT_EQ(int(page->SendDlgItemMessage(IDC_PTZPAGE_CAMERAS, LB_GETCOUNT)), 4);
    CString first;
    static_cast<CListBox*>(page->GetDlgItem(IDC_PTZPAGE_CAMERAS))->GetText(0, first);
    EXPECT_STREQ(first, "CH1");
    EXPECT_EQ(Text(IDC_PTZPAGE_CAMERA_GROUP), "Channel");
    EXPECT_EQ(Sent(0x0331).size(), 1u);
    EXPECT_TRUE(Sent(0x0330).empty()) << "preset actions go through the preview";
    EXPECT_EQ(Text(IDC_PTZPAGE_NAME), "Door");
    SavePicture("page15_ptz_camera.png");
    ClickCell(IDC_PTZPAGE_GRID, 0, 0);
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0332).size(), 1u);
    EXPECT_EQ(Sent(0x0332)[0].length, 40u + 4 * 16 * 28);
    EXPECT_EQ(HexOf(Sent(0x0332)[0].params, 0, 12), "000000040000001000000000") << "preset 1 now off";
}

TEST_F(PtzPage, AFailedReadIsNeverWrittenBack)
{
    Profile(4, 0);
    StartDevice();
    Server().SetFault(0x0324, { .closeWithoutReply = true });
    ShowPage<CPage15Ptz>();
    Server().ClearFaults();
    EXPECT_EQ(Page()->Presets().cameras[0].byCount, 16) << "sixteen empty presets shown";
    ClickCell(IDC_PTZPAGE_GRID, 0, 0);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0325).empty());
}

} // namespace
