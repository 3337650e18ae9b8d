// The DVR viewer window headless against the simulated DVR: the picture
// upright and turned, sizes by resolution code, the PTZ cross, drag and
// bars, the motion grid and its editing, and Stop. Pictures are kept under
// the build folder.
#include "link/WindowMessages.h"
#include "sim/DvrStreamServer.h"
#include "viewer/quenby/BriselViewer.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>

#include <cstring>
#include <memory>

using namespace quenby;

namespace
{

constexpr char kHost[] = "127.0.0.1";
constexpr int kWidth = 360, kHeight = 243;

COLORREF At(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(int(GetRValue(a)) - GetRValue(b)) < 40 && std::abs(int(GetGValue(a)) - GetGValue(b)) < 40
        && std::abs(int(GetBValue(a)) - GetBValue(b)) < 40;
}

class QuenbyViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dvr.Start(kHost, 0));
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, 420, 300, nullptr, nullptr));
    }

    void Make(bool ptz = false)
    {
        viewer = std::make_unique<CBriselViewer>(ptz, false);
        viewer->Init(parent.GetSafeHwnd());
        ASSERT_NE(nullptr, viewer->GetSafeHwnd());
        viewer->MoveWindow(0, 0, kWidth, kHeight);
    }

    bool StartVideo(int channel = 1)
    {
        return viewer->Start(kHost, static_cast<short>(dvr.Port()), "admin", "admin", channel);
    }

    QImage Picture() const { return viewer->GetSurface()->copy(); }

    // Puts the mouse over the viewer's client point.
    void PutMouse(int x, int y)
    {
        CPoint at(x, y);
        viewer->ClientToScreen(&at);
        QCursor::setPos(at.x, at.y);
    }

    // Waits until `n` more video frames went out and were painted.
    bool Frames(uint32_t n)
    {
        const uint32_t until = dvr.FramesSent() + n;
        const bool sent = PumpMessagesUntil([&] { return dvr.FramesSent() >= until; }, 10000);
        // The last one's paint.
        PumpMessagesUntil([] { return false; }, 60);
        return sent;
    }

    bool WaitForColour(int x, int y, COLORREF colour)
    {
        return PumpMessagesUntil([&] { return Near(At(Picture(), x, y), colour); }, 10000);
    }

    sim::DvrStreamServer dvr { sim::MakeProfile(4, 2) };
    CWnd parent;
    std::unique_ptr<CBriselViewer> viewer;
};

TEST_F(QuenbyViewerTest, FramesArePaintedUprightEvenWhenSentUpsideDown)
{
    sim::DvrPicture picture;
    picture.withAudioAndText = true; // audio and text frames are no pictures
    dvr.SetPicture(picture);
    Make();
    ASSERT_TRUE(StartVideo(1));
    ASSERT_TRUE(WaitForColour(20, 20, sim::kMarkTopLeft));
    QImage upright = Picture();
    upright.save(SUITE_BUILD_DIR "/quenby_upright.png");
    EXPECT_TRUE(Near(sim::kMarkBottomRight, At(upright, kWidth - 20, kHeight - 20)));
    EXPECT_TRUE(Near(sim::kBackground, At(upright, kWidth - 20, 20)));

    picture.rotated = true;
    dvr.SetPicture(picture);
    ASSERT_TRUE(Frames(3));
    const QImage turned = Picture();
    turned.save(SUITE_BUILD_DIR "/quenby_rotated.png");
    EXPECT_TRUE(Near(sim::kMarkTopLeft, At(turned, 20, 20)));
    EXPECT_TRUE(Near(sim::kMarkBottomRight, At(turned, kWidth - 20, kHeight - 20)));
    EXPECT_TRUE(Near(sim::kBackground, At(turned, 20, kHeight - 20)));
}

TEST_F(QuenbyViewerTest, ResolutionCodesGiveThePictureSizes)
{
    Make();
    ASSERT_TRUE(StartVideo(2));
    const struct {
        int code;
        CSize size;
    } cases[] = { { 0, CSize(360, 243) }, { 3, CSize(720, 243) }, { 1, CSize(360, 243) },
        { 4, CSize(720, 486) }, { 2, CSize(360, 243) } };
    for (const auto& c : cases) {
        sim::DvrPicture picture;
        picture.resolution = c.code;
        dvr.SetPicture(picture);
        ASSERT_TRUE(Frames(3));
        EXPECT_EQ(c.size, viewer->PictureSize()) << c.code;
        // Stretched into the window whatever its size.
        EXPECT_TRUE(Near(sim::kMarkTopLeft, At(Picture(), 20, 20))) << c.code;
        EXPECT_TRUE(Near(sim::kMarkBottomRight, At(Picture(), kWidth - 20, kHeight - 20))) << c.code;
    }
    Picture().save(SUITE_BUILD_DIR "/quenby_720x486.png");
}

