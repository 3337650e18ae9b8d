// The live preview, headless: frames decoded upright (and turned back when
// the camera sends them upside down) into its picture, "No Video" and
// "Disabled Channel", the area rectangle edited with the mouse and keys,
// and, against the simulated camera, moving frames, a channel without video
// and PTZ moves from the picture and the levers. Pictures are kept under the
// build folder.
#include "controls/LevelBarDlg.h"
#include "controls/VideoPreviewWnd.h"

#include "link/WindowMessages.h"
#include "platform/base/TestServices.h"
#include "platform/decoder/FrameEncoder.h"
#include "tests/controls/PreviewTestTools.h"
#include "tests/pages/SetupTestResources.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

namespace
{

constexpr COLORREF kRed = RGB(230, 20, 20);
constexpr COLORREF kGreen = RGB(20, 200, 40);
constexpr COLORREF kBlue = RGB(30, 40, 220);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOutline = RGB(216, 176, 103);

COLORREF At(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Whether any pixel of the area is white, or nearly (text is smoothed).
bool AnyWhite(const QImage& image, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const COLORREF c = At(image, x, y);
            if (GetRValue(c) > 180 && GetGValue(c) > 180 && GetBValue(c) > 180)
                return true;
        }
    return false;
}

// A 360 x 243 picture in four quarters: red, green / blue, white.
frame601::Picture Quarters(bool turned)
{
    frame601::Picture p(360, 243);
    for (int y = 0; y < 243; ++y)
        for (int x = 0; x < 360; ++x) {
            const bool right = x >= 180, bottom = y >= 121;
            COLORREF c = bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed);
            uint8_t* px = turned ? p.Pixel(359 - x, 242 - y) : p.Pixel(x, y);
            px[0] = GetBValue(c);
            px[1] = GetGValue(c);
            px[2] = GetRValue(c);
        }
    return p;
}

// A frame record as the camera client fills its slot.
std::unique_ptr<plinto::tagONLINEFRAME> Frame(const frame601::Picture& picture, BYTE kind, bool rotated)
{
    auto frame = std::make_unique<plinto::tagONLINEFRAME>();
    const std::vector<uint8_t> payload
        = frame601::Encode(frame601::RunLength, picture, frame601::Flags(kind, false, rotated));
    frame->byKind = kind;
    frame->nNtsc = 1;
    frame->nRotated = rotated ? 1 : 0;
    frame->dwPayloadLength = DWORD(payload.size());
    std::memcpy(frame->byPayload, payload.data(), payload.size());
    return frame;
}

// The window the preview reports area selections to.
class ParentWnd : public CWnd
{
public:
    int areaSelected = 0;

protected:
    LRESULT OnAreaSelected(WPARAM, LPARAM)
    {
        ++areaSelected;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
ON_MESSAGE(WM_PREVIEW_AREA_SELECTED, OnAreaSelected)
END_MESSAGE_MAP()

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, 0, 0, 640, 300, nullptr, nullptr));
        preview = std::make_unique<CVideoPreviewWnd>();
        ASSERT_TRUE(preview->CreateEx(WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE,
            CRect(240, 36, 601, 281), &parent, 1300));
        preview->GetClientRect(&client);
    }
    void TearDown() override
    {
        if (preview->m_hWnd)
            preview->DestroyWindow();
        preview.reset();
        parent.DestroyWindow();
    }
    // What the window shows once its messages are handled.
    QImage Shown(const char* keep = nullptr)
    {
        PumpWaitingMessages();
        QImage image = preview->GetSurface()->copy();
        if (keep)
            image.save(QString(SUITE_BUILD_DIR "/") + keep);
        return image;
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QWidget* widget = preview->GetWidget();
        QMouseEvent event(type, at, widget->mapToGlobal(at),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseMove, from, Qt::NoButton);
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
        PumpWaitingMessages();
    }

    ParentWnd parent;
    std::unique_ptr<CVideoPreviewWnd> preview;
    CRect client;
};

TEST_F(Preview, FrameIsShownUprightAndTurnedBackWhenFlagged)
{
    const int w = client.Width(), h = client.Height();
    ASSERT_GT(w, 300);
    ASSERT_GT(h, 200);
    for (bool rotated : { false, true }) {
        auto frame = Frame(Quarters(rotated), 2, rotated);
        ASSERT_TRUE(preview->DrawFrame(frame.get()));
        const QImage shown = Shown(rotated ? "preview_frame_rotated.png" : "preview_frame_upright.png");
        EXPECT_EQ(At(shown, 20, 20), kRed) << rotated;
        EXPECT_EQ(At(shown, w - 20, 20), kGreen) << rotated;
        EXPECT_EQ(At(shown, 20, h - 20), kBlue) << rotated;
        EXPECT_EQ(At(shown, w - 20, h - 20), kWhite) << rotated;
    }
}

