#include "controls/CaptionButtonManager.h"

#include "platform/ui/DC.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <vector>

namespace
{

// A top-level window that passes its messages through the manager, as the
// main frame does, and records the click reports.
class CTestFrame : public CWnd
{
public:
    CCaptionButtonManager* m_pButtons = nullptr;
    std::vector<WPARAM> m_clicks;

    LRESULT BaseProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_CAPTION_BUTTON) {
            m_clicks.push_back(wParam);
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (m_pButtons != nullptr)
            return m_pButtons->WindowProc(m_hWnd, message, wParam, lParam);
        return BaseProc(message, wParam, lParam);
    }
};

HBITMAP SolidBitmap(int width, int height, COLORREF colour)
{
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(nullptr, width, height);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, colour);
    dc.DeleteDC();
    return bitmap.Detach();
}

LPARAM At(LONG x, LONG y)
{
    return MAKELPARAM(WORD(x), WORD(y));
}

class CaptionButtons : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_frame.CreateEx(0, "TestFrame", "Frame", WS_OVERLAPPED, 40, 30, 800, 634, nullptr, nullptr));
        m_frame.ShowWindow(SW_SHOW);
        m_manager = std::make_unique<CCaptionButtonManager>();
        m_frame.m_pButtons = m_manager.get();
        ASSERT_TRUE(m_manager->Attach(
            &m_frame, [this](UINT m, WPARAM w, LPARAM l) { return m_frame.BaseProc(m, w, l); }));
        m_manager->SetReservedSlots(3);
        m_manager->SetTransparentColor(RGB(255, 0, 255));
        m_manager->SetPressedBitmap(SolidBitmap(16, 14, RGB(0, 0, 0)));
        ASSERT_TRUE(m_manager->AddButton(1, nullptr, SolidBitmap(16, 14, RGB(0, 0, 200)), "Version", -1));
    }
    void TearDown() override
    {
        m_frame.m_pButtons = nullptr;
        m_manager.reset();
        m_frame.DestroyWindow();
    }

    // The centre of button 0 in the bar's client coordinates.
    POINT BarPointOfButton()
    {
        RECT button = m_manager->GetButtonRect(0);
        POINT point { (button.left + button.right) / 2, (button.top + button.bottom) / 2 };
        m_manager->GetBar()->ScreenToClient(&point);
        return point;
    }

    CTestFrame m_frame;
    std::unique_ptr<CCaptionButtonManager> m_manager;
};

TEST_F(CaptionButtons, TheFirstButtonStandsLeftOfTheReservedSlots)
{
    RECT window;
    m_frame.GetWindowRect(&window);
    const CaptionMetrics& metrics = m_manager->m_metrics;
    RECT button = m_manager->GetButtonRect(0);
    EXPECT_EQ(button.right, window.right - 3 * metrics.cxSize - metrics.cxDlgFrame);
    EXPECT_EQ(button.top, window.top + metrics.cyDlgFrame);
    EXPECT_EQ(m_manager->GetToolTipText(1), CString("Version"));
    // A refused button leaves its images with the caller.
    HBITMAP refused = SolidBitmap(4, 4, 0);
    EXPECT_FALSE(m_manager->AddButton(1, nullptr, refused, "again", -1));
    DeleteObject(refused);
    EXPECT_EQ(m_manager->GetButtonCount(), 1);

    // Moving the frame moves the hit region and the bar with it.
    m_frame.MoveWindow(140, 60, 800, 634);
    PumpWaitingMessages();
    RECT moved = m_manager->GetButtonRect(0);
    m_frame.GetWindowRect(&window);
    EXPECT_EQ(moved.right, window.right - 3 * metrics.cxSize - metrics.cxDlgFrame);
    RECT bar;
    m_manager->GetBar()->GetWindowRect(&bar);
    EXPECT_EQ(bar.left, moved.left);
    EXPECT_EQ(bar.top, moved.top);
}

