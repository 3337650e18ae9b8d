// A zoom or focus bar beside the viewer's picture: a narrow pop-up with a
// thumb that the user holds; while held it reports the thumb's level to
// its target window with WM_PTZ_MOVE (press, every 200 ms, release) and
// springs back to the middle when let go.
#pragma once

#include "platform/ui/Wnd.h"

#include <cstdint>

namespace quenby
{

class CZoomFocusBar : public CWnd
{
public:
    CZoomFocusBar();
    ~CZoomFocusBar() override;

    // A hidden pop-up owned by `pOwner`.
    BOOL CreateBar(CWnd* pOwner);

    int m_bLabelZ = 1; // 1: the thumb shows "Z"; 0: "F"
    CWnd* m_pTarget = nullptr;
    uint16_t m_wSelector = 0; // 1 zoom, 2 focus
    int m_nLevel = 0;
    int m_bPressed = 0;

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // Draws the bar with the thumb's top at `top` and keeps its level.
    void Draw(CDC* pDC, int top);
    void DrawNow(int top);
    void Send(uint16_t code, int level);
    int Height() const;
};

constexpr UINT_PTR kBarRepeatTimer = 4137;

} // namespace quenby
