// The zoom and focus lever: the level of a press, the start, repeat and stop
// messages its target receives while the thumb is held, and its picture.
#include "controls/LevelBarDlg.h"

#include "link/WindowMessages.h"
#include "platform/base/TestServices.h"
#include "tests/controls/PreviewTestTools.h"
#include "tests/pages/SetupTestResources.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <vector>

namespace
{

struct Move {
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Move&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Move& m)
{
    return out << std::hex << "{" << m.wParam << ", " << std::dec << m.lParam << "}";
}

// The window the lever reports to.
class TargetWnd : public CWnd
{
public:
    std::vector<Move> moves;

protected:
    LRESULT OnPtzMove(WPARAM wParam, LPARAM lParam)
    {
        moves.push_back({ wParam, lParam });
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TargetWnd, CWnd)
ON_MESSAGE(WM_PTZ_MOVE, OnPtzMove)
END_MESSAGE_MAP()

COLORREF At(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

class LevelBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        ASSERT_TRUE(
            target.CreateEx(0, nullptr, "preview", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
        ASSERT_TRUE(zoom.Create(CLevelBarDlg::IDD, &target));
        zoom.m_wSelector = 1;
        zoom.m_pTargetWnd = &target;
        zoom.m_bZoomLabel = 1;
        // As the preview places it: 20 pixels wide, 200 high.
        zoom.MoveWindow(10, 10, 20, 200);
        zoom.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        zoom.DestroyWindow();
        target.DestroyWindow();
    }
    void Mouse(QEvent::Type type, int y, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        MouseOn(&zoom, type, QPoint(10, y), buttons);
    }
    void Advance(DWORD ms)
    {
        clock.Advance(ms);
        PumpWaitingMessages();
    }
    static Move Sent(WORD code, int level) { return { (WPARAM(1) << 16) | code, level }; }

    ManualClock clock;
    ScopedService<IClock> useClock { &clock };
    TargetWnd target;
    CLevelBarDlg zoom;
};

TEST(LevelBarLevel, FollowsThePointWithinTheLever)
{
    struct Case {
        int y, height, level;
    } cases[] = {
        { 100, 200, 64 }, // the middle
        { -5, 200, 0 }, // above the lever
        { 0, 200, 0 }, { 182, 200, 116 }, // the thumb still fits
        { 183, 200, 126 }, // within 18 of the bottom: the level of the last row
        { 500, 200, 126 }, { 10, 0, 0 }, // a lever without height
    };
    for (const Case& c : cases)
        EXPECT_EQ(CLevelBarDlg::LevelFromPoint(c.y, c.height), c.level) << c.y << " of " << c.height;
}

TEST_F(LevelBar, PressRepeatsEvery200MsAndReleaseStops)
{
    CRect client;
    zoom.GetClientRect(&client);
    ASSERT_EQ(client.Height(), 200);

    Mouse(QEvent::MouseButtonPress, 100);
    EXPECT_EQ(target.moves, (std::vector<Move> { Sent(plinto::PTZ_MOVE_START, 64) }));
    EXPECT_EQ(zoom.m_bPressed, 1);
    EXPECT_EQ(CWnd::GetCapture(), &zoom);

    // The thumb follows a drag; nothing is sent until the repeat is due.
    Mouse(QEvent::MouseMove, 40);
    Advance(199);
    EXPECT_EQ(target.moves.size(), 1u);
    Advance(1);
    Advance(200);
    // Repeats carry the level of the thumb as drawn: its middle at y 40.
    EXPECT_EQ(target.moves,
        (std::vector<Move> { Sent(plinto::PTZ_MOVE_START, 64), Sent(plinto::PTZ_MOVE_CONTINUE, 25),
            Sent(plinto::PTZ_MOVE_CONTINUE, 25) }));

    // A drag past the top pins the thumb there.
    Mouse(QEvent::MouseMove, -30);
    Advance(200);
    EXPECT_EQ(target.moves.back(), Sent(plinto::PTZ_MOVE_CONTINUE, 0));

    // The release sends the level of the release point, although the thumb
    // springs back to the middle.
    Mouse(QEvent::MouseButtonRelease, 190, Qt::NoButton);
    EXPECT_EQ(target.moves.back(), Sent(plinto::PTZ_MOVE_STOP, 126));
    EXPECT_EQ(zoom.m_bPressed, 0);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    const size_t sent = target.moves.size();
    Advance(1000);
    EXPECT_EQ(target.moves.size(), sent);
}

TEST_F(LevelBar, OnlyALeftButtonDragMovesTheThumb)
{
    Mouse(QEvent::MouseButtonPress, 150);
    ASSERT_EQ(target.moves, (std::vector<Move> { Sent(plinto::PTZ_MOVE_START, 95) }));
    // With the right button held as well, the thumb stays where it was drawn.
    Mouse(QEvent::MouseMove, 20, Qt::LeftButton | Qt::RightButton);
    Advance(200);
    EXPECT_EQ(target.moves.back(), Sent(plinto::PTZ_MOVE_CONTINUE, 95));
    Mouse(QEvent::MouseButtonRelease, 150, Qt::NoButton);
    EXPECT_EQ(target.moves.back(), Sent(plinto::PTZ_MOVE_STOP, 95));
}

TEST_F(LevelBar, FocusLeverSendsItsSelector)
{
    CLevelBarDlg focus;
    ASSERT_TRUE(focus.Create(CLevelBarDlg::IDD, &target));
    focus.m_wSelector = 2;
    focus.m_pTargetWnd = &target;
    focus.m_bZoomLabel = 0;
    focus.MoveWindow(370, 10, 20, 200);
    focus.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 0));
    focus.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 100));
    EXPECT_EQ(target.moves, (std::vector<Move> { { (2 << 16) | 0xE011, 0 }, { (2 << 16) | 0xE013, 64 } }));
    focus.DestroyWindow();
}

TEST_F(LevelBar, IdleLeverShowsItsThumbInTheMiddle)
{
    zoom.Invalidate();
    zoom.UpdateWindow();
    EXPECT_EQ(zoom.m_nLevel, 64); // the idle thumb's level
    const QImage picture = zoom.GetSurface()->copy();
    picture.save(SUITE_BUILD_DIR "/level_bar_idle.png");
    const COLORREF thumb = RGB(0xB4, 0xBE, 0xDC);
    const COLORREF channel = RGB(0xE1, 0xE6, 0xE6);
    // The thumb spans 91..108 in the middle; the channel shows above it.
    EXPECT_EQ(At(picture, 15, 100), thumb);
    EXPECT_EQ(At(picture, 8, 60), channel);
    EXPECT_NE(At(picture, 15, 40), thumb);

    // Held near the top, the thumb is drawn there.
    Mouse(QEvent::MouseButtonPress, 20);
    const QImage held = zoom.GetSurface()->copy();
    held.save(SUITE_BUILD_DIR "/level_bar_held.png");
    EXPECT_EQ(At(held, 15, 20), thumb);
    EXPECT_NE(At(held, 15, 100), thumb);
    Mouse(QEvent::MouseButtonRelease, 20, Qt::NoButton);
}

} // namespace
