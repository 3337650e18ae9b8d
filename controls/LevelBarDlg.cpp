#include "controls/LevelBarDlg.h"

#include "link/WindowMessages.h"

namespace
{

constexpr COLORREF kBackground = RGB(0xD9, 0xE3, 0xE3);
constexpr COLORREF kThumb = RGB(0xB4, 0xBE, 0xDC);
constexpr COLORREF kChannel = RGB(0xE1, 0xE6, 0xE6);

// 127 / height x y, rounded half up; a lever without height has level 0.
int LevelAt(int y, int height)
{
    if (height <= 0)
        return 0;
    return int(127.0 / height * y + 0.5);
}

} // namespace

BEGIN_MESSAGE_MAP(CLevelBarDlg, CDialog)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
END_MESSAGE_MAP()

CLevelBarDlg::CLevelBarDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
{
    m_painter.SetBaseColor(kThumb);
    m_painter.SetChannelColor(kChannel);
}

int CLevelBarDlg::LevelFromPoint(int y, int height)
{
    if (y < 0)
        y = 0;
    if (y + THUMB_HEIGHT > height)
        y = height - 1;
    return LevelAt(y, height);
}

int CLevelBarDlg::MiddleThumbTop() const
{
    CRect client;
    GetClientRect(&client);
    return client.Height() / 2 - THUMB_HEIGHT / 2;
}

void CLevelBarDlg::DrawBackground(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBackground);
    pDC->Rectangle(0, 0, client.Width(), client.Height());
}

void CLevelBarDlg::DrawBar(CDC* pDC, int thumbTop)
{
    CRect client;
    GetClientRect(&client);
    const int width = client.Width();
    const int height = client.Height();
    DrawBackground(pDC);
    if (thumbTop < 0) {
        thumbTop = 0;
        m_nLevel = 0;
    } else if (thumbTop + THUMB_HEIGHT > height) {
        thumbTop = height - THUMB_HEIGHT;
        m_nLevel = 127;
    } else {
        m_nLevel = LevelAt(thumbTop + THUMB_HEIGHT / 2, height);
    }
    m_painter.DrawChannel(pDC, CRect(4, 2, width - 4, height - 2));
    m_painter.DrawThumb(
        pDC, CRect(2, thumbTop, width - 2, thumbTop + THUMB_HEIGHT), m_bZoomLabel ? "Z" : "F");
}

void CLevelBarDlg::DrawHeld(int thumbTop)
{
    m_nHeldThumbTop = thumbTop;
    CClientDC dc(this);
    DrawBar(&dc, thumbTop);
}

void CLevelBarDlg::SendMove(WORD code)
{
    if (m_pTargetWnd && ::IsWindow(m_pTargetWnd->m_hWnd))
        m_pTargetWnd->SendMessage(WM_PTZ_MOVE, (WPARAM(m_wSelector) << 16) | code, LPARAM(m_nLevel & 0xFFFF));
}

BOOL CLevelBarDlg::OnEraseBkgnd(CDC* pDC)
{
    DrawBackground(pDC);
    return FALSE;
}

void CLevelBarDlg::OnPaint()
{
    CPaintDC dc(this);
    DrawBar(&dc, m_bPressed ? m_nHeldThumbTop : MiddleThumbTop());
}

void CLevelBarDlg::OnKillFocus(CWnd* pNewWnd)
{
    CDialog::OnKillFocus(pNewWnd);
}

void CLevelBarDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bPressed = 1;
    SetCapture();
    CRect client;
    GetClientRect(&client);
    m_nLevel = LevelFromPoint(point.y, client.Height());
    SendMove(plinto::PTZ_MOVE_START);
    SetTimer(TIMER_REPEAT, REPEAT_PERIOD);
    DrawHeld(point.y - THUMB_HEIGHT / 2);
    CDialog::OnLButtonDown(nFlags, point);
}

void CLevelBarDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    // Only a drag with the left button alone moves the thumb.
    if (nFlags == MK_LBUTTON && m_bPressed)
        DrawHeld(point.y - THUMB_HEIGHT / 2);
    CDialog::OnMouseMove(nFlags, point);
}

void CLevelBarDlg::OnTimer(UINT_PTR nIDEvent)
{
    // Repeats follow the thumb as it was last drawn.
    SendMove(plinto::PTZ_MOVE_CONTINUE);
    CDialog::OnTimer(nIDEvent);
}

void CLevelBarDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    ReleaseCapture();
    m_bPressed = 0;
    {
        CClientDC dc(this);
        DrawBar(&dc, MiddleThumbTop());
    }
    KillTimer(TIMER_REPEAT);
    CRect client;
    GetClientRect(&client);
    m_nLevel = LevelFromPoint(point.y, client.Height());
    SendMove(plinto::PTZ_MOVE_STOP);
    CDialog::OnLButtonUp(nFlags, point);
}
