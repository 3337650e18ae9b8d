// The DVR's one-shot exchanges against the simulated DVR: the content list
// and the channel names, and replies too long to take.
#include "sim/DvrStreamServer.h"
#include "stream/ferrock/OneShot.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ferrock;

namespace
{

constexpr char kHost[] = "127.0.0.1";

class FerrockOneShotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dvr.Start(kHost, 0));
        info.nPort = dvr.Port();
        std::strcpy(info.user.user, "admin");
        std::strcpy(info.user.password, "admin");
    }
    sim::DvrStreamServer dvr { sim::MakeProfile(4, 2) };
    tagDVrInfo info;
};

TEST_F(FerrockOneShotTest, ContentListWithItsServiceWordsCorrected)
{
    ASSERT_EQ(0, GetContentList(kHost, &info));
    ASSERT_EQ(2u, info.list.contents.size());
    EXPECT_EQ(0, info.list.contents[0].nKind);
    EXPECT_EQ(1, info.list.contents[1].nKind);
    EXPECT_EQ(std::vector<uint8_t>({ 'P', 'C', 'M' }), info.list.contents[1].data);
    EXPECT_EQ(0x1200u, info.list.dwServices[0]);
    EXPECT_EQ(0x1004u, info.list.dwServices[5]) << "the doubled 0x1003 is mended";
    EXPECT_EQ(0x100Fu, info.list.dwServices[16]);
    EXPECT_EQ(0xFFFFFFFFu, info.list.dwServices[27]);
    EXPECT_EQ(0x6000u, info.list.dwServices[28]);
}

TEST_F(FerrockOneShotTest, ChannelNamesAfterTheLoginAndVersion)
{
    ASSERT_EQ(0, GetChannelName(kHost, &info, 1));
    EXPECT_EQ(16, info.nChannelCount);
    EXPECT_STREQ("Camera 16", info.channelNames[15]);
    EXPECT_EQ(1, info.bNamesValid);
    EXPECT_STREQ("1.7.22", info.version1) << "the firmware text, kept first";
    EXPECT_EQ(0, info.bExtendedClear);
    EXPECT_EQ(1u, dvr.Requests(0x201A).size());
}

TEST_F(FerrockOneShotTest, OversizeAndFailedExchangesAreRefused)
{
    sim::Fault oversized;
    oversized.announcedLength = kOneShotReplyRoom + 1;
    dvr.SetFault(0x2012, oversized);
    EXPECT_EQ(kOneShotReceiveFailed, GetContentList(kHost, &info));
    sim::Fault cut;
    cut.cutAfter = 30;
    dvr.SetFault(0x2018, cut);
    EXPECT_EQ(kOneShotReceiveFailed, GetChannelName(kHost, &info, 0));
    EXPECT_EQ(0, info.bNamesValid);
    info.nPort = 1;
    EXPECT_EQ(kOneShotConnectFailed, GetContentList(kHost, &info));
    std::strcpy(info.user.password, "wrong");
    info.nPort = dvr.Port();
    EXPECT_EQ(0xF301, GetChannelName(kHost, &info, 1));
}

} // namespace
