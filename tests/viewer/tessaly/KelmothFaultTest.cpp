// The viewer client against a server that misbehaves: hostile and broken
// frames are dropped without a read past the body, broken VOPs lead to a
// resync, a bad stream header waits for the next key frame, and a broken
// connection is reported once.
#include "KelmothFixture.h"

#include <chrono>

namespace
{

using tessaly::CKelmothClient;

TEST_F(KelmothFixture, FramesWhoseFieldsLeaveTheBodyAreDropped)
{
    server->stream.frameCount = 30;
    server->stream.areaOffset = 0;
    server->stream.skippedWords = 3;
    server->faults.badFieldFrames = { 3, 7, 20 };
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(PumpUntil([&] { return server->FramesSent() >= 27; }));
    ASSERT_TRUE(WaitProcessed(client.get(), 27));
    // The next key frame puts the picture right again.
    const QImage picture = *video.GetSurface();
    const int shown = ShownIndex(picture);
    EXPECT_GE(shown, 25);
    EXPECT_LT(MeanDifference(picture, QPoint(0, 0), shown, 176, 144), 4.0);
    EXPECT_EQ(27, client->FramesProcessed());
    EXPECT_EQ(0, notify.failures);
}

TEST_F(KelmothFixture, PlayingGoesOnAfterDroppedAndSpoiledFrames)
{
    server->stream.frameCount = 40;
    server->faults.dropFrames = { 4 };
    server->faults.spoiledFrames = { 14, 15 };
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(PumpUntil([&] { return server->FramesSent() >= 39; }));
    // Whatever the spoiled VOPs did to the decoder, the stream is whole
    // again after the key frame at 36.
    ASSERT_TRUE(PumpUntil([&] {
        const QImage picture = *video.GetSurface();
        return ShownIndex(picture) >= 37;
    }));
    const QImage picture = *video.GetSurface();
    Keep(picture, "tessaly_after_resync.png");
    EXPECT_LT(MeanDifference(picture, QPoint(0, 0), ShownIndex(picture), 176, 144), 4.0);
    EXPECT_EQ(0, notify.failures);
}

TEST_F(KelmothFixture, LeadingBFramesAreDroppedUntilAFirstFrame)
{
    server->stream.frameCount = 6;
    server->faults.leadingBFrames = 3;
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(PumpUntil([&] { return server->FramesSent() >= 9; }));
    ASSERT_TRUE(WaitProcessed(client.get(), 6));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(6, client->FramesProcessed());
    EXPECT_EQ(4, ShownIndex(*video.GetSurface()));
}

TEST_F(KelmothFixture, ABadStreamHeaderWaitsForTheNextKeyFrame)
{
    // The first key frame comes without headers, the second with noise for
    // them; the third sets the decoder up.
    std::vector<int> keys;
    sim::Mpeg4PatternStream stream(176, 144);
    sim::Mpeg4Frame frame;
    for (int i = 0; i < 40 && stream.Next(&frame); ++i)
        if (frame.vopType == 0)
            keys.push_back(i);
    ASSERT_GE(keys.size(), 3u);
    const int frames = keys[2] + 5;
    server->stream.frameCount = frames;
    server->faults.headerlessKeyFrames = 1;
    server->faults.garbledHeaderKeyFrames = 1;
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(PumpUntil([&] { return server->FramesSent() >= frames; }));
    ASSERT_TRUE(WaitProcessed(client.get(), 5));
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(client->IsDecoderReady());
    EXPECT_EQ(5, client->FramesProcessed());
    EXPECT_GE(ShownIndex(*video.GetSurface()), keys[2]);
}

TEST_F(KelmothFixture, ABrokenConnectionIsReportedOnce)
{
    struct Case {
        const char* what;
        std::function<void(sim::KelmothFaults&)> fault;
    } cases[] = {
        { "frame cut short", [](auto& f) { f.cutFrame = 5; } },
        { "connection closed", [](auto& f) { f.closeAfterFrames = 5; } },
        { "length above the limit", [](auto& f) { f.hostileLengthFrame = 5; } },
        { "length near 4 GiB",
            [](auto& f) {
                f.hostileLengthFrame = 5;
                f.hostileLength = 0xFFFFFFF8u;
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server->Stop();
        server->faults = sim::KelmothFaults {};
        c.fault(server->faults);
        StartServer();
        notify.failures = 0;
        auto client = NewClient();
        ASSERT_EQ(0, Play(client.get()));
        ASSERT_TRUE(PumpUntil([&] { return notify.failures > 0; }));
        PumpUntil([] { return false; }, 100);
        EXPECT_EQ(1, notify.failures);
        EXPECT_EQ(5, client->FramesProcessed());
        // The receive thread waits for Stop, which ends it at once.
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(1, client->Stop());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        EXPECT_EQ(1, notify.failures);
    }
}

TEST_F(KelmothFixture, StopWhileReceivingReportsNothing)
{
    StartServer(); // an endless stream
    for (int round = 0; round < 3; ++round) {
        auto client = NewClient();
        ASSERT_EQ(0, Play(client.get()));
        ASSERT_TRUE(WaitProcessed(client.get(), 3 + round));
        EXPECT_EQ(1, client->Stop());
        // Stopped and played again, the same client plays on.
        ASSERT_EQ(0, Play(client.get()));
        ASSERT_TRUE(WaitProcessed(client.get(), 2));
        client.reset(); // the destructor ends a playing client too
        PumpUntil([] { return false; }, 50);
    }
    EXPECT_EQ(0, notify.failures);
}

TEST_F(KelmothFixture, ASilentServerKeepsThePicture)
{
    server->stream.frameCount = 4;
    server->faults.silenceAfterFrames = 4;
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(WaitProcessed(client.get(), 4));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(2, ShownIndex(*video.GetSurface()));
    EXPECT_EQ(0, notify.failures);
    EXPECT_EQ(1, client->Stop());
}

TEST_F(KelmothFixture, KeepalivesBetweenFramesAreIgnored)
{
    server->stream.frameCount = 4;
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(PumpUntil([&] { return server->KeepalivesSent() >= 3 && client->FramesProcessed() >= 4; }));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(4, client->FramesProcessed());
    EXPECT_EQ(0, notify.failures);
}

} // namespace
