// The DVR live client against the simulated DVR's stream role on loopback.
#include "link/WindowMessages.h"
#include "sim/DvrStreamServer.h"
#include "stream/ferrock/DVrOnNetCtrl.h"
#include "tests/stream/FerrockOwner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace ferrock;

namespace
{

constexpr char kHost[] = "127.0.0.1";

UserInfoParm Credentials(const char* password = "admin")
{
    UserInfoParm u {};
    std::strncpy(u.user, "admin", sizeof u.user);
    std::strncpy(u.password, password, sizeof u.password);
    return u;
}

class FerrockLiveTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dvr.Start(kHost, 0)); }

    std::unique_ptr<CDVrOnNetCtrl> MakeClient()
    {
        tagMsgHandlerInfo info;
        info.hWnd = owner.GetSafeHwnd();
        return std::make_unique<CDVrOnNetCtrl>(info);
    }

    // Logs in and waits for the one login acknowledgement.
    std::unique_ptr<CDVrOnNetCtrl> LoggedIn()
    {
        auto client = MakeClient();
        UserInfoParm user = Credentials();
        EXPECT_TRUE(client->Login(&user, kHost, dvr.Port()));
        EXPECT_TRUE(owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x2116) > 0; }));
        // Every frame is acknowledged as the viewer does.
        CDVrOnNetCtrl* acking = client.get();
        owner.onFrame = [acking] { acking->ReqNextFrame(); };
        return client;
    }

    bool AddChannel(CDVrOnNetCtrl& client, int channel, uint16_t kind = kServiceLive)
    {
        tagServiceParm parm { 2, 2, 1, 0, 0x08000000, 0x08000000 };
        tagServiceEntry entry { static_cast<uint16_t>(kind << 8 | channel), 0, &parm };
        tagReqServiceParm req { 0, 1, &entry };
        return client.AddService(&req);
    }

    // Until `n` video frames came.
    void TakeFrames(size_t n)
    {
        ASSERT_TRUE(owner.WaitFor([&] { return VideoFrames() >= n; }));
    }

    size_t VideoFrames() const
    {
        size_t count = 0;
        for (const ReceivedFrame& f : owner.frames)
            count += f.video != nullptr;
        return count;
    }

    sim::DvrStreamServer dvr { sim::MakeProfile(4, 2) };
    FerrockOwner owner;
};

TEST_F(FerrockLiveTest, LoginStartChannelThreeFramesInOrderStop)
{
    auto client = LoggedIn();
    // The profile's firmware 1.7.22 is a newer server: the extended request
    // comes before the one acknowledgement.
    EXPECT_EQ(1u, owner.Count(WM_DVR_ACK, 0x2116));
    EXPECT_EQ(1u, dvr.Requests(0x201A).size());
    EXPECT_TRUE(client->IsNewerServer());
    EXPECT_TRUE(client->IsExtended());

    ASSERT_TRUE(AddChannel(*client, 3));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x2113) > 0; }));
    TakeFrames(12);
    ASSERT_GE(owner.frames.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        const tagVIDEOFRAME& f = *owner.frames[i].video;
        EXPECT_EQ(0, owner.frames[i].kind);
        EXPECT_EQ(i, f.dwSubWord0) << "frames arrive in the order sent";
        EXPECT_EQ(3, f.bySub0) << "channel";
        EXPECT_EQ(i * 40 / 1000, f.dwTime);
        EXPECT_EQ(360u | 243u << 16, f.dwPayloadWord) << "the picture's width and height";
        const sim::Bytes sent = sim::DvrStreamServer::VideoPayload({}, uint32_t(i), 3);
        ASSERT_EQ(sent.size(), f.dwLength);
        EXPECT_EQ(0, std::memcmp(f.payload, sent.data(), sent.size()));
    }

    tagServiceEntry entry { 0x0203, 0, nullptr };
    tagReqServiceParm stop { 1, 1, &entry };
    EXPECT_TRUE(client->DeleteService(&stop));
    owner.onFrame = nullptr;
    client.reset();
    // What the client sent last is read by the DVR in its own time.
    EXPECT_TRUE(owner.WaitFor([&] { return !dvr.Requests(0x2005).empty(); }));
    const auto log = dvr.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(0x2016, log.front().id);
    EXPECT_EQ(1u, dvr.Requests(0x2015).size());
    EXPECT_EQ(0x2005, log.back().id) << "the logout is the last word";
    EXPECT_EQ(0u, owner.Count(WM_STREAM_ERROR));
}

