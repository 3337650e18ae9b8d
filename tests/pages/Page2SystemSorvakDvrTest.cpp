// The other brand's system page against the simulated recorder: its panes
// filled from the device, what an apply writes (and only that), the
// delimiter check and the reboot the page holds.
#include "pages/Page2SystemSorvakDvr.h"

#include "dialogs/RelayDwellDlg.h"
#include "dialogs/TextInsertDlg.h"
#include "dialogs/TimeSyncDlg.h"
#include "link/CurrentDevice.h"
#include "pages/DateTimeDlg.h"
#include "pages/RebootWaitDlg.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"

#include <memory>
#include <string>

namespace
{

class Page2SystemSorvakDvrTest : public PageTest
{
protected:
    CPage2SystemSorvakDvr* Open()
    {
        Profile(4, 2);
        StartDevice();
        return ShowPage<CPage2SystemSorvakDvr>();
    }
    static bool Visible(CWnd* pane) { return (pane->GetStyle() & WS_VISIBLE) != 0; }
    // Every command the device received since the last ClearSent.
    std::vector<uint16_t> Commands()
    {
        std::vector<uint16_t> commands;
        for (const sim::Exchange& exchange : Server().Log())
            commands.push_back(exchange.command);
        return commands;
    }
};

TEST_F(Page2SystemSorvakDvrTest, ActivationFillsEveryPane)
{
    CPage2SystemSorvakDvr* sorvak = Open();
    EXPECT_EQ(Commands(),
        (std::vector<uint16_t> { 0x0403, 0x0B06, 0x0112, 0x010F, 0x0110, 0x0B06, 0x0B06, 0x030E, 0x0338 }));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    CWnd* text = sorvak->m_pTextInsert;
    EXPECT_EQ(Text(IDC_TEXT_FIRST_HEADER, text), "TOTAL");
    EXPECT_EQ(Text(IDC_TEXT_DELIMITER, text), "0D0A");
    EXPECT_EQ(Text(IDC_TEXT_DEVICE, text), "POS Generic");
    EXPECT_EQ(Text(IDC_TEXT_SYNC, text), "All");
    EXPECT_EQ(Text(IDC_SYS_ZONE, sorvak->m_pDateTime),
        "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna");

    CWnd* audio = sorvak->m_pAudioGain;
    EXPECT_EQ(int(audio->SendDlgItemMessage(IDC_AUDIO_INPUTS, LB_GETCOUNT)), 4);
    EXPECT_EQ(Checked(IDC_AUDIO_MONITORING, audio), BST_CHECKED);
    EXPECT_EQ(Checked(IDC_AUDIO_RECORDING, audio), BST_CHECKED);
    EXPECT_EQ(Text(IDC_AUDIO_GAIN_VALUE, audio), "5");
    EXPECT_EQ(Text(IDC_AUDIO_CHANNEL, audio), "CH1");

    SavePicture("page2_system_sorvak_time.png");
    const char* const pictures[]
        = { nullptr, "page2_system_sorvak_audio.png", "page2_system_sorvak_relays.png",
              "page2_system_sorvak_text.png", "page2_system_sorvak_time_sync.png" };
    for (int tab = CPage2SystemSorvakDvr::TAB_AUDIO; tab < CPage2SystemSorvakDvr::TAB_COUNT; ++tab) {
        sorvak->ShowTab(tab);
        EXPECT_TRUE(Visible(sorvak->Pane(tab)));
        EXPECT_FALSE(Visible(sorvak->Pane(CPage2SystemSorvakDvr::TAB_TIME)));
        SavePicture(pictures[tab]);
    }
}

TEST_F(Page2SystemSorvakDvrTest, AnApplyWritesTheReadGroupsAndOnlyTheChangedOthers)
{
    CPage2SystemSorvakDvr* sorvak = Open();
    SetText(IDC_TEXT_FIRST_HEADER, "SUBTOTAL", sorvak->m_pTextInsert);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    // Audio and text, then the clock read again; no time synchronisation,
    // no relay block, which nobody changed.
    EXPECT_EQ(Commands(), (std::vector<uint16_t> { 0x0B06, 0x0B06, 0x0112, 0x010F, 0x0110 }));
    const auto sent = Sent(0x0B06);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].length, 32u + 6 + 25); // four inputs and their count
    EXPECT_EQ(sent[1].length, 32u + 6 + 146);
    const sim::Bytes stored = Server().Store().StoredParameter(5, 0);
    ASSERT_EQ(stored.size(), 145u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&stored[4]), 8), "SUBTOTAL");
    EXPECT_EQ(stored[4 + 8], 0);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page2SystemSorvakDvrTest, TheAudioPaneKeepsEachInputAsShownBeforeTheSwitch)
{
    CPage2SystemSorvakDvr* sorvak = Open();
    CWnd* audio = sorvak->m_pAudioGain;
    MoveSlider(IDC_AUDIO_GAIN, 8, audio);
    EXPECT_EQ(Text(IDC_AUDIO_GAIN_VALUE, audio), "8");
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_AUDIO_MONITORING, audio);
    // The second input: its own values; the first keeps what was shown.
    audio->SendDlgItemMessage(IDC_AUDIO_INPUTS, LB_SETCURSEL, 1);
    audio->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUDIO_INPUTS, LBN_SELCHANGE),
        reinterpret_cast<LPARAM>(audio->GetDlgItem(IDC_AUDIO_INPUTS)->GetSafeHwnd()));
    EXPECT_EQ(Text(IDC_AUDIO_GAIN_VALUE, audio), "5");
    EXPECT_EQ(Checked(IDC_AUDIO_MONITORING, audio), BST_UNCHECKED);
    EXPECT_EQ(Text(IDC_AUDIO_CHANNEL, audio), "CH2");
    SelectCombo(IDC_AUDIO_CHANNEL, 3, audio);
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    // Reserved word, flag word (recording 0x20, monitoring 0x10), gain, channel.
    EXPECT_EQ(Server().Store().StoredParameter(4, 0), (sim::Bytes { 0, 0, 0, 0x20, 8, 0 }));
    EXPECT_EQ(Server().Store().StoredParameter(4, 1), (sim::Bytes { 0, 0, 0, 0x20, 5, 3 }));
    EXPECT_EQ(Server().Store().StoredParameter(4, 2), (sim::Bytes { 0, 0, 0, 0x20, 5, 2 }));
}

