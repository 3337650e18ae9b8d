// The viewer client against the simulated streaming server: login, the
// pictures it draws, their order, Stop, and the failures it reports.
#include "KelmothFixture.h"

#include "controls/DoubleBufferWnd.h"
#include "viewer/tessaly/LoginToken.h"

#include <chrono>

namespace
{

using tessaly::CKelmothClient;

TEST_F(KelmothFixture, PlaysTheStreamAndShowsTheEncodersPicture)
{
    server->stream.frameCount = 30;
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));

    // Two login requests: the first without a token, the second with the
    // one made from the challenge and the password.
    const auto logins = server->Logins();
    ASSERT_EQ(2u, logins.size());
    EXPECT_EQ("", logins[0].token);
    EXPECT_EQ("live", logins[0].name);
    EXPECT_EQ(sim::KelmothToken(server->challenge, "secret"), logins[1].token);
    EXPECT_EQ(sim::kKelmothAccepted, logins[1].status);

    ASSERT_TRUE(WaitProcessed(client.get(), 30));
    EXPECT_TRUE(client->IsDecoderReady());
    EXPECT_EQ(176, client->PictureWidth());
    EXPECT_EQ(144, client->PictureHeight());
    const QImage picture = *video.GetSurface();
    Keep(picture, "tessaly_play.png");
    // The last reference waits for the next one: frame 28 or 29 shows.
    const int shown = ShownIndex(picture);
    EXPECT_GE(shown, 27);
    EXPECT_LE(shown, 29);
    EXPECT_LT(MeanDifference(picture, QPoint(0, 0), shown, 176, 144), 4.0);

    EXPECT_EQ(1, client->Stop());
    const QImage stopped = *video.GetSurface();
    for (QPoint at : { QPoint(0, 0), QPoint(88, 72), QPoint(175, 143) })
        EXPECT_EQ(qRgb(0, 0, 0), stopped.pixel(at) | 0xFF000000u) << at.x() << "," << at.y();
    EXPECT_EQ(0, notify.failures);
}

TEST_F(KelmothFixture, PicturesShowInDisplayOrder)
{
    // Decoding order I P B P B ...: each reference shows when the next one
    // arrives, each B at once, so frames appear as 0, 1, 2, ... and the last
    // reference is still held back.
    class RecordingClient : public CKelmothClient
    {
    public:
        using CKelmothClient::CKelmothClient;
        std::vector<int> shown;

    protected:
        void DisplayFrame(
            unsigned char* y, unsigned char* u, unsigned char* v, int yStride, int uvStride) override
        {
            int index = 0;
            for (int bit = 0; bit < sim::kPatternCodeBits; ++bit)
                index = index * 2 + (y[8 * yStride + bit * sim::kPatternCodeBlock + 8] > 128 ? 1 : 0);
            shown.push_back(index);
            CKelmothClient::DisplayFrame(y, u, v, yStride, uvStride);
        }
    };
    for (int frames : { 1, 2, 3, 4, 9 }) {
        SCOPED_TRACE(frames);
        server->Stop();
        server->stream.frameCount = frames;
        StartServer();
        RecordingClient client(video.m_hWnd, notify.m_hWnd);
        ASSERT_EQ(0, Play(&client));
        ASSERT_TRUE(WaitProcessed(&client, frames));
        std::vector<int> expected;
        for (int i = 0; i + 1 < frames; ++i)
            expected.push_back(i);
        EXPECT_EQ(expected, client.shown);
        client.Stop();
    }
    // The stream really holds B-VOPs between its references.
    sim::Mpeg4PatternStream stream(176, 144);
    std::vector<int> types;
    sim::Mpeg4Frame frame;
    for (int i = 0; i < 5 && stream.Next(&frame); ++i)
        types.push_back(frame.vopType);
    EXPECT_EQ((std::vector<int> { 0, 1, 2, 1, 2 }), types);
}