TEST_F(FerrockLiveTest, OlderFirmwareGetsNoExtendedRequest)
{
    sim::DeviceProfile profile = sim::MakeProfile(4, 2);
    profile.version2 = "2.3.21";
    sim::DvrStreamServer older(profile);
    ASSERT_TRUE(older.Start(kHost, 0));
    auto client = MakeClient();
    UserInfoParm user = Credentials();
    ASSERT_TRUE(client->Login(&user, kHost, older.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x2116) > 0; }));
    EXPECT_TRUE(older.Requests(0x201A).empty());
    EXPECT_FALSE(client->IsNewerServer());

    struct Case {
        const char* version;
        bool newer;
    } cases[] = { { "2.3.21", false }, { "2.3.22", true }, { "1.8.0", true }, { "3.0.0", true },
        { "1.7.21", false }, { "0.9.99", false }, { "", false } };
    for (const Case& c : cases)
        EXPECT_EQ(c.newer, IsNewerDvrVersion(c.version)) << c.version;
}

TEST_F(FerrockLiveTest, ResolutionCodesAndFlagsComeFromThePicture)
{
    auto client = LoggedIn();
    ASSERT_TRUE(AddChannel(*client, 1));
    for (int code = 0; code <= 4; ++code) {
        sim::DvrPicture picture;
        picture.resolution = code;
        picture.ntsc = code != 2;
        picture.rotated = code == 1;
        picture.ptz = code != 4;
        dvr.SetPicture(picture);
        owner.frames.clear();
        // A frame may have been made before the change.
        TakeFrames(2);
        const tagVIDEOFRAME& f = *owner.frames.back().video;
        EXPECT_EQ(code, f.byResolution);
        EXPECT_EQ(code != 2, f.bNtsc != 0) << code;
        EXPECT_EQ(code == 1, f.bRotate != 0) << code;
        EXPECT_EQ(code != 4, f.bFlagBit22 && f.bFlagBit23) << code;
    }
}

TEST_F(FerrockLiveTest, AudioAndTextFramesComeWithTheirKinds)
{
    sim::DvrPicture picture;
    picture.withAudioAndText = true;
    dvr.SetPicture(picture);
    auto client = LoggedIn();
    ASSERT_TRUE(AddChannel(*client, 2));
    TakeFrames(3);
    ASSERT_GE(owner.frames.size(), 7u);
    const int expected[] = { 0, 1, 2, 0, 1, 2, 0 };
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(expected[i], owner.frames[i].kind) << i;
    EXPECT_EQ(320u, owner.frames[1].etcLength);
}

TEST_F(FerrockLiveTest, ServiceRequestCarriesEveryEntry)
{
    auto client = LoggedIn();
    tagServiceParm a { 2, 2, 1, 0, 0x08000000, 0x08000000 };
    tagServiceParm b { 9, 8, 7, 6, 5, 4 };
    tagServiceEntry entries[2] = { { 0x0201, 99, &a }, { 0x0D04, 99, &b } };
    tagReqServiceParm req { 0, 2, entries };
    ASSERT_TRUE(client->AddService(&req));
    ASSERT_TRUE(owner.WaitFor([&] { return !dvr.Requests(0x2013).empty(); }));
    const sim::Bytes expected = { 0, 0, 0, 2, 0x02, 0x01, 0, 12, 2, 2, 1, 0, 8, 0, 0, 0, 8, 0, 0, 0, 0x0D,
        0x04, 0, 12, 9, 8, 7, 6, 0, 0, 0, 5, 0, 0, 0, 4 };
    EXPECT_EQ(expected, dvr.Requests(0x2013).front().body);
}

TEST_F(FerrockLiveTest, RequestsWaitForTheirState)
{
    auto client = MakeClient();
    tagServiceEntry entry { 0x0201, 0, nullptr };
    tagReqServiceParm req { 1, 1, &entry };
    EXPECT_FALSE(client->AddService(&req)) << "not connected";
    EXPECT_FALSE(client->ReqNextFrame());
    // The login's answer comes late, so that the client is connected and not
    // yet logged in for a while.
    sim::Fault late;
    late.delayMs = 500;
    dvr.SetFault(0x2016, late);
    UserInfoParm user = Credentials();
    ASSERT_TRUE(client->Login(&user, kHost, dvr.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return client->IsConnected(); }));
    EXPECT_FALSE(client->AddService(&req)) << "connected, the login not yet answered";
    EXPECT_FALSE(client->GetTimezone());
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x2116) > 0; }));
    EXPECT_TRUE(client->GetTimezone());
    EXPECT_TRUE(client->RelayService(0x0105));
    ASSERT_TRUE(
        owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x2119) && owner.Count(WM_DVR_ACK, 0x2108); }));
    for (const PostedMessage& m : owner.posted) {
        if (m.message == WM_DVR_ACK && m.wParam == 0x2108) {
            EXPECT_EQ(0x0105, m.lParam);
        }
    }
}

