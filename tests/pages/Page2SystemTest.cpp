// The system page against the simulator: the clock and zone of both time
// interfaces, the recorders' NTP pane, the reset to defaults and the reboot.
#include "pages/Page2System.h"
#include "link/CurrentDevice.h"
#include "pages/Page8Schedule.h"
#include "pages/Page8Schedule2.h"
#include "pages/SheetFactory.h"
#include "pages/common/TimeZones.h"
#include "tests/pages/PageFixture.h"

#include <algorithm>
#include <cstring>

namespace
{

// 15 July 2026, 10:20:30 UTC: summer time in Berlin.
constexpr int64_t kSummer = 1784110830;

uint32_t U32(const sim::Bytes& b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

class Page2SystemTest : public PageTest
{
protected:
    CPage2System* Open(uint32_t family, const char* firmware = nullptr, int64_t now = kSummer)
    {
        sim::DeviceProfile& p = Profile(family);
        p.clock = [now] { return now; };
        if (firmware)
            p.version2 = firmware;
        StartDevice();
        return ShowPage<CPage2System>();
    }
    SYSTEMTIME Picker(CPage2System* page)
    {
        SYSTEMTIME st {};
        page->m_TimeCtrl.GetTime(&st);
        return st;
    }
    SYSTEMTIME Day(CPage2System* page)
    {
        SYSTEMTIME st {};
        page->m_MonthCal.GetCurSel(&st);
        return st;
    }
};

TEST_F(Page2SystemTest, AStreamingServerShowsItsWallClockAndTakesANewZone)
{
    CPage2System* page = Open(2);
    EXPECT_FALSE(page->UsesZoneTable());
    EXPECT_EQ(Sent(0x0D05).size(), 1u);
    EXPECT_EQ(Sent(0x0108).size(), 1u);
    // Berlin in summer: UTC + 1 h offset + 1 h by the daylight box.
    EXPECT_EQ(Checked(IDC_SYS_DST_MANUAL), 1);
    const SYSTEMTIME shown = Picker(page);
    EXPECT_EQ(shown.wHour, 12);
    EXPECT_EQ(shown.wMinute, 20);
    EXPECT_EQ(shown.wSecond, 30);
    EXPECT_EQ(Day(page).wDay, 15);
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), FindZoneOffsetEntry(3600));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page2_system_offset.png");

    // New York, daylight box cleared: the wall clock shown is kept and
    // the device is told the UTC time behind it.
    const int newYork = FindZoneOffsetEntry(-18000);
    ASSERT_GE(newYork, 0);
    SelectCombo(IDC_SYS_ZONE, newYork);
    Click(IDC_SYS_DST_MANUAL);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0107).size(), 1u);
    const sim::Bytes set = Sent(0x0107)[0].params;
    EXPECT_EQ(int32_t(U32(set, 0)), int32_t(kSummer + 7200 + 18000));
    EXPECT_EQ(int32_t(U32(set, 4)), -18000);
    ASSERT_EQ(Sent(0x0D06).size(), 1u);
    EXPECT_EQ(U32(Sent(0x0D06)[0].params, 0), 0u);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Streaming server restarted." });
    // What the device stored is read again.
    EXPECT_EQ(Sent(0x0108).size(), 1u);
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), newYork);
    EXPECT_EQ(Picker(page).wHour, 12);
    EXPECT_EQ(Checked(IDC_SYS_DST_MANUAL), 0);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page2SystemTest, AnOffsetNoZoneHasLeavesTheZoneEmptyAndApplyRefuses)
{
    Profile(2).zoneOffset = 12345;
    StartDevice();
    ShowPage<CPage2System>();
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), -1);
    Click(IDC_SYS_DST_MANUAL);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The timezone is not set. please set it!" });
    EXPECT_TRUE(Server().Log().empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page2SystemTest, ANegativeClockIsToldOnceAfterTheSecondHalf)
{
    Open(2, nullptr, -1);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_TRUE(WaitFor([this] { return !boxes.Boxes().empty(); }, 3000));
    WaitFor([] { return false; }, 700);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Time Error! Please reset the time. " });
}

TEST_F(Page2SystemTest, ARecorderWritesOnlyItsNtpPane)
{
    CPage2System* page = Open(4);
    EXPECT_TRUE(page->UsesZoneTable());
    ASSERT_NE(page->m_pNtpDlg, nullptr);
    for (uint16_t read : { 0x0112, 0x010F, 0x0110, 0x030E })
        EXPECT_EQ(Sent(read).size(), 1u) << std::hex << read;
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), 26);
    // Berlin's rule is the device's first; summer adds its hour.
    EXPECT_EQ(ComboSelection(IDC_SYS_DST_RULE), 0);
    EXPECT_EQ(Picker(page).wHour, 12);
    SavePicture("page2_system_recorder_ntp.png");

    CWnd* pane = page->m_pNtpDlg.get();
    Click(IDC_NTP_ENABLE, pane);
    SelectCombo(IDC_NTP_LOCATION, 1, pane);
    EXPECT_TRUE(Enabled(IDC_NTP_ADDRESS, pane));
    SetText(IDC_NTP_ADDRESS, "192.168.1.5", pane);
    SetText(IDC_NTP_INTERVAL, "1440", pane);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Server().Log().size(), 1u);
    ASSERT_EQ(Sent(0x030F).size(), 1u);
    const sim::Bytes ntp = Sent(0x030F)[0].params;
    EXPECT_EQ(U32(ntp, 0), 0x01000100u);
    EXPECT_EQ(U32(ntp, 4), 0xC0A80105u);
    EXPECT_EQ(U32(ntp, 8), 1440u);

    // The next visit reads back what the device kept.
    Close(false);
    page = ShowPage<CPage2System>();
    EXPECT_EQ(Checked(IDC_NTP_ENABLE, page->m_pNtpDlg.get()), 1);
    EXPECT_EQ(Text(IDC_NTP_ADDRESS, page->m_pNtpDlg.get()), "192.168.1.5");
    EXPECT_EQ(Text(IDC_NTP_INTERVAL, page->m_pNtpDlg.get()), "1440");
}

