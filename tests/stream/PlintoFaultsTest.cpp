// A misbehaving camera: every fault is refused as decided, with nothing
// read or written outside the client's buffers (the build runs under
// AddressSanitizer), and the client reports what happened to its owner.
#include "tests/stream/PlintoFixture.h"

using namespace plinto;
using namespace plinto_test;

namespace
{

using PlintoFaults = PlintoFixture;

sim::Fault Cut(int64_t after)
{
    sim::Fault f;
    f.cutAfter = after;
    return f;
}

sim::Fault Announce(int64_t length)
{
    sim::Fault f;
    f.announcedLength = length;
    return f;
}

// A frame whose information or header lies is dropped, reported as 0xF403,
// and ends the connection; the frames before it were delivered.
TEST_F(PlintoFaults, FramesThatLieAboutTheirLengthAreDropped)
{
    struct Case {
        const char* what;
        std::function<void(sim::CameraStream&)> arrange;
        WORD error;
    };
    const Case cases[] = {
        { "payload past the message", [](sim::CameraStream& c) { c.SetFramePayloadLengthLie(200000); },
            ERR_SEND_RECEIVE },
        { "payload past the slot", [](sim::CameraStream& c) { c.SetFramePayloadLengthLie(0x20001); },
            ERR_SEND_RECEIVE },
        { "payload length 2^32 - 1", [](sim::CameraStream& c) { c.SetFramePayloadLengthLie(0xFFFFFFFF); },
            ERR_SEND_RECEIVE },
        { "message larger than the buffer",
            [](sim::CameraStream& c) { c.SetFault(0x2202, Announce(0x20000)); }, ERR_SEND_RECEIVE },
        { "message of 4 GB", [](sim::CameraStream& c) { c.SetFault(0x2202, Announce(0xFFFFFFF8)); },
            ERR_SEND_RECEIVE },
        { "frame shorter than its information",
            [](sim::CameraStream& c) { c.SetFault(0x2202, Announce(20)); }, ERR_SEND_RECEIVE },
        { "frame cut after its header", [](sim::CameraStream& c) { c.SetFault(0x2202, Cut(8)); },
            ERR_CONNECTION_CLOSED },
        { "frame cut in its payload", [](sim::CameraStream& c) { c.SetFault(0x2202, Cut(300)); },
            ERR_CONNECTION_CLOSED },
        { "connection closed instead of the frame",
            [](sim::CameraStream& c) {
                sim::Fault f;
                f.closeWithoutReply = true;
                c.SetFault(0x2202, f);
            },
            ERR_CONNECTION_CLOSED },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        camera->ClearFaults();
        owner.posted.clear();
        owner.frames.clear();
        // One frame, held: the next is asked for only once the fault is set.
        owner.acknowledge = false;
        ASSERT_EQ(1, StartService());
        ASSERT_TRUE(WaitFrames(1));
        c.arrange(*camera);
        const size_t before = owner.frames.size();
        Client()->reqNextFrame();
        ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ERROR, c.error); }, 5000));
        EXPECT_EQ(before, owner.frames.size());
        EXPECT_EQ(0, Client()->isConnected());
        EXPECT_EQ(0u, Client()->getOnlineSocket());
        PumpWaitingMessages();
    }
}

TEST_F(PlintoFaults, FrameInPiecesIsReassembled)
{
    sim::Fault split;
    split.pieces = { 3, 5, 31, 200 };
    camera->SetFault(0x2202, split);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(3));
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(int64_t(i), owner.frames[i]->pictureNumber);
    EXPECT_EQ(0u, owner.Count(WM_STREAM_ERROR));
}

TEST_F(PlintoFaults, SilentCameraSendsNothingAndCanBeStopped)
{
    sim::Fault silence;
    silence.silence = true;
    camera->SetFault(0x2202, silence);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ACK, 0x2102); }));
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(owner.frames.empty());
    EXPECT_EQ(1, Client()->isConnected());
    EXPECT_EQ(1, Client()->stopService());
    ASSERT_TRUE(
        camera->WaitFor([](const sim::StreamEvent& e) { return !e.frame && e.id == 0x2005; }, 1, 5000));
}

TEST_F(PlintoFaults, FrameStatusReachesTheOwnerWithoutASlot)
{
    sim::Fault status;
    status.status = 0xF30A;
    camera->SetFault(0x2202, status);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(PumpUntil([&] { return owner.statusFrames.size() >= 2; }));
    EXPECT_EQ(0xF30Au, owner.statusFrames[0]);
    EXPECT_TRUE(owner.frames.empty());
    // Not a status that ends the connection: the stream goes on.
    EXPECT_EQ(1, Client()->isConnected());
}

TEST_F(PlintoFaults, StartRefusedWithAFatalStatusCloses)
{
    sim::Fault refuse;
    refuse.status = 0xF305;
    camera->SetFault(0x2002, refuse);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ERROR, 0xF305); }));
    EXPECT_EQ(0, Client()->isConnected());
    EXPECT_FALSE(owner.Has(WM_STREAM_ACK, 0x2102));
}

TEST_F(PlintoFaults, AckRefusedWithAMildStatusKeepsTheConnection)
{
    sim::Fault refuse;
    refuse.status = 0xF309;
    camera->SetFault(0x2004, refuse);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(1));
    EXPECT_EQ(1, Client()->changeService(tagReqChangeParm {}));
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_STREAM_ERROR, 0xF309); }));
    EXPECT_EQ(1, Client()->isConnected());
    const size_t before = owner.frames.size();
    ASSERT_TRUE(WaitFrames(before + 2));
}

TEST_F(PlintoFaults, PtzListsWhoseCountsDoNotFitArriveAsNone)
{
    // The lists of 0x2117 claim more entries than the body holds.
    sim::Fault lie;
    lie.cutAfter = 8 + 4 + 10;
    lie.announcedLength = 4 + 10;
    camera->SetFault(0x2017, lie);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(1));
    owner.acknowledge = false;
    Client()->reqPtzInfo(1);
    ASSERT_TRUE(PumpUntil([&] { return owner.Count(WM_PTZ_INFO) > 0; }));
    for (const Posted& p : owner.posted) {
        if (p.message == WM_PTZ_INFO) {
            EXPECT_EQ(0, p.lParam);
        }
    }
}

TEST_F(PlintoFaults, RequestsQueuedWithoutAConnectionAreDropped)
{
    StartThread();
    Client()->reqDout(1);
    Client()->reqInstallInfo();
    Client()->reqNextFrame();
    PumpUntil([] { return false; }, 200);
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(2));
    EXPECT_TRUE(Received(0x2008).empty());
    EXPECT_TRUE(Received(0x2009).empty());
}

} // namespace
