// The channel option page against a simulated camera: its list of channels
// and devices with their boxes, the option list of the selected channel and
// the PTZ button in it, and the blocks an Apply writes.
#include "pages/Page5Chnl.h"
#include "controls/CheckTreeCtrl.h"
#include "controls/OptionListCtrl.h"
#include "dialogs/PtzSetupButton.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstdio>
#include <string>

namespace
{

class ChannelOptionPage : public PageTest
{
protected:
    CPage5Chnl* Start(uint32_t family)
    {
        Profile(family);
        StartDevice();
        return ShowPage<CPage5Chnl>();
    }
    CPage5Chnl* Page() { return static_cast<CPage5Chnl*>(page); }
    // A press of the left button at a point of a list, as the list takes it.
    void Press(CListCtrl& list, int item, int column, bool box = false)
    {
        CRect rect;
        if (box) {
            ASSERT_TRUE(list.GetItemRect(item, &rect, LVIR_ICON));
            rect.left -= 8;
            rect.right = rect.left + 1;
        } else {
            ASSERT_TRUE(list.GetSubItemRect(item, column, LVIR_BOUNDS, rect));
        }
        const CPoint at((rect.left + rect.right) / 2, rect.CenterPoint().y);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        PumpWaitingMessages();
    }
    CString Option(COptionListCtrl::Option option) { return Page()->m_pOptions->Value(option); }
};

TEST_F(ChannelOptionPage, ShowsTheChannelsDevicesAndTheFirstChannelsOptions)
{
    CPage5Chnl* chnl = Start(0);
    CCheckTreeCtrl& tree = *chnl->m_pTree;
    ASSERT_EQ(tree.GetItemCount(), 8);
    EXPECT_EQ(tree.GetItemText(0, 0), CString("Internal CH1"));
    EXPECT_EQ(tree.GetItemText(4, 0), CString("CH4"));
    EXPECT_EQ(tree.GetItemText(7, 0), CString("Relay Output"));
    const bool checked[8] = { true, false, true, true, false, false, false, false };
    for (int item = 0; item < 8; ++item)
        EXPECT_EQ(tree.IsItemChecked(item) != FALSE, checked[item]) << item;
    EXPECT_EQ(chnl->m_nCurrent, 0);
    EXPECT_EQ(Option(COptionListCtrl::OPTION_TYPE), CString("PAL"));
    EXPECT_EQ(Option(COptionListCtrl::OPTION_MONOCHROME), CString("Off"));
    EXPECT_EQ(Option(COptionListCtrl::OPTION_MOTION), CString("1"));
    EXPECT_EQ(Option(COptionListCtrl::OPTION_PTZ), CString("None"));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page5_chnl_camera.png");
}

TEST_F(ChannelOptionPage, OptionsAndBoxesAreWrittenAsTheChannelBlock)
{
    CPage5Chnl* chnl = Start(0);
    COptionListCtrl& options = *chnl->m_pOptions;
    Press(options, options.RowOf(COptionListCtrl::OPTION_MONOCHROME), 1);
    EXPECT_EQ(Option(COptionListCtrl::OPTION_MONOCHROME), CString("On"));
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    // Channel 4 on, and its options shown.
    Press(*chnl->m_pTree, 4, 0, true);
    EXPECT_TRUE(chnl->m_pTree->IsItemChecked(4));
    EXPECT_EQ(chnl->m_nCurrent, 4);
    Press(options, options.RowOf(COptionListCtrl::OPTION_ROTATION), 1);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 92u);
    EXPECT_EQ(HexOf(sent[0].params, 0, 1), "91") << "channel 1 black and white";
    EXPECT_EQ(HexOf(sent[0].params, 4 * 12, 1), "88") << "channel 4 on and rotated";
    EXPECT_TRUE(Sent(0x0B02).empty());
}

TEST_F(ChannelOptionPage, ThePtzButtonSetsUpTheShownChannel)
{
    CPage5Chnl* chnl = Start(0);
    Press(*chnl->m_pTree, 2, 0);
    ASSERT_EQ(chnl->m_nCurrent, 2);
    EXPECT_EQ(Option(COptionListCtrl::OPTION_PTZ), CString("Pelco-D"));
    COptionListCtrl& options = *chnl->m_pOptions;
    Press(options, options.RowOf(COptionListCtrl::OPTION_PTZ), 1);
    ASSERT_TRUE(chnl->m_PtzButton.GetStyle() & WS_VISIBLE);
    ScriptedDialogRunner runner([this](CDialog* dlg) {
        CString title;
        dlg->GetWindowText(title);
        EXPECT_EQ(title, CString("PTZ - CH2"));
        SelectCombo(IDC_PTZ_MODEL, 2, dlg);
        SetText(IDC_PTZ_ADDRESS, "3", dlg);
        Click(IDOK, dlg);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    chnl->m_PtzButton.SendMessage(WM_LBUTTONUP, 0, 0);
    PumpWaitingMessages();
    EXPECT_EQ(runner.runs, 1);
    EXPECT_EQ(Option(COptionListCtrl::OPTION_PTZ), CString("Pelco-P"));
    EXPECT_FALSE(chnl->m_PtzButton.GetStyle() & WS_VISIBLE) << "the editor closes";
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(HexOf(sent[0].params, 2 * 12, 4), "90020003");
}

TEST_F(ChannelOptionPage, DeviceBoxesWriteTheExternalDevices)
{
    CPage5Chnl* chnl = Start(3);
    CCheckTreeCtrl& tree = *chnl->m_pTree;
    ASSERT_EQ(tree.GetItemCount(), 12);
    EXPECT_TRUE(tree.IsItemChecked(0)) << "the video server's channel 1";
    Press(tree, 4 + 2, 0, true); // sensor 3
    Press(tree, 8 + 3, 0, true); // relay 4
    EXPECT_EQ(chnl->m_pOptions->GetItemCount(), 0) << "a device has no options";
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0B02);
    ASSERT_EQ(sent.size(), 1u);
    // The device read 04 02: sensor 3 and relay 2, now sensor 3 off again
    // and relay 4 on.
    EXPECT_EQ(HexOf(sent[0].params, 0, 4), "000a0000");
    EXPECT_TRUE(Sent(0x0402).empty());
}

TEST_F(ChannelOptionPage, OkAfterAFailedReadWritesNoChannels)
{
    Profile(0);
    StartDevice();
    sim::Fault lost;
    lost.closeWithoutReply = true;
    Server().SetFault(0x0401, lost);
    CPage5Chnl* chnl = ShowPage<CPage5Chnl>();
    Press(*chnl->m_pTree, 3, 0, true);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0402).empty());
}

TEST(ChannelOptionPages, TheOptionPageIsMadeByItsClassName)
{
    std::unique_ptr<CConfigPage> chnl(CreatePageByClassName("CPage5Chnl"));
    EXPECT_NE(dynamic_cast<CPage5Chnl*>(chnl.get()), nullptr);
}

} // namespace