TEST_F(Page2SystemTest, TheNewestCameraSetsItsZoneByTheTableAndLeavesAnUntouchedClockRunning)
{
    CPage2System* page = Open(1, "2.3.4");
    EXPECT_TRUE(page->UsesZoneTable());
    EXPECT_EQ(page->m_pNtpDlg, nullptr);
    // Tokyo has no daylight saving: the automatic box goes.
    int tokyo = -1;
    for (int i = 0; i < TIME_ZONE_COUNT && tokyo < 0; ++i)
        if (g_TimeZones[i].offset == 32400)
            tokyo = i;
    ASSERT_GE(tokyo, 0);
    SelectCombo(IDC_SYS_ZONE, tokyo);
    EXPECT_FALSE(page->GetDlgItem(IDC_SYS_DST_AUTO)->IsWindowVisible());
    EXPECT_EQ(ComboSelection(IDC_SYS_DST_RULE), -1);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0111).size(), 1u);
    const sim::Bytes set = Sent(0x0111)[0].params;
    EXPECT_EQ(U32(set, 0), 0u);
    EXPECT_EQ(U32(set, 4), uint32_t(tokyo));
    EXPECT_EQ(int32_t(U32(set, 8)), 32400);
    EXPECT_EQ(U32(set, 12), 0u);
    // Read again: Tokyo's wall clock, nine hours ahead.
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), tokyo);
    EXPECT_EQ(Picker(page).wHour, 19);
}

TEST_F(Page2SystemTest, ALostConnectionKeepsTheChangeForAnotherApply)
{
    Open(2);
    Click(IDC_SYS_DST_MANUAL);
    Server().SetFault(0x0107, sim::Fault { .closeWithoutReply = true });
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Connection failed." });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page2SystemTest, LoadDefaultsOnOtherPortsResetsRebootsAndKeepsThePortsTheDeviceDidNotConfirm)
{
    Open(1);
    g_CurrentDevice.dwHttpPort = 80;
    const DWORD configPort = g_CurrentDevice.dwConfigPort;
    boxes.Answer(IDYES);
    Click(IDC_SYS_DEFAULTS);
    EXPECT_EQ(Sent(0x0901).size(), 1u);
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    const auto texts = TakeMessages();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
        "Flash Information will be reset to default. \nThe camera will be rebooted. It takes 10 to 20 "
        "seconds. Are "
        "you sure?");
    EXPECT_EQ(texts[1], "Booting failed."); // the wait box ended without the device
    EXPECT_EQ(texts[2], "Flash Information is reset to default.");
    // Nobody answers on 8405 here: the ports stay as they were.
    EXPECT_EQ(g_CurrentDevice.dwConfigPort, configPort);
    EXPECT_EQ(g_CurrentDevice.dwHttpPort, 80u);
}

// The commands the device received since the last ClearSent, in order.
std::vector<uint16_t> Commands(sim::ConfigServer& server)
{
    std::vector<uint16_t> commands;
    for (const sim::Exchange& exchange : server.Log())
        commands.push_back(exchange.command);
    return commands;
}

TEST_F(Page2SystemTest, ASchedulePageThatShowedItsPlansReadsThemAgainAfterAReset)
{
    for (uint32_t family : { 0u, 1u }) {
        CPage2System* system = Open(family);
        CConfigPage* schedule = family == 0 ? static_cast<CConfigPage*>(ShowSiblingPage<CPage8Schedule>())
                                            : ShowSiblingPage<CPage8Schedule2>();
        system->SetSheetLink(LINK_SchedulePage, schedule);
        ClearSent();
        boxes.Answer(IDYES);
        Click(IDC_SYS_DEFAULTS);
        const std::vector<uint16_t> sent = Commands(Server());
        const auto reset = std::find(sent.begin(), sent.end(), 0x0901);
        ASSERT_NE(reset, sent.end()) << family;
        // The post-alarm time and the plans come after the reset.
        EXPECT_NE(std::find(reset, sent.end(), 0x0703), sent.end()) << family;
        Close();
    }
}

TEST_F(Page2SystemTest, ASchedulePageNeverShownIsLeftToReadWhenItIs)
{
    CPage2System* system = Open(0);
    CPage8Schedule unshown;
    system->SetSheetLink(LINK_SchedulePage, &unshown);
    ClearSent();
    boxes.Answer(IDYES);
    Click(IDC_SYS_DEFAULTS);
    EXPECT_EQ(Sent(0x0901).size(), 1u);
    EXPECT_TRUE(Sent(0x0703).empty());
    system->SetSheetLink(LINK_SchedulePage, nullptr);
}

TEST_F(Page2SystemTest, RebootIsAskedAndNoSendsNothing)
{
    Open(4);
    boxes.Answer(IDNO);
    ClearSent();
    Click(IDC_SYS_REBOOT);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "The DVR will be rebooted. It takes 10 to 20 seconds. Are you sure?" });
    EXPECT_TRUE(Server().Log().empty());
    EXPECT_EQ(Text(IDC_SYS_REBOOT_LABEL), "Reboot DVR");
}

TEST(Page2SystemByName, TheSystemPageIsCreatableByItsClassName)
{
    std::unique_ptr<CConfigPage> page(CreatePageByClassName("CPage2System"));
    EXPECT_NE(dynamic_cast<CPage2System*>(page.get()), nullptr);
}

} // namespace