TEST_F(Preview, EmptyOrRefusedFramesAndStatusTexts)
{
    auto frame = Frame(Quarters(false), 2, false);
    ASSERT_TRUE(preview->DrawFrame(frame.get()));
    // A payload the decoder cannot read changes nothing.
    auto foreign = Frame(Quarters(false), 2, false);
    std::memset(foreign->byPayload, 0x5A, 64);
    EXPECT_FALSE(preview->DrawFrame(foreign.get()));
    EXPECT_EQ(At(Shown(), 20, 20), kRed);
    // A length the slot cannot hold is no frame.
    foreign->dwPayloadLength = plinto::FRAME_PAYLOAD_ROOM + 1;
    EXPECT_FALSE(preview->DrawFrame(foreign.get()));

    // An empty payload shows "No Video" although the decoder was asked.
    frame->dwPayloadLength = 0;
    EXPECT_TRUE(preview->DrawFrame(frame.get()));
    QImage shown = Shown("preview_no_video.png");
    EXPECT_NE(At(shown, 20, 20), kRed);
    EXPECT_TRUE(AnyWhite(shown, 10, 10, 70, 30));
    EXPECT_FALSE(AnyWhite(shown, 75, 10, 200, 30));

    preview->ShowStatus(2);
    shown = Shown("preview_disabled_channel.png");
    EXPECT_TRUE(AnyWhite(shown, 75, 10, 105, 30)); // "Disabled Channel" is the longer text
    EXPECT_FALSE(AnyWhite(shown, 0, 40, client.Width(), client.Height()));
    preview->ShowStatus(0);
    EXPECT_FALSE(AnyWhite(Shown(), 0, 0, client.Width(), client.Height()));
}

TEST_F(Preview, KindChangeClearsThePictureFirst)
{
    // A small picture of kind 0 is stretched over the whole window ...
    frame601::Picture small(92, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 92; ++x)
            small.Pixel(x, y)[1] = 200;
    auto frame = Frame(small, 0, false);
    ASSERT_TRUE(preview->DrawFrame(frame.get()));
    EXPECT_EQ(At(Shown(), 100, 100), RGB(0, 200, 0));
    auto quarters = Frame(Quarters(false), 2, false);
    ASSERT_TRUE(preview->DrawFrame(quarters.get()));
    EXPECT_EQ(At(Shown(), 100, 100), kRed);
}

