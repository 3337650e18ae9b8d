#include "controls/TextProgressCtrl.h"

#include <algorithm>
#include <cstring>

BEGIN_MESSAGE_MAP(CTextProgressCtrl, CProgressCtrl)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
END_MESSAGE_MAP()

CTextProgressCtrl::CTextProgressCtrl()
    : m_crBar(GetSysColor(COLOR_HIGHLIGHT))
    , m_crBackground(GetSysColor(COLOR_WINDOW))
    , m_crText(GetSysColor(COLOR_HIGHLIGHT))
    , m_crTextOverBar(GetSysColor(COLOR_WINDOW))
{
}

LRESULT CTextProgressCtrl::OnSetText(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    const auto* text = reinterpret_cast<LPCTSTR>(lParam);
    const bool differs = text ? std::strcmp(text, m_strText) != 0 : !m_strText.IsEmpty();
    if (differs) {
        m_strText = text ? text : "";
        Invalidate();
    }
    return result;
}

LRESULT CTextProgressCtrl::OnGetText(WPARAM wParam, LPARAM lParam)
{
    // The copy always ends within the caller's room.
    auto* buffer = reinterpret_cast<char*>(lParam);
    if (!buffer || wParam == 0)
        return 0;
    const size_t count = std::min(size_t(wParam) - 1, size_t(m_strText.GetLength()));
    std::memcpy(buffer, m_strText.GetString(), count);
    buffer[count] = '\0';
    return LRESULT(count);
}

BOOL CTextProgressCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTextProgressCtrl::OnSize(UINT nType, int cx, int cy)
{
    CProgressCtrl::OnSize(nType, cx, cy);
    m_nBarWidth = -1;
}

void CTextProgressCtrl::SetShowText(BOOL bShow)
{
    const bool changed = (bShow != FALSE) != (m_bShowText != FALSE);
    m_bShowText = bShow;
    if (m_hWnd && changed)
        Invalidate();
}

void CTextProgressCtrl::SetRange(int nLower, int nUpper)
{
    m_nMin = nLower;
    m_nMax = nUpper;
}

int CTextProgressCtrl::SetStep(int nStep)
{
    const int previous = m_nStepSize;
    m_nStepSize = nStep;
    return previous;
}

double CTextProgressCtrl::Fraction() const
{
    if (m_nMax <= m_nMin)
        return 0.0;
    return (double(m_nPos) - double(m_nMin)) / (double(m_nMax) - double(m_nMin));
}

int CTextProgressCtrl::BarWidth(int width) const
{
    // A position outside the range fills nothing or everything.
    return int(double(width) * std::clamp(Fraction(), 0.0, 1.0));
}

int CTextProgressCtrl::SetPos(int nPos)
{
    if (!m_hWnd)
        return -1;
    const int previous = m_nPos;
    m_nPos = nPos;
    CRect client;
    GetClientRect(&client);
    const int width = BarWidth(client.Width());
    if (width != m_nBarWidth) {
        m_nBarWidth = width;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    return previous;
}

void CTextProgressCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_nMin >= m_nMax)
        return;
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return;
    CRect bar = client;
    bar.right = bar.left + BarWidth(client.Width());
    CRect rest = client;
    rest.left = bar.right;

    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc)
        || !bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height()))
        return;
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    memory.FillSolidRect(&bar, m_crBar);
    memory.FillSolidRect(&rest, m_crBackground);

    if (m_bShowText) {
        CString text = m_strText;
        if (text.IsEmpty())
            text.Format("%d%%", int(Fraction() * 100.0));
        memory.SetBkMode(TRANSPARENT);
        memory.SelectObject(GetFont());
        constexpr UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
        CRgn barRegion;
        barRegion.CreateRectRgnIndirect(&bar);
        memory.SelectClipRgn(&barRegion);
        memory.SetTextColor(m_crTextOverBar);
        memory.DrawText(text, -1, &client, format);
        CRgn restRegion;
        restRegion.CreateRectRgnIndirect(&rest);
        memory.SelectClipRgn(&restRegion);
        memory.SetTextColor(m_crText);
        memory.DrawText(text, -1, &client, format);
        memory.SelectClipRgn(nullptr);
    }
    dc.BitBlt(client.left, client.top, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}
