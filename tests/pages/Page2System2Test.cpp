// The camera system page of the older camera firmware against the
// simulator: its clock, the computer's clock, the reset and the reboot.
#include "pages/Page2System2.h"
#include "link/CurrentDevice.h"
#include "pages/SheetFactory.h"
#include "pages/common/DeviceTime.h"
#include "pages/common/TimeZones.h"
#include "tests/pages/PageFixture.h"

namespace
{

// 15 July 2026, 10:20:30 UTC: summer time in Berlin.
constexpr int64_t kSummer = 1784110830;

uint32_t U32(const sim::Bytes& b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

class Page2System2Test : public PageTest
{
protected:
    CPage2System2* Open(int64_t now = kSummer)
    {
        Profile(0).clock = [now] { return now; };
        StartDevice();
        EXPECT_EQ(view.FirmwareKind(), 3);
        return ShowPage<CPage2System2>();
    }
    SYSTEMTIME Picker(CPage2System2* page)
    {
        SYSTEMTIME st {};
        page->m_TimeCtrl.GetTime(&st);
        return st;
    }
};

TEST_F(Page2System2Test, ShowsTheCamerasOwnWallClockAndZone)
{
    CPage2System2* page = Open();
    EXPECT_EQ(Sent(0x0104).size(), 1u);
    EXPECT_EQ(Sent(0x0108).size(), 1u);
    // The device information leads with the camera's wall clock.
    EXPECT_EQ(Picker(page).wHour, 12);
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), FindZoneOffsetEntry(3600));
    EXPECT_EQ(std::string(page->m_strDescription), "Lobby camera");
    EXPECT_TRUE(TakeMessages().empty());
    SavePicture("page2_system2.png");
}

TEST_F(Page2System2Test, TheComputersClockIsFollowedAndSentAsItsMoment)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    clock.SetNow(kSummer);
    CPage2System2* page = Open();
    Click(IDC_SYS_CURRENT_TIME);
    EXPECT_TRUE(page->m_bFollowing);
    SYSTEMTIME local {};
    GetLocalTime(&local);
    EXPECT_EQ(Picker(page).wHour, local.wHour);
    EXPECT_EQ(Picker(page).wSecond, local.wSecond);
    EXPECT_EQ(ComboSelection(IDC_SYS_ZONE), FindZoneOffsetEntry(LocalUtcOffset()));
    // A second later the picker has moved on with the computer.
    clock.Advance(1000);
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(Picker(page).wSecond, (local.wSecond + 1) % 60);

    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0107).size(), 1u);
    const sim::Bytes set = Sent(0x0107)[0].params;
    EXPECT_EQ(int32_t(U32(set, 0)), int32_t(kSummer + 1));
    EXPECT_EQ(int32_t(U32(set, 4)), g_TimeZoneOffsets[FindZoneOffsetEntry(LocalUtcOffset())].offset);
    EXPECT_FALSE(page->m_bFollowing);
    EXPECT_EQ(Checked(IDC_SYS_CURRENT_TIME), 0);
}

TEST_F(Page2System2Test, ANegativeClockIsToldOnEveryVisit)
{
    Open(-100000);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Time Error! Pleaser set the time." });
    Close(false);
    ShowPage<CPage2System2>();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Time Error! Pleaser set the time." });
}

TEST_F(Page2System2Test, LeavingWithAChangeAsksAndApplyChecksBeforeItClearsTheChange)
{
    CPage2System2* page = Open();
    SelectCombo(IDC_SYS_ZONE, -1);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The timezone isn't set. please set it!" });
    EXPECT_TRUE(Server().Log().empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));

    boxes.Answer(IDCANCEL);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you like to confirm the new configuration?" });
    EXPECT_TRUE(Server().Log().empty());
}

TEST_F(Page2System2Test, TheResetOnOtherPortsTellsItThenReboots)
{
    Open();
    boxes.Answer(IDYES);
    Click(IDC_SYS_DEFAULTS);
    EXPECT_EQ(Sent(0x0901).size(), 1u);
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> { "Flash Information will be cleared.\nThe Cam will be rebooted. It takes "
                                    "10 or 20 seconds. Are you sure?",
            "Flash Information is cleared.", "Booting failed." }));
}

TEST_F(Page2System2Test, ARefusedResetIsToldAndNothingFollows)
{
    Open();
    Server().SetFault(0x0901, sim::Fault { .status = 0xF30C });
    boxes.Answer(IDYES);
    Click(IDC_SYS_DEFAULTS);
    EXPECT_TRUE(Sent(0x0103).empty());
    const auto texts = TakeMessages();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], "Internal error!");
    EXPECT_EQ(texts[2], "Flash Information isn't cleared.");
}

TEST_F(Page2System2Test, TheRebootAsksInTheCamerasWords)
{
    Open();
    boxes.Answer(IDYES);
    Click(IDC_SYS_REBOOT);
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> {
            "The Cam will be rebooted. It takes 10 or 20 seconds.", "Booting failed." }));
    EXPECT_EQ(std::string(dialogs.captions.back()), "Reboot");
}

TEST(Page2System2ByName, TheCameraSystemPageIsCreatableByItsClassName)
{
    std::unique_ptr<CConfigPage> page(CreatePageByClassName("CPage2System2"));
    EXPECT_NE(dynamic_cast<CPage2System2*>(page.get()), nullptr);
}

} // namespace