TEST(PreviewPicture, RotatesPixelsBy180Degrees)
{
    struct Case {
        int width, height;
    } cases[] = { { 3, 3 }, { 4, 2 }, { 5, 1 }, { 1, 4 } };
    for (const Case& c : cases) {
        std::vector<BYTE> pixels(size_t(c.width * c.height * 3));
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = BYTE(i);
        std::vector<BYTE> turned = pixels;
        CVideoPreviewWnd::RotatePicture180(turned.data(), c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(turned[size_t((y * c.width + x) * 3 + k)],
                        pixels[size_t(((c.height - 1 - y) * c.width + (c.width - 1 - x)) * 3 + k)])
                        << c.width << "x" << c.height;
    }
}

TEST(PreviewArea, HitTestAgainstTheArea)
{
    const RECT area { 100, 50, 200, 150 };
    struct Case {
        CPoint point;
        CVideoPreviewWnd::AreaHit hit;
    } cases[] = {
        { { 150, 100 }, CVideoPreviewWnd::HIT_INSIDE },
        { { 100, 50 }, CVideoPreviewWnd::HIT_INSIDE },
        { { 97, 47 }, CVideoPreviewWnd::HIT_TOP_LEFT },
        { { 203, 46 }, CVideoPreviewWnd::HIT_TOP_RIGHT },
        { { 96, 154 }, CVideoPreviewWnd::HIT_BOTTOM_LEFT },
        { { 200, 150 }, CVideoPreviewWnd::HIT_BOTTOM_RIGHT },
        { { 150, 46 }, CVideoPreviewWnd::HIT_TOP },
        { { 150, 154 }, CVideoPreviewWnd::HIT_BOTTOM },
        { { 96, 100 }, CVideoPreviewWnd::HIT_LEFT },
        { { 204, 100 }, CVideoPreviewWnd::HIT_RIGHT },
        { { 205, 100 }, CVideoPreviewWnd::HIT_OUTSIDE },
        { { 10, 10 }, CVideoPreviewWnd::HIT_OUTSIDE },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CVideoPreviewWnd::HitTestArea(area, c.point), c.hit) << c.point.x << "," << c.point.y;
}

TEST_F(Preview, AreaIsDrawnByDraggingAndReportedToTheParent)
{
    preview->m_bAreaLocked = false;
    auto frame = Frame(Quarters(false), 2, false);
    ASSERT_TRUE(preview->DrawFrameWithArea(frame.get()));
    Drag({ 50, 60 }, { 200, 150 });
    EXPECT_EQ(CRect(preview->m_rcArea), CRect(50, 60, 200, 150));
    EXPECT_EQ(parent.areaSelected, 1);
    QImage shown = Shown("preview_area.png");
    EXPECT_EQ(At(shown, 50, 100), kOutline);
    EXPECT_EQ(At(shown, 120, 150), kOutline);
    EXPECT_EQ(At(shown, 120, 100), kRed);

    // Moved by its inside, it stops at the right and bottom limits.
    Drag({ 100, 100 }, { 330, 240 });
    EXPECT_EQ(CRect(preview->m_rcArea), CRect(206, 148, 356, 238));
    EXPECT_EQ(parent.areaSelected, 2);

    // The arrow keys move it a pixel per repeat; at the edge they stop.
    preview->m_rcArea = RECT { 2, 50, 100, 150 };
    preview->SendMessage(WM_KEYDOWN, VK_LEFT, 5);
    EXPECT_EQ(CRect(preview->m_rcArea), CRect(0, 50, 98, 150));

    // A rectangle not wider than a seventh of the window is dropped.
    Drag({ 20, 20 }, { 60, 120 });
    EXPECT_EQ(CRect(preview->m_rcArea), CRect(0, 0, 0, 0));
    // So is the area after a click outside it.
    Drag({ 50, 60 }, { 200, 150 });
    ASSERT_EQ(CRect(preview->m_rcArea), CRect(50, 60, 200, 150));
    Drag({ 300, 200 }, { 300, 200 });
    EXPECT_EQ(CRect(preview->m_rcArea), CRect(0, 0, 0, 0));

    // A locked area stays as it is.
    preview->m_bAreaLocked = true;
    Drag({ 50, 60 }, { 200, 150 });
    EXPECT_EQ(CRect(preview->m_rcArea), CRect(0, 0, 0, 0));
}

TEST_F(Preview, LoadedAreaIsTakenIntoThePicturesCoordinates)
{
    struct Case {
        bool ntsc, rotated;
        CRect expected;
    } cases[] = {
        { false, false, CRect(50, 35, 150, 175) },
        { true, false, CRect(50, 60, 150, 200) },
        { false, true, CRect(210, 68, 310, 208) },
    };
    for (const Case& c : cases) {
        auto frame = Frame(Quarters(c.rotated), 2, c.rotated);
        frame->nNtsc = c.ntsc ? 1 : 0;
        preview->m_rcArea = preview->m_rcTrack = RECT { 50, 60, 150, 200 };
        preview->m_bAdjustArea = true;
        ASSERT_TRUE(preview->DrawFrameWithArea(frame.get()));
        EXPECT_FALSE(preview->m_bAdjustArea);
        EXPECT_EQ(preview->m_bNtsc, c.ntsc);
        EXPECT_EQ(preview->m_bRotated, c.rotated);
        EXPECT_EQ(CRect(preview->m_rcArea), c.expected);
        EXPECT_EQ(CRect(preview->m_rcTrack), c.expected);
    }
}

// Against the simulated camera on loopback, as the current device.
class PreviewLive : public Preview, public LiveCamera
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Start());
        Preview::SetUp();
    }
    void TearDown() override
    {
        Preview::TearDown();
        camera.reset();
    }
    // The frame number the window shows, -1 when none reads.
    int64_t ShownNumber(const QImage& shown)
    {
        const QImage rgb = shown.convertToFormat(QImage::Format_BGR888);
        return sim::ReadPatternNumber(
            rgb.constBits(), client.Width(), client.Height(), int(rgb.bytesPerLine()), false, 360, 288);
    }
    size_t Count(uint16_t id) const { return Received(id).size(); }
    bool PumpUntil(const std::function<bool()>& done, int ms = 10000)
    {
        return PumpMessagesUntil(done, DWORD(ms));
    }
};

