// The live service of the camera client against the simulated camera:
// frames in order with one in flight, the ring of slots, picture kinds and
// standards, no video, a refused login, stop and restart, changed
// parameters after a reconnect.
#include "tests/stream/PlintoFixture.h"

using namespace plinto;
using namespace plinto_test;

namespace
{

using PlintoStream = PlintoFixture;

TEST_F(PlintoStream, DeliversFramesInOrderWithOneInFlight)
{
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(20));
    EXPECT_TRUE(owner.Has(WM_STREAM_ACK, 0x2102));
    for (size_t i = 0; i < owner.frames.size(); ++i) {
        const SeenFrame& f = *owner.frames[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(0, f.decodeResult);
        // The number the camera wrote into the picture and into the frame
        // information both count up from 0.
        EXPECT_EQ(int64_t(i), f.pictureNumber);
        EXPECT_EQ(i, f.copy.dwInfo20);
        // Six slots, used in turn.
        EXPECT_EQ(owner.frames[i % FRAME_RING_SLOTS]->slot, f.slot);
        if (i >= FRAME_RING_SLOTS) {
            EXPECT_NE(owner.frames[i - 1]->slot, f.slot);
        }
    }
    // Each frame after the first answered an acknowledgement: the device
    // never had two frames out.
    std::vector<sim::StreamEvent> log = camera->Log();
    int inFlight = 0;
    for (const sim::StreamEvent& e : log) {
        if (e.frame)
            ++inFlight;
        else if (e.id == 0x2302)
            --inFlight;
        ASSERT_LE(inFlight, 1);
        ASSERT_GE(inFlight, 0);
    }
    for (const sim::StreamEvent& ack : Received(0x2302))
        EXPECT_EQ((sim::Bytes { 0x22, 0x02 }), ack.body);
}

TEST_F(PlintoStream, NoFurtherFrameUntilTheOwnerAsks)
{
    owner.acknowledge = false;
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(1));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(1u, owner.frames.size());
    EXPECT_EQ(1u, camera->FramesSent());
    Client()->reqNextFrame();
    ASSERT_TRUE(WaitFrames(2));
    EXPECT_EQ(1, owner.frames[1]->pictureNumber);
}

TEST_F(PlintoStream, StartRequestCarriesTheDigestsAndStreamParameters)
{
    ASSERT_EQ(1, StartService(2));
    ASSERT_TRUE(WaitFrames(1));
    std::vector<sim::StreamEvent> starts = Received(0x2002);
    ASSERT_EQ(1u, starts.size());
    const sim::Bytes& b = starts[0].body;
    ASSERT_EQ(46u, b.size());
    uint8_t user[16], password[16];
    sim::DigestText("admin", user);
    sim::DigestText("admin", password);
    EXPECT_EQ(0, std::memcmp(b.data(), user, 16));
    EXPECT_EQ(0, std::memcmp(b.data() + 16, password, 16));
    EXPECT_EQ(
        (sim::Bytes { 2, 0, 2, 2, 0x0F, 0, 0, 0, 0x0F, 0, 0, 0, 0, 0 }), sim::Bytes(b.begin() + 32, b.end()));
    EXPECT_EQ(2, owner.frames[0]->copy.byInfo0);
}

TEST_F(PlintoStream, PictureSizeFollowsKindAndStandard)
{
    struct Case {
        uint8_t kind;
        bool pal, rotated;
        WORD width, height;
    };
    const Case cases[]
        = { { 2, true, false, 360, 288 }, { 2, false, false, 360, 243 }, { 0, true, true, 92, 72 },
              { 1, false, false, 180, 121 }, { 4, true, false, 720, 576 }, { 3, false, true, 720, 243 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << (c.pal ? " PAL" : " NTSC"));
        camera->SetPicture({ c.kind, c.pal, c.rotated, true });
        owner.frames.clear();
        ASSERT_EQ(1, StartService());
        ASSERT_TRUE(WaitFrames(2));
        const tagONLINEFRAME& f = owner.frames[1]->copy;
        EXPECT_EQ(c.kind, f.byKind);
        EXPECT_EQ(c.width, f.wWidth);
        EXPECT_EQ(c.height, f.wHeight);
        EXPECT_EQ(c.pal ? 0 : 1, f.nNtsc);
        EXPECT_EQ(c.rotated ? 1 : 0, f.nRotated);
        // Upright once turned as flagged, and scaled to the owner's 360 x 243.
        EXPECT_EQ(0, owner.frames[1]->decodeResult);
        EXPECT_EQ(1, owner.frames[1]->pictureNumber);
        EXPECT_EQ(1, Client()->stopService());
        // Frames of this connection still queued to the owner go first.
        PumpWaitingMessages();
    }
}

