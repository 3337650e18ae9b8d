// The Miscellaneous page against the simulated recorder: what it reads by
// firmware, what it writes, and that an item it could not read is never
// overwritten.
#include "pages/Page13Miscell.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"

#include <memory>
#include <string>

namespace
{

class Page13MiscellTest : public PageTest
{
protected:
    CPage13Miscell* Open(const char* firmware = "1.7.22", int networkCameras = 2)
    {
        sim::DeviceProfile& p = Profile(4, 2);
        p.version2 = firmware;
        p.networkCameras = networkCameras;
        StartDevice();
        return ShowPage<CPage13Miscell>();
    }
    // The item and value of each 0x0311 the device received.
    std::vector<std::pair<int, int>> Writes()
    {
        std::vector<std::pair<int, int>> writes;
        for (const auto& sent : Sent(0x0311)) {
            EXPECT_EQ(sent.params.size(), 6u);
            EXPECT_EQ(sent.length, 38u);
            if (sent.params.size() == 6)
                writes.emplace_back(sent.params[0], sent.params[5]);
        }
        return writes;
    }
};

TEST_F(Page13MiscellTest, ShowsNoVideoRecordingAndWritesBothItems)
{
    Open();
    EXPECT_FALSE(page->GetDlgItem(IDC_MISC_NETWORK_CAMERAS)->IsWindowVisible());
    EXPECT_TRUE(Enabled(IDC_MISC_NETWORK_CAMERAS));
    EXPECT_FALSE(Checked(IDC_MISC_NO_VIDEO_RECORDING));
    EXPECT_EQ(Text(IDC_PAGE_APPLY), "Apply");
    ASSERT_EQ(Sent(0x0310).size(), 1u);
    EXPECT_EQ(Sent(0x0310)[0].params, (sim::Bytes { 2 }));
    SavePicture("page13_miscell.png");

    Click(IDC_MISC_NO_VIDEO_RECORDING);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    // The network-camera switch goes back as read.
    EXPECT_EQ(Writes(), (std::vector<std::pair<int, int>> { { 1, 1 }, { 2, 1 } }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    ShowPage<CPage13Miscell>();
    EXPECT_TRUE(Checked(IDC_MISC_NO_VIDEO_RECORDING));
}

TEST_F(Page13MiscellTest, OlderFirmwareHasOnlyTheNetworkCameraItem)
{
    Open("1.3.2");
    EXPECT_TRUE(Sent(0x0310).empty());
    EXPECT_FALSE(Checked(IDC_MISC_NO_VIDEO_RECORDING));
    EXPECT_TRUE(Checked(IDC_MISC_NETWORK_CAMERAS));
    Click(IDC_MISC_NETWORK_CAMERAS);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Writes(), (std::vector<std::pair<int, int>> { { 1, 0 } }));
    // The device now reports network cameras off.
    EXPECT_EQ(Server().Store().Stored(0x0403)[2], 0);
}

TEST_F(Page13MiscellTest, ARecorderWithoutNetworkChannelsKeepsTheSwitchDisabled)
{
    Open("1.7.22", 0);
    EXPECT_FALSE(Enabled(IDC_MISC_NETWORK_CAMERAS));
    Click(IDC_MISC_NO_VIDEO_RECORDING);
    Click(IDC_PAGE_APPLY);
    // Still written back, as read.
    EXPECT_EQ(Writes(), (std::vector<std::pair<int, int>> { { 1, 0 }, { 2, 1 } }));
}

TEST_F(Page13MiscellTest, AFailedReadIsNeverWrittenBack)
{
    Profile(4, 2).networkCameras = 2;
    StartDevice();
    Server().SetFault(0x0403, { .closeWithoutReply = true });
    ShowPage<CPage13Miscell>();
    Click(IDC_MISC_NO_VIDEO_RECORDING);
    Click(IDC_PAGE_OK);
    // "IPCam enable" = 0 would switch the recorder's network cameras off.
    EXPECT_EQ(Writes(), (std::vector<std::pair<int, int>> { { 2, 1 } }));
    EXPECT_EQ(Server().Store().Stored(0x0403)[2], 1);
}

TEST_F(Page13MiscellTest, ARefusedWriteIsToldAndAnUnansweredOneKeptForAnotherTry)
{
    Open();
    Server().SetFault(0x0311, { .status = 0xF311 });
    Click(IDC_MISC_NO_VIDEO_RECORDING);
    Click(IDC_PAGE_APPLY);
    const auto messages = TakeMessages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0], "Your command is not allowed in remote setup.");
    Server().SetFault(0x0311, { .closeWithoutReply = true });
    Click(IDC_MISC_NO_VIDEO_RECORDING);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Connection failed." });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
}

TEST(Page13MiscellByName, TheSheetMakesIt)
{
    std::unique_ptr<CConfigPage> made(CreatePageByClassName("CPage13Miscell"));
    EXPECT_NE(dynamic_cast<CPage13Miscell*>(made.get()), nullptr);
}

} // namespace
