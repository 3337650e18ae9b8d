// The renderers: the letterboxed place of the picture, the facade's choice
// of renderer, and a blit into a window checked pixel by pixel.
#include "KelmothFixture.h"

#include "viewer/tessaly/VideoRenderer.h"

namespace
{

using namespace tessaly;

TEST(Letterbox, KeepsThePicturesProportionsCentred)
{
    struct Case {
        RECT client;
        int width, height;
        RECT want;
    } cases[] = {
        { { 0, 0, 176, 144 }, 176, 144, { 0, 0, 176, 144 } },
        { { 0, 0, 352, 144 }, 176, 144, { 88, 0, 264, 144 } }, // twice as wide: bars left and right
        { { 0, 0, 176, 288 }, 176, 144, { 0, 72, 176, 216 } }, // twice as high: bars above and below
        { { 0, 0, 360, 243 }, 176, 144, { 31, 0, 328, 243 } },
        { { 0, 0, 360, 243 }, 720, 576, { 28, 0, 331, 243 } },
        { { 10, 20, 110, 70 }, 100, 100, { 35, 20, 85, 70 } },
        { { 0, 0, 0, 0 }, 176, 144, { 0, 0, 0, 0 } },
        { { 0, 0, 100, 100 }, 0, 144, { 0, 0, 0, 0 } },
    };
    for (const Case& c : cases) {
        const RECT got = LetterboxRect(c.client, c.width, c.height);
        EXPECT_EQ(c.want.left, got.left) << c.client.right << "x" << c.client.bottom;
        EXPECT_EQ(c.want.top, got.top) << c.client.right << "x" << c.client.bottom;
        EXPECT_EQ(c.want.right, got.right) << c.client.right << "x" << c.client.bottom;
        EXPECT_EQ(c.want.bottom, got.bottom) << c.client.right << "x" << c.client.bottom;
    }
}

TEST_F(KelmothFixture, TheFacadeOpensTheOffscreenRendererForEveryPictureFormat)
{
    CVideoRenderer renderer;
    EXPECT_EQ(0, renderer.GetFormat());
    EXPECT_EQ(0, renderer.Refresh()); // nothing open: every call gives 0
    EXPECT_EQ(0, renderer.Open(video.m_hWnd, 176, 144, 5));
    EXPECT_EQ(0, renderer.Open(nullptr, 176, 144, RENDER_RGB32));
    EXPECT_EQ(0, renderer.Open(video.m_hWnd, 0, 144, RENDER_RGB32));
    for (int format : { RENDER_RGB16, RENDER_RGB24, RENDER_RGB32, RENDER_YV12, RENDER_YUY2, RENDER_UYVY }) {
        EXPECT_EQ(1, renderer.Open(video.m_hWnd, 176, 144, format)) << format;
        // No overlay here: the off-screen renderer, in the screen's depth.
        EXPECT_EQ(RENDER_RGB32, renderer.GetFormat()) << format;
    }
    renderer.Close();
    EXPECT_EQ(0, renderer.GetFormat());
}

TEST_F(KelmothFixture, DrawBlitsThePictureLetterboxedIntoTheWindow)
{
    // A 4 x 2 picture of distinct colours into a 160 x 40 window: it fills
    // 80 x 40 in the middle; the window's own pixels stay at the sides.
    video.DestroyWindow();
    MakeWindow(&video, 160, 40);
    const QRgb background = video.GetSurface()->pixel(0, 0);
    const uint32_t colours[8]
        = { 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080, 0xFFFF00, 0x00FFFF, 0xFF00FF };
    CVideoRenderer renderer;
    ASSERT_EQ(1, renderer.Open(video.m_hWnd, 4, 2, RENDER_RGB32));
    ASSERT_EQ(1, renderer.Draw(colours, nullptr, 0, 1));
    QImage picture = *video.GetSurface();
    Keep(picture, "tessaly_letterbox.png");
    EXPECT_EQ(background, picture.pixel(39, 20));
    EXPECT_EQ(background, picture.pixel(120, 20));
    for (int i = 0; i < 8; ++i) {
        const QPoint at(40 + (i % 4) * 20 + 10, (i / 4) * 20 + 10);
        EXPECT_EQ(colours[i], picture.pixel(at) & 0xFFFFFFu) << i;
    }
    // Bottom-up pictures come out the right way round.
    uint32_t flipped[8];
    for (int i = 0; i < 8; ++i)
        flipped[i] = colours[(1 - i / 4) * 4 + i % 4];
    ASSERT_EQ(1, renderer.Draw(flipped, nullptr, 0, 0));
    picture = *video.GetSurface();
    EXPECT_EQ(colours[0], picture.pixel(50, 10) & 0xFFFFFFu);
    EXPECT_EQ(colours[4], picture.pixel(50, 30) & 0xFFFFFFu);

    // A window made taller: Refresh places the last picture again.
    video.MoveWindow(0, 0, 40, 160);
    ASSERT_EQ(1, renderer.Refresh());
    picture = *video.GetSurface();
    Keep(picture, "tessaly_letterbox_tall.png");
    EXPECT_EQ(colours[0], picture.pixel(5, 75) & 0xFFFFFFu);
    EXPECT_EQ(colours[7], picture.pixel(35, 85) & 0xFFFFFFu);
    EXPECT_EQ(colours[0], picture.pixel(5, 70) & 0xFFFFFFu);
    EXPECT_NE(colours[0], picture.pixel(5, 69) & 0xFFFFFFu);
}

TEST_F(KelmothFixture, PlayIntoAWideWindowLetterboxesAndUpdateBoundsFollowsTheWindow)
{
    video.DestroyWindow();
    MakeWindow(&video, 352, 144);
    server->stream.frameCount = 6;
    StartServer();
    auto client = NewClient();
    ASSERT_EQ(0, Play(client.get()));
    ASSERT_TRUE(WaitProcessed(client.get(), 6));
    QImage picture = *video.GetSurface();
    Keep(picture, "tessaly_play_wide.png");
    EXPECT_EQ(4, ShownIndex(picture, QPoint(88, 0)));
    EXPECT_LT(MeanDifference(picture, QPoint(88, 0), 4, 176, 144), 4.0);

    video.MoveWindow(0, 0, 176, 288);
    EXPECT_EQ(1, client->UpdateBounds());
    picture = *video.GetSurface();
    EXPECT_EQ(4, ShownIndex(picture, QPoint(0, 72)));
    EXPECT_LT(MeanDifference(picture, QPoint(0, 72), 4, 176, 144), 4.0);
    client->Stop();
}

} // namespace