TEST_F(PreviewLive, ShowsMovingFramesFromTheCamera)
{
    ASSERT_TRUE(preview->StartVideo(1));
    ASSERT_TRUE(preview->IsStreaming());
    std::vector<int64_t> numbers;
    for (int i = 0; i < 4; ++i) {
        const size_t acks = Count(0x2302);
        ASSERT_TRUE(PumpUntil([&] { return Count(0x2302) > acks; }));
        char name[64];
        std::snprintf(name, sizeof name, "preview_live_%d.png", i);
        const int64_t number = ShownNumber(Shown(name));
        ASSERT_GE(number, 0) << i;
        numbers.push_back(number);
        if (i > 0) {
            EXPECT_GT(numbers[size_t(i)], numbers[size_t(i) - 1]);
        }
    }
    // One frame in flight: every frame sent was acknowledged before the next.
    EXPECT_LE(camera->FramesSent(), Count(0x2302) + 1);

    // A camera that hangs upside down is shown upright.
    sim::CameraPictureSettings turned;
    turned.rotated = true;
    camera->SetPicture(turned);
    const size_t acks = Count(0x2302);
    ASSERT_TRUE(PumpUntil([&] { return Count(0x2302) > acks + 2; }));
    EXPECT_GE(ShownNumber(Shown("preview_live_rotated.png")), 0);

    preview->StopVideo();
    EXPECT_TRUE(PumpUntil([&] { return Count(0x2005) == 1; }));
    EXPECT_FALSE(AnyWhite(Shown(), 0, 0, client.Width(), client.Height()));
}

TEST_F(PreviewLive, ChannelWithoutVideoShowsNoVideoAndAsksOn)
{
    camera->SetChannelVideo(1, false);
    ASSERT_TRUE(preview->StartVideo(1));
    ASSERT_TRUE(PumpUntil([&] { return Count(0x2302) >= 3; }));
    const QImage shown = Shown("preview_live_no_video.png");
    EXPECT_TRUE(AnyWhite(shown, 10, 10, 70, 30));
    // Nothing of the picture: black below the text.
    for (int y = 40; y < client.Height(); y += 10)
        for (int x = 0; x < client.Width(); x += 10)
            ASSERT_EQ(At(shown, x, y), RGB(0, 0, 0)) << x << "," << y;
}

TEST_F(PreviewLive, PtzMovesFromThePictureAndTheLevers)
{
    preview->EnablePtz(TRUE);
    ASSERT_TRUE(preview->StartVideo(1));
    ASSERT_TRUE(PumpUntil([&] { return preview->IsPtzLoggedIn(); }));
    ASSERT_EQ(Count(0x2010), 1u);

    // A press in the middle starts a pan and tilt without movement; the
    // release stops it.
    const QPoint centre((client.Width() + 1) / 2, client.Height() / 2);
    ASSERT_EQ(CVideoPreviewWnd::PointerValue(centre.x(), client.Width()), 64) << client.Width();
    ASSERT_EQ(127 - CVideoPreviewWnd::PointerValue(centre.y(), client.Height()), 64) << client.Height();
    Mouse(QEvent::MouseButtonPress, centre, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, centre, Qt::NoButton);
    ASSERT_TRUE(PumpUntil([&] { return Received(0xE013).size() == 1; }));
    ASSERT_EQ(Received(0xE011).size(), 1u);
    EXPECT_EQ(Received(0xE011)[0].body, (sim::Bytes { 0, 1, 0, 0, 64, 64 }));
    EXPECT_EQ(Received(0xE013)[0].body, (sim::Bytes { 0, 1, 0, 0, 64, 64 }));

    // The zoom lever: a start, repeats every 200 ms while held, a stop.
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    CLevelBarDlg* zoom = preview->GetZoomBar();
    ASSERT_NE(zoom, nullptr);
    zoom->MoveWindow(0, 0, 20, 200);
    zoom->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 100));
    clock.Advance(200);
    PumpWaitingMessages();
    clock.Advance(200);
    PumpWaitingMessages();
    zoom->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 0));
    ASSERT_TRUE(PumpUntil([&] { return Received(0xE013).size() == 2; }));
    ASSERT_EQ(Received(0xE011).size(), 2u);
    EXPECT_EQ(Received(0xE011)[1].body, (sim::Bytes { 0, 1, 0, 1, 127 - 64, 0 }));
    EXPECT_EQ(Received(0xE012).size(), 2u);
    EXPECT_EQ(Received(0xE013)[1].body, (sim::Bytes { 0, 1, 0, 1, 127, 0 }));

    preview->GotoPreset(3);
    preview->SetPreset(4);
    ASSERT_TRUE(PumpUntil([&] { return Received(0x2018).size() == 2; }));
    EXPECT_EQ(Received(0x2018)[0].body, (sim::Bytes { 0, 1, 0, 0, 0, 3 }));
    EXPECT_EQ(Received(0x2018)[1].body, (sim::Bytes { 0, 1, 0, 1, 0, 4 }));
}

} // namespace