TEST_F(CaptionButtons, AClickReachesTheFrameOnceWithTheButtonId)
{
    CWnd* bar = m_manager->GetBar();
    POINT point = BarPointOfButton();
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(point.x, point.y));
    EXPECT_EQ(m_manager->GetPressedIndex(), 0);
    bar->SendMessage(WM_LBUTTONUP, 0, At(point.x, point.y));
    PumpWaitingMessages();
    ASSERT_EQ(m_frame.m_clicks.size(), 1u);
    EXPECT_EQ(m_frame.m_clicks[0], WPARAM(1));
    EXPECT_EQ(m_manager->GetPressedIndex(), -1);
}

TEST_F(CaptionButtons, ReleasingOffTheButtonPostsNothing)
{
    CWnd* bar = m_manager->GetBar();
    POINT point = BarPointOfButton();
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(point.x, point.y));
    bar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(point.x - 200, point.y + 300));
    bar->SendMessage(WM_LBUTTONUP, 0, At(point.x - 200, point.y + 300));
    PumpWaitingMessages();
    EXPECT_TRUE(m_frame.m_clicks.empty());
    EXPECT_EQ(m_manager->GetPressedIndex(), -1);
}

TEST_F(CaptionButtons, HoverFollowsThePointer)
{
    CWnd* bar = m_manager->GetBar();
    POINT point = BarPointOfButton();
    bar->SendMessage(WM_MOUSEMOVE, 0, At(point.x, point.y));
    EXPECT_EQ(m_manager->GetHoverIndex(), 0);
    // A move over the frame's client area (not captured) ends the hover.
    m_frame.SendMessage(WM_MOUSEMOVE, 0, At(400, 300));
    EXPECT_EQ(m_manager->GetHoverIndex(), -1);
}

TEST_F(CaptionButtons, RestingOnAButtonShowsItsTip)
{
    const CToolTipCtrl* tips = m_manager->GetToolTip();
    ASSERT_NE(tips, nullptr);
    // The tool is the button's rectangle in the frame's client coordinates.
    RECT button = m_manager->GetButtonRect(0);
    m_frame.ScreenToClient(&button);
    EXPECT_STREQ(tips->TextAt(&m_frame, POINT { button.left, button.top }), "Version");
    EXPECT_STREQ(tips->TextAt(&m_frame, POINT { button.right - 1, button.bottom - 1 }), "Version");
    EXPECT_EQ(tips->TextAt(&m_frame, POINT { button.left - 1, button.top }), nullptr);
    EXPECT_EQ(tips->TextAt(&m_frame, POINT { 400, 300 }), nullptr);

    // The pointer rests over the button: the tip pops up with its text.
    CWnd* bar = m_manager->GetBar();
    const POINT point = BarPointOfButton();
    bar->SendMessage(WM_MOUSEMOVE, 0, At(point.x, point.y));
    QWidget* widget = bar->GetWidget();
    QHelpEvent rest(QEvent::ToolTip, QPoint(point.x, point.y), widget->mapToGlobal(QPoint(point.x, point.y)));
    QApplication::sendEvent(widget, &rest);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString("Version"));
    QToolTip::hideText();

    // A frame that was moved keeps the tip on the button.
    m_frame.MoveWindow(140, 60, 800, 634);
    PumpWaitingMessages();
    button = m_manager->GetButtonRect(0);
    m_frame.ScreenToClient(&button);
    EXPECT_STREQ(tips->TextAt(&m_frame, POINT { button.left + 1, button.top + 1 }), "Version");
}

TEST(CombineBitmaps, DrawsBothOverTheBackgroundLeavingOutTheKey)
{
    const COLORREF key = RGB(255, 0, 255);
    HBITMAP a = SolidBitmap(4, 4, RGB(10, 20, 30));
    HBITMAP b = SolidBitmap(4, 4, key);
    {
        CBitmap holder;
        holder.Attach(b);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&holder);
        dc.SetPixel(1, 1, RGB(200, 0, 0));
        dc.DeleteDC();
        holder.Detach();
    }
    HBITMAP combined = CombineBitmaps(a, b, key);
    ASSERT_NE(combined, nullptr);
    CBitmap result;
    result.Attach(combined);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&result);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(200, 0, 0));
    dc.DeleteDC();
    EXPECT_EQ(CombineBitmaps(a, nullptr, key), nullptr);
    DeleteObject(a);
    DeleteObject(b);
}

} // namespace