TEST_F(QuenbyViewerTest, StartRefusesOverlongCredentials)
{
    Make();
    EXPECT_FALSE(viewer->Start(kHost, static_cast<short>(dvr.Port()), "admin", "12345678901234567", 1));
    EXPECT_FALSE(viewer->Start(kHost, static_cast<short>(dvr.Port()), nullptr, "admin", 1));
    EXPECT_TRUE(viewer->Start(kHost, static_cast<short>(dvr.Port()), "admin", "1234567890123456", 1))
        << "sixteen characters fill the field";
    PumpMessagesUntil([&] { return !dvr.Log().empty(); }, 10000);
    EXPECT_EQ(1u, dvr.Requests(0x2016).size()) << "the refused starts made no connection";
}

TEST_F(QuenbyViewerTest, StopPaintsBlackAndLogsOut)
{
    Make();
    ASSERT_TRUE(StartVideo(1));
    ASSERT_TRUE(WaitForColour(20, 20, sim::kMarkTopLeft));
    EXPECT_TRUE(viewer->Stop());
    PumpMessagesUntil([] { return false; }, 100);
    const QImage black = Picture();
    black.save(SUITE_BUILD_DIR "/quenby_stopped.png");
    for (CPoint p : { CPoint(20, 20), CPoint(180, 120), CPoint(kWidth - 20, kHeight - 20) })
        EXPECT_EQ(RGB(0, 0, 0), At(black, p.x, p.y));
    viewer->Redraw();
    EXPECT_EQ(RGB(0, 0, 0), At(Picture(), 20, 20)) << "a repaint stays black";
    EXPECT_EQ(1u, dvr.Requests(0x2005).size());
}

TEST_F(QuenbyViewerTest, MotionGridIsDrawnOverThePictureAndEditedByDragging)
{
    Make();
    ASSERT_TRUE(StartVideo(1));
    ASSERT_TRUE(WaitForColour(20, 20, sim::kMarkTopLeft));
    bool cells[kMdCells] = {};
    cells[0] = cells[63] = true;
    viewer->SetMDAreaValue(cells);
    viewer->ShowMDArea(true);
    ASSERT_TRUE(Frames(2));
    QImage grid = Picture();
    grid.save(SUITE_BUILD_DIR "/quenby_grid_8x8.png");
    // 8 x 8 cells of 45 x 30: grey outlines, the set ones hatched in red
    // over the picture.
    EXPECT_EQ(RGB(0xB2, 0xB2, 0xB2), At(grid, 45, 100));
    EXPECT_EQ(RGB(0xB2, 0xB2, 0xB2), At(grid, 100, 30));
    auto redIn = [&](const QImage& image, CRect cell) {
        int red = 0;
        for (int y = cell.top + 2; y < cell.bottom - 2; ++y)
            for (int x = cell.left + 2; x < cell.right - 2; ++x)
                red += At(image, x, y) == RGB(0xFF, 0, 0);
        return red;
    };
    EXPECT_GT(redIn(grid, CRect(0, 0, 45, 30)), 10);
    EXPECT_GT(redIn(grid, CRect(315, 210, 360, 240)), 10);
    EXPECT_EQ(0, redIn(grid, CRect(45, 0, 90, 30)));
    EXPECT_TRUE(Near(sim::kMarkTopLeft, At(grid, 60, 10))) << "the picture shows between the lines";

    // A click toggles its cell; a drag toggles the rectangle it spans.
    viewer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 35));
    viewer->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 35));
    EXPECT_TRUE(viewer->MdAreaGrid[9]);
    viewer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 35));
    viewer->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 70));
    const QImage dragging = Picture();
    EXPECT_EQ(RGB(0xFF, 0, 0), At(dragging, 45, 50)) << "the selection's frame";
    viewer->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 70));
    std::vector<int> set;
    for (int i = 0; i < kMdCells; ++i)
        if (viewer->MdAreaGrid[i])
            set.push_back(i);
    EXPECT_EQ(std::vector<int>({ 0, 10, 17, 18, 63 }), set);

    // 16 x 16 fixed cells.
    viewer->SetMdBlockSize(true, 16, 16, 22, 15);
    bool all[kMdCells] = {};
    all[255] = all[17] = true;
    viewer->SetMDAreaValue(all);
    ASSERT_TRUE(Frames(2));
    QImage fine = Picture();
    fine.save(SUITE_BUILD_DIR "/quenby_grid_16x16.png");
    EXPECT_GT(redIn(fine, CRect(22, 15, 44, 30)), 5);
    EXPECT_GT(redIn(fine, CRect(330, 225, 352, 240)), 5);
    EXPECT_EQ(RGB(0xB2, 0xB2, 0xB2), At(fine, 22 * 3, 100));
    viewer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(22 * 4 + 3, 15 * 2 + 3));
    viewer->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(22 * 4 + 3, 15 * 2 + 3));
    EXPECT_TRUE(viewer->MdAreaGrid[2 * 16 + 4]);

    viewer->ShowMDArea(false);
    viewer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    viewer->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(viewer->MdAreaGrid[0]) << "a hidden grid is not edited";
}