TEST_F(Page2SystemSorvakDvrTest, AnInvalidDelimiterStopsTheApply)
{
    CPage2SystemSorvakDvr* sorvak = Open();
    SetText(IDC_TEXT_DELIMITER, "0G", sorvak->m_pTextInsert);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Please enter a hexa value." });
    EXPECT_TRUE(Server().Log().empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(Visible(sorvak->Pane(CPage2SystemSorvakDvr::TAB_TEXT)));
}

TEST_F(Page2SystemSorvakDvrTest, ChangedTimeSynchronisationAndRelaysAreWritten)
{
    CPage2SystemSorvakDvr* sorvak = Open();
    Click(IDC_NTP_ENABLE, sorvak->m_pTimeSync);
    sorvak->m_pRelayDwell->m_InputGrid.SetItemText(1, 2, "N.C.");
    page->SendMessage(WM_PAGE_MODIFIED);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    const auto sync = Sent(0x030F);
    ASSERT_EQ(sync.size(), 1u);
    EXPECT_EQ(Server().Store().Stored(0x030E), sync[0].params);
    const auto relays = Sent(0x0339);
    ASSERT_EQ(relays.size(), 1u);
    ASSERT_EQ(relays[0].params.size(), 65u);
    EXPECT_EQ(relays[0].params[2], 2);
    EXPECT_EQ(Server().Store().Stored(0x0338)[2], 2);
    // Applied again without an edit: neither is sent twice.
    ClearSent();
    page->SendMessage(WM_PAGE_MODIFIED);
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sent(0x030F).empty());
    EXPECT_TRUE(Sent(0x0339).empty());
}

TEST_F(Page2SystemSorvakDvrTest, TheRebootAsksNothingAndTellsTheRecordersReturn)
{
    CPage2SystemSorvakDvr* sorvak = Open();
    dialogs.script = [](CDialog* dlg) {
        if (auto* wait = dynamic_cast<CRebootWaitDlg*>(dlg))
            wait->OnDeviceReturned();
    };
    ClearSent();
    EXPECT_TRUE(sorvak->RebootNoConfirm());
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The DVR is booted." });
}

TEST(Page2SystemSorvakDvrByName, NoSheetHoldsItButItIsMadeByName)
{
    std::unique_ptr<CConfigPage> made(CreatePageByClassName("CPage2SystemSorvakDvr"));
    EXPECT_NE(dynamic_cast<CPage2SystemSorvakDvr*>(made.get()), nullptr);
}

} // namespace