// Faults of the DVR, each refused as the client decides.
TEST_F(FerrockLiveTest, RefusedLoginIsReportedWithTheDvrsStatus)
{
    auto client = MakeClient();
    UserInfoParm user = Credentials("wrong");
    ASSERT_TRUE(client->Login(&user, kHost, dvr.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_STREAM_ERROR) > 0; }));
    EXPECT_EQ(1u, owner.Count(WM_STREAM_ERROR, 0xF301));
    EXPECT_EQ(0u, owner.Count(WM_DVR_ACK));
    EXPECT_FALSE(client->IsLoggedIn());
}

TEST_F(FerrockLiveTest, NoDvrListeningIsAConnectFailure)
{
    const uint16_t port = dvr.Port();
    dvr.Stop();
    auto client = MakeClient();
    UserInfoParm user = Credentials();
    ASSERT_TRUE(client->Login(&user, kHost, port));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_STREAM_ERROR) > 0; }));
    EXPECT_EQ(1u, owner.Count(WM_STREAM_ERROR, 0xF401));
}

TEST_F(FerrockLiveTest, FrameLongerThanTheBufferEndsTheConnection)
{
    sim::Fault oversized;
    oversized.announcedLength = 0x30000;
    dvr.SetFault(0x2203, oversized);
    auto client = LoggedIn();
    ASSERT_TRUE(AddChannel(*client, 1));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_STREAM_ERROR) > 0; }));
    EXPECT_EQ(1u, owner.Count(WM_STREAM_ERROR, 0xF403));
    EXPECT_FALSE(client->IsConnected());
    EXPECT_TRUE(owner.frames.empty());
}

TEST_F(FerrockLiveTest, FramesSplitAcrossReadsAreReassembled)
{
    sim::Fault split;
    split.pieces = { 3, 5, 17, 40 };
    dvr.SetFault(0x2203, split);
    auto client = LoggedIn();
    ASSERT_TRUE(AddChannel(*client, 1));
    TakeFrames(3);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(i, owner.frames[i].video->dwSubWord0);
    EXPECT_EQ(0u, owner.Count(WM_STREAM_ERROR));
}

TEST_F(FerrockLiveTest, ConnectionCutByTheDvrIsReportedOnce)
{
    sim::Fault cut;
    cut.cutAfter = 4;
    dvr.SetFault(0x2013, cut);
    auto client = LoggedIn();
    ASSERT_TRUE(AddChannel(*client, 1));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_STREAM_ERROR) > 0; }));
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(1u, owner.Count(WM_STREAM_ERROR));
    EXPECT_EQ(1u, owner.Count(WM_STREAM_ERROR, 0xF402));
    EXPECT_FALSE(client->IsConnected());
}

TEST_F(FerrockLiveTest, RepliesOutsideTheTableAreErrorsOnlyWithAStatus)
{
    auto client = LoggedIn();
    // The keepalive's reply is no reply the client knows.
    client->SendMessage(WM_TIMER, kKeepAliveTimer);
    ASSERT_TRUE(owner.WaitFor([&] { return !dvr.Requests(0x2017).empty(); }));
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(0u, owner.Count(WM_STREAM_ERROR));

    sim::Fault refused;
    refused.status = 0xF309;
    dvr.SetFault(0x2017, refused);
    client->SendMessage(WM_TIMER, kKeepAliveTimer);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_STREAM_ERROR) > 0; }));
    EXPECT_EQ(1u, owner.Count(WM_STREAM_ERROR, 0xF309));
}

TEST_F(FerrockLiveTest, FramesGoToTheCallbackOnTheConnectionThread)
{
    struct Seen {
        std::atomic<int> frames { 0 };
        CDVrOnNetCtrl* client = nullptr;
    } seen;
    tagMsgHandlerInfo info;
    info.hWnd = owner.GetSafeHwnd();
    info.lUserData = reinterpret_cast<LPARAM>(&seen);
    info.pfnCallback = [](LPARAM user, uint16_t kind, void* frame) {
        auto* s = reinterpret_cast<Seen*>(user);
        if (frame)
            ++s->frames;
        FreeStreamFrame(kind, frame);
        s->client->ReqNextFrame();
    };
    CDVrOnNetCtrl client(info);
    seen.client = &client;
    UserInfoParm user = Credentials();
    ASSERT_TRUE(client.Login(&user, kHost, dvr.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_DVR_ACK, 0x2116) > 0; }));
    ASSERT_TRUE(AddChannel(client, 5));
    ASSERT_TRUE(owner.WaitFor([&] { return seen.frames >= 5; }));
    EXPECT_EQ(0u, owner.Count(WM_STREAM_FRAME)) << "frames with a callback are not posted";
}

} // namespace
