#include "controls/DeviceInfoText.h"

#include "platform/ui/WinApp.h"
#include "resources/setup/SetupResources.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

class DeviceInfoText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxSetInstanceHandle(SetupResourceModule());
        AfxSetResourceHandle(SetupResourceModule());
    }
    // The program's application object: its string loader reads the module.
    CWinApp app;
};

TEST_F(DeviceInfoText, AddressesPrintFirstOctetFirst)
{
    EXPECT_EQ(InfoIpText(0xC0A80005), "192.168.0.5");
    EXPECT_EQ(InfoIpText(0), "0.0.0.0");
    const uint8_t mac[6] = { 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0xff };
    EXPECT_EQ(InfoMacText(mac), "00:1a:2b:3c:4d:ff");
}

TEST_F(DeviceInfoText, AFullDescriptionShowsAllItsCharacters)
{
    char field[32];
    std::memset(field, 'd', sizeof field);
    EXPECT_EQ(InfoFieldText(field, sizeof field), std::string(32, 'd'));
    EXPECT_EQ(InfoFieldText("lobby\0junk", 10), "lobby");
}

TEST_F(DeviceInfoText, ClockRow)
{
    struct Case {
        int32_t time, offset;
        bool dst, checkLocal;
        const char* text;
    } cases[] = {
        { 0, 0, false, true, "1970/01/01, 00:00:00, GMT+ 00:00" },
        { 1141722300 - 32400, 32400, false, true, "2006/03/07, 09:05:00, GMT+ 09:00" },
        { 36000, -18000, false, true, "1970/01/01, 05:00:00, GMT- 05:00" },
        { 0, 19800, true, true, "1970/01/01, 05:30:00, GMT+ 05:30, DST" },
        { -1, 0, false, false, "Time Error!" },
        { 100, -3600, false, true, "Time Error!" },
        // The DVR form only refuses a negative device time.
        { 100, -3600, false, false, "1969/12/31, 23:01:40, GMT- 01:00" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(InfoTimeText(c.time, c.offset, c.dst, c.checkLocal), c.text) << c.time << " " << c.offset;
}

TEST_F(DeviceInfoText, UsersChannelsDiskAndFilterRows)
{
    const char names[4][16] = { "admin", "guest", "night", "day" };
    const uint8_t slots0and2[4] = { 1, 0, 1, 0 };
    const uint8_t none[4] = {};
    EXPECT_EQ(InfoUsersText(slots0and2, names, 4), "admin, night");
    EXPECT_EQ(InfoUsersText(none, names, 4), "No User");

    const uint8_t internalAndCh3[5] = { 1, 0, 0, 1, 0 };
    const uint8_t externalAndCh2[5] = { 1, 1, 1, 0, 0 };
    const uint8_t noChannel[5] = {};
    EXPECT_EQ(InfoCameraChannelsText(internalAndCh3, 0), "Internal CH1, CH3");
    EXPECT_EQ(InfoCameraChannelsText(externalAndCh2, 0), "External CH1, CH2");
    EXPECT_EQ(InfoCameraChannelsText(externalAndCh2, 3), "CH1, CH2");
    EXPECT_EQ(InfoCameraChannelsText(noChannel, 0), "No channel is enabled.");

    const uint8_t flags[17] = { 0, 1, 0, 1, 1 };
    EXPECT_EQ(InfoChannelsText(flags, 16, 4), "1, 3, 4");
    EXPECT_EQ(InfoChannelsText(flags, 16, 2), "CH1, CH3, CH4");
    EXPECT_EQ(InfoChannelsText(flags, 0, 4), "No channel is enabled.");

    EXPECT_EQ(InfoHddText(128, 1), "No HDD available");
    EXPECT_EQ(InfoHddText(0, 0), "HDD is disabled.");
    EXPECT_EQ(InfoHddText(0, 1), "HDD is enabled.");
    EXPECT_EQ(InfoHddText(0, 2), "");
    EXPECT_EQ(InfoHddText(3, 1), "");
    EXPECT_EQ(InfoAddressFilterText(1), "IP Address is filtered.");
    EXPECT_EQ(InfoAddressFilterText(0), "IP Address is not filtered.");
}

TEST_F(DeviceInfoText, ContentRow)
{
    EXPECT_EQ(InfoContentText("live", "MPEG4", "CIF", 30, 512, "G.711", 64),
        "live : Video[MPEG4/CIF/30/512] Audio[G.711/64]");
}

} // namespace