TEST_F(PlintoStream, ChannelWithoutVideoReportsTheStatusAndNoSlot)
{
    camera->SetChannelVideo(4, false);
    ASSERT_EQ(1, StartService(4));
    ASSERT_TRUE(PumpUntil([&] { return owner.statusFrames.size() >= 3; }));
    EXPECT_EQ(STATUS_NO_VIDEO, owner.statusFrames[0]);
    EXPECT_TRUE(owner.frames.empty());
    for (const Posted& p : owner.posted) {
        if (p.message == WM_STREAM_FRAME) {
            EXPECT_EQ(0, p.lParam);
        }
    }
}

TEST_F(PlintoStream, RefusedLoginEndsTheConnection)
{
    ASSERT_EQ(1, StartService(0, "wrong"));
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ERROR, 0xF301); }));
    EXPECT_EQ(0, Client()->isConnected());
    EXPECT_EQ(0u, Client()->getOnlineSocket());
    EXPECT_TRUE(owner.frames.empty());
}

TEST_F(PlintoStream, StopsAndStartsAgain)
{
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(5));
    EXPECT_EQ(1, Client()->stopService());
    ASSERT_TRUE(
        camera->WaitFor([](const sim::StreamEvent& e) { return !e.frame && e.id == 0x2005; }, 1, 5000));
    EXPECT_EQ(0, Client()->isConnected());
    // Stopping twice, or a client that never connected, is harmless.
    EXPECT_EQ(1, Client()->stopService());

    const size_t before = owner.frames.size();
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(before + 5));
    // A new connection: its frames count from 0 again.
    EXPECT_EQ(0, owner.frames[before]->pictureNumber);
    EXPECT_EQ(2u, Received(0x2002).size());
    EXPECT_NE(Received(0x2002)[0].connection, Received(0x2002)[1].connection);
}

TEST_F(PlintoStream, StartWithoutPortOrHostFails)
{
    StartThread();
    EXPECT_EQ(0, Client()->startService(Request(), 0));
    EXPECT_EQ(0u, Client()->getOnlineSocket());
    tagReqServiceParm noHost = Request();
    std::memset(noHost.szIpAddr, 0, sizeof noHost.szIpAddr);
    std::strcpy(noHost.szIpAddr, "no.such.host.invalid");
    EXPECT_EQ(0, Client()->startService(noHost, camera->Port()));
}

TEST_F(PlintoStream, ConnectionRefusedReportsConnectFailed)
{
    const uint16_t port = camera->Port();
    camera->Stop();
    StartThread();
    ASSERT_EQ(1, Client()->startService(Request(), port));
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ERROR, ERR_CONNECT_FAILED); }));
    EXPECT_EQ(0, Client()->isConnected());
}

TEST_F(PlintoStream, ChangeServiceSendsTheNewParametersAndIsAcknowledged)
{
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(2));
    tagReqChangeParm change {};
    change.byChannel = 3;
    change.byReserved = 9; // never sent
    change.byParm1 = 1;
    change.byParm2 = 4;
    change.dwParm3 = 0x04000000;
    change.dwParm4 = 0x04000000;
    change.wParm5 = 7;
    EXPECT_EQ(1, Client()->changeService(change));
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ACK, 0x2104); }));
    std::vector<sim::StreamEvent> changes = Received(0x2004);
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ((sim::Bytes { 3, 0, 1, 4, 4, 0, 0, 0, 4, 0, 0, 0, 0, 7 }), changes[0].body);
}

TEST_F(PlintoStream, ChangeServiceNeedsAConnection)
{
    StartThread();
    EXPECT_EQ(0, Client()->changeService(tagReqChangeParm {}));
}

TEST_F(PlintoStream, OutputInstallAndPtzInformationReachTheOwner)
{
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(1));
    owner.acknowledge = false;
    Client()->reqDout(0x55);
    Client()->reqInstallInfo();
    Client()->reqPtzInfo(1);
    ASSERT_TRUE(PumpUntil([&] {
        return owner.Count(WM_STREAM_DOUT) && owner.Count(WM_STREAM_INSTALL_INFO) && owner.Count(WM_PTZ_INFO);
    }));
    EXPECT_TRUE(owner.Has(WM_STREAM_DOUT, 0));
    for (const Posted& p : owner.posted) {
        if (p.message == WM_STREAM_DOUT) {
            EXPECT_EQ(0x55, p.lParam);
        }
        if (p.message == WM_STREAM_INSTALL_INFO) {
            EXPECT_EQ(0x00010002, p.lParam);
        }
    }
    EXPECT_EQ(std::make_pair(2, 1), owner.ptzInfoCounts);
    EXPECT_EQ("Pan and tilt", owner.ptzFirstName);
}

} // namespace
