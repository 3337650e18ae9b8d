#include "controls/GridTitleTip.h"

#include "controls/GridCell.h"
#include "platform/msg/CmdTarget.h"

BEGIN_MESSAGE_MAP(CTitleTipWnd, CWnd)
ON_WM_MOUSEMOVE()
ON_WM_PAINT()
END_MESSAGE_MAP()

CTitleTipWnd::~CTitleTipWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CTitleTipWnd::Create(CWnd* pParentWnd)
{
    if (!pParentWnd)
        return FALSE;
    if (m_hWnd)
        return TRUE;
    m_pParentWnd = pParentWnd;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ZTitleTip", nullptr, WS_POPUP | WS_BORDER, 0, 0, 10,
        10, pParentWnd->m_hWnd, nullptr);
}

void CTitleTipWnd::Show(
    CRect rectTitle, LPCTSTR lpszTitleText, int xoffset, LPRECT lpHoverRect, const LOGFONT* lpLogFont)
{
    if (!m_hWnd || !m_pParentWnd || rectTitle.IsRectEmpty())
        return;
    m_rectHover = lpHoverRect ? CRect(*lpHoverRect) : rectTitle;
    // The hover area in the tip's coordinates: relative to the title's corner.
    m_rectHover.OffsetRect(-(rectTitle.left + xoffset), -rectTitle.top);
    if (IsWindowVisible() || !CWnd::GetFocus())
        return;
    m_rectTitle = rectTitle;
    m_pParentWnd->ClientToScreen(&rectTitle);
    m_strTitle = CString(" ") + (lpszTitleText ? lpszTitleText : "") + " ";
    m_bHasFont = lpLogFont != nullptr;
    if (lpLogFont)
        m_logFont = *lpLogFont;

    CClientDC dc(this);
    CSize size;
    {
        CWindowFontSelection gridFont(&dc, m_pParentWnd);
        CFont font;
        CFont* old = m_bHasFont && font.CreateFontIndirect(&m_logFont) ? dc.SelectObject(&font) : nullptr;
        size = dc.GetTextExtent(m_strTitle);
        if (old)
            dc.SelectObject(old);
    }
    const int overhang = 0;
    if (size.cx + overhang + rectTitle.left + 2 * xoffset <= rectTitle.right - xoffset)
        return; // the text fits its cell
    SetWindowPos(nullptr, rectTitle.left + xoffset, rectTitle.top, size.cx + overhang + xoffset,
        rectTitle.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
    SetCapture();
}

void CTitleTipWnd::Hide()
{
    if (!m_hWnd)
        return;
    if (CWnd::GetCapture() == this)
        ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CTitleTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_INFOBK));
    CWindowFontSelection gridFont(&dc, m_pParentWnd);
    CFont font;
    CFont* old = m_bHasFont && font.CreateFontIndirect(&m_logFont) ? dc.SelectObject(&font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    dc.TextOut(0, 0, m_strTitle);
    if (old)
        dc.SelectObject(old);
}

void CTitleTipWnd::ForwardToGrid(UINT message, WPARAM wParam, CPoint point)
{
    if (!m_pParentWnd || !m_pParentWnd->m_hWnd)
        return;
    ClientToScreen(&point);
    m_pParentWnd->ScreenToClient(&point);
    m_pParentWnd->PostMessage(message, wParam, MAKELPARAM(WORD(SHORT(point.x)), WORD(SHORT(point.y))));
}

void CTitleTipWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_rectHover.PtInRect(point))
        return;
    Hide();
    ForwardToGrid(WM_MOUSEMOVE, nFlags, point);
}

BOOL CTitleTipWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const CPoint point(pMsg->lParam);
        Hide();
        ForwardToGrid(pMsg->message, pMsg->wParam, point);
        return TRUE;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        if (m_pParentWnd && m_pParentWnd->m_hWnd)
            m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    default:
        return CWnd::PreTranslateMessage(pMsg);
    }
}
