// The DVR playback client against the simulated DVR's recorded span: login,
// the information requests, and play, seek, pause and stop.
#include "link/WindowMessages.h"
#include "sim/DvrStreamServer.h"
#include "stream/ferrock/DVrPBNetCtrl.h"
#include "tests/stream/FerrockOwner.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ferrock;

namespace
{

constexpr char kHost[] = "127.0.0.1";

enum Command : uint32_t { kPlay = 1, kPause = 2, kStop = 3, kSeek = 4 };

class FerrockPlaybackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dvr.Start(kHost, 0));
        tagMsgHandlerInfo info;
        info.hWnd = owner.GetSafeHwnd();
        client = std::make_unique<CDVrPBNetCtrl>(info);
    }

    void LogIn()
    {
        UserInfoParm user {};
        std::strcpy(user.user, "admin");
        std::strcpy(user.password, "admin");
        ASSERT_TRUE(client->Login(&user, kHost, dvr.Port()));
        ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PB_LOGIN) > 0; }));
    }

    // Sends one control and waits for its acknowledgement.
    void Control(uint32_t command, uint32_t position = 0)
    {
        const size_t acks = owner.Count(WM_DVR_ACK, 0x4110);
        tagPBCtrlParm parm { { command, 2, position, 0, 0, 0 }, 0, nullptr };
        client->PBPlayCtrl(&parm);
        ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x4110) > acks; }));
    }

    size_t FramesAfterAWhile()
    {
        const size_t before = owner.frames.size();
        PumpMessagesUntil([] { return false; }, 150);
        return owner.frames.size() - before;
    }

    sim::DvrStreamServer dvr { sim::MakeProfile(4, 2) };
    FerrockOwner owner;
    std::unique_ptr<CDVrPBNetCtrl> client;
};

TEST_F(FerrockPlaybackTest, OpenPlaySeekPauseStop)
{
    LogIn();
    const PostedMessage login = owner.posted.front();
    EXPECT_EQ(WPARAM(3600), login.wParam) << "zone";
    EXPECT_EQ(1, login.lParam) << "daylight saving";

    Control(kPlay);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.frames.size() >= 5; }));
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(i, owner.frames[i].video->dwSubWord0) << "played from the start of the recording";

    Control(kSeek, 30);
    owner.frames.clear();
    ASSERT_TRUE(owner.WaitFor([&] { return owner.frames.size() >= 4; }));
    // A frame may have been on its way before the seek.
    const tagVIDEOFRAME& after = *owner.frames.back().video;
    EXPECT_GE(after.dwTime, 30u);
    EXPECT_GE(after.dwSubWord0, 30u * dvr.Recording().framesPerSecond);

    Control(kPause);
    FramesAfterAWhile();
    EXPECT_EQ(0u, FramesAfterAWhile()) << "nothing while paused";
    const uint32_t pausedAt = owner.frames.back().video->dwSubWord0;
    const size_t mark = owner.frames.size();
    Control(kPlay);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.frames.size() > mark; }));
    EXPECT_EQ(pausedAt + 1, owner.frames[mark].video->dwSubWord0) << "play goes on where it paused";

    Control(kStop);
    FramesAfterAWhile();
    EXPECT_EQ(0u, FramesAfterAWhile());
    EXPECT_EQ(0u, owner.Count(WM_STREAM_ERROR));
}

TEST_F(FerrockPlaybackTest, SeekOutsideTheRecordingReportsItsRange)
{
    LogIn();
    tagPBCtrlParm parm { { kSeek, 2, 99, 0, 0, 0 }, 0, nullptr };
    client->PBPlayCtrl(&parm);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PB_RANGE) > 0; }));
    for (const PostedMessage& m : owner.posted) {
        if (m.message == WM_PB_RANGE) {
            EXPECT_EQ(dvr.Recording().start, uint32_t(m.lParam));
            EXPECT_EQ(dvr.Recording().start + dvr.Recording().seconds, uint32_t(m.wParam));
        }
    }
}

TEST_F(FerrockPlaybackTest, ControlDataIsPaddedToWholeWords)
{
    LogIn();
    const uint8_t data[5] = { 1, 2, 3, 4, 5 };
    tagPBCtrlParm parm { { 9, 8, 7, 6, 5, 4 }, 5, data };
    client->PBPlayCtrl(&parm);
    ASSERT_TRUE(owner.WaitFor([&] { return !dvr.Requests(0x4010).empty(); }));
    const sim::Bytes expected = { 0, 0, 0, 9, 0, 0, 0, 8, 0, 0, 0, 7, 0, 0, 0, 6, 0, 0, 0, 5, 0, 0, 0, 4, 0,
        0, 0, 8, 1, 2, 3, 4, 5, 0xFF, 0xFF, 0xFF };
    EXPECT_EQ(expected, dvr.Requests(0x4010).front().body);
}

TEST_F(FerrockPlaybackTest, InformationRequestsAndTheirRecords)
{
    UserInfoParm user {};
    std::strcpy(user.user, "admin");
    std::strcpy(user.password, "admin");
    ASSERT_TRUE(client->Login(&user, kHost, dvr.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return client->IsConnected(); }));
    client->ReqLog(1, 2);
    EXPECT_FALSE(client->IsLoggedIn());
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PB_LOGIN) > 0; }));
    EXPECT_TRUE(dvr.Requests(0x400E).empty()) << "asked before the login reply: nothing queued";

    client->ReqVersion();
    client->ReqHddStatus();
    client->ReqRegionSize(long(dvr.Recording().start) + 10, long(dvr.Recording().start) + 20);
    client->ReqGetFuncPerms();
    client->ReqContentList();
    ASSERT_TRUE(owner.WaitFor([&] {
        return owner.Count(WM_PB_VERSION) && owner.Count(WM_PB_DISK) && owner.Count(WM_PB_REGION)
            && owner.Count(WM_PB_RIGHTS) && owner.Count(WM_PB_CONTENTS);
    }));
    EXPECT_EQ(2u, owner.contents);
    EXPECT_STREQ("1.7.22", owner.version.text2);
    EXPECT_EQ(dvr.Recording().start, owner.disk.dwValue[4]);
    for (const PostedMessage& m : owner.posted) {
        if (m.message == WM_PB_REGION) {
            EXPECT_EQ(dvr.Recording().start + 10, uint32_t(m.lParam));
            EXPECT_EQ(dvr.Recording().start + 20, uint32_t(m.wParam));
        }
        if (m.message == WM_PB_RIGHTS) {
            EXPECT_EQ(0xFF, m.lParam);
        }
    }
}

TEST_F(FerrockPlaybackTest, RefusedLoginIsPostedWithItsStatus)
{
    UserInfoParm user {};
    std::strcpy(user.user, "admin");
    std::strcpy(user.password, "bad");
    ASSERT_TRUE(client->Login(&user, kHost, dvr.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PB_LOGIN) > 0; }));
    EXPECT_EQ(WPARAM(0xF301), owner.posted.front().wParam);
    EXPECT_EQ(-1, owner.posted.front().lParam);
}

} // namespace