TEST_F(KelmothFixture, RefusalsAndLocalFailuresComeBackFromPlay)
{
    struct Case {
        const char* what;
        const char* password;
        const char* name;
        std::function<void(sim::KelmothFaults&)> fault;
        int expected;
    } cases[] = {
        { "wrong password", "wrong", "live", nullptr, 1024 },
        { "unknown content", "secret", "nothing", nullptr, sim::kKelmothNoContent },
        { "second reply refuses with 256", "secret", "live", [](auto& f) { f.secondStatus = 256; }, 256 },
        { "first reply fails", "secret", "live", [](auto& f) { f.firstStatus = 1024; }, 1024 },
        { "reply announces 2000 bytes", "secret", "live", [](auto& f) { f.replyLength = 2000; }, 1024 },
        { "connection closed during login", "secret", "live",
            [](auto& f) { f.closeAfterFirstRequest = true; }, 1024 },
        { "first reply accepted still logs in", "secret", "live", [](auto& f) { f.firstStatus = 512; }, 0 },
        { "media frames ahead of the replies", "secret", "live", [](auto& f) { f.mediaBeforeReplies = true; },
            0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server->Stop();
        server->faults = sim::KelmothFaults {};
        if (c.fault)
            c.fault(server->faults);
        StartServer();
        auto client = NewClient();
        EXPECT_EQ(c.expected, Play(client.get(), c.password, c.name));
        client.reset();
    }
    EXPECT_EQ(0, notify.failures);
}

TEST_F(KelmothFixture, ARefusedConnectionFailsInConnect)
{
    StartServer();
    const uint16_t port = server->Port();
    server->Stop();
    auto client = NewClient();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(1024, Play(client.get(), "secret", "live", port));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(KelmothFixture, LoginTokenMatchesTheServersAndSurvivesLongPasswords)
{
    const std::string longPassword(1000, 'p');
    for (const std::string& password : { std::string(), std::string("secret"), longPassword }) {
        for (const char* challenge : { "", "5d41402abc4b2a76b9719d911017c592", "x" })
            EXPECT_EQ(sim::KelmothToken(challenge, password), tessaly::MakeLoginToken(challenge, password));
    }
    // A digest that starts with a zero byte gives an empty token.
    for (int i = 0; i < 100000; ++i) {
        const std::string challenge = std::to_string(i);
        if (sim::KelmothToken(challenge, "secret").empty()) {
            EXPECT_EQ("", tessaly::MakeLoginToken(challenge, "secret"));
            return;
        }
    }
    ADD_FAILURE() << "no challenge with an empty token found";
}

TEST_F(KelmothFixture, LongPasswordLogsIn)
{
    profile.password = std::string(200, 'k');
    server = std::make_unique<sim::KelmothServer>(profile);
    server->stream.frameCount = 3;
    StartServer();
    auto client = NewClient();
    EXPECT_EQ(0, Play(client.get(), profile.password.c_str()));
    EXPECT_TRUE(WaitProcessed(client.get(), 3));
}

TEST_F(KelmothFixture, DrawsIntoTheDoubleBufferedVideoWindow)
{
    // The screen-adjustment page's window: a picture blitted into it stays,
    // though the window paints its own black buffer when asked to paint.
    video.DestroyWindow();
    CDoubleBufferWnd window;
    ASSERT_TRUE(
        window.CreateEx(0, nullptr, "video", WS_POPUP | WS_VISIBLE, 0, 0, 360, 243, nullptr, nullptr));
    server->stream.frameCount = 5;
    StartServer();
    CKelmothClient client(window.m_hWnd, nullptr);
    ASSERT_EQ(0, Play(&client));
    ASSERT_TRUE(WaitProcessed(&client, 5));
    PumpWaitingMessages();
    const QImage picture = *window.GetSurface();
    Keep(picture, "tessaly_double_buffer.png");
    // 176 x 144 letterboxed into 360 x 243: 297 x 243 at x 31.
    const int shown = ShownIndex(picture.copy(31, 0, 297, 243).scaled(176, 144));
    EXPECT_EQ(3, shown);
    EXPECT_EQ(qRgb(0, 0, 0), picture.pixel(10, 120) | 0xFF000000u);
    client.Stop();
}

} // namespace
