#include "viewer/quenby/ZoomFocusBar.h"

#include "link/WindowMessages.h"
#include "stream/ferrock/FerrockTypes.h"
#include "stream/ferrock/PtzLevel.h"

#include <algorithm>

namespace quenby
{

using ferrock::kThumbHeight;
using ferrock::LevelFromY;
using ferrock::PlaceThumb;

namespace
{

constexpr COLORREF kBarBackground = RGB(0xD9, 0xE3, 0xE3);
constexpr COLORREF kThumbColour = RGB(0xB4, 0xBE, 0xDC);
constexpr COLORREF kChannelColour = RGB(0xE1, 0xE6, 0xE6);
constexpr UINT kRepeatMs = 200;

// One step lighter or darker per channel, as the slider's shades are.
COLORREF Shade(COLORREF c, int step)
{
    auto one = [step](int v) { return BYTE(std::clamp(v + step, 0, 255)); };
    return RGB(one(GetRValue(c)), one(GetGValue(c)), one(GetBValue(c)));
}

// The labels are always in this face, whatever the system's language.
void Label(CDC* pDC, int x, int y, const char* text, int weight)
{
    CFont font;
    font.CreateFont(11, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
    CFont* oldFont = pDC->SelectObject(&font);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(x, y, text);
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldFont);
}

// The channel: a rounded groove with a middle line, "+" at the top and "-"
// at the bottom.
void DrawChannel(CDC* pDC, CRect rc)
{
    CPen outline(PS_SOLID, 1, Shade(kChannelColour, -102));
    CBrush fill(kChannelColour);
    CPen* oldPen = pDC->SelectObject(&outline);
    CBrush* oldBrush = pDC->SelectObject(&fill);
    pDC->RoundRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1, 2, 2);
    pDC->MoveTo(rc.left + 1, (rc.top + rc.bottom) / 2);
    pDC->LineTo(rc.right - 1, (rc.top + rc.bottom) / 2);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
    Label(pDC, 6, 1, "+", FW_BOLD);
    Label(pDC, 7, rc.bottom - 15, "-", FW_BOLD);
}

// The thumb: a rounded, raised band with its letter.
void DrawThumb(CDC* pDC, CRect rc, const char* label)
{
    CPen outline(PS_SOLID, 1, RGB(20, 10, 90));
    CBrush fill(kThumbColour);
    CPen* oldPen = pDC->SelectObject(&outline);
    CBrush* oldBrush = pDC->SelectObject(&fill);
    pDC->RoundRect(&rc, CPoint(2, 2));
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, Shade(kThumbColour, 51), Shade(kThumbColour, -51));
    Label(pDC, 6, rc.top + 1, label, FW_NORMAL);
}

} // namespace

BEGIN_MESSAGE_MAP(CZoomFocusBar, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
END_MESSAGE_MAP()

CZoomFocusBar::CZoomFocusBar() = default;

CZoomFocusBar::~CZoomFocusBar()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CZoomFocusBar::CreateBar(CWnd* pOwner)
{
    return CreateEx(
        0, nullptr, "", WS_POPUP, 0, 0, 20, 100, pOwner ? pOwner->GetSafeHwnd() : nullptr, nullptr);
}

int CZoomFocusBar::Height() const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.Height();
}

void CZoomFocusBar::Draw(CDC* pDC, int top)
{
    CRect rc;
    GetClientRect(&rc);
    OnEraseBkgnd(pDC);
    m_nLevel = PlaceThumb(&top, rc.Height());
    DrawChannel(pDC, CRect(4, 2, rc.Width() - 4, rc.Height() - 2));
    DrawThumb(pDC, CRect(2, top, rc.Width() - 2, top + kThumbHeight), m_bLabelZ ? "Z" : "F");
}

void CZoomFocusBar::DrawNow(int top)
{
    CClientDC dc(this);
    Draw(&dc, top);
}

BOOL CZoomFocusBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, kBarBackground);
    pDC->Rectangle(0, 0, rc.Width(), rc.Height());
    return FALSE;
}

void CZoomFocusBar::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc, Height() / 2 - kThumbHeight / 2);
}

void CZoomFocusBar::Send(uint16_t code, int level)
{
    if (m_pTarget && m_pTarget->GetSafeHwnd())
        m_pTarget->SendMessage(WM_PTZ_MOVE, WPARAM(m_wSelector) << 16 | code, LPARAM(level & 0xFFFF));
}

void CZoomFocusBar::OnLButtonDown(UINT, CPoint point)
{
    m_bPressed = 1;
    SetCapture();
    Send(ferrock::kPtzMoveStart, LevelFromY(point.y, Height()));
    SetTimer(kBarRepeatTimer, kRepeatMs);
    DrawNow(point.y - kThumbHeight / 2);
}

void CZoomFocusBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (nFlags == MK_LBUTTON && m_bPressed)
        DrawNow(point.y - kThumbHeight / 2);
}

void CZoomFocusBar::OnTimer(UINT_PTR)
{
    Send(ferrock::kPtzMoveContinue, m_nLevel);
}

void CZoomFocusBar::OnLButtonUp(UINT, CPoint point)
{
    ReleaseCapture();
    m_bPressed = 0;
    DrawNow(Height() / 2 - kThumbHeight / 2);
    KillTimer(kBarRepeatTimer);
    Send(ferrock::kPtzMoveStop, LevelFromY(point.y, Height()));
}

} // namespace quenby