TEST_F(QuenbyViewerTest, PtzCrossDragAndBarsMoveTheCamera)
{
    Make(true);
    ASSERT_TRUE(StartVideo(3));
    ASSERT_TRUE(PumpMessagesUntil([&] { return viewer->IsPtzReady(); }, 10000));
    const auto login = dvr.Requests(0x2010);
    ASSERT_EQ(1u, login.size());
    EXPECT_EQ(3, login.front().body[32]) << "the PTZ link moves the viewer's channel";

    // The cross shows while the mouse is over the picture.
    auto grey = [](const QImage& image) {
        int dots = 0;
        for (int x = kWidth / 4; x < kWidth - kWidth / 4; ++x)
            dots += At(image, x, kHeight / 2) == RGB(0xB4, 0xB4, 0xB4);
        for (int y = kHeight / 4; y < kHeight - kHeight / 4; ++y)
            dots += At(image, kWidth / 2, y) == RGB(0xB4, 0xB4, 0xB4);
        return dots;
    };
    PutMouse(kWidth + 40, 10);
    ASSERT_TRUE(Frames(2));
    EXPECT_EQ(0, grey(Picture())) << "no cross while the mouse is elsewhere";
    PutMouse(100, 100);
    ASSERT_TRUE(Frames(2));
    const QImage cross = Picture();
    cross.save(SUITE_BUILD_DIR "/quenby_ptz_cross.png");
    EXPECT_GT(grey(cross), 80) << "the dotted lines";
    PutMouse(kWidth + 40, 10);
    ASSERT_TRUE(Frames(2));
    EXPECT_EQ(0, grey(Picture())) << "gone with the mouse";
    PutMouse(100, 100);

    // Dragging the picture pans and tilts.
    viewer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kWidth, 0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return !dvr.Requests(0xE011).empty(); }, 10000));
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 0, 127, 127 }), dvr.Requests(0xE011).back().body);
    viewer->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kWidth, 0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return !dvr.Requests(0xE013).empty(); }, 10000));
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 0, 64, 64 }), dvr.Requests(0xE013).back().body);

    // A bar's level: 63 is the middle, which stops the zoom.
    viewer->SendMessage(WM_PTZ_MOVE, WPARAM(1) << 16 | 0xE012, 63);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !dvr.Requests(0xE012).empty(); }, 10000));
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 1, 64, 0 }), dvr.Requests(0xE012).back().body);

    // The bars show when the mouse comes near a side.
    PutMouse(15, 100);
    viewer->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(15, 100));
    ASSERT_NE(nullptr, viewer->ZoomBar());
    EXPECT_TRUE(viewer->ZoomBar()->IsWindowVisible());
    EXPECT_TRUE(viewer->FocusBar()->IsWindowVisible());
    CRect bar;
    viewer->ZoomBar()->GetClientRect(&bar);
    EXPECT_EQ(CRect(0, 0, 20, kHeight - 20), bar);
    // Holding the zoom bar's thumb at y = 100 of 223: level 57, sent as 127 - 57.
    viewer->ZoomBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 100));
    viewer->ZoomBar()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, uint16_t(-5)));
    ASSERT_TRUE(PumpMessagesUntil(
        [&] { return dvr.Requests(0xE011).size() > 1 && dvr.Requests(0xE013).size() > 1; }, 10000));
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 1, 70, 0 }), dvr.Requests(0xE011).back().body);
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 1, 127, 0 }), dvr.Requests(0xE013).back().body)
        << "released above the bar: level 0";
    viewer->GotoPreset(2);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !dvr.Requests(0xE014).empty(); }, 10000));
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 0, 0, 2 }), dvr.Requests(0xE014).back().body);
}

TEST_F(QuenbyViewerTest, EachViewerKeepsItsOwnDevice)
{
    sim::DvrStreamServer other(sim::MakeProfile(4, 2));
    ASSERT_TRUE(other.Start("127.0.0.2", 0));
    Make(true);
    CBriselViewer second(true, false);
    second.Init(parent.GetSafeHwnd());
    second.MoveWindow(0, 0, kWidth, kHeight);
    ASSERT_TRUE(StartVideo(1));
    ASSERT_TRUE(second.Start("127.0.0.2", static_cast<short>(other.Port()), "admin", "admin", 2));
    ASSERT_TRUE(PumpMessagesUntil([&] { return viewer->IsPtzReady() && second.IsPtzReady(); }, 10000));
    ASSERT_EQ(1u, dvr.Requests(0x2010).size());
    ASSERT_EQ(1u, other.Requests(0x2010).size());
    EXPECT_EQ(1, dvr.Requests(0x2010).front().body[32]);
    EXPECT_EQ(2, other.Requests(0x2010).front().body[32]);
}

} // namespace
